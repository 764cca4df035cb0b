// Test entry point shared by every test executable: a headless QApplication
// (the offscreen platform unless the caller chose one) and GoogleTest.
// The platform is set here rather than through CTest because test discovery
// runs the binaries at build time, outside the CTest environment.
#include <QApplication>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QApplication::setOrganizationName("VANTREL-TEST");
    QApplication::setApplicationName("TSL-QX-TEST");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
