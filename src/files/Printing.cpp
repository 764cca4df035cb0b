// Drawing the listing's pages on a printer or into a PDF.
#include "files/Printing.h"

#include "files/SafeFile.h"
#include "ui/QtText.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <algorithm>

bool DrawListing(QPagedPaintDevice& device, const QString& caption, const std::vector<ListingPage>& pages,
                 char market)
{
    QPainter painter;
    if (!painter.begin(&device)) return false;

    const int lineHeight = std::max(1, device.height() / kListingLinesPerPage);
    // The font's cell height (ascent plus descent) is the line height less 5.
    QFont font = painter.font();
    // Plain letters: no ligatures, so that the printed text reads back as typed.
    font.setStyleStrategy(QFont::PreferNoShaping);
    const int cell = std::max(1, lineHeight - 5);
    font.setPixelSize(cell);
    for (int size = cell; size > 1 && QFontMetrics(font, &device).height() > cell; --size)
        font.setPixelSize(size - 1);
    // Only the height is fixed: a face too wide for the longest line is
    // narrowed so that no line runs off the right edge of the page.
    const int room = device.width() - kPrintLeft;
    int widest = QFontMetrics(font, &device).horizontalAdvance(caption);
    for (const ListingPage& page : pages)
        for (const std::string& line : page)
            if (!line.empty())
                widest = std::max(
                    widest, QFontMetrics(font, &device).horizontalAdvance(MarketToQString(line, market)));
    if (widest > room && room > 0) font.setStretch(std::max(25, room * 100 / widest - 1));
    painter.setFont(font);
    const int ascent = QFontMetrics(font, &device).ascent();

    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (p > 0) device.newPage();
        for (int n = 0; n < kListingLinesPerPage; ++n) {
            const QString text =
                n == 0 ? caption : MarketToQString(pages[p][static_cast<std::size_t>(n)], market);
            if (!text.isEmpty()) painter.drawText(kPrintLeft, n * lineHeight + ascent, text);
        }
    }
    return painter.end();
}

bool ExportListingPdf(const QString& path, const QString& caption, const std::vector<ListingPage>& pages,
                      char market, QString* error, const QPrinter* setup)
{
    SafeFile file(path);
    const auto fail = [&](const QString& reason) {
        file.Cancel();
        if (error) *error = reason;
        return false;
    };
    if (!file.open(QIODevice::WriteOnly)) return fail(file.Reason());
    {
        // The page and resolution of a PDF printed through the print dialog.
        QPrinter pdfPrinter(QPrinter::HighResolution);
        if (!setup) {
            pdfPrinter.setOutputFormat(QPrinter::PdfFormat);
            setup = &pdfPrinter;
        }
        QPdfWriter writer(&file);
        writer.setResolution(setup->resolution());
        writer.setPageLayout(setup->pageLayout());
        writer.setTitle(QString::fromLatin1(kPrintJobTitle));
        writer.setCreator(QString::fromLatin1(kPrintJobTitle));
        if (!DrawListing(writer, caption, pages, market))
            //: Why a PDF could not be written, shown below "File Open error.".
            return fail(file.Failed() ? file.Reason()
                                      : QCoreApplication::translate("Printing", "cannot draw the PDF file"));
    }
    if (!file.Commit()) return fail(file.Reason());
    return true;
}
