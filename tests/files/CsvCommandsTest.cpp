// File > Import Channels (CSV)... and Export Channels (CSV)... on a real
// main window, with scripted answers.
#include "mainwin/MainTestSupport.h"
#include "support/TestSupport.h"

#include "files/Csv.h"

#include <QMenu>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tslq::test;

namespace {

QString List(const char* name)
{
    return QString::fromStdString(DataPath(std::string("csv/") + name));
}

class CsvCommands : public ::testing::Test
{
  protected:
    std::unique_ptr<MemoryConfigStore> store_ = StoreFor("KK,0F", "ZT-Q2");
    std::unique_ptr<TMainForm> form_ = MakeMainForm(*store_);
    QTemporaryDir dir_;
};

TEST_F(CsvCommands, SitBelowSaveAs)
{
    const QList<QAction*> items = form_->File1->actions();
    const qsizetype saveAs = items.indexOf(form_->Save2);
    ASSERT_GE(saveAs, 0);
    ASSERT_LT(saveAs + 2, items.size());
    EXPECT_EQ(items[saveAs + 1], form_->ImportCsv1);
    EXPECT_EQ(items[saveAs + 2], form_->ExportCsv1);
    EXPECT_TRUE(form_->ImportCsv1->isEnabled());
}

TEST_F(CsvCommands, ImportShowsTheReportAndMarksTheData)
{
    MessageRecorder messages;
    ASSERT_TRUE(form_->ImportChannelsCsv(List("awkward.csv")));
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_EQ(messages.Messages()[0].kind, MessageKind::Information);
    EXPECT_TRUE(messages.LastText().startsWith(
        QStringLiteral("9 row(s) imported, 9 of them adjusted; 4 row(s) skipped.")));
    EXPECT_TRUE(messages.LastText().contains(QStringLiteral("Row 9: skipped")));
    EXPECT_TRUE(form_->DataChanged());
    EXPECT_EQ(form_->GridCell(GridId::Memory, 2, 1), QStringLiteral("146.520"));
}

TEST_F(CsvCommands, AsksBeforeReplacingFilledChannels)
{
    {
        MessageRecorder messages;
        ASSERT_TRUE(form_->ImportChannelsCsv(List("older17.csv")));
    }
    form_->SetDataChanged(false);
    const RadioImage before = form_->Image();

    MessageRecorder cancel({MessageButton::Cancel});
    EXPECT_FALSE(form_->ImportChannelsCsv(List("older17.csv")));
    ASSERT_EQ(cancel.Count(), 1);
    EXPECT_EQ(cancel.Messages()[0].kind, MessageKind::SaveChanges);
    EXPECT_TRUE(cancel.LastText().contains(QStringLiteral("replace 5 filled channel(s)")));
    EXPECT_TRUE(form_->Image() == before);
    EXPECT_FALSE(form_->DataChanged());

    // No: the rows go to the free channels and nothing is replaced.
    MessageRecorder append({MessageButton::No});
    EXPECT_TRUE(form_->ImportChannelsCsv(List("older17.csv")));
    for (int slot : {0, 1, 2, 3, 5})
        EXPECT_EQ(form_->Image().GetMemoryRecord(slot), before.GetMemoryRecord(slot));
    EXPECT_EQ(RecordField(form_->Image().GetMemoryRecord(4), 17, true), "W1AW");
    EXPECT_EQ(RecordField(form_->Image().GetMemoryRecord(9), 17, true), "NOAA1");
    EXPECT_TRUE(form_->DataChanged());
}

TEST_F(CsvCommands, ExportWritesTheListOrSaysItFailed)
{
    MessageRecorder messages;
    const QString path = dir_.filePath(QStringLiteral("out.csv"));
    ASSERT_TRUE(form_->ExportChannelsCsv(path));
    // A new market K image holds its ten weather channels.
    EXPECT_TRUE(messages.LastText().startsWith(QStringLiteral("10 channel(s) exported.")));
    EXPECT_EQ(ReadBytes(path.toStdString()).rfind(std::string(kCsvHeader), 0), 0u);

    EXPECT_FALSE(form_->ExportChannelsCsv(dir_.path()));
    EXPECT_TRUE(messages.LastText().startsWith(Msg::FileOpenError + QLatin1Char('\n')));
    EXPECT_FALSE(form_->ImportChannelsCsv(dir_.filePath(QStringLiteral("missing.csv"))));
    EXPECT_EQ(messages.LastText(), Msg::FileOpenError);
}

} // namespace
