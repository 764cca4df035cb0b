// The main window's file commands (New, Open..., Save, Save As..., the
// command-line load, dropped files) and its printing commands (Print...,
// Export Listing as PDF...), defined as MainWindow members in
// FileCommands.cpp. The dialogs they show go through replaceable presenters
// so that tests answer them without a modal loop.
#pragma once

#include <QString>

#include <functional>
#include <optional>

class QPrinter;

enum class FileDialogKind {
    Open,      // open a data file
    Save,      // save a data file
    ExportPdf, // save the listing as a PDF file
};

// Shows a file dialog starting in `folder` with `proposedName` filled in;
// the chosen full path, or nullopt when cancelled.
using FileDialogPresenter = std::function<std::optional<QString>(FileDialogKind kind, const QString& folder,
                                                                 const QString& proposedName)>;
// Replaces the presenter and returns the previous one; empty restores the
// platform's file dialogs.
FileDialogPresenter SetFileDialogPresenter(FileDialogPresenter presenter);

// Whether a printer is installed, and the print dialog on a printer that is
// set up from it (true when the operator chose to print).
struct PrintPresenter
{
    std::function<bool()> hasPrinter;
    std::function<bool(QPrinter&)> printDialog;
};
// Replaces the presenter and returns the previous one; empty members restore
// the platform's printer list and print dialog.
PrintPresenter SetPrintPresenter(PrintPresenter presenter);

// The dialogs' file filter and default extension.
inline const QString kDataFileFilter = QStringLiteral("TSL-Q2/Q3 Files(*.qx)");
inline const QString kDataFileSuffix = QStringLiteral("qx");
inline const QString kUntitled = QStringLiteral("Untitled");

// Whether a name ends in ".qx", letter case ignored.
bool HasDataFileSuffix(const QString& path);

class MainWindow;

// Wires the file and printing commands of the window: menu items, toolbar
// buttons, the Save As step of the unsaved-changes prompt, the command-line
// load and the dropping of files on the window.
void ConnectFileCommands(MainWindow& form);
