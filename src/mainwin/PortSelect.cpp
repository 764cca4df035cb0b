// Radio > Port Select: "Com&1" to "Com1&0" test and choose the port of the
// radio; "&Device..." sets by hand which device the checked port reaches.
// Each item's status tip shows the device it reaches now.
#include "mainwin/MainWindow.h"

#include "link/PortMap.h"
#include "link/RadioPort.h"
#include "mainwin/PortSelect.h"
#include "model/Profile.h"
#include "sim/SimServer.h"
#include "ui/Messages.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QInputDialog>
#include <QMenu>

#include <cerrno>
#include <sys/stat.h>

namespace {

// The texts of the port items and of setting a port's device.
struct PortSelect
{
    Q_DECLARE_TR_FUNCTIONS(PortSelect)
};

QString PortLabel(int port)
{
    return QStringLiteral("COM%1").arg(port);
}

// "1st", "2nd", "11th": which of the USB serial adapters found a port takes.
QString Ordinal(int n)
{
    //: ordinal numbers 1st, 21st, 31st... (%1 the number); other languages
    //: write the same form for all four: "%1.", "%1番目"
    if (n % 100 < 11 || n % 100 > 13) {
        if (n % 10 == 1) return PortSelect::tr("%1st").arg(n);
        //: ordinal numbers 2nd, 22nd...
        if (n % 10 == 2) return PortSelect::tr("%1nd").arg(n);
        //: ordinal numbers 3rd, 23rd...
        if (n % 10 == 3) return PortSelect::tr("%1rd").arg(n);
    }
    //: ordinal numbers 4th, 11th, 12th, 13th...
    return PortSelect::tr("%1th").arg(n);
}

std::optional<QString> AskDeviceModally(QWidget* parent, int port, const QString& current)
{
    bool ok = false;
    const QString text = QInputDialog::getText(
        parent, Msg::ApplicationTitle,
        //: %1 the port (COM3), %2 an ordinal number (3rd)
        PortSelect::tr("Device of %1, for example /dev/ttyUSB0, /dev/serial/by-id/... or a\n"
                       "pseudo-terminal such as /dev/pts/3.\n"
                       "Leave it empty to use the %2 USB serial adapter found.")
            .arg(PortLabel(port), Ordinal(port)),
        QLineEdit::Normal, current, &ok);
    if (!ok) return std::nullopt;
    return text;
}

} // namespace

QString PortStatusTip(int port)
{
    const PortMap& map = ThePortMap();
    const QString device = QString::fromStdString(map.DeviceOf(port));
    switch (map.SourceOf(port)) {
    case PortSource::RunOnly:
        //: status tip of a port item: %1 the port (COM1), %2 its device (/dev/pts/3)
        return PortSelect::tr("%1 reaches %2 (simulated radio, this run only)").arg(PortLabel(port), device);
    case PortSource::Stored:
        return PortSelect::tr("%1 reaches %2 (set by hand)").arg(PortLabel(port), device);
    case PortSource::Automatic:
        //: %3 an ordinal number (1st): the first USB serial adapter found
        return PortSelect::tr("%1 reaches %2 (the %3 USB serial adapter)")
            .arg(PortLabel(port), device, Ordinal(port));
    case PortSource::None:
        break;
    }
    //: "Device..." is the item Radio > Port Select > Device...
    return PortSelect::tr("%1 reaches no device; set one with Device...").arg(PortLabel(port));
}

DevicePathKind ClassifyDevicePath(const QString& path)
{
    if (path.isEmpty()) return DevicePathKind::Automatic;
    struct stat info
    {
    };
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return errno == ENOENT ? DevicePathKind::Missing : DevicePathKind::NotADevice;
    return S_ISCHR(info.st_mode) ? DevicePathKind::CharacterDevice : DevicePathKind::NotADevice;
}

bool SimulateOption(const std::string& option, QString& type, bool& onlyWithoutRadio)
{
    type.clear();
    onlyWithoutRadio = option == "simulate-if-no-radio";
    if (onlyWithoutRadio || option == "simulate") return true;
    if (option.rfind("simulate=", 0) != 0) return false;
    type = QString::fromStdString(option.substr(9));
    return true;
}

void MainWindow::ConnectPortSelect()
{
    // An exception inside a receive handler is shown as the application's
    // standard error box; the serial component then goes on delivering.
    RadioPort::SetExceptionReporter(
        [](const std::string& text) { ShowMessage(MessageKind::Error, QString::fromStdString(text)); });
    ConfigStore* store = &Store();
    ThePortMap().SetStore(store);
    connect(this, &QObject::destroyed, [store] {
        if (ThePortMap().Store() == store) ThePortMap().SetStore(nullptr);
    });
    for (int port = 1; port <= static_cast<int>(portActions_.size()); ++port) {
        QAction* item = portActions_[static_cast<std::size_t>(port - 1)];
        item->setEnabled(true);
        connect(item, &QAction::triggered, this, [this, port] { ComClick(port); });
    }
    portMenu_->addSeparator();
    portDeviceAction_ = portMenu_->addAction(PortSelect::tr("&Device..."));
    SetHelpContext(portDeviceAction_, 80);
    connect(portDeviceAction_, &QAction::triggered, this, &MainWindow::SetPortDevice);
    // Adapters come and go: the tips are brought up to date on each showing.
    connect(portMenu_, &QMenu::aboutToShow, this, &MainWindow::UpdatePortTips);
    UpdatePortTips();
}

void MainWindow::UpdatePortTips()
{
    for (int port = 1; port <= static_cast<int>(portActions_.size()); ++port)
        portActions_[static_cast<std::size_t>(port - 1)]->setStatusTip(PortStatusTip(port));
    const int port = PortNumber(portName_.toStdString());
    if (portDeviceAction_ != nullptr)
        portDeviceAction_->setStatusTip(
            PortSelect::tr("Set the device that %1 reaches").arg(PortLabel(port)));
}

void MainWindow::ComClick(int port)
{
    QAction* item = portActions_[static_cast<std::size_t>(port - 1)];
    const QString name = PortLabel(port);
    {
        RadioPort probe;
        if (!probe.CheckCommportValid(name.toStdString())) {
            ShowMessage(MessageKind::Warning,
                        Msg::PortInvalid(port) + QString::fromStdString(OpenFailureHint(probe)));
            // Only this item loses its mark; the port stays as it was.
            item->setChecked(false);
            return;
        }
    }
    SetPortName(name);
    SaveCommPort(Store(), name.toStdString());
    UpdatePortTips();
}

void MainWindow::SetPortDevice()
{
    const int port = PortNumber(portName_.toStdString());
    const QString current = QString::fromStdString(ThePortMap().StoredDevice(port));
    const std::optional<QString> answer =
        AskPortDevice ? AskPortDevice(port, current) : AskDeviceModally(this, port, current);
    if (!answer) return;
    const QString path = answer->trimmed();
    switch (ClassifyDevicePath(path)) {
    case DevicePathKind::NotADevice:
        ShowMessage(MessageKind::Warning,
                    //: %1 the path the operator gave
                    PortSelect::tr("%1 is not a serial device.\nPlease check and try again.").arg(path));
        return;
    case DevicePathKind::Missing:
        // An adapter that is not plugged in yet has no device: keep the path.
        ShowMessage(MessageKind::Warning,
                    //: %1 the path the operator gave, %2 the port (COM1)
                    PortSelect::tr("%1 does not exist yet.\n%2 will reach it once the adapter is plugged in.")
                        .arg(path, PortLabel(port)));
        break;
    case DevicePathKind::Automatic:
    case DevicePathKind::CharacterDevice:
        break;
    }
    ThePortMap().SetStoredDevice(port, path.toStdString());
    UpdatePortTips();
}

bool MainWindow::StartSimulation(const QString& type)
{
    std::string model;
    std::string typeCode = type.toStdString();
    if (typeCode.empty()) {
        typeCode = Image().TypeCode();
        model = Image().Model();
    }
    std::string error;
    const int port = PortNumber(portName_.toStdString());
    if (StartSimulatedRadio(typeCode, model, port, error, true).empty()) {
        ShowMessage(MessageKind::Warning, PortSelect::tr("The simulated radio cannot start.") +
                                              QLatin1Char('\n') + QString::fromStdString(error));
        return false;
    }
    UpdatePortTips();
    return true;
}
