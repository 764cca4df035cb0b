// Entry of the tslq program: the application with its title, the main
// window, and the message loop until the main window closes.
//
// Usage: tslq [--no-splash] [--exit-when-shown] [--simulate[=TYPE] | --simulate-if-no-radio]
//             [--] [data file]
// Leading arguments that start with "--" are options and "--" ends them; the
// remaining arguments, joined with single blanks, name a data file to load.
#include "link/PortMap.h"
#include "mainwin/MainCommandLine.h"
#include "mainwin/MainWindow.h"
#include "mainwin/PortSelect.h"
#include "model/Profile.h"
#include "sim/SimServer.h"
#include "ui/Messages.h"

#include <QApplication>

#include <string>
#include <vector>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("VANTREL"));
    QApplication::setApplicationName(Msg::ApplicationTitle);

    std::vector<std::string> arguments;
    for (const QString& argument : QApplication::arguments().mid(1))
        arguments.push_back(argument.toStdString());
    const MainCommandLine commandLine = ParseMainCommandLine(arguments);

    MainWindow::Options options;
    options.showSplash = !commandLine.Has(OptionNoSplash);
    options.commandLineFile = QString::fromStdString(commandLine.fileName);
    MainWindow form(options);
    for (const std::string& option : commandLine.options) {
        QString type;
        bool onlyWithoutRadio = false;
        if (!SimulateOption(option, type, onlyWithoutRadio)) continue;
        const int port = PortNumber(form.PortName().toStdString());
        if (!onlyWithoutRadio || ThePortMap().SourceOf(port) == PortSource::None) form.StartSimulation(type);
    }
    if (commandLine.Has(OptionExitWhenShown))
        QObject::connect(&form, &MainWindow::FirstShown, &app, &QApplication::quit, Qt::QueuedConnection);
    form.show();
    const int status = QApplication::exec();
    StopSimulatedRadio();
    return status;
}
