// tslq-cli new, listing and print-pdf.
#include "cli/CliFiles.h"

#include "files/DataFile.h"
#include "files/FileIo.h"
#include "files/Listing.h"
#include "files/Printing.h"
#include "ui/QtText.h"

namespace {

// Loads a data file as File > Open does; kCliOk or the failure's status.
int LoadInput(CliContext& context, const QString& path, RadioImage& image, std::string& comment)
{
    return LoadCliDataFile(context, path, image, comment);
}

QString Caption(const QString& path)
{
    return QStringLiteral("TSL-Q2/Q3 [") + path + QLatin1Char(']');
}

// One input file and, when asked for, an output file.
struct InOut
{
    QString in;
    QString out;
};

std::optional<InOut> TakeInOut(CliContext& context, bool wantIn, int& status)
{
    InOut files;
    const std::optional<QString> out = context.args.Value(QStringLiteral("-o"));
    const QStringList positionals = context.args.Positionals();
    const auto fail = [&](const QString& text) {
        status = context.BadArguments(text);
        return std::nullopt;
    };
    if (!context.args.Ok()) return fail(context.args.Error());
    const bool wantOut = context.command != "listing";
    if (wantOut && (!out || out->isEmpty())) return fail(QStringLiteral("-o names no output file"));
    if (!wantOut && out) return fail(QStringLiteral("writes to standard output; -o is not taken"));
    if (wantIn && positionals.size() != 1) return fail(QStringLiteral("name one input file"));
    if (!wantIn && !positionals.isEmpty())
        return fail(QStringLiteral("unexpected argument %1").arg(positionals[0]));
    if (wantIn) files.in = positionals[0];
    if (out) files.out = *out;
    return files;
}

} // namespace

int CliNew(CliContext& context)
{
    const CliProfileOptions profile = TakeProfileOptions(context.args);
    int status = kCliOk;
    const std::optional<InOut> files = TakeInOut(context, false, status);
    if (!files) return status;
    RadioImage image;
    if (const int loaded = LoadCliProfile(context, profile, image); loaded != kCliOk) return loaded;
    ResetImage(image, ImageReset::ForNew);
    QString reason;
    if (!SaveFileBytes(files->out, WriteDataFile(image, ""), &reason))
        return context.FileError(files->out, reason);
    return kCliOk;
}

int CliListing(CliContext& context)
{
    const CliProfileOptions profile = TakeProfileOptions(context.args);
    int status = kCliOk;
    const std::optional<InOut> files = TakeInOut(context, true, status);
    if (!files) return status;
    RadioImage image;
    if (const int loaded = LoadCliProfile(context, profile, image); loaded != kCliOk) return loaded;
    std::string comment;
    if (const int loaded = LoadInput(context, files->in, image, comment); loaded != kCliOk) return loaded;

    std::vector<ListingPage> pages = BuildListing(image, comment);
    const char market = image.MarketLetter();
    for (ListingPage& page : pages)
        for (std::string& line : page)
            line = MarketToQString(line, market).toUtf8().toStdString();
    context.out << ListingText(pages, Caption(files->in).toUtf8().toStdString());
    return context.FinishOutput();
}

int CliPrintPdf(CliContext& context)
{
    const CliProfileOptions profile = TakeProfileOptions(context.args);
    int status = kCliOk;
    const std::optional<InOut> files = TakeInOut(context, true, status);
    if (!files) return status;
    RadioImage image;
    if (const int loaded = LoadCliProfile(context, profile, image); loaded != kCliOk) return loaded;
    std::string comment;
    if (const int loaded = LoadInput(context, files->in, image, comment); loaded != kCliOk) return loaded;

    QString reason;
    if (!ExportListingPdf(files->out, Caption(files->in), BuildListing(image, comment), image.MarketLetter(),
                          &reason))
        return context.FileError(files->out, reason);
    return kCliOk;
}
