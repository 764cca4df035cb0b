// File > "Import Channels (CSV)..." and "Export Channels (CSV)..." on a
// document: choosing the file (and, for the export, its text: UTF-8 or the
// Windows code page), asking before filled channels are replaced, and
// showing what the list changed. An import is one undoable step.
#pragma once

#include <QObject>
#include <QString>

class Document;
class QWidget;

class CsvCommands : public QObject
{
    Q_OBJECT

  public:
    // initialFolder: the dialogs' first folder, shared with the window.
    CsvCommands(Document& document, const QString& initialFolder, QWidget* parent);

    // The commands with their file dialogs.
    void ImportCsv();
    void ExportCsv();
    // The commands without their file dialogs; true when something was
    // imported or the list was written. Every outcome is shown in a message
    // or in the report window. eightBit writes the Windows code page.
    bool ImportChannelsCsv(const QString& path);
    bool ExportChannelsCsv(const QString& path, bool eightBit = false);

  private:
    Document& document_;
    const QString& initialFolder_;
    QWidget* parent_;
};
