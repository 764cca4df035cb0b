// RadioPort: the serial port component on QSerialPort.
#include "link/RadioPort.h"

#include "link/PortMap.h"

#include <QCoreApplication>
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

RadioPort::ExceptionReporter& Reporter()
{
    static RadioPort::ExceptionReporter reporter;
    return reporter;
}

RadioPort::PortResolver& Resolver()
{
    static RadioPort::PortResolver resolver;
    return resolver;
}

QString Tr(const char* text)
{
    return QCoreApplication::translate("RadioPort", text);
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

QSerialPort::Parity ToQt(SerialParity p)
{
    switch (p) {
    case SerialParity::Odd:
        return QSerialPort::OddParity;
    case SerialParity::Even:
        return QSerialPort::EvenParity;
    case SerialParity::_Mark:
        return QSerialPort::MarkParity;
    case SerialParity::Space:
        return QSerialPort::SpaceParity;
    case SerialParity::None:
        break;
    }
    return QSerialPort::NoParity;
}

QSerialPort::DataBits ToQt(SerialByteSize s)
{
    switch (s) {
    case SerialByteSize::_5bit:
        return QSerialPort::Data5;
    case SerialByteSize::_6bit:
        return QSerialPort::Data6;
    case SerialByteSize::_7bit:
        return QSerialPort::Data7;
    case SerialByteSize::_8bit:
        break;
    }
    return QSerialPort::Data8;
}

QSerialPort::StopBits ToQt(SerialStopBits s)
{
    switch (s) {
    case SerialStopBits::_1_5bit:
        return QSerialPort::OneAndHalfStop;
    case SerialStopBits::_2bit:
        return QSerialPort::TwoStop;
    case SerialStopBits::_1bit:
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

std::string OpenFailureHint(const RadioPort& comm)
{
    const QString device = QString::fromStdString(comm.LastOpenDevice());
    QString hint;
    switch (comm.LastOpenFailure()) {
    case OpenFailure::None:
        return {};
    case OpenFailure::NotFound:
        if (device.isEmpty())
            hint = QCoreApplication::translate(
                "RadioPort",
                "No device is set for this port: plug in the USB serial adapter, or choose a device "
                "with Radio > Port Select > Device...");
        else
            //: %1: a device such as /dev/ttyUSB0.
            hint = QCoreApplication::translate("RadioPort",
                                               "%1 does not exist: the USB serial adapter may be unplugged.")
                       .arg(device);
        break;
    case OpenFailure::Busy:
        //: %1: a device such as /dev/ttyUSB0.
        hint = QCoreApplication::translate("RadioPort", "%1 is in use by another program.").arg(device);
        break;
    case OpenFailure::Permission:
        //: %1: a device such as /dev/ttyUSB0. "dialout" and the command stay as they are.
        hint = QCoreApplication::translate(
                   "RadioPort", "%1: you are not allowed to open it: add yourself to the dialout group "
                                "(sudo usermod -aG dialout $USER), then log in again.")
                   .arg(device);
        break;
    case OpenFailure::Other:
        //: %1: a device such as /dev/ttyUSB0; %2: the system's reason.
        hint = QCoreApplication::translate("RadioPort", "%1 cannot be opened (%2).")
                   .arg(device, QString::fromStdString(comm.LastOpenDetail()));
        break;
    }
    return "\n\n" + hint.toStdString();
}

QString SerialErrorText(const SerialError& error)
{
    if (!error.Fixed()) return QString::fromStdString(error.Message());
    QString text = Tr(error.Fixed());
    text.replace(QLatin1String("%d"), QString::number(error.Value()));
    return text;
}

std::int32_t BaudRateValue(SerialBaudRate rate)
{
    static constexpr std::int32_t values[] = {600,   1200,  2400,  4800,  9600,   14400,
                                              19200, 38400, 56000, 57600, 115200, 128000};
    const auto i = static_cast<std::size_t>(rate);
    return i < std::size(values) ? values[i] : 9600;
}

SerialError::SerialError(const std::string& message, std::string detail)
    : std::runtime_error(message), detail_(std::move(detail))
{
}

SerialError::SerialError(const char* text, std::string detail)
    : std::runtime_error(text), detail_(std::move(detail)), fixed_(text)
{
}

SerialError::SerialError(const char* format, int value, std::string detail)
    : std::runtime_error(Format(format, value)), detail_(std::move(detail)), fixed_(format), value_(value)
{
}

RadioPort::RadioPort(QObject* parent) : QObject(parent) {}

RadioPort::~RadioPort()
{
    CloseCommport();
}

void RadioPort::SetExceptionReporter(ExceptionReporter reporter)
{
    Reporter() = std::move(reporter);
}

void RadioPort::SetPortResolver(PortResolver resolver)
{
    Resolver() = std::move(resolver);
}

std::string RadioPort::ResolvePortName(const std::string& name)
{
    if (Resolver()) return Resolver()(std::string(StripDeviceNamespace(name)));
    return ThePortMap().Resolve(name);
}

// ---- property setters ---------------------------------------------------

void RadioPort::SetCommPort(ComPort port)
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

void RadioPort::SetDeviceName(const std::string& name)
{
    deviceName_ = name;
}

void RadioPort::SetBaudRate(SerialBaudRate rate)
{
    if (rate == baudRate_) return;
    baudRate_ = rate;
    if (open_) port_->setBaudRate(BaudRateValue(baudRate_));
}

void RadioPort::SetParity(SerialParity parity)
{
    if (parity == parity_) return;
    parity_ = parity;
    if (open_) port_->setParity(ToQt(parity_));
}

void RadioPort::SetByteSize(SerialByteSize size)
{
    if (size == byteSize_) return;
    byteSize_ = size;
    if (open_) port_->setDataBits(ToQt(byteSize_));
}

void RadioPort::SetStopBits(SerialStopBits bits)
{
    if (bits == stopBits_) return;
    stopBits_ = bits;
    if (open_) port_->setStopBits(ToQt(stopBits_));
}

void RadioPort::SetFlowControl(SerialFlowControl mode)
{
    if (mode == flowControl_) return;
    flowControl_ = mode;
    if (open_) ApplyFlowControl();
}

void RadioPort::SetEventType(SerialEventType type)
{
    eventType_ = type;
}

void RadioPort::SetInBuffSize(std::uint32_t size)
{
    inBuffSize_ = size;
}

void RadioPort::SetOutBuffSize(std::uint32_t size)
{
    outBuffSize_ = size;
}

void RadioPort::SetRxThreshold(std::uint32_t size)
{
    rxThreshold_ = size;
}

void RadioPort::SetXonSendSize(std::uint16_t size)
{
    rxStartSize_ = size;
}

void RadioPort::SetXoffSendSize(std::uint16_t size)
{
    rxStopSize_ = size;
}

void RadioPort::SetEventChar(std::uint16_t c)
{
    // The event character is matched by the component itself as bytes
    // arrive, so a change needs nothing from the driver.
    eventChar_ = c;
}

void RadioPort::ApplyLineSettings()
{
    port_->setBaudRate(BaudRateValue(baudRate_));
    port_->setParity(ToQt(parity_));
    port_->setDataBits(ToQt(byteSize_));
    port_->setStopBits(ToQt(stopBits_));
    ApplyFlowControl();
}

void RadioPort::ApplyFlowControl()
{
    // DTR/DSR handshake does not exist on this platform's serial driver; the
    // line then behaves as without handshake, with DTR held on. The XON and
    // XOFF limits are the driver's own here. Modem lines cannot be set on a
    // pseudo-terminal; that failure is harmless and ignored.
    switch (flowControl_) {
    case SerialFlowControl::XonXoff:
        port_->setFlowControl(QSerialPort::SoftwareControl);
        break;
    case SerialFlowControl::RtsCts:
        port_->setFlowControl(QSerialPort::HardwareControl);
        break;
    case SerialFlowControl::Disable:
    case SerialFlowControl::DtrDsr:
        port_->setFlowControl(QSerialPort::NoFlowControl);
        break;
    }
    port_->setDataTerminalReady(true);
    if (flowControl_ != SerialFlowControl::RtsCts) port_->setRequestToSend(true);
    port_->clearError();
}

// ---- open and close -----------------------------------------------------

bool RadioPort::TryOpen(const std::string& name, QSerialPort& port)
{
    lastFailure_ = OpenFailure::None;
    lastFailureDetail_.clear();
    lastOpenDevice_ = ResolvePortName(name);
    const std::string device = CanonicalDevice(lastOpenDevice_);
    if (device.empty()) {
        lastFailure_ = OpenFailure::NotFound;
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
        lastFailure_ = OpenFailure::NotFound;
        break;
    case QSerialPort::PermissionError:
        // The same error is reported for a device held by another opener;
        // only missing access rights count as a permission problem.
        if (::access(device.c_str(), R_OK | W_OK) != 0 && errno == EACCES)
            lastFailure_ = OpenFailure::Permission;
        else
            lastFailure_ = OpenFailure::Busy;
        break;
    default:
        lastFailure_ = OpenFailure::Other;
        break;
    }
    return false;
}

void RadioPort::OpenCommport()
{
    if (port_ != nullptr && open_) return;
    auto* port = new QSerialPort(this);
    if (!TryOpen(deviceName_, *port)) {
        delete port;
        throw SerialError(CommErrorText::OpenInvalid, lastFailureDetail_);
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
    connect(port_, &QSerialPort::readyRead, this, &RadioPort::OnReadyRead);
    connect(port_, &QSerialPort::errorOccurred, this, &RadioPort::OnPortError);
}

void RadioPort::CloseCommport()
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

bool RadioPort::CheckCommportValid(const std::string& name)
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

std::uint32_t RadioPort::ScanNewBytes()
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

void RadioPort::OnReadyRead()
{
    if (!open_ || failing_) return;
    if (inCallback_ || reading_) {
        pendingEvent_ = true;
        return;
    }
    DeliverPending();
}

void RadioPort::DeliverPending()
{
    QPointer<RadioPort> self(this);
    do {
        pendingEvent_ = false;
        if (!open_ || failing_) return;
        bool fire = false;
        if (eventType_ == SerialEventType::CharEvent)
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
            ReportException(
                QCoreApplication::translate("RadioPort", "Unknown exception in the receive handler")
                    .toStdString());
        }
        if (!self) return;
        inCallback_ = false;
    } while (pendingEvent_);
}

void RadioPort::OnPortError(QSerialPort::SerialPortError error)
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
    QMetaObject::invokeMethod(this, &RadioPort::FailLine, Qt::QueuedConnection);
}

void RadioPort::FailLine()
{
    if (!failing_) return;
    const SerialError error(failureIsWrite_ ? CommErrorText::WriteError : CommErrorText::ReadError, 0,
                            failureDetail_);
    CloseCommport();
    failing_ = false;
    if (OnCommFailure) OnCommFailure(*this, error);
}

// ---- block transfers ----------------------------------------------------

std::uint32_t RadioPort::ReadData(char* buffer, std::uint32_t size)
{
    if (!open_) throw SerialError(CommErrorText::NotStarted);
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
        QMetaObject::invokeMethod(this, &RadioPort::DeliverPending, Qt::QueuedConnection);
    const qint64 got = port_->read(buffer, size);
    const std::uint32_t count = got > 0 ? static_cast<std::uint32_t>(got) : 0u;
    if (count < size) std::memset(buffer + count, 0, size - count);
    scanned_ = scanned_ > count ? scanned_ - count : 0;
    if (count < size && failing_) throw SerialError(CommErrorText::ReadError, 0, failureDetail_);
    return count;
}

std::string RadioPort::ReadStringData(std::uint32_t size)
{
    if (size > 4096) size = 4096;
    std::string text(size, '\0');
    ReadData(text.data(), size);
    return text;
}

void RadioPort::WriteData(const char* buffer, std::uint32_t size)
{
    if (!open_) throw SerialError(CommErrorText::NotStarted);
    const std::int64_t free = static_cast<std::int64_t>(outBuffSize_) - CountOutBuff();
    if (free <= static_cast<std::int64_t>(size)) throw SerialError(CommErrorText::TooMuchWrite);
    if (failing_) throw SerialError(CommErrorText::WriteError, 0, failureDetail_);
    const qint64 written = port_->write(buffer, size);
    if (written != static_cast<qint64>(size))
        throw SerialError(CommErrorText::WriteError, 0, port_->errorString().toStdString());
    // Hand the bytes to the driver now rather than at the next event loop
    // pass, so a command leaves as soon as it is written.
    port_->flush();
}

void RadioPort::WriteStringData(const std::string& text)
{
    WriteData(text.data(), static_cast<std::uint32_t>(text.size()));
}

void RadioPort::WriteStop()
{
    if (open_) {
        port_->setBreakEnabled(true);
        port_->clearError();
    }
}

void RadioPort::WriteRestart()
{
    if (open_) {
        port_->setBreakEnabled(false);
        port_->clearError();
    }
}

void RadioPort::ClearInBuff()
{
    if (!open_) return;
    port_->clear(QSerialPort::Input);
    port_->readAll();
    scanned_ = 0;
}

void RadioPort::ClearOutBuff()
{
    if (open_) port_->clear(QSerialPort::Output);
}

std::uint32_t RadioPort::CountInBuff() const
{
    if (!open_) return 0xFFFFFFFFu;
    return static_cast<std::uint32_t>(port_->bytesAvailable());
}

std::uint32_t RadioPort::CountOutBuff() const
{
    if (!open_) return 0xFFFFFFFFu;
    std::int64_t queued = port_->bytesToWrite();
#if defined(Q_OS_UNIX)
    int driver = 0;
    if (::ioctl(static_cast<int>(port_->handle()), TIOCOUTQ, &driver) == 0 && driver > 0) queued += driver;
#endif
    return static_cast<std::uint32_t>(queued);
}
