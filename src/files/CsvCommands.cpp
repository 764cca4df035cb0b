// The channel list commands of the main window: choosing the file (and, for
// the export, its text: UTF-8 or the Windows code page), asking before
// filled channels are replaced, and showing what the list changed.
#include "files/CsvCommands.h"

#include "files/Csv.h"
#include "files/CsvReportDialog.h"
#include "files/FileIo.h"
#include "mainwin/MainWindow.h"
#include "ui/Messages.h"

#include <QAction>
#include <QFileDialog>
#include <QMenu>

namespace {

const QString kCsvFilter = QStringLiteral("CSV channel list (*.csv);;All files (*)");
const QString kUtf8Filter = QStringLiteral("CSV channel list, UTF-8 (*.csv)");
const QString kEightBitFilter = QStringLiteral("CSV channel list, Windows code page (*.csv)");

const QString kImportTitle = QStringLiteral("Import Channels (CSV)");
const QString kExportTitle = QStringLiteral("Export Channels (CSV)");

} // namespace

bool MainWindow::ImportChannelsCsv(const QString& path)
{
    const std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes) {
        ShowMessage(MessageKind::Error, Msg::FileOpenError);
        return false;
    }
    CsvImportPlan plan = PlanCsvImport(*bytes, Image(), {});
    if (plan.status == CsvImportStatus::NoHeader) {
        ShowMessage(MessageKind::Error, QString::fromUtf8(CsvImportReport(plan)).trimmed());
        return false;
    }
    const std::vector<int> overwritten = OverwrittenSlots(plan, Image());
    if (!overwritten.empty()) {
        const MessageButton answer = ShowMessage(
            MessageKind::SaveChanges,
            QStringLiteral(
                "The list would replace %1 filled channel(s).\nYes replaces them, No puts every row "
                "into the free channels, Cancel stops.")
                .arg(overwritten.size()));
        if (answer == MessageButton::Cancel) return false;
        if (answer == MessageButton::No) plan = PlanCsvImport(*bytes, Image(), {true});
    }
    ApplyCsvImport(plan, Image());
    if (plan.imported > 0) SetDataChanged(true);
    RefreshAllViews();
    ShowCsvReport(this, kImportTitle, QString::fromStdString(CsvImportReport(plan)), InitialFolder());
    return plan.imported > 0;
}

bool MainWindow::ExportChannelsCsv(const QString& path, bool eightBit)
{
    const CsvExport exported =
        WriteChannelsCsv(Image(), eightBit ? CsvEncoding::EightBit : CsvEncoding::Utf8);
    QString reason;
    if (!SaveFileBytes(path, exported.bytes, &reason)) {
        ShowMessage(MessageKind::Error, Msg::FileOpenError + QLatin1Char('\n') + reason);
        return false;
    }
    ShowCsvReport(this, kExportTitle, QString::fromStdString(CsvExportReport(exported)), InitialFolder());
    return true;
}

void MainWindow::ImportCsv()
{
    const QString path = QFileDialog::getOpenFileName(this, kImportTitle, InitialFolder(), kCsvFilter);
    if (!path.isEmpty()) ImportChannelsCsv(path);
}

void MainWindow::ExportCsv()
{
    // The filter chooses the text: UTF-8 unless a program expects the code page.
    QString filter = kUtf8Filter;
    QString path = QFileDialog::getSaveFileName(
        this, kExportTitle, InitialFolder(), kUtf8Filter + QStringLiteral(";;") + kEightBitFilter, &filter);
    if (path.isEmpty()) return;
    if (!path.contains(QLatin1Char('.'))) path += QStringLiteral(".csv");
    ExportChannelsCsv(path, filter == kEightBitFilter);
}

void ConnectCsvCommands(MainWindow& form)
{
    form.importCsvAction_ = new QAction(QStringLiteral("&Import Channels (CSV)..."), &form);
    form.exportCsvAction_ = new QAction(QStringLiteral("Expor&t Channels (CSV)..."), &form);
    // Right below Save As..., before the separator that precedes Print.
    const QList<QAction*> items = form.fileMenu_->actions();
    const qsizetype saveAs = items.indexOf(form.saveAsAction_);
    QAction* before = saveAs >= 0 && saveAs + 1 < items.size() ? items[saveAs + 1] : form.exitAction_;
    form.fileMenu_->insertAction(before, form.importCsvAction_);
    form.fileMenu_->insertAction(before, form.exportCsvAction_);
    MainWindow::SetHelpContext(form.importCsvAction_, 35);
    MainWindow::SetHelpContext(form.exportCsvAction_, 36);
    QObject::connect(form.importCsvAction_, &QAction::triggered, &form, &MainWindow::ImportCsv);
    QObject::connect(form.exportCsvAction_, &QAction::triggered, &form, &MainWindow::ExportCsv);
}
