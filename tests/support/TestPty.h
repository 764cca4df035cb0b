// A pseudo-terminal for serial tests: the test holds the master side and
// the component under test opens the slave device like a serial port.
#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

#include <cerrno>
#include <fcntl.h>
#include <functional>
#include <pty.h>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace tslq::test {

class TestPty
{
  public:
    TestPty()
    {
        int slave = -1;
        char name[128] = {};
        if (::openpty(&master_, &slave, name, nullptr, nullptr) != 0) return;
        termios t{};
        ::tcgetattr(slave, &t);
        ::cfmakeraw(&t);
        ::tcsetattr(slave, TCSANOW, &t);
        ::close(slave);
        ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
        device_ = name;
    }
    ~TestPty() { CloseMaster(); }
    TestPty(const TestPty&) = delete;
    TestPty& operator=(const TestPty&) = delete;

    bool Ok() const { return master_ >= 0 && !device_.empty(); }
    const std::string& Device() const { return device_; }

    // Bytes toward the component.
    bool Send(const std::string& bytes) const
    {
        return ::write(master_, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    }

    // Everything the component wrote, waiting up to ms for the first byte
    // while the event loop runs; no longer once stop() holds (the component
    // is done and will write nothing more).
    std::string Receive(int ms = 1000, const std::function<bool()>& stop = {}) const
    {
        std::string got;
        QDeadlineTimer deadline(ms);
        for (;;) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            char buffer[4096];
            const ssize_t n = ::read(master_, buffer, sizeof buffer);
            if (n > 0) {
                got.append(buffer, static_cast<std::size_t>(n));
                continue;
            }
            if (!got.empty() || deadline.hasExpired() || (stop && stop())) return got;
            ::usleep(1000);
        }
    }

    int MasterFd() const { return master_; }

    // What the component wrote so far, without waiting.
    std::string ReadNow() const
    {
        std::string got;
        char buffer[4096];
        ssize_t n = 0;
        while ((n = ::read(master_, buffer, sizeof buffer)) > 0)
            got.append(buffer, static_cast<std::size_t>(n));
        return got;
    }

    void CloseMaster()
    {
        if (master_ >= 0) ::close(master_);
        master_ = -1;
    }

  private:
    int master_ = -1;
    std::string device_;
};

// Runs the event loop (sleeping while idle) for ms milliseconds.
inline void RunEvents(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Runs the event loop until done() or ms milliseconds passed.
template <class Done> bool RunEventsUntil(Done done, int ms)
{
    QDeadlineTimer deadline(ms);
    while (!done()) {
        if (deadline.hasExpired()) return false;
        RunEvents(2);
    }
    return true;
}

} // namespace tslq::test
