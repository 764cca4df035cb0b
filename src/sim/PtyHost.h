// PtyHost: serves a line responder (the simulated radio) on a
// pseudo-terminal, so that the program opens the slave device like the
// radio's serial cable. Optionally paces both directions like a 9600 baud
// 8N1 wire: a command counts as received only when its bytes' wire time,
// counted from its first byte, has passed, and every reply byte leaves at
// its own absolute deadline (sleeping per byte would drift).
#pragma once

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

struct PtyHostOptions
{
    bool wireSpeed = false; // pace as on the wire
    int baudRate = 9600;    // with wireSpeed
    int bitsPerByte = 10;   // start, 8 data, stop
    int latencyMs = 0;      // extra delay before each reply
    std::string linkPath;   // a symbolic link to the device (replaced if present)
    std::string tracePath;  // every command and reply with timestamps
};

class PtyHost
{
  public:
    // Answers one command line (without its CR); the reply includes its CR.
    // nullopt: no reply.
    using Responder = std::function<std::optional<std::string>(std::string_view line)>;
    // True once the far side has gone away: the host then closes the line.
    using HungUpQuery = std::function<bool()>;

    PtyHost(Responder respond, HungUpQuery hungUp, PtyHostOptions options = {});
    ~PtyHost();
    PtyHost(const PtyHost&) = delete;
    PtyHost& operator=(const PtyHost&) = delete;

    // Creates the pseudo-terminal (and the link). False with a reason.
    bool Open(std::string& error);
    // The device to open: the slave's path (not the link).
    const std::string& DevicePath() const { return device_; }

    // Serves on the calling thread until Stop() or a hang-up.
    void Run();
    // Serves on a thread of its own.
    void Start();
    // Ends serving (from any thread) and waits for the thread.
    void Stop();
    // Asks serving to end without waiting; safe in a signal handler.
    void RequestStop();
    // True once serving has ended because of a hang-up.
    bool HungUp() const { return hungUp_.load(); }
    int CommandsServed() const { return commands_.load(); }

    // Lines longer than this without a CR are discarded.
    static constexpr std::size_t MaxLineLength = 512;

  private:
    using Nanos = std::int64_t;
    static Nanos Now();
    static void SleepUntil(Nanos deadline);
    Nanos WireTime(std::size_t bytes) const;
    void Serve(std::string_view line, Nanos firstByte, std::size_t wireBytes);
    bool WriteAll(std::string_view bytes);
    void Trace(char direction, std::string_view bytes, Nanos at);
    void CloseLine();

    Responder respond_;
    HungUpQuery hungUpQuery_;
    PtyHostOptions options_;
    int master_ = -1;
    int slave_ = -1; // held open so the line survives between two openers
    int wake_[2] = {-1, -1};
    std::string device_;
    std::FILE* trace_ = nullptr;
    Nanos started_ = 0;
    std::string batch_; // unpaced replies waiting to leave together
    Nanos txFree_ = 0;  // when the reply direction of the wire is idle again
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> hungUp_{false};
    std::atomic<int> commands_{0};
};
