// The QSettings store: values by name, written at once, and the profile load
// through it on an isolated settings file.
#include "model/SettingsStore.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

namespace {

TEST(SettingsStore, ReadsWritesAndSurvivesReopening)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath("profile.ini");
    {
        QSettings settings(file, QSettings::IniFormat);
        QSettingsConfigStore store(settings);
        EXPECT_EQ(store.Read("Type"), "");
        store.Write("Path", "/home/op/R\xC3\xA4"
                            "dio");
        store.Write("CommPort", "COM3");
        store.Write("Limit1", "");
        EXPECT_EQ(store.Read("CommPort"), "COM3");
    }
    QSettings settings(file, QSettings::IniFormat);
    QSettingsConfigStore store(settings);
    EXPECT_EQ(store.Read("Path"), "/home/op/R\xC3\xA4"
                                  "dio");
    EXPECT_EQ(store.Read("CommPort"), "COM3");
    EXPECT_EQ(store.Read("Limit1"), "");
}

TEST(SettingsStore, ProfileLoadThroughQSettings)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QSettings settings(dir.filePath("profile.ini"), QSettings::IniFormat);
    settings.setValue("Type", "ME,0B");
    settings.setValue("Model", "ZT-Q5");
    QSettingsConfigStore store(settings);
    RadioImage image;
    const ProfileSettings loaded = LoadProfile(store, image, "/work", [] { return 0; });
    EXPECT_EQ(loaded.path, "/work");
    EXPECT_EQ(image.BandLimit(3), "01240,01300");
    EXPECT_EQ(image.BandLimit(13), "00470,00862");
    EXPECT_EQ(settings.value("Limit3").toString(), QStringLiteral("01240,01300"));
    EXPECT_EQ(settings.value("CommPort").toString(), QStringLiteral("COM1"));
}

TEST(SettingsStore, HandEditedLimitsWithoutQuotes)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath("profile.ini");
    QFile raw(file);
    ASSERT_TRUE(raw.open(QIODevice::WriteOnly));
    raw.write("[General]\nType=KK,0F\nLimit0=00140,00150\nLimit2=\"00420,00450\"\n");
    raw.close();
    QSettings settings(file, QSettings::IniFormat);
    QSettingsConfigStore store(settings);
    EXPECT_EQ(store.Read("Type"), "KK,0F");
    EXPECT_EQ(store.Read("Limit0"), "00140,00150");
    EXPECT_EQ(store.Read("Limit2"), "00420,00450");
}

TEST(SettingsStore, TheProgramsOwnLocation)
{
    QSettingsConfigStore store;
    EXPECT_EQ(store.Settings().organizationName(), QStringLiteral("VANTREL"));
    EXPECT_EQ(store.Settings().applicationName(), QStringLiteral("TSL-QX"));
}

} // namespace
