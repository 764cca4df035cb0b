// The window that shows a channel list report.
#include "files/CsvReportDialog.h"

#include "files/FileIo.h"
#include "ui/Messages.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

namespace {

CsvReportPresenter& Presenter()
{
    static CsvReportPresenter presenter;
    return presenter;
}

} // namespace

CsvReportDialog::CsvReportDialog(const QString& title, const QString& report, const QString& folder,
                                 QWidget* parent)
    : QDialog(parent), report_(report), folder_(folder)
{
    setWindowTitle(title);
    setSizeGripEnabled(true);
    textView_ = new QPlainTextEdit(this);
    textView_->setReadOnly(true);
    textView_->setPlainText(report);
    textView_->setAccessibleName(tr("Report"));
    auto* buttons = new QDialogButtonBox(this);
    //: Copies the whole report to the clipboard.
    copyButton_ = buttons->addButton(tr("&Copy"), QDialogButtonBox::ActionRole);
    //: Saves the report as a text file.
    saveButton_ = buttons->addButton(tr("&Save..."), QDialogButtonBox::ActionRole);
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    close->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(textView_);
    layout->addWidget(buttons);
    connect(copyButton_, &QPushButton::clicked, this, &CsvReportDialog::CopyReport);
    connect(saveButton_, &QPushButton::clicked, this, &CsvReportDialog::SaveClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(680, 420);
}

void CsvReportDialog::CopyReport()
{
    QApplication::clipboard()->setText(report_);
}

void CsvReportDialog::SaveClick()
{
    //: The file name proposed for a saved report; keep .txt.
    const QString name = tr("report.txt");
    //: File dialog filter; keep (*.txt) and (*) as they are.
    const QString filter = tr("Text files (*.txt);;All files (*)");
    const QString path =
        QFileDialog::getSaveFileName(this, tr("Save Report"), QDir(folder_).filePath(name), filter);
    if (!path.isEmpty()) SaveReport(path);
}

bool CsvReportDialog::SaveReport(const QString& path)
{
    QString text = report_;
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    QString reason;
    if (!SaveFileBytes(path, text.toStdString(), &reason)) {
        ShowMessage(MessageKind::Error, Msg::FileOpenError + QLatin1Char('\n') + reason);
        return false;
    }
    return true;
}

CsvReportPresenter SetCsvReportPresenter(CsvReportPresenter presenter)
{
    return std::exchange(Presenter(), std::move(presenter));
}

void ShowCsvReport(QWidget* parent, const QString& title, const QString& report, const QString& folder)
{
    if (Presenter()) {
        Presenter()(parent, title, report, folder);
        return;
    }
    CsvReportDialog dialog(title, report, folder, parent);
    dialog.exec();
}
