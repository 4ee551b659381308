#include <gtest/gtest.h>

#include "ui/services/Program.h"

#include <QApplication>
#include <QSettings>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // The build lists the cases to register each with the test runner, where there may be no
    // screen to open an application on.
    if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setOrganizationName(QStringLiteral("Velmora"));
#ifdef Q_OS_WIN
    // The registry, where the program keeps its settings on Windows, is one for every test:
    // each test keeps them in a file of its own folder instead (UiTest::SetUp).
    QSettings::setDefaultFormat(QSettings::IniFormat);
#endif
    // Window tests end the program by the program's own rule.
    velmora::ui::Program::endWithLastWindow();
    return RUN_ALL_TESTS();
}
