// File > Import Channels (CSV)... and Export Channels (CSV)... on a real
// main window, with scripted answers, and the report window.
#include "mainwin/MainTestSupport.h"
#include "support/TestSupport.h"

#include "files/Csv.h"
#include "files/CsvCommands.h"
#include "files/CsvReportDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tslq::test;

namespace {

QString List(const char* name)
{
    return QString::fromStdString(DataPath(std::string("csv/") + name));
}

// Takes the reports the commands show instead of the modal window.
class ReportRecorder
{
  public:
    ReportRecorder()
    {
        previous_ = SetCsvReportPresenter(
            [this](QWidget*, const QString& title, const QString& report, const QString&) {
                titles.push_back(title);
                reports.push_back(report);
            });
    }
    ~ReportRecorder() { SetCsvReportPresenter(std::move(previous_)); }
    ReportRecorder(const ReportRecorder&) = delete;
    ReportRecorder& operator=(const ReportRecorder&) = delete;

    QStringList titles;
    QStringList reports;

  private:
    CsvReportPresenter previous_;
};

class CsvCommands : public ::testing::Test
{
  protected:
    std::unique_ptr<MemoryConfigStore> store_ = StoreFor("KK,0F", "ZT-Q2");
    std::unique_ptr<MainWindow> form_ = MakeMainForm(*store_);
    QTemporaryDir dir_;
};

TEST_F(CsvCommands, SitBelowSaveAs)
{
    const QList<QAction*> items = form_->fileMenu_->actions();
    const qsizetype saveAs = items.indexOf(form_->saveAsAction_);
    ASSERT_GE(saveAs, 0);
    ASSERT_LT(saveAs + 2, items.size());
    EXPECT_EQ(items[saveAs + 1], form_->importCsvAction_);
    EXPECT_EQ(items[saveAs + 2], form_->exportCsvAction_);
    EXPECT_TRUE(form_->importCsvAction_->isEnabled());
}

TEST_F(CsvCommands, ImportShowsTheWholeReportAndMarksTheData)
{
    MessageRecorder messages;
    ReportRecorder reports;
    // Far more report lines than a screen holds: all of them are shown.
    std::string list = "Location,Frequency,Tone,rToneFreq\n";
    for (int i = 0; i < 40; ++i)
        list += std::to_string(100 + i) + ",146.52,Tone,89.0\n";
    const QString path = dir_.filePath(QStringLiteral("long.csv"));
    ASSERT_TRUE(WriteBytes(path.toStdString(), list));
    ASSERT_TRUE(form_->ChannelLists().ImportChannelsCsv(path));
    EXPECT_EQ(messages.Count(), 0);
    ASSERT_EQ(reports.reports.size(), 1);
    EXPECT_EQ(reports.titles[0], QStringLiteral("Import Channels (CSV)"));
    const QStringList lines = reports.reports[0].split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 41);
    EXPECT_EQ(lines[40],
              QStringLiteral("Row 41 (channel 139): tone 89.0 Hz is not in the list; 88.5 Hz taken."));

    ASSERT_TRUE(form_->ChannelLists().ImportChannelsCsv(List("awkward.csv")));
    ASSERT_EQ(reports.reports.size(), 2);
    EXPECT_TRUE(reports.reports[1].startsWith(
        QStringLiteral("8 row(s) imported, 8 of them adjusted; 5 row(s) skipped.")));
    EXPECT_TRUE(reports.reports[1].contains(QStringLiteral("Row 9: skipped")));
    EXPECT_TRUE(form_->DataChanged());
    EXPECT_EQ(form_->GridCell(GridId::Memory, 2, 1), QStringLiteral("146.520"));
}

TEST_F(CsvCommands, AsksBeforeReplacingFilledChannels)
{
    {
        MessageRecorder messages;
        ReportRecorder reports;
        ASSERT_TRUE(form_->ChannelLists().ImportChannelsCsv(List("older17.csv")));
    }
    form_->SetDataChanged(false);
    const RadioImage before = form_->Image();

    ReportRecorder reports;
    MessageRecorder cancel({MessageButton::Cancel});
    EXPECT_FALSE(form_->ChannelLists().ImportChannelsCsv(List("older17.csv")));
    ASSERT_EQ(cancel.Count(), 1);
    EXPECT_EQ(cancel.Messages()[0].kind, MessageKind::SaveChanges);
    EXPECT_TRUE(cancel.LastText().contains(QStringLiteral("replace 5 filled channel(s)")));
    EXPECT_TRUE(
        cancel.LastText().contains(QStringLiteral("channels that are not in the list stay as they are")));
    EXPECT_TRUE(form_->Image() == before);
    EXPECT_FALSE(form_->DataChanged());

    // No: the rows go to the free channels and nothing is replaced.
    MessageRecorder append({MessageButton::No});
    EXPECT_TRUE(form_->ChannelLists().ImportChannelsCsv(List("older17.csv")));
    for (int slot : {0, 1, 2, 3, 5})
        EXPECT_EQ(form_->Image().GetMemoryRecord(slot), before.GetMemoryRecord(slot));
    EXPECT_EQ(RecordField(form_->Image().GetMemoryRecord(4), 17, true), "W1AW");
    EXPECT_EQ(RecordField(form_->Image().GetMemoryRecord(9), 17, true), "NOAA1");
    EXPECT_TRUE(form_->DataChanged());
}

TEST_F(CsvCommands, ExportWritesTheListOrSaysItFailed)
{
    MessageRecorder messages;
    ReportRecorder reports;
    const QString path = dir_.filePath(QStringLiteral("out.csv"));
    ASSERT_TRUE(form_->ChannelLists().ExportChannelsCsv(path));
    // A new market K image holds its ten weather channels.
    ASSERT_EQ(reports.reports.size(), 1);
    EXPECT_EQ(reports.reports[0], QStringLiteral("10 channel(s) exported.\n"));
    EXPECT_EQ(ReadBytes(path.toStdString()).rfind(std::string(kCsvHeader), 0), 0u);

    // The code page choice writes the name's own byte.
    tslq::test::EditImage(form_->Doc(), [&](RadioImage& image) {
        image.SetMemoryRecord(0, "000,00146520000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,Z\xFCrich");
    });
    ASSERT_TRUE(form_->ChannelLists().ExportChannelsCsv(path, true));
    EXPECT_NE(ReadBytes(path.toStdString()).find("\r\n0,Z\xFCrich,146.520000,"), std::string::npos);
    EXPECT_EQ(reports.reports[1], QStringLiteral("11 channel(s) exported in the radio's 8-bit code page.\n"));

    EXPECT_FALSE(form_->ChannelLists().ExportChannelsCsv(dir_.path()));
    EXPECT_TRUE(messages.LastText().startsWith(Msg::FileOpenError + QLatin1Char('\n')));
    EXPECT_FALSE(form_->ChannelLists().ImportChannelsCsv(dir_.filePath(QStringLiteral("missing.csv"))));
    EXPECT_EQ(messages.LastText(), Msg::FileOpenError);
}

TEST_F(CsvCommands, ReportWindowShowsCopiesAndSaves)
{
    QString report;
    for (int i = 1; i <= 45; ++i)
        report += QStringLiteral("Row %1 (channel %2): mode NFM taken as FM.\n")
                      .arg(i)
                      .arg(i, 3, 10, QLatin1Char('0'));
    CsvReportDialog dialog(QStringLiteral("Import Channels (CSV)"), report, dir_.path());
    EXPECT_EQ(dialog.TextView()->toPlainText(), report);
    EXPECT_TRUE(dialog.TextView()->isReadOnly());
    EXPECT_TRUE(dialog.isSizeGripEnabled());

    dialog.CopyButton()->click();
    EXPECT_EQ(QApplication::clipboard()->text(), report);

    const QString saved = dir_.filePath(QStringLiteral("report.txt"));
    ASSERT_TRUE(dialog.SaveReport(saved));
    QString crlf = report;
    crlf.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    EXPECT_EQ(ReadBytes(saved.toStdString()), crlf.toStdString());

    MessageRecorder messages;
    EXPECT_FALSE(dialog.SaveReport(dir_.path())); // a folder
    EXPECT_TRUE(messages.LastText().startsWith(Msg::FileOpenError + QLatin1Char('\n')));
}

} // namespace
