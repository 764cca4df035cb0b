// tslq-cli export-csv and import-csv on files.
#include "files/FilesTestSupport.h"
#include "support/TestSupport.h"

#include "cli/Cli.h"
#include "files/Csv.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>

using tslq::test::DataPath;
using tslq::test::LoadImage;
using tslq::test::ReadBytes;
using tslq::test::WriteBytes;

namespace {

struct CliOutcome
{
    int status;
    std::string out;
    std::string err;
};

class CsvCli : public ::testing::Test
{
  protected:
    CliOutcome Cli(const QStringList& arguments)
    {
        std::ostringstream out, err;
        const int status = RunCli(arguments, store_, out, err);
        return {status, out.str(), err.str()};
    }
    QString Temp(const char* name) const { return dir_.filePath(name); }
    static QString Data(const char* name)
    {
        return QString::fromStdString(DataPath(std::string("csv/") + name));
    }

    MemoryConfigStore store_;
    QTemporaryDir dir_;
};

TEST_F(CsvCli, ImportThenExportKeepsTheChannels)
{
    const CliOutcome imported =
        Cli({"import-csv", "--type", "KK,0F", Data("older17.csv"), "-o", Temp("a.qx")});
    ASSERT_EQ(imported.status, kCliOk) << imported.err;
    EXPECT_NE(imported.out.find("5 row(s) imported, 0 of them adjusted; 0 row(s) skipped."),
              std::string::npos);

    const CliOutcome exported = Cli({"export-csv", "--type", "KK,0F", Temp("a.qx")});
    ASSERT_EQ(exported.status, kCliOk) << exported.err;
    // File > New's weather channels come along as I-1 .. I-0.
    EXPECT_NE(exported.err.find("15 channel(s) exported."), std::string::npos);
    EXPECT_EQ(exported.out.rfind(std::string(kCsvHeader) + "\r\n", 0), 0u);
    EXPECT_NE(exported.out.find("\r\n0,W1AW,146.940000,-,0.600000,Tone,100.0,"), std::string::npos);
    EXPECT_NE(exported.out.find(",WEATHER,162.550000,"), std::string::npos);

    ASSERT_EQ(Cli({"export-csv", "--type", "KK,0F", Temp("a.qx"), "-o", Temp("a.csv")}).status, kCliOk);
    EXPECT_EQ(ReadBytes(Temp("a.csv").toStdString()), exported.out);

    // These names are ASCII: the code page writes the same bytes.
    const CliOutcome eightBit = Cli({"export-csv", "--type", "KK,0F", "--encoding", "8bit", Temp("a.qx")});
    ASSERT_EQ(eightBit.status, kCliOk) << eightBit.err;
    EXPECT_EQ(eightBit.out, exported.out);
    EXPECT_EQ(eightBit.err, "15 channel(s) exported in the radio's 8-bit code page.\n");
}

TEST_F(CsvCli, BaseAndAppendKeepWhatIsThere)
{
    ASSERT_EQ(Cli({"import-csv", "--type", "KK,0F", Data("older17.csv"), "-o", Temp("base.qx")}).status,
              kCliOk);
    const CliOutcome run = Cli({"import-csv", "--type", "KK,0F", "--base", Temp("base.qx"), "--append",
                                Data("older17.csv"), "-o", Temp("twice.qx")});
    ASSERT_EQ(run.status, kCliOk) << run.err;
    RadioImage image = LoadImage("KK,0F", "ZT-Q2");
    std::string comment;
    ReadDataFile(ReadBytes(Temp("twice.qx").toStdString()), image, comment);
    EXPECT_EQ(RecordField(image.GetMemoryRecord(0), 17, true), "W1AW");
    EXPECT_EQ(RecordField(image.GetMemoryRecord(4), 17, true), "W1AW"); // first free after 0..3
    EXPECT_EQ(RecordField(image.GetMemoryRecord(5), 17, true), "NOAA1");
    EXPECT_EQ(RecordField(image.GetMemoryRecord(6), 17, true), "SIMPLEX");
}

TEST_F(CsvCli, FailuresAreReportedNotSaved)
{
    ASSERT_TRUE(WriteBytes(Temp("junk.csv").toStdString(), "just,some,words\n"));
    const CliOutcome notAList =
        Cli({"import-csv", "--type", "KK,0F", Temp("junk.csv"), "-o", Temp("out.qx")});
    EXPECT_EQ(notAList.status, kCliFileError);
    EXPECT_NE(notAList.err.find("not a channel list"), std::string::npos);
    EXPECT_FALSE(QFile::exists(Temp("out.qx")));

    EXPECT_EQ(Cli({"import-csv", "--type", "KK,0F", Data("older17.csv")}).status, kCliBadArguments);
    EXPECT_EQ(Cli({"import-csv", "--type", "KK,0F", Temp("missing.csv"), "-o", Temp("out.qx")}).status,
              kCliFileError);
    EXPECT_EQ(Cli({"export-csv", "--type", "KK,0F", Data("older17.csv")}).status, kCliFileError); // not a .qx
    EXPECT_EQ(Cli({"export-csv", "--type", "KK,0F"}).status, kCliBadArguments);
    EXPECT_EQ(Cli({"export-csv", "--type", "KK,0F", "--encoding", "latin1", Temp("x.qx")}).status,
              kCliBadArguments);
    EXPECT_EQ(store_.WriteCount(), 0);
}

} // namespace
