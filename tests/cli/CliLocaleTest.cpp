// tslq-cli speaks to scripts, so its output and the files it writes are the
// same bytes whatever the operator's locale: the real program run under
// LANG/LC_ALL of German and Japanese against the C locale.
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <clocale>
#include <map>
#include <string>

using tslq::test::DataPath;

namespace {

struct Step
{
    const char* name;
    QStringList arguments;  // "@" stands for the run's folder
    const char* outputFile; // a file the step writes, or nullptr
};

// Every step's exit status, standard output and error, and written file.
std::map<std::string, QByteArray> RunAll(const QString& locale)
{
    QTemporaryDir dir;
    const auto data = [](const char* name) { return QString::fromStdString(DataPath(name)); };
    const Step steps[] = {
        {"new", {"new", "--type", "KK,0F", "-o", "@/new.qx"}, "new.qx"},
        {"import",
         {"import-csv", "--type", "KK,0F", "--base", "@/new.qx", data("csv/awkward.csv"), "-o", "@/list.qx"},
         "list.qx"},
        {"import-comma",
         {"import-csv", "--type", "ME,0B", data("csv/semicolon_decimal_comma.csv"), "-o", "@/comma.qx"},
         "comma.qx"},
        {"listing", {"listing", "--type", "KK,0F", "@/list.qx"}, nullptr},
        {"listing-J", {"listing", "--type", "JJ,01", data("files/new_J.qx")}, nullptr},
        {"export", {"export-csv", "--type", "KK,0F", "@/list.qx", "-o", "@/list.csv"}, "list.csv"},
        {"export-J",
         {"export-csv", "--type", "JJ,01", "--encoding", "8bit", data("files/new_J.qx")},
         nullptr},
        {"diff", {"diff", "--type", "KK,0F", "@/new.qx", "@/list.qx"}, nullptr},
        {"bad", {"listing", "--type", "KK,0F", "@/missing.qx"}, nullptr},
    };
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LANG", locale);
    environment.insert("LC_ALL", locale);
    environment.insert("LANGUAGE", locale.left(2));
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    std::map<std::string, QByteArray> results;
    for (const Step& step : steps) {
        QStringList arguments = step.arguments;
        for (QString& argument : arguments)
            argument.replace(QLatin1Char('@'), dir.path());
        QProcess cli;
        cli.setProcessEnvironment(environment);
        cli.start(QStringLiteral(TSLQ_CLI), arguments);
        EXPECT_TRUE(cli.waitForFinished(30000)) << step.name;
        // The run's folder differs from run to run; messages may name it.
        const auto same = [&dir](QByteArray text) {
            return text.replace(QFile::encodeName(dir.path()), "@");
        };
        results[std::string(step.name) + " status"] = QByteArray::number(cli.exitCode());
        results[std::string(step.name) + " out"] = same(cli.readAllStandardOutput());
        results[std::string(step.name) + " err"] = same(cli.readAllStandardError());
        if (step.outputFile) {
            QFile file(dir.filePath(step.outputFile));
            EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << step.name;
            results[std::string(step.name) + " file"] = file.readAll();
        }
    }
    return results;
}

bool LocaleExists(const char* name)
{
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    const bool exists = std::setlocale(LC_ALL, name) != nullptr;
    std::setlocale(LC_ALL, previous.c_str());
    return exists;
}

} // namespace

TEST(CliLocale, TheSameBytesInGermanAndJapaneseAsInC)
{
    const std::map<std::string, QByteArray> plain = RunAll(QStringLiteral("C"));
    // The runs did real work: a file, a listing, an export, a difference.
    EXPECT_EQ(plain.at("new status"), "0");
    EXPECT_EQ(plain.at("import status"), "0") << plain.at("import err").toStdString();
    EXPECT_EQ(plain.at("import-comma status"), "0") << plain.at("import-comma err").toStdString();
    EXPECT_TRUE(plain.at("listing out").contains("146.520"));
    EXPECT_TRUE(plain.at("export file").startsWith("Location,Name,Frequency"));
    EXPECT_EQ(plain.at("diff status"), "1");
    EXPECT_NE(plain.at("bad status"), "0");

    int compared = 0;
    for (const char* locale : {"de_DE.UTF-8", "ja_JP.UTF-8"}) {
        if (!LocaleExists(locale)) continue;
        ++compared;
        const std::map<std::string, QByteArray> local = RunAll(QString::fromLatin1(locale));
        for (const auto& [what, bytes] : plain)
            EXPECT_EQ(local.at(what), bytes) << locale << ": " << what;
    }
    if (compared == 0)
        GTEST_SKIP() << "the locales de_DE.UTF-8 and ja_JP.UTF-8 are not generated "
                        "(scripts/install-deps.sh generates them)";
}
