#include "support/UiTest.h"

#include "store/study/WorkSelection.h"
#include "ui/services/WindowRegistry.h"
#include "ui/works/QuantityBoxes.h"
#include "ui/works/form5.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include <array>

namespace velmora::test {
namespace {

using ui::form5;
using ui::WindowRegistry;

class form5Test : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        folder = makeStudy("ΝίκοςΑλεξίου", {{"entos.dat", {" 1 "}}});
        window = WindowRegistry::show<form5>();
    }
    int shownPanel() const {
        int shown = -1;
        for (int i = 0; i < form5::kSlopes; ++i)
            if (window->picOptions[i]->isVisible()) {
                EXPECT_EQ(shown, -1) << "two panels in view";
                shown = i;
            }
        return shown;
    }
    void ctrlTab() {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window->H;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Tab, Qt::ControlModifier);
        QCoreApplication::sendEvent(target, &press);
    }
    std::string taxi() const { return bytes(folder / "taxi.dat"); }

    std::filesystem::path folder;
    form5* window = nullptr;
};

TEST_F(form5Test, TabsCarryCaptionsKeysAndDescriptions) {
    const QStringList captions = {QStringLiteral("0%-5%"), QStringLiteral("5%-20%"),
                                  QStringLiteral("20%-50%"), QStringLiteral("50%-100%"),
                                  QStringLiteral("100% ανω")};
    const QStringList keys = {QStringLiteral("0-5"), QStringLiteral("5-20"),
                              QStringLiteral("20-50"), QStringLiteral("50-100"),
                              QStringLiteral("ανω100")};
    const QStringList tips = {
        QStringLiteral("Κλίση εδάφους έως 5%"), QStringLiteral("Κλίση εδάφους 5%-20%"),
        QStringLiteral("Κλίση εδάφους 20%-50%"), QStringLiteral("Κλίση Εδάφους 50%-100%"),
        QStringLiteral("Κλίση εδάφους άνω του 100%")};
    ASSERT_EQ(window->tbsOptions->count(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(window->tbsOptions->tabText(i), captions[i]);
        EXPECT_EQ(window->tbsOptions->tabData(i).toString(), keys[i]);
        EXPECT_EQ(window->tbsOptions->tabToolTip(i), tips[i]);
        EXPECT_EQ(window->Label1[i]->text(), QStringLiteral("Εμβαδό: "));
        EXPECT_EQ(window->Label1[i]->buddy(), window->E[i]);
    }
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Ταχυμετρικες Αποτυπωσεις στην ύπαιθρο"));
    EXPECT_EQ(window->H->text(), QStringLiteral("Υψομέτρηση"));
    EXPECT_FALSE(window->H->isChecked());
    EXPECT_EQ(window->Submite->text(), QStringLiteral("Υποβολή"));
    EXPECT_EQ(window->findChildren<QFrame*>(QStringLiteral("picOptions")).size(), 5);
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowCloseButtonHint));
}

TEST_F(form5Test, OnePanelInViewAndTheOthersKeepTheirText) {
    EXPECT_EQ(window->tbsOptions->currentIndex(), 0);
    EXPECT_EQ(shownPanel(), 0);
    window->E[0]->setText(QStringLiteral("1"));
    window->tbsOptions->setCurrentIndex(3);
    EXPECT_EQ(shownPanel(), 3);
    EXPECT_TRUE(window->picOptions[3]->isEnabled());
    EXPECT_FALSE(window->picOptions[0]->isEnabled());
    window->E[3]->setText(QStringLiteral("4"));
    window->tbsOptions->setCurrentIndex(0);
    EXPECT_EQ(window->E[0]->text(), QStringLiteral("1"));
    EXPECT_EQ(window->E[3]->text(), QStringLiteral("4"));
    // Every panel stands in the same place.
    for (int i = 1; i < form5::kSlopes; ++i)
        EXPECT_EQ(window->picOptions[i]->geometry(), window->picOptions[0]->geometry());
}

TEST_F(form5Test, CtrlTabSelectsTheNextTabAndWrapsFromTheLast) {
    window->E[0]->setFocus();
    window->tbsOptions->setCurrentIndex(1);
    ctrlTab();
    EXPECT_EQ(window->tbsOptions->currentIndex(), 2);
    EXPECT_EQ(shownPanel(), 2);
    window->tbsOptions->setCurrentIndex(4);
    window->E[4]->setFocus();
    ctrlTab();
    EXPECT_EQ(window->tbsOptions->currentIndex(), 0);
    EXPECT_EQ(shownPanel(), 0);
}

TEST_F(form5Test, TheCursorStandsInTheAreaBoxOfTheTabInView) {
    settle();
    EXPECT_EQ(window->focusWidget(), window->E[0]) << "the first digits typed are not lost";
    ctrlTab();
    EXPECT_EQ(window->focusWidget(), window->E[1]);
    QKeyEvent pageDown(QEvent::KeyPress, Qt::Key_PageDown, Qt::ControlModifier);
    QCoreApplication::sendEvent(window->focusWidget(), &pageDown);
    EXPECT_EQ(window->focusWidget(), window->E[2]);
    QTest::mouseClick(window->tbsOptions, Qt::LeftButton, {},
                      window->tbsOptions->tabRect(4).center());
    EXPECT_EQ(window->tbsOptions->currentIndex(), 4);
    EXPECT_EQ(window->focusWidget(), window->E[4]);
    type(window->focusWidget(), QStringLiteral("8"));
    EXPECT_EQ(window->E[4]->text(), QStringLiteral("8"));
}

TEST_F(form5Test, AreaOnTheThirdTabWithLevellingIsStoredAndNormalised) {
    window->tbsOptions->setCurrentIndex(2);
    type(window->E[2], QStringLiteral("12"));
    window->H->setChecked(true);
    window->Submite->click();
    settle();
    EXPECT_EQ(WindowRegistry::find<form5>(), nullptr);
    EXPECT_EQ(taxi(), "\r\n\r\n12\r\n\r\n\r\n 1 \r\n");
    EXPECT_TRUE(store::WorkSelection::submit(folder).empty());
    EXPECT_EQ(taxi(), " 0 \r\n 0 \r\n 12 \r\n 0 \r\n 0 \r\n 1 \r\n");
}

TEST_F(form5Test, UntouchedWindowSubmittedWithEnterWritesFiveEmptyLinesAndNoLevelling) {
    QTest::keyClick(window->E[0], Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(taxi(), "\r\n\r\n\r\n\r\n\r\n 0 \r\n");
}

TEST_F(form5Test, EveryTabIsWrittenWithADecimalCommaTakenAsAPoint) {
    for (int i = 0; i < form5::kSlopes; ++i) {
        window->tbsOptions->setCurrentIndex(i);
        type(window->E[i], QStringLiteral("%1,5").arg(i + 1));
    }
    window->Submite->click();
    EXPECT_EQ(taxi(), "1.5\r\n2.5\r\n3.5\r\n4.5\r\n5.5\r\n 0 \r\n");
}

TEST_F(form5Test, AWrongAreaOnAnotherTabIsShownAndNothingIsWritten) {
    window->tbsOptions->setCurrentIndex(3);
    type(window->E[3], QStringLiteral("πολύ"));
    window->tbsOptions->setCurrentIndex(0);
    type(window->E[0], QStringLiteral("2"));
    window->Submite->click();
    settle();
    EXPECT_NE(WindowRegistry::find<form5>(), nullptr);
    EXPECT_FALSE(std::filesystem::exists(folder / "taxi.dat"));
    EXPECT_EQ(window->tbsOptions->currentIndex(), 3);
    EXPECT_TRUE(ui::QuantityBoxes::isMarked(window->E[3]));
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains(QStringLiteral("Κλίση Εδάφους 50%-100%")));
}

struct Reopened {
    const char* stored;
    // The box of each slope as shown, with a decimal comma for the regional separator.
    std::array<const char*, form5::kSlopes> shown;
    bool ticked;
    // Whether the user clicks the levelling box before "Υποβολή".
    bool touched;
    const char* after;
};

class form5ReopenTest : public form5Test, public ::testing::WithParamInterface<Reopened> {};

TEST_P(form5ReopenTest, ShowsWhatIsStoredAndKeepsItUntilTouched) {
    const Reopened& c = GetParam();
    window->close();
    settle();
    put(folder / "taxi.dat", c.stored);
    window = WindowRegistry::show<form5>();
    for (int i = 0; i < form5::kSlopes; ++i)
        EXPECT_EQ(window->E[i]->text(), regional(QString::fromUtf8(c.shown[i]))) << i;
    EXPECT_EQ(window->H->isChecked(), c.ticked);
    if (c.touched) window->H->click();
    window->Submite->click();
    settle();
    EXPECT_EQ(WindowRegistry::find<form5>(), nullptr);
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join(u'\n').toStdString();
    EXPECT_EQ(taxi(), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Stored, form5ReopenTest,
    ::testing::Values(Reopened{"\r\n\r\n12.5\r\n\r\n-1\r\n 1 \r\n",
                               {"", "", "12,5", "", "-1"},
                               true,
                               false,
                               "\r\n\r\n12.5\r\n\r\n-1\r\n1 \r\n"},
                      // An elevation option other than 0 or 1 stays until the box is touched.
                      Reopened{" 3 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 2 \r\n",
                               {"3", "0", "0", "0", "0"},
                               true,
                               false,
                               "3 \r\n0 \r\n0 \r\n0 \r\n0 \r\n2 \r\n"},
                      Reopened{"\r\n\r\n\r\n\r\n\r\n 2 \r\n",
                               {"", "", "", "", ""},
                               true,
                               true,
                               "\r\n\r\n\r\n\r\n\r\n 0 \r\n"}));

TEST_F(form5Test, EscAndTheCloseBoxWriteNothing) {
    type(window->E[0], QStringLiteral("4"));
    window->H->setChecked(true);
    QTest::keyClick(window->E[0], Qt::Key_Escape);
    settle();
    EXPECT_EQ(WindowRegistry::find<form5>(), nullptr);
    WindowRegistry::show<form5>()->close();
    settle();
    EXPECT_EQ(WindowRegistry::find<form5>(), nullptr);
    EXPECT_FALSE(std::filesystem::exists(folder / "taxi.dat"));
}

} // namespace
} // namespace velmora::test
