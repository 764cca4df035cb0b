// The channel list commands of the main window: choosing the file, asking
// before filled channels are replaced, and showing what the list changed.
#include "files/CsvCommands.h"

#include "files/Csv.h"
#include "files/FileIo.h"
#include "mainwin/Main.h"
#include "mainwin/Messages.h"

#include <QAction>
#include <QFileDialog>
#include <QMenu>

namespace {

const QString kCsvFilter = QStringLiteral("CSV channel list (*.csv);;All files (*)");

// A report longer than a screen is cut; the counts stand at its top.
constexpr int kReportLines = 30;

QString ShortReport(const std::string& report)
{
    QStringList lines = QString::fromUtf8(report).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (lines.size() > kReportLines) {
        const qsizetype more = lines.size() - kReportLines;
        lines.resize(kReportLines);
        lines << QStringLiteral("... and %1 more line(s).").arg(more);
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace

bool TMainForm::ImportChannelsCsv(const QString& path)
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
    ShowMessage(MessageKind::Information, ShortReport(CsvImportReport(plan)));
    return plan.imported > 0;
}

bool TMainForm::ExportChannelsCsv(const QString& path)
{
    const CsvExport exported = WriteChannelsCsv(Image());
    QString reason;
    if (!SaveFileBytes(path, exported.bytes, &reason)) {
        ShowMessage(MessageKind::Error, Msg::FileOpenError + QLatin1Char('\n') + reason);
        return false;
    }
    ShowMessage(MessageKind::Information, ShortReport(CsvExportReport(exported)));
    return true;
}

void TMainForm::ImportCsv1Click()
{
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Import Channels (CSV)"),
                                                      InitialFolder(), kCsvFilter);
    if (!path.isEmpty()) ImportChannelsCsv(path);
}

void TMainForm::ExportCsv1Click()
{
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Export Channels (CSV)"),
                                                InitialFolder(), kCsvFilter);
    if (path.isEmpty()) return;
    if (!path.contains(QLatin1Char('.'))) path += QStringLiteral(".csv");
    ExportChannelsCsv(path);
}

void ConnectCsvCommands(TMainForm& form)
{
    form.ImportCsv1 = new QAction(QStringLiteral("&Import Channels (CSV)..."), &form);
    form.ExportCsv1 = new QAction(QStringLiteral("Expor&t Channels (CSV)..."), &form);
    // Right below Save As..., before the separator that precedes Print.
    const QList<QAction*> items = form.File1->actions();
    const qsizetype saveAs = items.indexOf(form.Save2);
    QAction* before = saveAs >= 0 && saveAs + 1 < items.size() ? items[saveAs + 1] : form.Exit1;
    form.File1->insertAction(before, form.ImportCsv1);
    form.File1->insertAction(before, form.ExportCsv1);
    TMainForm::SetHelpContext(form.ImportCsv1, 35);
    TMainForm::SetHelpContext(form.ExportCsv1, 36);
    QObject::connect(form.ImportCsv1, &QAction::triggered, &form, &TMainForm::ImportCsv1Click);
    QObject::connect(form.ExportCsv1, &QAction::triggered, &form, &TMainForm::ExportCsv1Click);
}
