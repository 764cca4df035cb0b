// Kcomm: the serial port component on QSerialPort.
#include "link/Kcomm.h"

#include "link/PortMap.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QPointer>
#include <QtGlobal>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>
#if defined(Q_OS_UNIX)
#include <sys/ioctl.h>
#include <termios.h>
#endif

namespace {

TKComm::TExceptionReporter& Reporter()
{
    static TKComm::TExceptionReporter reporter;
    return reporter;
}

TKComm::TPortResolver& Resolver()
{
    static TKComm::TPortResolver resolver;
    return resolver;
}

void ReportException(const std::string& text)
{
    if (Reporter())
        Reporter()(text);
    else
        qWarning("%s", text.c_str());
}

std::string Format(const char* format, int value)
{
    char text[128];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

QSerialPort::Parity ToQt(TParity p)
{
    switch (p) {
    case TParity::Odd:
        return QSerialPort::OddParity;
    case TParity::Even:
        return QSerialPort::EvenParity;
    case TParity::_Mark:
        return QSerialPort::MarkParity;
    case TParity::Space:
        return QSerialPort::SpaceParity;
    case TParity::None:
        break;
    }
    return QSerialPort::NoParity;
}

QSerialPort::DataBits ToQt(TByteSize s)
{
    switch (s) {
    case TByteSize::_5bit:
        return QSerialPort::Data5;
    case TByteSize::_6bit:
        return QSerialPort::Data6;
    case TByteSize::_7bit:
        return QSerialPort::Data7;
    case TByteSize::_8bit:
        break;
    }
    return QSerialPort::Data8;
}

QSerialPort::StopBits ToQt(TStopBits s)
{
    switch (s) {
    case TStopBits::_1_5bit:
        return QSerialPort::OneAndHalfStop;
    case TStopBits::_2bit:
        return QSerialPort::TwoStop;
    case TStopBits::_1bit:
        break;
    }
    return QSerialPort::OneStop;
}

// Device path after following symbolic links; empty when it does not exist.
std::string CanonicalDevice(const std::string& path)
{
    if (path.empty()) return {};
    return QFileInfo(QString::fromStdString(path)).canonicalFilePath().toStdString();
}

} // namespace

std::string OpenFailureHint(const TKComm& comm)
{
    const std::string& device = comm.LastOpenDevice();
    switch (comm.LastOpenFailure()) {
    case TOpenFailure::None:
        return {};
    case TOpenFailure::NotFound:
        if (device.empty())
            return "\n\nNo device is set for this port: plug in the USB serial adapter, or choose a device "
                   "with Radio > Port Select > Device...";
        return "\n\n" + device + " does not exist: the USB serial adapter may be unplugged.";
    case TOpenFailure::Busy:
        return "\n\n" + device + " is in use by another program.";
    case TOpenFailure::Permission:
        return "\n\n" + device +
               ": you are not allowed to open it: add yourself to the dialout group "
               "(sudo usermod -aG dialout $USER), then log in again.";
    case TOpenFailure::Other:
        break;
    }
    return "\n\n" + device + " cannot be opened (" + comm.LastOpenDetail() + ").";
}

std::int32_t BaudRateValue(TBaudRate rate)
{
    static constexpr std::int32_t values[] = {600,   1200,  2400,  4800,  9600,   14400,
                                              19200, 38400, 56000, 57600, 115200, 128000};
    const auto i = static_cast<std::size_t>(rate);
    return i < std::size(values) ? values[i] : 9600;
}

ECommError::ECommError(const std::string& message, std::string detail)
    : std::runtime_error(message), detail_(std::move(detail))
{
}

ECommError::ECommError(const char* format, int value, std::string detail)
    : std::runtime_error(Format(format, value)), detail_(std::move(detail))
{
}

TKComm::TKComm(QObject* parent) : QObject(parent) {}

TKComm::~TKComm()
{
    CloseCommport();
}

void TKComm::SetExceptionReporter(TExceptionReporter reporter)
{
    Reporter() = std::move(reporter);
}

void TKComm::SetPortResolver(TPortResolver resolver)
{
    Resolver() = std::move(resolver);
}

std::string TKComm::ResolvePortName(const std::string& name)
{
    if (Resolver()) return Resolver()(std::string(StripDeviceNamespace(name)));
    return ThePortMap().Resolve(name);
}

// ---- property setters ---------------------------------------------------

void TKComm::SetCommPort(TCommPort port)
{
    if (port == commPort_) return;
    commPort_ = port;
    const int n = static_cast<int>(port) + 1;
    if (n >= 1 && n <= 9)
        deviceName_ = "COM" + std::to_string(n);
    else if (n == 10)
        deviceName_ = "\\\\.\\COM10";
    else
        deviceName_ = "COM1";
}

void TKComm::SetDeviceName(const std::string& name)
{
    deviceName_ = name;
}

void TKComm::SetBaudRate(TBaudRate rate)
{
    if (rate == baudRate_) return;
    baudRate_ = rate;
    if (open_) port_->setBaudRate(BaudRateValue(baudRate_));
}

void TKComm::SetParity(TParity parity)
{
    if (parity == parity_) return;
    parity_ = parity;
    if (open_) port_->setParity(ToQt(parity_));
}

void TKComm::SetByteSize(TByteSize size)
{
    if (size == byteSize_) return;
    byteSize_ = size;
    if (open_) port_->setDataBits(ToQt(byteSize_));
}

void TKComm::SetStopBits(TStopBits bits)
{
    if (bits == stopBits_) return;
    stopBits_ = bits;
    if (open_) port_->setStopBits(ToQt(stopBits_));
}

void TKComm::SetFlowControl(TFlowControl mode)
{
    if (mode == flowControl_) return;
    flowControl_ = mode;
    if (open_) ApplyFlowControl();
}

void TKComm::SetEventType(TEventType type)
{
    eventType_ = type;
}

void TKComm::SetInBuffSize(std::uint32_t size)
{
    inBuffSize_ = size;
}

void TKComm::SetOutBuffSize(std::uint32_t size)
{
    outBuffSize_ = size;
}

void TKComm::SetRxThreshold(std::uint32_t size)
{
    rxThreshold_ = size;
}

void TKComm::SetXonSendSize(std::uint16_t size)
{
    rxStartSize_ = size;
}

void TKComm::SetXoffSendSize(std::uint16_t size)
{
    rxStopSize_ = size;
}

void TKComm::SetEventChar(std::uint16_t c)
{
    // The event character is matched by the component itself as bytes
    // arrive, so a change needs nothing from the driver.
    eventChar_ = c;
}

void TKComm::ApplyLineSettings()
{
    port_->setBaudRate(BaudRateValue(baudRate_));
    port_->setParity(ToQt(parity_));
    port_->setDataBits(ToQt(byteSize_));
    port_->setStopBits(ToQt(stopBits_));
    ApplyFlowControl();
}

void TKComm::ApplyFlowControl()
{
    // DTR/DSR handshake does not exist on this platform's serial driver; the
    // line then behaves as without handshake, with DTR held on. The XON and
    // XOFF limits are the driver's own here. Modem lines cannot be set on a
    // pseudo-terminal; that failure is harmless and ignored.
    switch (flowControl_) {
    case TFlowControl::XonXoff:
        port_->setFlowControl(QSerialPort::SoftwareControl);
        break;
    case TFlowControl::RtsCts:
        port_->setFlowControl(QSerialPort::HardwareControl);
        break;
    case TFlowControl::Disable:
    case TFlowControl::DtrDsr:
        port_->setFlowControl(QSerialPort::NoFlowControl);
        break;
    }
    port_->setDataTerminalReady(true);
    if (flowControl_ != TFlowControl::RtsCts) port_->setRequestToSend(true);
    port_->clearError();
}

// ---- open and close -----------------------------------------------------

bool TKComm::TryOpen(const std::string& name, QSerialPort& port)
{
    lastFailure_ = TOpenFailure::None;
    lastFailureDetail_.clear();
    lastOpenDevice_ = ResolvePortName(name);
    const std::string device = CanonicalDevice(lastOpenDevice_);
    if (device.empty()) {
        lastFailure_ = TOpenFailure::NotFound;
        lastFailureDetail_ = "No such device";
        return false;
    }
    port.setPortName(QString::fromStdString(device));
    if (port.open(QIODevice::ReadWrite)) {
        openedDevice_ = device;
        return true;
    }
    lastFailureDetail_ = port.errorString().toStdString();
    switch (port.error()) {
    case QSerialPort::DeviceNotFoundError:
        lastFailure_ = TOpenFailure::NotFound;
        break;
    case QSerialPort::PermissionError:
        // The same error is reported for a device held by another opener;
        // only missing access rights count as a permission problem.
        if (::access(device.c_str(), R_OK | W_OK) != 0 && errno == EACCES)
            lastFailure_ = TOpenFailure::Permission;
        else
            lastFailure_ = TOpenFailure::Busy;
        break;
    default:
        lastFailure_ = TOpenFailure::Other;
        break;
    }
    return false;
}

void TKComm::OpenCommport()
{
    if (port_ != nullptr && open_) return;
    auto* port = new QSerialPort(this);
    if (!TryOpen(deviceName_, *port)) {
        delete port;
        throw ECommError(CommErrorText::OpenInvalid, lastFailureDetail_);
    }
    port_ = port;
    open_ = true;
    failing_ = false;
    scanned_ = 0;
    pendingEvent_ = false;
    ApplyLineSettings();
    // Whatever the line held before this open is not for us.
    port_->clear(QSerialPort::AllDirections);
    port_->readAll();
    connect(port_, &QSerialPort::readyRead, this, &TKComm::OnReadyRead);
    connect(port_, &QSerialPort::errorOccurred, this, &TKComm::OnPortError);
}

void TKComm::CloseCommport()
{
    if (port_ == nullptr) return;
    QSerialPort* port = port_;
    port_ = nullptr;
    open_ = false;
    scanned_ = 0;
    pendingEvent_ = false;
    port->disconnect(this);
    if (port->isOpen()) {
        port->clear(QSerialPort::AllDirections);
        port->close();
    }
    // The port may be closed from inside one of its own signals (a reply
    // handler ending the transfer), so it goes away later.
    port->deleteLater();
}

bool TKComm::CheckCommportValid(const std::string& name)
{
    if (open_) {
        const std::string device = CanonicalDevice(ResolvePortName(name));
        if (!device.empty() && device == openedDevice_) return true;
    }
    const std::string keep = openedDevice_;
    QSerialPort probe;
    const bool ok = TryOpen(name, probe);
    openedDevice_ = keep;
    if (ok) probe.close();
    return ok;
}

// ---- receiving ----------------------------------------------------------

std::uint32_t TKComm::ScanNewBytes()
{
    const qint64 waiting = port_->bytesAvailable();
    if (waiting <= static_cast<qint64>(scanned_)) {
        scanned_ = static_cast<std::uint32_t>(waiting);
        return 0;
    }
    const QByteArray head = port_->peek(waiting);
    const char event = static_cast<char>(eventChar_ & 0xFF);
    const bool found = head.indexOf(event, static_cast<qsizetype>(scanned_)) >= 0;
    scanned_ = static_cast<std::uint32_t>(head.size());
    return found ? 1u : 0u;
}

void TKComm::OnReadyRead()
{
    if (!open_ || failing_) return;
    if (inCallback_ || reading_) {
        pendingEvent_ = true;
        return;
    }
    DeliverPending();
}

void TKComm::DeliverPending()
{
    QPointer<TKComm> self(this);
    do {
        pendingEvent_ = false;
        if (!open_ || failing_) return;
        bool fire = false;
        if (eventType_ == TEventType::CharEvent)
            fire = ScanNewBytes() != 0;
        else {
            const std::uint32_t waiting = CountInBuff();
            scanned_ = waiting;
            fire = waiting > 0 && waiting >= rxThreshold_;
        }
        if (!fire || !OnCommEvent) continue;
        std::uint32_t size = CountInBuff();
        inCallback_ = true;
        try {
            OnCommEvent(*this, size);
        } catch (const std::exception& e) {
            ReportException(e.what());
        } catch (...) {
            ReportException("Unknown exception in the receive handler");
        }
        if (!self) return;
        inCallback_ = false;
    } while (pendingEvent_);
}

void TKComm::OnPortError(QSerialPort::SerialPortError error)
{
    if (!open_ || failing_) return;
    if (error != QSerialPort::ReadError && error != QSerialPort::ResourceError &&
        error != QSerialPort::WriteError)
        return;
    // The port repeats a read error in a tight loop once the far side is
    // gone and stays open: react to the first one only, and close.
    failing_ = true;
    failureIsWrite_ = error == QSerialPort::WriteError;
    failureDetail_ = port_->errorString().toStdString();
    QMetaObject::invokeMethod(this, &TKComm::FailLine, Qt::QueuedConnection);
}

void TKComm::FailLine()
{
    if (!failing_) return;
    const ECommError error(failureIsWrite_ ? CommErrorText::WriteError : CommErrorText::ReadError, 0,
                           failureDetail_);
    CloseCommport();
    failing_ = false;
    if (OnCommFailure) OnCommFailure(*this, error);
}

// ---- block transfers ----------------------------------------------------

std::uint32_t TKComm::ReadData(char* buffer, std::uint32_t size)
{
    if (!open_) throw ECommError(CommErrorText::NotStarted);
    if (size == 0) return 0;
    // The port's read time-out: 5 ms per requested byte plus 1000 ms. Bytes
    // that do not arrive by then give a short read, not an error.
    const qint64 timeout = 5 * static_cast<qint64>(size) + 1000;
    QDeadlineTimer deadline(timeout);
    reading_ = true;
    while (port_->bytesAvailable() < static_cast<qint64>(size) && !failing_ && !deadline.hasExpired()) {
        if (!port_->waitForReadyRead(static_cast<int>(std::max<qint64>(1, deadline.remainingTime())))) {
            if (port_->error() != QSerialPort::TimeoutError && port_->error() != QSerialPort::NoError) break;
        }
    }
    reading_ = false;
    if (pendingEvent_ && !inCallback_)
        QMetaObject::invokeMethod(this, &TKComm::DeliverPending, Qt::QueuedConnection);
    const qint64 got = port_->read(buffer, size);
    const std::uint32_t count = got > 0 ? static_cast<std::uint32_t>(got) : 0u;
    if (count < size) std::memset(buffer + count, 0, size - count);
    scanned_ = scanned_ > count ? scanned_ - count : 0;
    if (count < size && failing_) throw ECommError(CommErrorText::ReadError, 0, failureDetail_);
    return count;
}

std::string TKComm::ReadStringData(std::uint32_t size)
{
    if (size > 4096) size = 4096;
    std::string text(size, '\0');
    ReadData(text.data(), size);
    return text;
}

void TKComm::WriteData(const char* buffer, std::uint32_t size)
{
    if (!open_) throw ECommError(CommErrorText::NotStarted);
    const std::int64_t free = static_cast<std::int64_t>(outBuffSize_) - CountOutBuff();
    if (free <= static_cast<std::int64_t>(size)) throw ECommError(CommErrorText::TooMuchWrite);
    if (failing_) throw ECommError(CommErrorText::WriteError, 0, failureDetail_);
    const qint64 written = port_->write(buffer, size);
    if (written != static_cast<qint64>(size))
        throw ECommError(CommErrorText::WriteError, 0, port_->errorString().toStdString());
    // Hand the bytes to the driver now rather than at the next event loop
    // pass, so a command leaves as soon as it is written.
    port_->flush();
}

void TKComm::WriteStringData(const std::string& text)
{
    WriteData(text.data(), static_cast<std::uint32_t>(text.size()));
}

void TKComm::WriteStop()
{
    if (open_) {
        port_->setBreakEnabled(true);
        port_->clearError();
    }
}

void TKComm::WriteRestart()
{
    if (open_) {
        port_->setBreakEnabled(false);
        port_->clearError();
    }
}

void TKComm::ClearInBuff()
{
    if (!open_) return;
    port_->clear(QSerialPort::Input);
    port_->readAll();
    scanned_ = 0;
}

void TKComm::ClearOutBuff()
{
    if (open_) port_->clear(QSerialPort::Output);
}

std::uint32_t TKComm::CountInBuff() const
{
    if (!open_) return 0xFFFFFFFFu;
    return static_cast<std::uint32_t>(port_->bytesAvailable());
}

std::uint32_t TKComm::CountOutBuff() const
{
    if (!open_) return 0xFFFFFFFFu;
    std::int64_t queued = port_->bytesToWrite();
#if defined(Q_OS_UNIX)
    int driver = 0;
    if (::ioctl(static_cast<int>(port_->handle()), TIOCOUTQ, &driver) == 0 && driver > 0) queued += driver;
#endif
    return static_cast<std::uint32_t>(queued);
}
