// Drawing the listing's pages on a printer or into a PDF.
#include "files/Printing.h"

#include "model/QtText.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

bool DrawListing(QPrinter& printer, const QString& caption, const std::vector<ListingPage>& pages,
                 char market)
{
    printer.setDocName(QString::fromLatin1(kPrintJobTitle));
    QPainter painter;
    if (!painter.begin(&printer)) return false;

    const int lineHeight = std::max(1, printer.height() / kListingLinesPerPage);
    // The font's cell height (ascent plus descent) is the line height less 5.
    QFont font = painter.font();
    // Plain letters: no ligatures, so that the printed text reads back as typed.
    font.setStyleStrategy(QFont::PreferNoShaping);
    const int cell = std::max(1, lineHeight - 5);
    font.setPixelSize(cell);
    for (int size = cell; size > 1 && QFontMetrics(font, &printer).height() > cell; --size)
        font.setPixelSize(size - 1);
    // Only the height is fixed: a face too wide for the longest line is
    // narrowed so that no line runs off the right edge of the page.
    const int room = printer.width() - kPrintLeft;
    int widest = QFontMetrics(font, &printer).horizontalAdvance(caption);
    for (const ListingPage& page : pages)
        for (const std::string& line : page)
            if (!line.empty())
                widest = std::max(
                    widest, QFontMetrics(font, &printer).horizontalAdvance(MarketToQString(line, market)));
    if (widest > room && room > 0) font.setStretch(std::max(25, room * 100 / widest - 1));
    painter.setFont(font);
    const int ascent = QFontMetrics(font, &printer).ascent();

    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (p > 0) printer.newPage();
        for (int n = 0; n < kListingLinesPerPage; ++n) {
            const QString text =
                n == 0 ? caption : MarketToQString(pages[p][static_cast<std::size_t>(n)], market);
            if (!text.isEmpty()) painter.drawText(kPrintLeft, n * lineHeight + ascent, text);
        }
    }
    return painter.end();
}

bool ExportListingPdf(const QString& path, const QString& caption, const std::vector<ListingPage>& pages,
                      char market, QString* error)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    if (!DrawListing(printer, caption, pages, market)) {
        if (error) *error = QStringLiteral("cannot write the PDF file");
        return false;
    }
    if (!QFileInfo(path).isFile() || QFileInfo(path).size() == 0) {
        if (error) *error = QStringLiteral("the PDF file was not written");
        return false;
    }
    return true;
}
