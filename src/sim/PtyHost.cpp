// PtyHost: the simulated radio's line, a pseudo-terminal.
#include "sim/PtyHost.h"

#include "link/SerialLog.h"

#include <QCoreApplication>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace {

constexpr std::int64_t NanosPerSecond = 1'000'000'000;

// Why the line cannot be made, as the program's window says it when its
// own simulated radio cannot start; tslq-sim says it in English.
std::string CannotCreate(const char* what)
{
    const QString reason = QString::fromLocal8Bit(std::strerror(errno));
    return QCoreApplication::translate("PtyHost", what).arg(reason).toStdString();
}

bool IsIgnoredInLine(char c)
{
    // Line feeds and the XON/XOFF characters are not part of a command.
    return c == '\n' || c == '\x11' || c == '\x13';
}

} // namespace

PtyHost::PtyHost(Responder respond, HungUpQuery hungUp, PtyHostOptions options)
    : respond_(std::move(respond)), hungUpQuery_(std::move(hungUp)), options_(std::move(options))
{
    if (options_.baudRate <= 0) options_.baudRate = 9600;
    if (options_.bitsPerByte <= 0) options_.bitsPerByte = 10;
    if (options_.latencyMs < 0) options_.latencyMs = 0;
}

PtyHost::~PtyHost()
{
    Stop();
    CloseLine();
    for (int& fd : wake_) {
        if (fd >= 0) ::close(fd);
        fd = -1;
    }
    if (trace_ != nullptr) std::fclose(trace_);
}

PtyHost::Nanos PtyHost::Now()
{
    timespec ts{};
    ::clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<Nanos>(ts.tv_sec) * NanosPerSecond + ts.tv_nsec;
}

void PtyHost::SleepUntil(Nanos deadline)
{
    timespec ts{};
    ts.tv_sec = static_cast<time_t>(deadline / NanosPerSecond);
    ts.tv_nsec = static_cast<long>(deadline % NanosPerSecond);
    while (::clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &ts, nullptr) == EINTR) {
    }
}

PtyHost::Nanos PtyHost::WireTime(std::size_t bytes) const
{
    // Computed from the byte count each time, so rounding never accumulates.
    return static_cast<Nanos>(bytes) * options_.bitsPerByte * NanosPerSecond / options_.baudRate;
}

bool PtyHost::Open(std::string& error)
{
    char name[256] = {};
    if (::openpty(&master_, &slave_, name, nullptr, nullptr) != 0) {
        //: %1: the system's reason.
        error = CannotCreate(QT_TRANSLATE_NOOP("PtyHost", "Cannot create a pseudo-terminal: %1"));
        return false;
    }
    // Raw from the start: bytes waiting before the program opens the line
    // must not be echoed back or turned into signals.
    termios t{};
    ::tcgetattr(slave_, &t);
    ::cfmakeraw(&t);
    ::cfsetispeed(&t, B9600);
    ::cfsetospeed(&t, B9600);
    ::tcsetattr(slave_, TCSANOW, &t);
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
    ::fcntl(master_, F_SETFD, FD_CLOEXEC);
    ::fcntl(slave_, F_SETFD, FD_CLOEXEC);
    device_ = name;
    if (::pipe(wake_) != 0) {
        //: %1: the system's reason.
        error = CannotCreate(QT_TRANSLATE_NOOP("PtyHost", "Cannot create a pipe: %1"));
        return false;
    }
    if (!options_.linkPath.empty()) {
        struct stat st
        {
        };
        if (::lstat(options_.linkPath.c_str(), &st) == 0) {
            if (!S_ISLNK(st.st_mode)) {
                error = "Not replacing " + options_.linkPath + ": it is not a symbolic link";
                return false;
            }
            ::unlink(options_.linkPath.c_str());
        }
        if (::symlink(device_.c_str(), options_.linkPath.c_str()) != 0) {
            error = "Cannot create the link " + options_.linkPath + ": " + std::strerror(errno);
            return false;
        }
    }
    if (!options_.tracePath.empty()) {
        trace_ = std::fopen(options_.tracePath.c_str(), "w");
        if (trace_ == nullptr) {
            error = "Cannot write the trace " + options_.tracePath + ": " + std::strerror(errno);
            return false;
        }
    }
    started_ = Now();
    return true;
}

void PtyHost::CloseLine()
{
    if (master_ >= 0) ::close(master_);
    if (slave_ >= 0) ::close(slave_);
    master_ = slave_ = -1;
    if (!options_.linkPath.empty() && !device_.empty()) {
        char target[256] = {};
        const ssize_t n = ::readlink(options_.linkPath.c_str(), target, sizeof target - 1);
        if (n > 0 && device_ == std::string(target, static_cast<std::size_t>(n)))
            ::unlink(options_.linkPath.c_str());
    }
}

void PtyHost::Trace(char direction, std::string_view bytes, Nanos at)
{
    if (trace_ == nullptr) return;
    const std::string text = TraceBytes(bytes);
    const Nanos t = at - started_;
    std::fprintf(trace_, "%lld.%06lld %c %s\n", static_cast<long long>(t / NanosPerSecond),
                 static_cast<long long>((t % NanosPerSecond) / 1000), direction, text.c_str());
    std::fflush(trace_);
}

bool PtyHost::WriteAll(std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(master_, bytes.data(), bytes.size());
        if (n > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(n));
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN) return false;
        // Nobody reads the line: wait a little for room, then give up on
        // the rest rather than block the radio for good.
        pollfd out{master_, POLLOUT, 0};
        if (::poll(&out, 1, 1000) <= 0) return false;
    }
    return true;
}

void PtyHost::Serve(std::string_view line, Nanos firstByte, std::size_t wireBytes)
{
    Nanos received = Now();
    if (options_.wireSpeed) {
        received = std::max(received, firstByte + WireTime(wireBytes));
        SleepUntil(received);
    }
    Trace('>', line, received);
    std::optional<std::string> reply = respond_(line);
    ++commands_;
    if (!reply || reply->empty()) return;
    Nanos start = received + static_cast<Nanos>(options_.latencyMs) * 1'000'000;
    if (!options_.wireSpeed) {
        // Replies to lines that arrived together leave together.
        SleepUntil(start);
        Trace('<', *reply, Now());
        batch_ += *reply;
        return;
    }
    // The reply direction is busy until the previous reply has gone out.
    start = std::max(start, txFree_);
    Trace('<', *reply, start);
    for (std::size_t k = 0; k < reply->size(); ++k) {
        SleepUntil(start + WireTime(k + 1));
        if (!WriteAll(std::string_view(*reply).substr(k, 1))) break;
    }
    txFree_ = start + WireTime(reply->size());
}

void PtyHost::Run()
{
    if (master_ < 0) return;
    std::string pending;
    std::size_t wireBytes = 0; // bytes of the current line so far, on the wire
    Nanos firstByte = 0;
    char buffer[4096];
    while (!stop_.load()) {
        pollfd fds[2] = {{master_, POLLIN, 0}, {wake_[0], POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR) continue;
            break;
        }
        if ((fds[1].revents & POLLIN) != 0) break;
        if ((fds[0].revents & POLLIN) == 0) {
            if ((fds[0].revents & (POLLERR | POLLNVAL)) != 0) break;
            // A hang-up without data: no program has the line open. Only
            // possible once our own slave is gone; wait without spinning.
            if ((fds[0].revents & POLLHUP) != 0) ::usleep(10'000);
            continue;
        }
        const ssize_t n = ::read(master_, buffer, sizeof buffer);
        if (n <= 0) continue;
        const Nanos arrived = Now();
        for (ssize_t i = 0; i < n; ++i) {
            const char c = buffer[i];
            if (wireBytes == 0) firstByte = arrived;
            ++wireBytes;
            if (c == '\r') {
                Serve(pending, firstByte, wireBytes);
                pending.clear();
                wireBytes = 0;
                if (hungUpQuery_ && hungUpQuery_()) {
                    WriteAll(batch_);
                    batch_.clear();
                    // Give the last reply time to reach the far side.
                    SleepUntil(Now() + 50'000'000);
                    CloseLine();
                    hungUp_ = true;
                    return;
                }
            } else if (!IsIgnoredInLine(c)) {
                pending += c;
                if (pending.size() > MaxLineLength) {
                    pending.clear();
                    wireBytes = 0;
                }
            }
        }
        if (!batch_.empty()) {
            WriteAll(batch_);
            batch_.clear();
        }
    }
}

void PtyHost::Start()
{
    if (thread_.joinable() || master_ < 0) return;
    stop_ = false;
    thread_ = std::thread([this] { Run(); });
}

void PtyHost::RequestStop()
{
    stop_ = true;
    if (wake_[1] >= 0) {
        const char b = 1;
        [[maybe_unused]] const ssize_t n = ::write(wake_[1], &b, 1);
    }
}

void PtyHost::Stop()
{
    RequestStop();
    if (thread_.joinable()) thread_.join();
}
