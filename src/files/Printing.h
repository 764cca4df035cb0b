// Drawing the listing's pages on a printer: 60 lines a page, each text
// 200 device units from the left edge of the printable area, the caption on
// line 0 of every page. Used by File > Print..., File > Export Listing as
// PDF... and tslq-cli print-pdf.
#pragma once

#include "files/Listing.h"

#include <QString>

#include <vector>

class QPagedPaintDevice;
class QPrinter;

// Job title shown by the print queue.
inline constexpr char kPrintJobTitle[] = "TSL-Q2/Q3";
// Left edge of every text, in printer device units.
inline constexpr int kPrintLeft = 200;

// Draws every page in one job on a printer that is set up, or into a PDF
// writer; false when the job could not begin. The caller names the job.
bool DrawListing(QPagedPaintDevice& device, const QString& caption, const std::vector<ListingPage>& pages,
                 char market);

// The same pages in a PDF file, without a printer, written through a SafeFile:
// false (and the reason) when the file could not be written, in which case a
// previous file of that name is left as it was. The page and resolution are
// those of `setup` when given (a printer set to print to a file), otherwise
// those of a PDF printer.
bool ExportListingPdf(const QString& path, const QString& caption, const std::vector<ListingPage>& pages,
                      char market, QString* error = nullptr, const QPrinter* setup = nullptr);
