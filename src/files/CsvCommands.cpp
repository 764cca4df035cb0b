// The channel list commands on a document.
#include "files/CsvCommands.h"

#include "document/Document.h"
#include "files/Csv.h"
#include "files/CsvReportDialog.h"
#include "files/FileIo.h"
#include "model/CoreMessages.h"
#include "ui/Messages.h"

#include <QFileDialog>

namespace {

// The file dialogs' filters and the reports' titles, in the program's language.
QString CsvFilter()
{
    //: File dialog filter; keep (*.csv) and (*) as they are.
    return CsvCommands::tr("CSV channel list (*.csv);;All files (*)");
}

QString Utf8Filter()
{
    //: File dialog filter; keep (*.csv) as it is.
    return CsvCommands::tr("CSV channel list, UTF-8 (*.csv)");
}

QString EightBitFilter()
{
    //: File dialog filter: the text is written in the radio's 8-bit Windows code page; keep (*.csv) as it is.
    return CsvCommands::tr("CSV channel list, Windows code page (*.csv)");
}

QString ImportTitle()
{
    return CsvCommands::tr("Import Channels (CSV)");
}

QString ExportTitle()
{
    return CsvCommands::tr("Export Channels (CSV)");
}

} // namespace

CsvCommands::CsvCommands(Document& document, const QString& initialFolder, QWidget* parent)
    : QObject(parent), document_(document), initialFolder_(initialFolder), parent_(parent)
{
}

bool CsvCommands::ImportChannelsCsv(const QString& path)
{
    const std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes) {
        ShowMessage(MessageKind::Error, Msg::FileOpenError);
        return false;
    }
    CsvImportPlan plan = PlanCsvImport(*bytes, document_.Image(), {});
    if (plan.status == CsvImportStatus::NoHeader) {
        ShowMessage(MessageKind::Error, MessageLines(CsvImportReport(plan)).trimmed());
        return false;
    }
    const std::vector<int> overwritten = OverwrittenSlots(plan, document_.Image());
    if (!overwritten.empty()) {
        const MessageButton answer = ShowMessage(
            MessageKind::SaveChanges,
            //: Yes, No and Cancel are the buttons of the message box.
            tr("The list would replace %n filled channel(s); channels that are not in the list stay as "
               "they are.\nYes replaces them, No puts every row into the free channels, Cancel stops.",
               nullptr, static_cast<int>(overwritten.size())));
        if (answer == MessageButton::Cancel) return false;
        if (answer == MessageButton::No) plan = PlanCsvImport(*bytes, document_.Image(), {true});
    }
    document_.ImportCsv(plan);
    ShowCsvReport(parent_, ImportTitle(), MessageLines(CsvImportReport(plan)), initialFolder_);
    return plan.imported > 0;
}

bool CsvCommands::ExportChannelsCsv(const QString& path, bool eightBit)
{
    const CsvExport exported =
        WriteChannelsCsv(document_.Image(), eightBit ? CsvEncoding::EightBit : CsvEncoding::Utf8);
    QString reason;
    if (!SaveFileBytes(path, exported.bytes, &reason)) {
        ShowMessage(MessageKind::Error, Msg::FileOpenError + QLatin1Char('\n') + reason);
        return false;
    }
    ShowCsvReport(parent_, ExportTitle(), MessageLines(CsvExportReport(exported)), initialFolder_);
    return true;
}

void CsvCommands::ImportCsv()
{
    const QString path = QFileDialog::getOpenFileName(parent_, ImportTitle(), initialFolder_, CsvFilter());
    if (!path.isEmpty()) ImportChannelsCsv(path);
}

void CsvCommands::ExportCsv()
{
    // The filter chooses the text: UTF-8 unless a program expects the code page.
    const QString utf8 = Utf8Filter();
    const QString eightBit = EightBitFilter();
    QString filter = utf8;
    QString path = QFileDialog::getSaveFileName(parent_, ExportTitle(), initialFolder_,
                                                utf8 + QStringLiteral(";;") + eightBit, &filter);
    if (path.isEmpty()) return;
    if (!path.contains(QLatin1Char('.'))) path += QStringLiteral(".csv");
    ExportChannelsCsv(path, filter == eightBit);
}
