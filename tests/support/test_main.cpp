#include <QApplication>
#include <QStandardPaths>

#include <gtest/gtest.h>

// Main of the Qt test suites: an offscreen QApplication, and QStandardPaths in test mode so
// nothing a test does can reach the user's real settings or files.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("KOVA"));
    QApplication::setApplicationName(QStringLiteral("Guivarna"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
