// Test entry point shared by every test executable: a headless QApplication
// (the offscreen platform unless the caller chose one) and GoogleTest.
// The platform is set here rather than through CTest because test discovery
// runs the binaries at build time, outside the CTest environment.
//
// The standard locations are in test mode, under a home folder of this run's
// own, so that the settings, backups and recovery files the program keeps in
// the user's folders are never the real ones nor shared with another test
// program running at the same time.
#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const QTemporaryDir home(QDir::tempPath() + QStringLiteral("/tslq-test-home-XXXXXX"));
    if (home.isValid()) qputenv("HOME", QFile::encodeName(home.path()));
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QApplication::setOrganizationName("VANTREL-TEST");
    QApplication::setApplicationName("TSL-QX-TEST");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
