// tslq-cli read and write. The profile is read only, as for every command:
// a read does not make the radio's version the stored one (the program
// does). A transfer that does not complete writes no output file, so a
// partial read is never taken for a whole one.
#include "cli/CliLink.h"

#include "files/DataFile.h"
#include "files/FileIo.h"
#include "files/SafeFile.h"
#include "link/ImageDiff.h"
#include "link/PortMap.h"
#include "link/RadioPort.h"
#include "link/TransferRunner.h"
#include "link/WriteEffect.h"
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
    // --log FILE: the serial log of every transfer of the command, written
    // anew at the end of each.
    std::optional<QString> logPath;
    SerialLog log;
};

// Whether a file can be made at the path: found out before anything goes to
// the radio, so that a write is not sent only for its log to be lost.
bool CanWriteFile(const QString& path, QString& reason)
{
    SafeFile probe(path);
    if (probe.open(QIODevice::WriteOnly)) return true;
    reason = probe.Reason();
    return false;
}

// Adds a finished transfer's exchange to the log and writes the log out;
// a log that cannot be written makes a succeeded command fail.
int KeepLog(CliContext& context, LinkOptions& options, const SerialLog& transfer, int status)
{
    if (!options.logPath) return status;
    options.log.Append(transfer);
    QString reason;
    if (SaveFileBytes(*options.logPath, options.log.Text(), &reason)) return status;
    const int failed = context.FileError(*options.logPath, reason);
    return status == kCliOk ? failed : status;
}

// --port and --scope; kCliOk or the status of a misuse (message written).
int TakeLinkOptions(CliContext& context, LinkOptions& options)
{
    const std::optional<QString> port = context.args.Value(QStringLiteral("--port"));
    const std::optional<QString> scope = context.args.Value(QStringLiteral("--scope"));
    options.logPath = context.args.Value(QStringLiteral("--log"));
    options.profile = TakeProfileOptions(context.args);
    if (!context.args.Ok()) return context.BadArguments(context.args.Error());
    if (!port || port->isEmpty()) return context.BadArguments(QStringLiteral("--port names no device"));
    options.port = *port;
    if (options.logPath) {
        if (options.logPath->isEmpty()) return context.BadArguments(QStringLiteral("--log names no file"));
        if (QString reason; !CanWriteFile(*options.logPath, reason))
            return context.FileError(*options.logPath, reason);
    }
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
// With `only`, a write sends only those slots and a read reads them back;
// `sent` receives the slots a write sent, `closing` what a completed read
// says at its end (the records that came back incomplete).
int Transfer(CliContext& context, LinkOptions& options, RadioImage* readInto, const RadioImage* writeFrom,
             const SlotSet* only = nullptr, SlotSet* sent = nullptr, std::string* closing = nullptr)
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
        return KeepLog(context, options, SerialLog(), kCliPortUnavailable);
    }
    comm.SetDeviceName(device);

    TransferRunner runner(comm);
    QEventLoop loop;
    QObject::connect(&runner, &TransferRunner::Finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    const bool showProgress = context.errIsTerminal;
    const char* verb = readInto ? (only ? "Reading back" : "Reading") : "Writing";
    if (showProgress)
        QObject::connect(&runner, &TransferRunner::ProgressChanged, [&](int position, int maximum) {
            if (maximum > 0)
                context.err << "\r" << verb << " " << std::min(position, maximum) << "/" << maximum
                            << std::flush;
        });
    if (readInto && only)
        runner.StartReadBack(*readInto, *only);
    else if (readInto)
        runner.StartRead(*readInto, options.scope);
    else if (only)
        runner.StartWrite(*writeFrom, *only);
    else
        runner.StartWrite(*writeFrom, options.scope);
    if (runner.Running()) loop.exec();
    if (showProgress) context.err << "\n";
    if (runner.Outcome() != TransferOutcome::Completed) {
        if (!runner.FailureMessage().isEmpty()) context.err << Utf8(runner.FailureMessage()) << "\n";
        if (!runner.EndNote().isEmpty()) context.err << Utf8(runner.EndNote()) << "\n";
    }
    if (sent) *sent = runner.SentSlots();
    if (closing) *closing = Utf8(runner.CompletionNote());
    return KeepLog(context, options, runner.Log(), StatusOf(runner.Outcome()));
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

// What a write of `chosen` would send that the file lacks: refused unless
// allowed, since the radio would take the empty records and defaults of the
// load in its place.
int RefuseIncomplete(CliContext& context, const FileGaps& gaps, const SlotSet& chosen, bool allowed)
{
    if (!gaps.Touches(chosen)) return kCliOk;
    context.err << "tslq-cli " << context.command
                << ": the write would send empty records and defaults for what the file lacks";
    if (allowed) {
        context.err << "\n";
        return kCliOk;
    }
    context.err << "; nothing was written; give --allow-incomplete to write all the same\n";
    return kCliFileError;
}

// What a write of `chosen` changes against the radio's data file, and the
// refusal to empty channels or DTMF memories the radio holds unless allowed.
int RefuseErase(CliContext& context, const QString& radioPath, const RadioImage& radio,
                const RadioImage& image, const SlotSet& chosen, bool allowed)
{
    const WriteEffect effect = EffectOfWrite(radio, image, chosen);
    const std::string prefix = "tslq-cli " + std::string(context.command) + ": ";
    context.err << prefix << "Against what the radio held in " << Utf8(radioPath) << ", this write "
                << EnglishText(ChangesText(effect)) << ".\n";
    if (!effect.Empties()) return kCliOk;
    context.err << prefix << EnglishText(EmptiesText(effect)) << "\n";
    if (allowed) return kCliOk;
    context.err << prefix << "nothing was written; give --allow-erase to empty them all the same\n";
    return kCliFileError;
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
    std::string comment;
    if (const int status = OpenCliImage(context, options.profile, base, image, comment); status != kCliOk)
        return status;
    std::string incomplete;
    if (const int status = Transfer(context, options, &image, nullptr, nullptr, nullptr, &incomplete);
        status != kCliOk)
        return status;
    QString reason;
    if (!SaveFileBytes(*out, WriteDataFile(image, comment), &reason)) return context.FileError(*out, reason);
    context.out << TransferSummary(image, options.scope, true) << "\n";
    if (!incomplete.empty()) context.out << incomplete << "\n";
    return kCliOk;
}

int CliWrite(CliContext& context)
{
    LinkOptions options;
    const bool force = context.args.Flag(QStringLiteral("--force"));
    const bool skipUnsendable = context.args.Flag(QStringLiteral("--skip-unsendable"));
    const bool changesOnly = context.args.Flag(QStringLiteral("--changes-only"));
    const bool verify = context.args.Flag(QStringLiteral("--verify"));
    const bool allowIncomplete = context.args.Flag(QStringLiteral("--allow-incomplete"));
    const bool allowErase = context.args.Flag(QStringLiteral("--allow-erase"));
    const std::optional<QString> baselinePath = context.args.Value(QStringLiteral("--baseline"));
    if (const int status = TakeLinkOptions(context, options); status != kCliOk) return status;
    const QStringList positionals = context.args.Positionals();
    if (!context.args.Ok()) return context.BadArguments(context.args.Error());
    if (positionals.size() != 1) return context.BadArguments(QStringLiteral("name one input file"));
    if (changesOnly && !baselinePath)
        return context.BadArguments(QStringLiteral("--changes-only needs --baseline RADIO.qx"));

    RadioImage image;
    std::string comment;
    DataFileReport report;
    if (const int status = OpenCliImage(context, options.profile, positionals[0], image, comment, &report);
        status != kCliOk)
        return status;
    std::vector<RecordSlot>& leftOut = report.leftOut;
    // What the radio holds, as a data file of it tells.
    std::optional<RadioImage> baseline;
    if (baselinePath) {
        baseline.emplace();
        std::string baselineComment;
        if (const int status =
                OpenCliImage(context, options.profile, baselinePath, *baseline, baselineComment);
            status != kCliOk)
            return status;
    }
    // Only the slots where the file differs from what the radio holds.
    std::optional<SlotSet> changes;
    if (changesOnly) {
        changes = DifferingSlots(*baseline, image, options.scope);
        if (changes->Empty()) {
            context.out << "No record differs from " << Utf8(*baselinePath) << ": nothing to write.\n";
            return kCliOk;
        }
        std::erase_if(leftOut, [&](const RecordSlot& slot) { return !changes->Contains(slot); });
    }
    std::vector<DamagedRecord> unsendable = UnsendableRecords(image, options.scope);
    if (changes)
        std::erase_if(unsendable,
                      [&](const DamagedRecord& record) { return !changes->Contains(record.slot); });
    // A record no radio of the version can hold is never sent; the write
    // refuses rather than leave those slots of the radio as they are
    // without being asked.
    if (const std::string note = EnglishText(UnsendableNote(unsendable)); !note.empty()) {
        context.err << "tslq-cli " << context.command << ": " << note << "\n";
        if (!skipUnsendable) {
            context.err << "tslq-cli " << context.command
                        << ": nothing was written; give --skip-unsendable to write the rest\n";
            return kCliFileError;
        }
    }
    // Slots a damaged file left empty would be cleared in the radio.
    if (const std::string note = EnglishText(LeftOutWriteNote(LeftOutInScope(leftOut, options.scope)));
        !note.empty()) {
        context.err << "tslq-cli " << context.command << ": " << note << "\n";
        if (!force) {
            context.err << "tslq-cli " << context.command
                        << ": nothing was written; give --force to write all the same\n";
            return kCliFileError;
        }
    }
    const SlotSet scope = changes ? *changes : SlotSet::Covered(options.scope);
    if (const int status = RefuseIncomplete(context, report.gaps, scope, allowIncomplete); status != kCliOk)
        return status;
    if (baseline)
        if (const int status = RefuseErase(context, *baselinePath, *baseline, image, scope, allowErase);
            status != kCliOk)
            return status;
    SlotSet sent;
    if (const int status = Transfer(context, options, nullptr, &image, changes ? &*changes : nullptr, &sent);
        status != kCliOk)
        return status;
    if (changes)
        context.out << "Wrote " << Counted(sent.Count(), "changed record", "changed records")
                    << " to the radio.\n";
    else
        context.out << TransferSummary(image, options.scope, false) << "\n";
    if (!verify) return kCliOk;

    // Read back every slot written and compare it the way a read stores it.
    RadioImage readBack = image;
    if (const int status = Transfer(context, options, &readBack, nullptr, &sent); status != kCliOk)
        return status;
    const ImageDifferences differences = DescribeDifferences(readBack, image, sent);
    if (!differences.Empty()) {
        context.err << TransferText::VerifyFailed << "\n" << DifferencesText(differences, "radio", "written");
        return kCliVerifyFailed;
    }
    context.out << "Read back " << Counted(sent.Count(), "record", "records")
                << ": the radio holds what was written.\n";
    return kCliOk;
}

int CliDiff(CliContext& context)
{
    const CliProfileOptions profile = TakeProfileOptions(context.args);
    const QStringList positionals = context.args.Positionals();
    if (!context.args.Ok()) return context.BadArguments(context.args.Error());
    if (positionals.size() != 2) return context.BadArguments(QStringLiteral("name two data files"));
    RadioImage images[2];
    for (int i = 0; i < 2; ++i) {
        std::string comment;
        if (const int status = OpenCliImage(context, profile, positionals[i], images[i], comment);
            status != kCliOk)
            return status;
    }
    const ImageDifferences differences = DescribeDifferences(images[0], images[1]);
    context.out << DifferencesText(differences, Utf8(positionals[0]), Utf8(positionals[1]));
    if (const int status = context.FinishOutput(); status != kCliOk) return status;
    return differences.Empty() ? kCliOk : kCliDiffer;
}
