// RadioPort: the serial port component. RadioPort owns one serial port, opens it
// exclusively, applies the line settings, reads and writes blocks of bytes
// and calls its owner back (OnCommEvent) when received data is waiting.
// Failures are thrown as SerialError with fixed English texts.
//
// The receive callback is delivered on the thread that owns the component
// (the UI thread) through its event loop: once for each batch of received
// bytes that satisfies the event rule (with CharEvent: the batch holds the
// event character), with `size` counting every byte waiting, so that two
// lines arriving together give one callback. Callbacks never nest.
//
// Port names: "COM1".."COM10" (also in the "\\.\" device-namespace form) are
// turned into a device by the port resolver (see PortMap.h); any other name
// is taken as a device path. Symbolic links are resolved before the open, so
// two openers of one device under different names exclude each other.
#pragma once

#include <QObject>
#include <QSerialPort>

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>

enum class ComPort { Com1, Com2, Com3, Com4, Com5, Com6, Com7, Com8, Com9, Com10 };
enum class SerialBaudRate {
    ____600bps,
    ___1200bps,
    ___2400bps,
    ___4800bps,
    ___9600bps,
    __14400bps,
    __19200bps,
    __38400bps,
    __56000bps,
    __57600bps,
    _115200bps,
    _128000bps
};
enum class SerialParity { None, Odd, Even, _Mark, Space };
enum class SerialByteSize { _5bit, _6bit, _7bit, _8bit };
enum class SerialStopBits { _1bit, _1_5bit, _2bit };
enum class SerialFlowControl { Disable, DtrDsr, XonXoff, RtsCts };
enum class SerialEventType { RxEvent, CharEvent };

// Line speed in bit/s of a SerialBaudRate value.
std::int32_t BaudRateValue(SerialBaudRate rate);

// The component's exception: one message text. The detail, when present,
// is the operating system's description of the cause (not part of the
// message, which stays one of the fixed texts).
class SerialError : public std::runtime_error
{
  public:
    explicit SerialError(const std::string& message, std::string detail = {});
    // One of the fixed texts below.
    explicit SerialError(const char* text, std::string detail = {});
    // printf-style format with one integer ("... ErrorMask=%d").
    SerialError(const char* format, int value, std::string detail = {});

    // The message in English, as what() has it.
    std::string Message() const { return what(); }
    const std::string& Detail() const { return detail_; }
    // The fixed text or format the message was made from (nullptr for any
    // other message), and the integer of a format.
    const char* Fixed() const { return fixed_; }
    int Value() const { return value_; }

  private:
    std::string detail_;
    const char* fixed_ = nullptr;
    int value_ = 0;
};

// The fixed texts of SerialError.
namespace CommErrorText {
inline constexpr const char* OpenNull = QT_TRANSLATE_NOOP("RadioPort", "CommOpen Error,invalid HANDLE:NULL");
inline constexpr const char* OpenInvalid =
    QT_TRANSLATE_NOOP("RadioPort", "CommOpen Error,invalid HANDLE:0xFFFFFFFF");
inline constexpr const char* NotStarted = QT_TRANSLATE_NOOP("RadioPort", "Have not started communications");
inline constexpr const char* ReadTimeout = QT_TRANSLATE_NOOP("RadioPort", "Read data Timeout");
inline constexpr const char* WriteTimeout = QT_TRANSLATE_NOOP("RadioPort", "Write data Timeout");
//: %d: the error mask, a number.
inline constexpr const char* ReadError =
    QT_TRANSLATE_NOOP("RadioPort", "Communication Read Error  ErrorMask=%d");
//: %d: the error mask, a number.
inline constexpr const char* WriteError =
    QT_TRANSLATE_NOOP("RadioPort", "Communication Write Error  ErrorMask=%d");
inline constexpr const char* TooMuchWrite = QT_TRANSLATE_NOOP("RadioPort", "Too much write data");
} // namespace CommErrorText

// The message of a SerialError in the program's language (its English
// message when it was not made from a fixed text).
QString SerialErrorText(const SerialError& error);

// Why the last open (or open test) of a component failed.
enum class OpenFailure { None, NotFound, Permission, Busy, Other };

class RadioPort;

// What to add to a message about a port that could not be opened: why the
// last open or open test of comm failed, in the operator's words and the
// program's language (UTF-8), with the fix where there is one (the
// "dialout" group for missing access rights). Starts with a blank line;
// empty when nothing failed.
std::string OpenFailureHint(const RadioPort& comm);

class RadioPort : public QObject
{
    Q_OBJECT

  public:
    // Receive callback: the component and the number of bytes waiting.
    using ReceiveHandler = std::function<void(RadioPort& Sender, std::uint32_t& size)>;
    // Called once, after the component has closed the port, when the line
    // failed while open (the far side hung up, the adapter was unplugged).
    using FailureHandler = std::function<void(RadioPort& Sender, const SerialError& error)>;
    // Shows an exception raised inside the receive callback (the
    // application's standard exception box); the delivery then goes on.
    using ExceptionReporter = std::function<void(const std::string& text)>;
    // Turns a port name into a device path (empty: no such device).
    using PortResolver = std::function<std::string(const std::string& name)>;

    explicit RadioPort(QObject* parent = nullptr);
    ~RadioPort() override;

    // Published properties.
    ComPort CommPort() const { return commPort_; }
    SerialBaudRate BaudRate() const { return baudRate_; }
    SerialParity Parity() const { return parity_; }
    SerialByteSize ByteSize() const { return byteSize_; }
    SerialStopBits StopBits() const { return stopBits_; }
    SerialFlowControl FlowControl() const { return flowControl_; }
    SerialEventType EventType() const { return eventType_; }
    std::uint32_t InBuffSize() const { return inBuffSize_; }
    std::uint32_t OutBuffSize() const { return outBuffSize_; }
    std::uint32_t RxThreshold() const { return rxThreshold_; }
    std::uint16_t RxStartSize() const { return rxStartSize_; }
    std::uint16_t RxStopSize() const { return rxStopSize_; }
    std::uint16_t EventChar() const { return eventChar_; }
    ReceiveHandler OnCommEvent;
    FailureHandler OnCommFailure;

    // Property setters; each stores only a changed value. The line-setting
    // ones re-apply the settings at once when the port is open.
    virtual void SetCommPort(ComPort port);
    virtual void SetBaudRate(SerialBaudRate rate);
    virtual void SetParity(SerialParity parity);
    virtual void SetByteSize(SerialByteSize size);
    virtual void SetStopBits(SerialStopBits bits);
    virtual void SetFlowControl(SerialFlowControl mode);
    virtual void SetEventType(SerialEventType type);
    virtual void SetInBuffSize(std::uint32_t size);
    virtual void SetOutBuffSize(std::uint32_t size);
    virtual void SetRxThreshold(std::uint32_t size);
    virtual void SetXonSendSize(std::uint16_t size);
    virtual void SetXoffSendSize(std::uint16_t size);
    virtual void SetEventChar(std::uint16_t c);

    // The device name the next open uses ("\\.\COM1" on a new component).
    const std::string& DeviceName() const { return deviceName_; }
    // Names a device directly: a port name as above or a device path.
    void SetDeviceName(const std::string& name);

    void OpenCommport();
    void CloseCommport();
    bool CheckCommportValid(const std::string& name);
    bool GetPortStatus() const { return open_; }
    // Why the last OpenCommport or CheckCommportValid failed, and the
    // system's text for it.
    OpenFailure LastOpenFailure() const { return lastFailure_; }
    const std::string& LastOpenDetail() const { return lastFailureDetail_; }
    // The device that the last open or open test tried (before links).
    const std::string& LastOpenDevice() const { return lastOpenDevice_; }
    // The device path that the last open used (after resolving links).
    const std::string& OpenedDevice() const { return openedDevice_; }

    // Reads up to size bytes into buffer, waiting at most the port's read
    // time-out for missing bytes. Returns the count read; the rest of the
    // buffer is zeroed, so a short read never leaves stale bytes.
    std::uint32_t ReadData(char* buffer, std::uint32_t size);
    std::string ReadStringData(std::uint32_t size);
    void WriteData(const char* buffer, std::uint32_t size);
    void WriteStringData(const std::string& text);
    void WriteStop();
    void WriteRestart();
    void ClearInBuff();
    void ClearOutBuff();
    std::uint32_t CountInBuff() const;
    std::uint32_t CountOutBuff() const;

    // Process-wide hooks (installed by the program; tests replace them).
    static void SetExceptionReporter(ExceptionReporter reporter);
    static void SetPortResolver(PortResolver resolver);
    // The resolver's answer for a name, with "\\.\" stripped first.
    static std::string ResolvePortName(const std::string& name);

  private:
    void ApplyLineSettings();
    void ApplyFlowControl();
    void OnReadyRead();
    void OnPortError(QSerialPort::SerialPortError error);
    void FailLine();
    void DeliverPending();
    bool TryOpen(const std::string& name, QSerialPort& port);
    std::uint32_t ScanNewBytes();

    ComPort commPort_ = ComPort::Com1;
    SerialBaudRate baudRate_ = SerialBaudRate::___9600bps;
    SerialParity parity_ = SerialParity::None;
    SerialByteSize byteSize_ = SerialByteSize::_8bit;
    SerialStopBits stopBits_ = SerialStopBits::_1bit;
    SerialFlowControl flowControl_ = SerialFlowControl::Disable;
    SerialEventType eventType_ = SerialEventType::RxEvent;
    std::uint32_t inBuffSize_ = 4096;
    std::uint32_t outBuffSize_ = 4096;
    std::uint32_t rxThreshold_ = 256;
    std::uint16_t rxStartSize_ = 1024;
    std::uint16_t rxStopSize_ = 2048;
    std::uint16_t eventChar_ = 65;

    std::string deviceName_ = "\\\\.\\COM1";
    std::string openedDevice_;
    QSerialPort* port_ = nullptr;
    bool open_ = false;
    bool failing_ = false; // a line failure is being reported
    bool failureIsWrite_ = false;
    std::string failureDetail_;
    bool reading_ = false;      // ReadData is waiting for bytes
    bool inCallback_ = false;   // OnCommEvent is running
    bool pendingEvent_ = false; // an event arrived during the callback
    std::uint32_t scanned_ = 0; // leading waiting bytes already searched for the event
    OpenFailure lastFailure_ = OpenFailure::None;
    std::string lastFailureDetail_;
    std::string lastOpenDevice_;
};
