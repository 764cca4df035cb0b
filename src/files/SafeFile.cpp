// Writing files and standard output with every write checked.
#include "files/SafeFile.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cerrno>
#include <unistd.h>

namespace {

// Bytes gathered before they go to the temporary file in one write.
constexpr std::size_t kChunk = 64 * 1024;

QString SystemReason(int error)
{
    return qt_error_string(error);
}

// Why a file could not be written, shown below "File Open error.".
QString WriteError()
{
    //: Why a file could not be written, shown below "File Open error.".
    return QCoreApplication::translate("SafeFile", "write error");
}

FileSync& Sync()
{
    static FileSync sync = &::fsync;
    return sync;
}

} // namespace

FileSync SetFileSync(FileSync sync)
{
    const FileSync previous = Sync();
    Sync() = sync ? sync : &::fsync;
    return previous;
}

SafeFile::SafeFile(const QString& path) : path_(path), file_(path)
{
    // Writing straight into the target when its folder takes no new file
    // would leave a partial file after a failure; such a save fails instead.
    file_.setDirectWriteFallback(false);
}

SafeFile::~SafeFile()
{
    Cancel();
}

bool SafeFile::open(OpenMode mode)
{
    if (isOpen()) return false;
    failed_ = false;
    reason_.clear();
    buffer_.clear();
    if ((mode & ReadOnly) || (mode & Append) || !(mode & WriteOnly))
        //: Why a file could not be written (a program error rather than the operator's).
        return Fail(QCoreApplication::translate("SafeFile", "can only be written as a whole"));
    // A device or a pipe cannot be replaced by a file of the same name.
    const QFileInfo target(path_);
    if (target.exists() && !target.isFile() && !target.isDir())
        //: Why a file could not be written: the name is a device or a pipe, shown below "File Open error.".
        return Fail(QCoreApplication::translate("SafeFile", "is not a regular file"));
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return Fail(file_.errorString());
    return QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

void SafeFile::close()
{
    Cancel();
}

bool SafeFile::Fail(const QString& reason)
{
    failed_ = true;
    if (reason_.isEmpty()) reason_ = reason.isEmpty() ? WriteError() : reason;
    Discard();
    return false;
}

void SafeFile::Discard()
{
    buffer_.clear();
    if (!file_.isOpen()) return;
    // A cancelled QSaveFile removes its temporary file on commit().
    file_.cancelWriting();
    file_.commit();
}

bool SafeFile::WriteOut()
{
    std::size_t done = 0;
    while (done < buffer_.size()) {
        // A short count is not an error yet: the next write says why it
        // stopped (a full disk accepts the part that fits, then ENOSPC).
        const qint64 wrote = file_.write(buffer_.data() + done, static_cast<qint64>(buffer_.size() - done));
        if (wrote <= 0) return Fail(file_.errorString());
        done += static_cast<std::size_t>(wrote);
    }
    buffer_.clear();
    return true;
}

qint64 SafeFile::readData(char*, qint64)
{
    return -1;
}

qint64 SafeFile::writeData(const char* data, qint64 size)
{
    if (failed_ || !file_.isOpen()) return -1;
    buffer_.append(data, static_cast<std::size_t>(size));
    if (buffer_.size() >= kChunk && !WriteOut()) return -1;
    return size;
}

bool SafeFile::Commit()
{
    if (!isOpen()) {
        //: Why a file could not be written (a program error rather than the operator's).
        if (!failed_) Fail(QCoreApplication::translate("SafeFile", "file not open"));
        return false;
    }
    bool ok = !failed_ && WriteOut();
    if (ok) {
        // QSaveFile syncs too but ignores the result; a disk that only
        // reports the lack of room when the data reaches it says so here.
        int synced;
        do
            synced = Sync()(file_.handle());
        while (synced != 0 && errno == EINTR);
        if (synced != 0) ok = Fail(SystemReason(errno));
    }
    if (ok && !file_.commit()) {
        // The rename failed; QSaveFile has removed the temporary file.
        failed_ = true;
        reason_ = file_.errorString();
        ok = false;
    }
    QIODevice::close();
    return ok;
}

void SafeFile::Cancel()
{
    Discard();
    if (isOpen()) QIODevice::close();
}

DescriptorStreamBuf::DescriptorStreamBuf(int descriptor) : descriptor_(descriptor)
{
    setp(buffer_, buffer_ + sizeof buffer_);
}

DescriptorStreamBuf::~DescriptorStreamBuf()
{
    WriteOut();
}

bool DescriptorStreamBuf::WriteAll(const char* data, std::size_t size)
{
    if (Failed()) return false;
    if (size == 0) return true;
    if (descriptor_ < 0) {
        reason_ = SystemReason(EBADF);
        return false;
    }
    while (size > 0) {
        const ssize_t wrote = ::write(descriptor_, data, size);
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote <= 0) {
            reason_ = wrote < 0 ? SystemReason(errno) : WriteError();
            return false;
        }
        data += wrote;
        size -= static_cast<std::size_t>(wrote);
    }
    return true;
}

bool DescriptorStreamBuf::WriteOut()
{
    const std::size_t pending = static_cast<std::size_t>(pptr() - pbase());
    setp(buffer_, buffer_ + sizeof buffer_);
    return WriteAll(buffer_, pending);
}

DescriptorStreamBuf::int_type DescriptorStreamBuf::overflow(int_type ch)
{
    if (!WriteOut()) return traits_type::eof();
    if (traits_type::eq_int_type(ch, traits_type::eof())) return traits_type::not_eof(ch);
    *pptr() = traits_type::to_char_type(ch);
    pbump(1);
    return ch;
}

std::streamsize DescriptorStreamBuf::xsputn(const char* data, std::streamsize size)
{
    if (size <= epptr() - pptr()) {
        traits_type::copy(pptr(), data, static_cast<std::size_t>(size));
        pbump(static_cast<int>(size));
        return size;
    }
    if (!WriteOut() || !WriteAll(data, static_cast<std::size_t>(size))) return 0;
    return size;
}

int DescriptorStreamBuf::sync()
{
    return WriteOut() ? 0 : -1;
}

bool DescriptorStreamBuf::Close()
{
    bool ok = WriteOut();
    if (descriptor_ >= 0) {
        // Some file systems report a failed write only when the file closes.
        if (::close(descriptor_) != 0 && ok) {
            reason_ = SystemReason(errno);
            ok = false;
        }
        descriptor_ = -1;
    }
    return ok;
}
