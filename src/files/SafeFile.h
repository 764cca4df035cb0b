// Writing a file so that it either holds everything that was written or stays
// exactly as it was: every file the program writes (data files, channel lists,
// PDF listings) goes through SafeFile, and standard output through
// DescriptorStreamBuf.
//
// QSaveFile alone is not enough: after a buffered write has hit a full disk,
// its commit() still reports success and renames the empty temporary file
// over the target. So SafeFile keeps its own buffer over an unbuffered
// QSaveFile, checks the count of every write, syncs the temporary file to
// disk itself and renames it into place only when every step succeeded.
#pragma once

#include <QIODevice>
#include <QSaveFile>
#include <QString>

#include <streambuf>
#include <string>

// A file replaced as a whole. Open it, write to it (QIODevice::write, or
// hand it to anything that writes to a QIODevice, such as QPdfWriter), then
// Commit(). Any failure cancels the whole file: the target keeps its
// previous content, no temporary or partial file is left behind, and
// Reason() says why ("No space left on device"). A SafeFile destroyed
// without a successful Commit() leaves the target untouched.
class SafeFile : public QIODevice
{
  public:
    explicit SafeFile(const QString& path);
    ~SafeFile() override;

    // Only QIODevice::WriteOnly (with or without Truncate) is taken. Creates
    // the temporary file beside the target; false (and the reason) when it
    // cannot be created.
    bool open(OpenMode mode) override;
    // Closing without Commit() is Cancel().
    void close() override;
    // Writes out what is buffered, syncs it to disk and puts the file in
    // place of the target. false (and the reason) on any failure now or
    // earlier, in which case the new content is discarded.
    bool Commit();
    // Discards everything written so far; the target stays as it was.
    void Cancel();

    // Whether a write has failed since open(); every later write fails too.
    bool Failed() const { return failed_; }
    // Why the file could not be written, in the system's words.
    QString Reason() const { return reason_; }
    const QString& Path() const { return path_; }

  protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

  private:
    bool Fail(const QString& reason);
    void Discard();
    bool WriteOut();

    QString path_;
    QSaveFile file_;
    std::string buffer_;
    bool failed_ = false;
    QString reason_;
};

// Syncs a file descriptor to disk: 0, or -1 with errno set (as fsync). Tests
// put in one that fails, to see the failure reported; nullptr restores fsync.
using FileSync = int (*)(int descriptor);
// Replaces the sync SafeFile::Commit() uses and returns the previous one.
FileSync SetFileSync(FileSync sync);

// A stream buffer over an open file descriptor (standard output) that checks
// every write: a failure, such as standard output redirected onto a full
// disk, is kept with its reason, and the stream using the buffer goes bad.
class DescriptorStreamBuf : public std::streambuf
{
  public:
    explicit DescriptorStreamBuf(int descriptor);
    ~DescriptorStreamBuf() override;
    DescriptorStreamBuf(const DescriptorStreamBuf&) = delete;
    DescriptorStreamBuf& operator=(const DescriptorStreamBuf&) = delete;

    // Writes out what is buffered and closes the descriptor; false (and the
    // reason) when this or any earlier write failed.
    bool Close();
    bool Failed() const { return !reason_.isEmpty(); }
    // Why the output was lost, in the system's words; empty while all is well.
    const QString& Reason() const { return reason_; }

  protected:
    int_type overflow(int_type ch) override;
    std::streamsize xsputn(const char* data, std::streamsize size) override;
    int sync() override;

  private:
    bool WriteOut();
    bool WriteAll(const char* data, std::size_t size);

    int descriptor_;
    char buffer_[8192];
    QString reason_;
};
