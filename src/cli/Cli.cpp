// The tslq-cli frame: argument handling, the read-only profile, the
// subcommand dispatch and the program's entry.
#include "cli/Cli.h"

#include "files/DataFile.h"
#include "files/FileIo.h"
#include "files/SafeFile.h"
#include "model/SettingsStore.h"

#include <QDir>
#include <QGuiApplication>

#include <cctype>
#include <iostream>

#include <unistd.h>

namespace {

constexpr std::string_view kProgram = "tslq-cli";

// The profile as the program reads it, with the command line's overrides;
// writes are dropped so that the command line never changes the profile.
class ReadOnlyProfileStore : public ConfigStore
{
  public:
    ReadOnlyProfileStore(ConfigStore& base, const CliProfileOptions& options) : base_(base), options_(options)
    {
    }

    std::string Read(const std::string& name) override
    {
        if (name == "Type" && options_.type) return *options_.type;
        if (name == "Model" && options_.model) return *options_.model;
        return base_.Read(name);
    }
    void Write(const std::string&, const std::string&) override {}

  private:
    ConfigStore& base_;
    const CliProfileOptions& options_;
};

std::string Utf8(const QString& text)
{
    return text.toUtf8().toStdString();
}

// Every status, or those one command gives.
void WriteExitStatuses(std::ostream& out, const CliCommand* command)
{
    out << "\nexit status:\n";
    for (const CliExitStatus& status : CliExitStatuses()) {
        if (command && status.radioOnly && !command->radio) continue;
        if (command && !status.command.empty() && status.command != command->name) continue;
        out << "  " << status.status << "  " << status.meaning << "\n";
    }
}

void WriteUsage(std::ostream& out)
{
    out << "usage: " << kProgram << " COMMAND [OPTIONS] [ARGUMENTS]\n"
        << "       " << kProgram << " COMMAND --help\n\ncommands:\n";
    for (const CliCommand& command : CliCommands())
        out << "  " << command.name << " " << command.usage << "\n      " << command.summary << "\n";
    out << "\nThe radio version comes from the program's profile; --type and --model override it.\n";
    WriteExitStatuses(out, nullptr);
}

void WriteCommandHelp(std::ostream& out, const CliCommand& command)
{
    std::string summary(command.summary);
    if (!summary.empty())
        summary[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(summary[0])));
    out << "usage: " << kProgram << " " << command.name << " " << command.usage << "\n\n"
        << summary << ".\n"
        << "The radio version comes from the program's profile; --type and --model override it.\n";
    if (command.radio)
        out << "--port takes a device path or COM1 to COM10 (the device the program maps to it).\n"
               "Progress shows on standard error when it is a terminal; one line on standard\n"
               "output then counts what was transferred.\n";
    WriteExitStatuses(out, &command);
}

bool AsksForHelp(const QStringList& arguments)
{
    for (const QString& argument : arguments) {
        if (argument == QStringLiteral("--")) break;
        if (argument == QStringLiteral("--help") || argument == QStringLiteral("-h")) return true;
    }
    return false;
}

const CliCommand* FindCommand(std::string_view name)
{
    for (const CliCommand& command : CliCommands())
        if (command.name == name) return &command;
    return nullptr;
}

bool IsOptionLike(const QString& argument)
{
    return argument.size() > 1 && argument.startsWith(QLatin1Char('-'));
}

} // namespace

CliArgs::CliArgs(QStringList arguments)
{
    const qsizetype dashes = arguments.indexOf(QStringLiteral("--"));
    if (dashes >= 0) {
        afterDashes_ = arguments.mid(dashes + 1);
        arguments.resize(dashes);
    }
    options_ = std::move(arguments);
}

void CliArgs::Fail(const QString& error)
{
    if (error_.isEmpty()) error_ = error;
}

std::optional<QString> CliArgs::Value(const QString& name)
{
    std::optional<QString> value;
    const QString prefix = name + QLatin1Char('=');
    for (qsizetype i = 0; i < options_.size();) {
        QString found;
        if (options_[i] == name) {
            if (i + 1 >= options_.size()) {
                Fail(QStringLiteral("option %1 needs a value").arg(name));
                options_.remove(i);
                continue;
            }
            found = options_[i + 1];
            options_.remove(i, 2);
        } else if (options_[i].startsWith(prefix)) {
            found = options_[i].mid(prefix.size());
            options_.remove(i);
        } else {
            ++i;
            continue;
        }
        if (value) Fail(QStringLiteral("option %1 is given twice").arg(name));
        value = found;
    }
    return value;
}

bool CliArgs::Flag(const QString& name)
{
    const qsizetype removed = options_.removeAll(name);
    if (removed > 1) Fail(QStringLiteral("option %1 is given twice").arg(name));
    return removed > 0;
}

QStringList CliArgs::Positionals()
{
    for (const QString& argument : options_)
        if (IsOptionLike(argument)) Fail(QStringLiteral("unknown option %1").arg(argument));
    QStringList positionals = options_;
    positionals += afterDashes_;
    return positionals;
}

int CliContext::BadArguments(const QString& text)
{
    err << kProgram << " " << command << ": " << Utf8(text) << "\n";
    if (const CliCommand* entry = FindCommand(command))
        err << "usage: " << kProgram << " " << entry->name << " " << entry->usage << "\n";
    return kCliBadArguments;
}

int CliContext::FileError(const QString& path, const QString& reason)
{
    err << "File Open error.\n" << kProgram << " " << command << ": " << Utf8(path);
    if (!reason.isEmpty()) err << ": " << Utf8(reason);
    err << "\n";
    return kCliFileError;
}

int CliContext::FinishOutput()
{
    out.flush();
    if (out) return kCliOk;
    const auto* checked = dynamic_cast<const DescriptorStreamBuf*>(out.rdbuf());
    return FileError(QStringLiteral("standard output"),
                     checked && checked->Failed() ? checked->Reason() : QStringLiteral("write error"));
}

CliProfileOptions TakeProfileOptions(CliArgs& args)
{
    CliProfileOptions options;
    if (const auto type = args.Value(QStringLiteral("--type"))) options.type = Utf8(*type);
    if (const auto model = args.Value(QStringLiteral("--model"))) options.model = Utf8(*model);
    return options;
}

int LoadCliProfile(CliContext& context, const CliProfileOptions& options, RadioImage& image)
{
    // Two letters, a comma and two type digits, as the radio reports it.
    if (options.type && (options.type->size() != TypeCodeCapacity || (*options.type)[2] != ','))
        return context.BadArguments(QStringLiteral("--type wants a type code such as KK,0F"));
    if (options.model && (options.model->empty() || options.model->size() > ModelCapacity))
        return context.BadArguments(QStringLiteral("--model wants a model such as ZT-Q2"));

    ReadOnlyProfileStore store(context.store, options);
    if (store.Read("Type").empty()) {
        context.err
            << kProgram << " " << context.command
            << ": no radio version is set up; start TSL-Q2/Q3 once to choose it, or give --type CODE\n";
        return kCliBadArguments;
    }
    LoadProfile(store, image, Utf8(QDir::currentPath()), [] { return 0; });
    return kCliOk;
}

int LoadCliDataFile(CliContext& context, const QString& path, RadioImage& image, std::string& comment,
                    DataFileReport* report)
{
    QString reason;
    const std::optional<std::string> bytes = ReadFileBytes(path, &reason);
    if (!bytes) return context.FileError(path, reason);
    ResetImage(image, ImageReset::ForLoad);
    DataFileReport found;
    if (ReadDataFile(*bytes, image, comment, found) == DataFileStatus::BadHeader)
        return context.FileError(path, QStringLiteral("not a TSL-Q2/Q3 data file"));
    for (const Message& line : {EndsEarlyMessage(found.gaps), NotLoadedMessage(found.leftOut),
                                EarlierLineUsedMessage(found.earlierLineUsed)})
        if (!line.Empty())
            context.err << kProgram << " " << context.command << ": " << Utf8(path) << ": "
                        << EnglishText(line) << "\n";
    if (report) *report = std::move(found);
    return kCliOk;
}

int OpenCliImage(CliContext& context, const CliProfileOptions& profile, const std::optional<QString>& path,
                 RadioImage& image, std::string& comment, DataFileReport* report)
{
    if (const int status = LoadCliProfile(context, profile, image); status != kCliOk) return status;
    if (path) return LoadCliDataFile(context, *path, image, comment, report);
    ResetImage(image, ImageReset::ForNew);
    return kCliOk;
}

int RunCli(const QStringList& arguments, ConfigStore& store, std::ostream& out, std::ostream& err,
           bool errIsTerminal)
{
    if (arguments.isEmpty()) {
        WriteUsage(err);
        return kCliBadArguments;
    }
    const QString& name = arguments.front();
    if (name == QStringLiteral("help") || name == QStringLiteral("--help") || name == QStringLiteral("-h")) {
        // "help COMMAND" is that command's help.
        if (arguments.size() > 1) {
            if (const CliCommand* command = FindCommand(Utf8(arguments[1]))) {
                WriteCommandHelp(out, *command);
                return kCliOk;
            }
        }
        WriteUsage(out);
        return kCliOk;
    }
    const std::string commandName = Utf8(name);
    const CliCommand* command = FindCommand(commandName);
    if (!command) {
        err << kProgram << ": unknown command " << commandName << "\n";
        WriteUsage(err);
        return kCliBadArguments;
    }
    if (AsksForHelp(arguments.mid(1))) {
        WriteCommandHelp(out, *command);
        return kCliOk;
    }
    CliArgs args(arguments.mid(1));
    CliContext context{args, store, out, err, command->name, errIsTerminal};
    return command->run(context);
}

int CliMain(int argc, char** argv)
{
    // Standard error carries the command's own messages; the platform's
    // notes (runtime folders, fonts) would only bury them.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::cerr << message.toLocal8Bit().constData() << "\n";
    });
    // The command line never shows a window; printing needs a GUI
    // application all the same, so it runs offscreen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList arguments = QGuiApplication::arguments();
    arguments.removeFirst();
    QSettingsConfigStore store;
    // Every write to standard output is checked: output lost on a full disk
    // is a failure, never a success.
    DescriptorStreamBuf outBuffer(STDOUT_FILENO);
    std::ostream out(&outBuffer);
    const int status = RunCli(arguments, store, out, std::cerr, ::isatty(STDERR_FILENO) != 0);
    out.flush();
    if (!outBuffer.Close() && status == kCliOk) {
        std::cerr << "File Open error.\n"
                  << kProgram << ": standard output: " << Utf8(outBuffer.Reason()) << "\n";
        return kCliFileError;
    }
    return status;
}
