#include <gtest/gtest.h>

#include "ui/services/Program.h"

#include <QApplication>
#include <QSettings>

int main(int argc, char** argv) {
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
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
