// tslq-cli export-csv and import-csv.
#include "cli/CliCsv.h"

#include "files/Csv.h"
#include "files/DataFile.h"
#include "files/FileIo.h"

int CliExportCsv(CliContext& context)
{
    const CliProfileOptions profile = TakeProfileOptions(context.args);
    const std::optional<QString> out = context.args.Value(QStringLiteral("-o"));
    const std::optional<QString> encoding = context.args.Value(QStringLiteral("--encoding"));
    const QStringList positionals = context.args.Positionals();
    if (!context.args.Ok()) return context.BadArguments(context.args.Error());
    if (positionals.size() != 1) return context.BadArguments(QStringLiteral("name one input file"));
    if (out && out->isEmpty()) return context.BadArguments(QStringLiteral("-o names no output file"));
    if (encoding && *encoding != QStringLiteral("utf8") && *encoding != QStringLiteral("8bit"))
        return context.BadArguments(QStringLiteral("--encoding is utf8 or 8bit"));

    RadioImage image;
    std::string comment;
    if (const int status = OpenCliImage(context, profile, positionals[0], image, comment); status != kCliOk)
        return status;

    // 8bit: the radio's own set, for programs that expect the Windows code page.
    const CsvExport exported = WriteChannelsCsv(
        image, encoding == QStringLiteral("8bit") ? CsvEncoding::EightBit : CsvEncoding::Utf8);
    if (out) {
        QString reason;
        if (!SaveFileBytes(*out, exported.bytes, &reason)) return context.FileError(*out, reason);
    } else {
        context.out << exported.bytes;
        if (const int status = context.FinishOutput(); status != kCliOk) return status;
    }
    // The report goes apart from the list, so that the list can be piped on.
    context.err << EnglishLines(CsvExportReport(exported));
    return kCliOk;
}

int CliImportCsv(CliContext& context)
{
    const CliProfileOptions profile = TakeProfileOptions(context.args);
    const std::optional<QString> base = context.args.Value(QStringLiteral("--base"));
    const std::optional<QString> out = context.args.Value(QStringLiteral("-o"));
    const bool append = context.args.Flag(QStringLiteral("--append"));
    const QStringList positionals = context.args.Positionals();
    if (!context.args.Ok()) return context.BadArguments(context.args.Error());
    if (positionals.size() != 1) return context.BadArguments(QStringLiteral("name one channel list"));
    if (!out || out->isEmpty()) return context.BadArguments(QStringLiteral("-o names no output file"));

    RadioImage image;
    std::string comment;
    if (const int status = OpenCliImage(context, profile, base, image, comment); status != kCliOk)
        return status;

    QString reason;
    const std::optional<std::string> list = ReadFileBytes(positionals[0], &reason);
    if (!list) return context.FileError(positionals[0], reason);
    const CsvImportPlan plan = PlanCsvImport(*list, image, CsvImportOptions{append});
    if (plan.status == CsvImportStatus::NoHeader)
        return context.FileError(positionals[0],
                                 QStringLiteral("not a channel list: no header row with a Frequency column"));
    ApplyCsvImport(plan, image);
    if (!SaveFileBytes(*out, WriteDataFile(image, comment), &reason)) return context.FileError(*out, reason);
    context.out << EnglishLines(CsvImportReport(plan));
    context.out.flush();
    return kCliOk;
}
