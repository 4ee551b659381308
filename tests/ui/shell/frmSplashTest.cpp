#include "support/UiTest.h"

#include "ui/services/Twips.h"
#include "ui/services/WindowRegistry.h"
#include "ui/shell/Form9.h"
#include "ui/shell/frmSplash.h"

#include "ui/services/Picture.h"
#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>

namespace velmora::test {
namespace {

using ui::Form9;
using ui::frmSplash;
using ui::WindowRegistry;

int menus() {
    int count = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (qobject_cast<Form9*>(window) && window->isVisible()) ++count;
    return count;
}

class frmSplashTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        splash = WindowRegistry::show<frmSplash>();
        watched = splash;
    }

    // The splash is gone and the menu is up.
    void expectMenuShownOnce() {
        settle();
        EXPECT_TRUE(watched.isNull());
        EXPECT_EQ(menus(), 1);
    }

    void press(int key, const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
        QCoreApplication::sendEvent(splash, &event);
    }

    frmSplash* splash = nullptr;
    QPointer<frmSplash> watched;
};

TEST_F(frmSplashTest, ShowsItsTextsAndTheVersion) {
    EXPECT_EQ(splash->size(), ui::Twips::size(8580, 5250));
    EXPECT_EQ(splash->lblVersion->text(), QStringLiteral("Version 1.0.0"));
    EXPECT_EQ(splash->Label1->text(), QStringLiteral("Gorvanth"));
    EXPECT_TRUE(splash->Label1->font().bold());
    EXPECT_TRUE(splash->Label1->font().italic());
    EXPECT_EQ(splash->lblCompanyProduct->text(), QStringLiteral("Velmora Τοπογραφικών Εργασιών"));
    EXPECT_EQ(splash->lblPlatform->text(), QStringLiteral("for Windows"));
    EXPECT_EQ(splash->lblWarning->text(),
              QStringLiteral("Warning:  Οι αμοιβές δεν ισχύουν για έκδοση Οικοδομικής Αδείας"));
    EXPECT_TRUE(splash->imgLogo->isValid());
    // Everything visible lies inside the frame.
    for (QWidget* child : splash->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        EXPECT_EQ(child, splash->Frame1) << child->objectName().toStdString();
    EXPECT_TRUE(splash->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(menus(), 0);
}

TEST_F(frmSplashTest, TimerGivesWayToTheMenuAfterFiveSeconds) {
    EXPECT_EQ(splash->Timer1->interval(), 5000);
    EXPECT_TRUE(splash->Timer1->isActive());
    // The real timer, sped up.
    splash->Timer1->setInterval(10);
    QTRY_VERIFY_WITH_TIMEOUT(watched.isNull(), 2000);
    expectMenuShownOnce();
}

struct Key {
    const char* name;
    int key;
    const char* text;
    bool dismisses;
};

class frmSplashKeyTest : public frmSplashTest, public ::testing::WithParamInterface<Key> {};

TEST_P(frmSplashKeyTest, OnlyKeysThatTypeACharacterDismiss) {
    const Key& key = GetParam();
    press(key.key, QString::fromUtf8(key.text));
    settle();
    EXPECT_EQ(watched.isNull(), key.dismisses);
    EXPECT_EQ(menus(), key.dismisses ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, frmSplashKeyTest,
    ::testing::Values(Key{"Letter", Qt::Key_A, "a", true}, Key{"Greek", 0, "λ", true},
                      Key{"Digit", Qt::Key_5, "5", true}, Key{"Space", Qt::Key_Space, " ", true},
                      Key{"Enter", Qt::Key_Return, "\r", true},
                      Key{"Escape", Qt::Key_Escape, "\x1b", true},
                      Key{"Arrow", Qt::Key_Left, "", false}, Key{"Function", Qt::Key_F1, "", false},
                      Key{"Shift", Qt::Key_Shift, "", false}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(frmSplashTest, AKeyPressWinsAndTheTimerCannotOpenASecondMenu) {
    splash->Timer1->setInterval(50);
    press(Qt::Key_A, QStringLiteral("a"));
    expectMenuShownOnce();
    // The user closes the menu; the splash's timer, had it survived, would open another.
    WindowRegistry::find<Form9>()->close();
    settle();
    QTest::qWait(200);
    settle();
    EXPECT_EQ(menus(), 0);
    EXPECT_EQ(WindowRegistry::find<Form9>(), nullptr);
}

TEST_F(frmSplashTest, AClickOnTheFrameDismisses) {
    const QPoint empty(splash->Frame1->width() / 2, 8);
    ASSERT_EQ(splash->Frame1->childAt(empty), nullptr);
    QTest::mouseClick(splash->Frame1, Qt::LeftButton, Qt::NoModifier, empty);
    expectMenuShownOnce();
}

TEST_F(frmSplashTest, ClicksOnThePictureALabelOrOutsideTheFrameDoNot) {
    QTest::mouseClick(splash->imgLogo, Qt::LeftButton);
    QTest::mouseClick(splash->lblCompanyProduct, Qt::LeftButton);
    QTest::mouseClick(splash, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    settle();
    EXPECT_FALSE(watched.isNull());
    EXPECT_EQ(menus(), 0);
    // The timer still gives way.
    splash->Timer1->setInterval(10);
    QTRY_VERIFY_WITH_TIMEOUT(watched.isNull(), 2000);
    expectMenuShownOnce();
}

} // namespace
} // namespace velmora::test
