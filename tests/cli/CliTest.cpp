// tslq-cli: the common rules and the new, listing and print-pdf commands.
#include "files/FilesTestSupport.h"
#include "support/TestSupport.h"

#include "cli/Cli.h"
#include "files/Listing.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>

using tslq::test::DataPath;
using tslq::test::ReadBytes;
using tslq::test::WriteBytes;

namespace {

struct CliRun
{
    int status;
    std::string out;
    std::string err;
};

CliRun RunCommand(MemoryConfigStore& store, const QStringList& arguments)
{
    std::ostringstream out, err;
    const int status = RunCli(arguments, store, out, err);
    return {status, out.str(), err.str()};
}

QString Golden(const char* name)
{
    return QString::fromStdString(DataPath(std::string("files/") + name));
}

class Cli : public ::testing::Test
{
  protected:
    QString Temp(const char* name) const { return dir_.filePath(name); }
    MemoryConfigStore store_;
    QTemporaryDir dir_;
};

TEST_F(Cli, NeedsARadioVersionAndNeverWritesTheProfile)
{
    const CliRun run = RunCommand(store_, {"new", "-o", Temp("a.qx")});
    EXPECT_EQ(run.status, kCliBadArguments);
    EXPECT_NE(run.err.find("--type"), std::string::npos);
    EXPECT_FALSE(QFile::exists(Temp("a.qx")));
    EXPECT_TRUE(store_.Values().empty());

    EXPECT_EQ(RunCommand(store_, {"new", "--type", "KK,0F", "-o", Temp("a.qx")}).status, kCliOk);
    EXPECT_EQ(store_.WriteCount(), 0);
    EXPECT_EQ(ReadBytes(Temp("a.qx").toStdString()), ReadBytes(Golden("new_K.qx").toStdString()));
}

TEST_F(Cli, ProfileFromTheStoreWithOverrides)
{
    store_.Write("Type", "ME,0B");
    store_.Write("Model", "ZT-Q3");
    const int writes = store_.WriteCount();
    EXPECT_EQ(RunCommand(store_, {"new", "-o", Temp("e.qx")}).status, kCliOk);
    EXPECT_EQ(ReadBytes(Temp("e.qx").toStdString()), ReadBytes(Golden("new_E.qx").toStdString()));
    EXPECT_EQ(RunCommand(store_, {"new", "--type=KK,0F", "--model", "ZT-Q5", "-o", Temp("k5.qx")}).status,
              kCliOk);
    EXPECT_EQ(ReadBytes(Temp("k5.qx").toStdString()), ReadBytes(Golden("new_K_Q5.qx").toStdString()));
    EXPECT_EQ(store_.WriteCount(), writes);
    EXPECT_EQ(store_.Read("Type"), "ME,0B");
}

TEST_F(Cli, BadArguments)
{
    store_.Write("Type", "KK,0F");
    const QString out = Temp("x.qx");
    const QList<QStringList> bad = {
        {},
        {"frobnicate"},
        {"new"},                             // no -o
        {"new", "-o"},                       // -o without a name
        {"new", "-o", out, "-o", out},       // twice
        {"new", "-o", out, "--bogus"},       // unknown option
        {"new", "-o", out, "extra"},         // unexpected argument
        {"new", "--type", "KKK", "-o", out}, // malformed type code
        {"new", "--model", "", "-o", out},   // empty model
        {"listing"},                         // no input
        {"listing", "a.qx", "b.qx"},         // two inputs
        {"listing", "a.qx", "-o", out},      // listing writes to standard output
        {"print-pdf", Golden("full.qx")},    // no -o
    };
    for (const QStringList& arguments : bad) {
        const CliRun run = RunCommand(store_, arguments);
        EXPECT_EQ(run.status, kCliBadArguments) << arguments.join(' ').toStdString();
        EXPECT_FALSE(run.err.empty());
    }
    EXPECT_FALSE(QFile::exists(out));
    EXPECT_EQ(RunCommand(store_, {"help"}).status, kCliOk);
}

// The program's help lists every exit status with its meaning; each
// command's own help (also as "help COMMAND") lists those it can give.
TEST_F(Cli, HelpListsTheExitStatuses)
{
    auto statusLines = [](const std::string& text) {
        std::string statuses;
        const QRegularExpression line(QStringLiteral("^  ([0-9])  \\S"), QRegularExpression::MultilineOption);
        for (auto it = line.globalMatch(QString::fromStdString(text)); it.hasNext();)
            statuses += it.next().captured(1).toStdString();
        return statuses;
    };
    const CliRun usage = RunCommand(store_, {"--help"});
    EXPECT_EQ(usage.status, kCliOk);
    EXPECT_EQ(statusLines(usage.out), "012345678");
    for (const CliCommand& command : CliCommands()) {
        const QString name =
            QString::fromUtf8(command.name.data(), static_cast<qsizetype>(command.name.size()));
        SCOPED_TRACE(name.toStdString());
        const CliRun help = RunCommand(store_, {name, "--help"});
        EXPECT_EQ(help.status, kCliOk);
        EXPECT_TRUE(help.err.empty());
        EXPECT_EQ(help.out.rfind("usage: tslq-cli " + std::string(command.name) + " ", 0), 0u) << help.out;
        std::string statuses = command.radio ? "0234567" : "026";
        if (command.name == "diff") statuses = "0126";
        if (command.name == "write") statuses += "8";
        EXPECT_EQ(statusLines(help.out), statuses);
        EXPECT_EQ(RunCommand(store_, {"help", name}).out, help.out);
        EXPECT_EQ(RunCommand(store_, {name, "-o", "x", "-h"}).out, help.out);
    }
    EXPECT_NE(usage.out.find("  7  the transfer broke off"), std::string::npos);
}

TEST_F(Cli, FileErrors)
{
    store_.Write("Type", "KK,0F");
    ASSERT_TRUE(
        WriteBytes(Temp("trailing.qx").toStdString(), "VANTREL Tessaline for ZT-QX \r\n__COMMENT__\r\n"));
    for (const QStringList& arguments :
         QList<QStringList>{{"listing", Temp("missing.qx")},
                            {"listing", Temp("trailing.qx")},
                            {"print-pdf", Temp("missing.qx"), "-o", Temp("m.pdf")},
                            {"new", "-o", Temp("no/such/folder.qx")},
                            {"print-pdf", Golden("full.qx"), "-o", Temp("no/such/folder.pdf")}}) {
        const CliRun run = RunCommand(store_, arguments);
        EXPECT_EQ(run.status, kCliFileError) << arguments.join(' ').toStdString();
        EXPECT_EQ(run.err.rfind("File Open error.\n", 0), 0u) << run.err;
        EXPECT_TRUE(run.out.empty());
    }
    EXPECT_FALSE(QFile::exists(Temp("m.pdf")));
}

TEST_F(Cli, ListingPagesOnStandardOutput)
{
    store_.Write("Type", "KK,0F");
    const QString path = Golden("full.qx");
    const CliRun run = RunCommand(store_, {"listing", path});
    ASSERT_EQ(run.status, kCliOk) << run.err;
    const std::string caption = "TSL-Q2/Q3 [" + path.toStdString() + "]";
    EXPECT_EQ(run.out.rfind(caption + "\n\n[Comment]\nFull image, every slot\n\n[Memory Channel]\n000 ", 0),
              0u);
    // Full pages run to line 59, the next starts after a form feed line.
    const std::string pageBreak = "\n\f\n" + caption + "\n\n";
    const std::size_t first = run.out.find(pageBreak);
    ASSERT_NE(first, std::string::npos);
    EXPECT_EQ(std::count(run.out.begin(), run.out.begin() + static_cast<long>(first), '\n'), 59);
    EXPECT_EQ(run.out.substr(first + pageBreak.size(), 4), "054 ");
    EXPECT_EQ(run.out.back(), '\n');
    EXPECT_EQ(run.out.substr(run.out.size() - 19), "Battery : Alkaline\n");
}

TEST_F(Cli, ListingOfMarketJShowsKatakanaAsUtf8)
{
    store_.Write("Type", "JJ,01");
    const CliRun run = RunCommand(store_, {"listing", Golden("new_J.qx")});
    ASSERT_EQ(run.status, kCliOk);
    // I-1: "NHK" and half-width katakana sa, small tsu, ho, handakuten, ro.
    EXPECT_NE(run.out.find("I-1 0.567MHz 9kHz AM Name:NHK\uFF7B\uFF6F\uFF8E\uFF9F\uFF9B\n"),
              std::string::npos);
}

// Non-empty lines with runs of blanks made one, as text extraction gives them.
QStringList TextLines(const QString& text)
{
    QStringList lines;
    for (QString line : text.split(QLatin1Char('\n'))) {
        line.remove(QLatin1Char('\f'));
        line = line.simplified();
        if (!line.isEmpty()) lines << line;
    }
    return lines;
}

TEST_F(Cli, PrintPdfHoldsTheListingsLines)
{
    store_.Write("Type", "KK,0F");
    const QString pdf = Temp("full.pdf");
    const CliRun run = RunCommand(store_, {"print-pdf", Golden("full.qx"), "-o", pdf});
    ASSERT_EQ(run.status, kCliOk) << run.err;
    const CliRun listing = RunCommand(store_, {"listing", Golden("full.qx")});

    QProcess extract;
    extract.start("pdftotext", {pdf, "-"});
    ASSERT_TRUE(extract.waitForFinished(30000));
    const QString text = QString::fromUtf8(extract.readAllStandardOutput());
    const QStringList printed = TextLines(text);
    const QStringList listed = TextLines(QString::fromStdString(listing.out));
    EXPECT_EQ(printed.size(), listed.size());
    for (qsizetype i = 0; i < std::min(printed.size(), listed.size()); ++i) {
        ASSERT_EQ(printed[i].toStdString(), listed[i].toStdString()) << "line " << i;
    }
    EXPECT_EQ(text.count(QLatin1Char('\f')),
              QString::fromStdString(listing.out).count(QLatin1Char('\f')) + 1);
}

} // namespace
