// tslq-cli new, listing and print-pdf.
#include "cli/CliFiles.h"

#include "files/DataFile.h"
#include "files/FileIo.h"
#include "files/Listing.h"
#include "files/Printing.h"
#include "ui/QtText.h"

namespace {

QString Caption(const QString& path)
{
    return QStringLiteral("TSL-Q2/Q3 [") + path + QLatin1Char(']');
}

// What new, listing and print-pdf work on: the input file (listing,
// print-pdf), the output file (new, print-pdf), and the image of the profile
// with the input file loaded as File > Open loads it.
struct Opened
{
    QString in;
    QString out;
    RadioImage image;
    std::string comment;
};

// Takes the profile options and the files and opens the image; kCliOk, or
// the failure's status (message written).
int Open(CliContext& context, bool wantIn, Opened& opened)
{
    const CliProfileOptions profile = TakeProfileOptions(context.args);
    const std::optional<QString> out = context.args.Value(QStringLiteral("-o"));
    const QStringList positionals = context.args.Positionals();
    if (!context.args.Ok()) return context.BadArguments(context.args.Error());
    const bool wantOut = context.command != "listing";
    if (wantOut && (!out || out->isEmpty()))
        return context.BadArguments(QStringLiteral("-o names no output file"));
    if (!wantOut && out)
        return context.BadArguments(QStringLiteral("writes to standard output; -o is not taken"));
    if (wantIn && positionals.size() != 1) return context.BadArguments(QStringLiteral("name one input file"));
    if (!wantIn && !positionals.isEmpty())
        return context.BadArguments(QStringLiteral("unexpected argument %1").arg(positionals[0]));
    if (wantIn) opened.in = positionals[0];
    if (out) opened.out = *out;
    return OpenCliImage(context, profile, wantIn ? std::optional(opened.in) : std::nullopt, opened.image,
                        opened.comment);
}

} // namespace

int CliNew(CliContext& context)
{
    Opened opened;
    if (const int status = Open(context, false, opened); status != kCliOk) return status;
    QString reason;
    if (!SaveFileBytes(opened.out, WriteDataFile(opened.image, ""), &reason))
        return context.FileError(opened.out, reason);
    return kCliOk;
}

int CliListing(CliContext& context)
{
    Opened opened;
    if (const int status = Open(context, true, opened); status != kCliOk) return status;
    std::vector<ListingPage> pages = BuildListing(opened.image, opened.comment);
    const char market = opened.image.MarketLetter();
    for (ListingPage& page : pages)
        for (std::string& line : page)
            line = MarketToQString(line, market).toUtf8().toStdString();
    context.out << ListingText(pages, Caption(opened.in).toUtf8().toStdString());
    return context.FinishOutput();
}

int CliPrintPdf(CliContext& context)
{
    Opened opened;
    if (const int status = Open(context, true, opened); status != kCliOk) return status;
    QString reason;
    if (!ExportListingPdf(opened.out, Caption(opened.in), BuildListing(opened.image, opened.comment),
                          opened.image.MarketLetter(), &reason))
        return context.FileError(opened.out, reason);
    return kCliOk;
}
