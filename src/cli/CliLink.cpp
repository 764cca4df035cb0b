// tslq-cli read and write. The profile is read only, as for every command:
// a read does not make the radio's version the stored one (the program
// does). A transfer that does not complete writes no output file, so a
// partial read is never taken for a whole one.
#include "cli/CliLink.h"

#include "files/DataFile.h"
#include "files/FileIo.h"
#include "link/PortMap.h"
#include "link/RadioPort.h"
#include "link/TransferRunner.h"
#include "link/WriteTransfer.h"

#include <QEventLoop>

#include <iostream>
#include <string>
#include <vector>

namespace {

std::string Utf8(const QString& text)
{
    return text.toUtf8().toStdString();
}

struct LinkOptions
{
    QString port;
    LinkScope scope = LinkScope::All;
    CliProfileOptions profile;
};

// --port and --scope; kCliOk or the status of a misuse (message written).
int TakeLinkOptions(CliContext& context, LinkOptions& options)
{
    const std::optional<QString> port = context.args.Value(QStringLiteral("--port"));
    const std::optional<QString> scope = context.args.Value(QStringLiteral("--scope"));
    options.profile = TakeProfileOptions(context.args);
    if (!context.args.Ok()) return context.BadArguments(context.args.Error());
    if (!port || port->isEmpty()) return context.BadArguments(QStringLiteral("--port names no device"));
    options.port = *port;
    if (scope) {
        if (*scope == QStringLiteral("all"))
            options.scope = LinkScope::All;
        else if (*scope == QStringLiteral("memory"))
            options.scope = LinkScope::Memory;
        else if (*scope == QStringLiteral("menu"))
            options.scope = LinkScope::Menu;
        else
            return context.BadArguments(QStringLiteral("--scope is all, memory or menu"));
    }
    return kCliOk;
}

int LoadFile(CliContext& context, const QString& path, RadioImage& image, std::string& comment)
{
    return LoadCliDataFile(context, path, image, comment);
}

int StatusOf(TransferOutcome outcome)
{
    switch (outcome) {
    case TransferOutcome::Completed:
        return kCliOk;
    case TransferOutcome::InvalidRadio:
        return kCliInvalidRadio;
    case TransferOutcome::Timeout:
        return kCliTimeout;
    case TransferOutcome::PortUnavailable:
        return kCliPortUnavailable;
    case TransferOutcome::Running:
    case TransferOutcome::Cancelled:
    case TransferOutcome::LineFailure:
    case TransferOutcome::BadReply:
        break;
    }
    return kCliLineFailed;
}

// Runs one transfer to its end; the failure message goes to standard error.
int Transfer(CliContext& context, const LinkOptions& options, RadioImage* readInto,
             const RadioImage* writeFrom)
{
    // A port name COMn reaches the device the operator mapped to it in the
    // program, as it does there; the map only reads the store.
    struct StoreScope
    {
        ConfigStore* previous;
        explicit StoreScope(ConfigStore& store) : previous(ThePortMap().Store())
        {
            ThePortMap().SetStore(&store);
        }
        ~StoreScope() { ThePortMap().SetStore(previous); }
    } storeScope(context.store);

    RadioPort comm;
    ConfigureTransferPort(comm);
    const std::string device = Utf8(options.port);
    if (!comm.CheckCommportValid(device)) {
        const QString text = readInto ? ReadPortInvalidMessage(comm) : WritePortInvalidMessage(comm);
        context.err << Utf8(text) << "\n"
                    << "tslq-cli " << context.command << ": " << device << ": " << comm.LastOpenDetail()
                    << "\n";
        return kCliPortUnavailable;
    }
    comm.SetDeviceName(device);

    TransferRunner runner(comm);
    QEventLoop loop;
    QObject::connect(&runner, &TransferRunner::Finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    const bool showProgress = context.errIsTerminal;
    const char* verb = readInto ? "Reading" : "Writing";
    if (showProgress)
        QObject::connect(&runner, &TransferRunner::ProgressChanged, [&](int position, int maximum) {
            if (maximum > 0)
                context.err << "\r" << verb << " " << std::min(position, maximum) << "/" << maximum
                            << std::flush;
        });
    if (readInto)
        runner.StartRead(*readInto, options.scope);
    else
        runner.StartWrite(*writeFrom, options.scope);
    if (runner.Running()) loop.exec();
    if (showProgress) context.err << "\n";
    if (runner.Outcome() != TransferOutcome::Completed) {
        if (!runner.FailureMessage().isEmpty()) context.err << Utf8(runner.FailureMessage()) << "\n";
        if (!runner.EndNote().isEmpty()) context.err << Utf8(runner.EndNote()) << "\n";
    }
    return StatusOf(runner.Outcome());
}

int Filled(const RadioImage& image, RecordKind kind, int count)
{
    int filled = 0;
    for (int index = 0; index < count; ++index)
        if (!image.GetRecordField(kind, index, 1).empty()) ++filled;
    return filled;
}

std::string Counted(int count, const char* singular, const char* plural)
{
    return std::to_string(count) + " " + (count == 1 ? singular : plural);
}

} // namespace

std::string TransferSummary(const RadioImage& image, LinkScope scope, bool read)
{
    std::vector<std::string> parts;
    if (scope != LinkScope::Menu) {
        parts.push_back(
            Counted(Filled(image, RecordKind::Memory, MemoryCount), "memory channel", "memory channels"));
        parts.push_back(std::to_string(Filled(image, RecordKind::Call, CallCount)) + " CALL");
        parts.push_back(std::to_string(Filled(image, RecordKind::Vfo, VfoCount)) + " VFO");
        parts.push_back(std::to_string(Filled(image, RecordKind::Dtmf, DtmfCount)) + " DTMF");
    }
    if (scope != LinkScope::Memory) parts.push_back(Counted(MenuCount, "menu setting", "menu settings"));
    std::string line = read ? "Read " : "Wrote ";
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) line += i + 1 == parts.size() ? " and " : ", ";
        line += parts[i];
    }
    // A write checks the radio's identity but keeps no record of it.
    if (!read) return line + " to the radio.";
    return line + " from " + image.Model() + " (" + image.TypeCode() + ").";
}

int CliRead(CliContext& context)
{
    LinkOptions options;
    const std::optional<QString> base = context.args.Value(QStringLiteral("--base"));
    const std::optional<QString> out = context.args.Value(QStringLiteral("-o"));
    if (const int status = TakeLinkOptions(context, options); status != kCliOk) return status;
    const QStringList positionals = context.args.Positionals();
    if (!context.args.Ok()) return context.BadArguments(context.args.Error());
    if (!positionals.isEmpty())
        return context.BadArguments(QStringLiteral("unexpected argument %1").arg(positionals[0]));
    if (!out || out->isEmpty()) return context.BadArguments(QStringLiteral("-o names no output file"));

    RadioImage image;
    if (const int status = LoadCliProfile(context, options.profile, image); status != kCliOk) return status;
    std::string comment;
    if (base) {
        if (const int status = LoadFile(context, *base, image, comment); status != kCliOk) return status;
    } else {
        ResetImage(image, ImageReset::ForNew);
    }
    if (const int status = Transfer(context, options, &image, nullptr); status != kCliOk) return status;
    QString reason;
    if (!SaveFileBytes(*out, WriteDataFile(image, comment), &reason)) return context.FileError(*out, reason);
    context.out << TransferSummary(image, options.scope, true) << "\n";
    return kCliOk;
}

int CliWrite(CliContext& context)
{
    LinkOptions options;
    const bool force = context.args.Flag(QStringLiteral("--force"));
    if (const int status = TakeLinkOptions(context, options); status != kCliOk) return status;
    const QStringList positionals = context.args.Positionals();
    if (!context.args.Ok()) return context.BadArguments(context.args.Error());
    if (positionals.size() != 1) return context.BadArguments(QStringLiteral("name one input file"));

    RadioImage image;
    if (const int status = LoadCliProfile(context, options.profile, image); status != kCliOk) return status;
    std::string comment;
    std::vector<RecordSlot> leftOut;
    if (const int status = LoadCliDataFile(context, positionals[0], image, comment, &leftOut);
        status != kCliOk)
        return status;
    // A record that fails its check is never sent; the write refuses rather
    // than leave those slots of the radio as they are without being asked.
    if (const std::string note = UnsendableNote(UnsendableRecords(image, options.scope)); !note.empty()) {
        context.err << "tslq-cli " << context.command << ": " << note << "\n";
        return kCliFileError;
    }
    // Slots a damaged file left empty would be cleared in the radio.
    if (const std::string note = LeftOutWriteNote(LeftOutInScope(leftOut, options.scope)); !note.empty()) {
        context.err << "tslq-cli " << context.command << ": " << note << "\n";
        if (!force) {
            context.err << "tslq-cli " << context.command
                        << ": nothing was written; give --force to write all the same\n";
            return kCliFileError;
        }
    }
    const int status = Transfer(context, options, nullptr, &image);
    if (status == kCliOk) context.out << TransferSummary(image, options.scope, false) << "\n";
    return status;
}
