#include "FullDisk.h"

#include <QDir>
#include <QTemporaryDir>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

namespace tslq::test {

namespace {

// Room before Fill(): enough for a data file, a PDF listing and a CSV list.
constexpr char kMountOptions[] = "size=1m,mode=0755";
constexpr char kFiller[] = "/filler";

// Enters a mount namespace of this process's own, once. Mounts made in it go
// away with the process however it ends, and are never seen outside it.
void EnterPrivateMounts()
{
    static const bool entered = [] {
        if (::unshare(CLONE_NEWNS) != 0) return false;
        return ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    }();
    (void)entered;
}

} // namespace

struct FullDisk::Saved
{
    QTemporaryDir scratch;
    rlimit limit{};
    void (*handler)(int) = SIG_DFL;
};

FullDisk::FullDisk() : saved_(std::make_unique<Saved>())
{
    if (!saved_->scratch.isValid()) {
        unusable_ = QStringLiteral("no scratch folder: ") + saved_->scratch.errorString();
        return;
    }
    root_ = saved_->scratch.path();
    if (qgetenv("TSLQ_FULL_DISK") != "limit" && ::geteuid() == 0) mounted_ = Mount();
    folder_ = root_ + QStringLiteral("/files");
    if (!QDir().mkpath(folder_)) unusable_ = QStringLiteral("cannot make ") + folder_;
}

FullDisk::~FullDisk()
{
    Release();
    if (mounted_) {
        // A file still open on it (a failing test's) keeps it busy: detach it
        // then, so that it goes as soon as that file is closed.
        if (::umount2(root_.toLocal8Bit().constData(), 0) != 0)
            ::umount2(root_.toLocal8Bit().constData(), MNT_DETACH);
    }
}

bool FullDisk::Mount()
{
    EnterPrivateMounts();
    return ::mount("tmpfs", root_.toLocal8Bit().constData(), "tmpfs", MS_NOSUID | MS_NODEV, kMountOptions) ==
           0;
}

QString FullDisk::Kind() const
{
    return mounted_ ? QStringLiteral("tmpfs") : QStringLiteral("file size limit");
}

QString FullDisk::Reason() const
{
    return qt_error_string(mounted_ ? ENOSPC : EFBIG);
}

QStringList FullDisk::Files() const
{
    return QDir(folder_).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

bool FullDisk::Fill()
{
    if (!unusable_.isEmpty() || filled_) return false;
    if (!mounted_) {
        // Nothing may grow past size 0: every write to a file fails.
        if (::getrlimit(RLIMIT_FSIZE, &saved_->limit) != 0) return false;
        rlimit none = saved_->limit;
        none.rlim_cur = 0;
        saved_->handler = std::signal(SIGXFSZ, SIG_IGN);
        if (::setrlimit(RLIMIT_FSIZE, &none) != 0) {
            std::signal(SIGXFSZ, saved_->handler);
            return false;
        }
        limited_ = filled_ = true;
        return true;
    }
    const QByteArray filler = (root_ + QLatin1String(kFiller)).toLocal8Bit();
    const int fd = ::open(filler.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    filled_ = true;
    static const char chunk[64 * 1024] = {};
    ssize_t wrote = 0;
    do
        wrote = ::write(fd, chunk, sizeof chunk);
    while (wrote > 0 || (wrote < 0 && errno == EINTR));
    const bool full = wrote < 0 && errno == ENOSPC;
    ::close(fd);
    return full;
}

void FullDisk::Release()
{
    if (!filled_) return;
    filled_ = false;
    if (limited_) {
        ::setrlimit(RLIMIT_FSIZE, &saved_->limit);
        std::signal(SIGXFSZ, saved_->handler);
        limited_ = false;
        return;
    }
    ::unlink((root_ + QLatin1String(kFiller)).toLocal8Bit().constData());
}

} // namespace tslq::test
