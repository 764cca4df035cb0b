// Entry of the tslq program: the application with its title, the main
// window, and the message loop until the main window closes.
//
// Usage: tslq [--no-splash] [--exit-when-shown] [--simulate[=TYPE] | --simulate-if-no-radio]
//             [--lang=en|de|ja] [--help] [--] [data file]
// Leading arguments that start with "--" are options and "--" ends them; the
// remaining arguments, joined with single blanks, name a data file to load.
// --help and unknown options are answered before the application object is
// made, so they need no display.
#include "link/PortMap.h"
#include "mainwin/MainCommandLine.h"
#include "mainwin/MainWindow.h"
#include "mainwin/PortSelect.h"
#include "model/Profile.h"
#include "model/SettingsStore.h"
#include "sim/SimServer.h"
#include "ui/Accessibility.h"
#include "ui/Language.h"
#include "ui/Messages.h"

#include <QApplication>
#include <QLocale>

#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

// The usage on --help (status 0) or after an unknown option (status 2);
// nullopt when the window may start.
std::optional<int> AnswerWithoutWindow(const MainCommandLine& commandLine)
{
    if (!commandLine.unknown.empty()) {
        std::cerr << "tslq: unknown option " << commandLine.unknown.front() << "\n" << MainUsage();
        return MainExitBadArguments;
    }
    if (commandLine.Has(OptionHelp)) {
        std::cout << MainUsage() << std::flush;
        return std::cout ? 0 : 1;
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char** argv)
{
    if (const auto status =
            AnswerWithoutWindow(ParseMainCommandLine(std::vector<std::string>(argv + 1, argv + argc))))
        return *status;

    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("VANTREL"));
    QApplication::setApplicationName(Msg::ApplicationTitle);
    InstallAccessibleInterfaces();

    // Parsed again without the toolkit's own options ("-platform offscreen"),
    // which the application object has taken out.
    std::vector<std::string> arguments;
    for (const QString& argument : QApplication::arguments().mid(1))
        arguments.push_back(argument.toStdString());
    const MainCommandLine commandLine = ParseMainCommandLine(arguments);
    if (const auto status = AnswerWithoutWindow(commandLine)) return *status;

    // --lang for this run, else the operator's choice, else the desktop's language.
    QString language = QString::fromStdString(commandLine.language);
    if (language.isEmpty()) {
        QSettingsConfigStore store;
        language = StoredLanguageChoice(store);
    }
    InstallTranslations(ResolveLanguage(language, QLocale::system().uiLanguages()));

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
