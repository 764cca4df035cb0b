// The report of a channel list import or export: the whole text in a
// scrollable, resizable window with Copy (to the clipboard) and Save (to a
// text file through the program's file writer), however long the list was.
#pragma once

#include <QDialog>
#include <QString>

#include <functional>

class QPlainTextEdit;
class QPushButton;

class CsvReportDialog : public QDialog
{
    Q_OBJECT

  public:
    // folder is where Save first looks.
    CsvReportDialog(const QString& title, const QString& report, const QString& folder,
                    QWidget* parent = nullptr);

    QString Report() const { return report_; }
    // Copy: the whole report onto the clipboard.
    void CopyReport();
    // Save...: asks for a file, then SaveReport.
    void SaveClick();
    // Writes the report (UTF-8, CR LF line ends); on failure shows
    // "File Open error." with the reason below it and returns false.
    bool SaveReport(const QString& path);

    QPlainTextEdit* TextView() const { return textView_; }
    QPushButton* CopyButton() const { return copyButton_; }
    QPushButton* SaveButton() const { return saveButton_; }

  private:
    QString report_;
    QString folder_;
    QPlainTextEdit* textView_ = nullptr;
    QPushButton* copyButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
};

// How a report is shown. The default shows CsvReportDialog modally; tests put
// a recorder in its place so that nothing blocks.
using CsvReportPresenter =
    std::function<void(QWidget* parent, const QString& title, const QString& report, const QString& folder)>;
// Replaces the presenter and returns the previous one; an empty presenter
// restores the dialog.
CsvReportPresenter SetCsvReportPresenter(CsvReportPresenter presenter);
void ShowCsvReport(QWidget* parent, const QString& title, const QString& report, const QString& folder);
