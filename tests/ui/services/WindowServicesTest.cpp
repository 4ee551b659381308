#include "support/UiTest.h"

#include "store/text/RegionalSeparator.h"
#include "ui/report/Form13.h"
#include "ui/services/Dialogs.h"
#include "ui/services/Regional.h"
#include "ui/services/StudyAccess.h"
#include "ui/services/TabCycler.h"
#include "ui/services/Translation.h"
#include "ui/services/Twips.h"
#include "ui/services/WindowRegistry.h"
#include "ui/shell/arxeio.h"
#include "ui/shell/error_trig.h"
#include "ui/shell/help.h"
#include "ui/shell/palaia.h"
#include "ui/study/Form14.h"
#include "ui/study/stoixeia.h"
#include "ui/works/Form2.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>
#include <QWindow>

#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

namespace velmora::test {
namespace {

// A window whose construction counts as its load step.
class Probe : public QWidget {
    Q_OBJECT
public:
    Probe() { ++loads; }
    static inline int loads = 0;
};

class WindowServicesTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        Probe::loads = 0;
    }
};

TEST_F(WindowServicesTest, QtsOwnDialogsAndMenusSpeakGreek) {
    ASSERT_TRUE(ui::Translation::installGreek());
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Velmora"), QStringLiteral("…"),
                    QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Ok)->text(), QStringLiteral("Εντάξει"));
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QStringLiteral("Ακύρωση"));
    QLineEdit line;
    QStringList items;
    const std::unique_ptr<QMenu> menu(line.createStandardContextMenu());
    for (QAction* action : menu->actions())
        items << action->text().section(QLatin1Char('\t'), 0, 0);
    EXPECT_TRUE(items.contains(QStringLiteral("&Αντιγραφή"))) << items.join(u' ').toStdString();
    EXPECT_TRUE(items.contains(QStringLiteral("Επιλογή όλων"))) << items.join(u' ').toStdString();
    QPrintPreviewDialog preview;
    EXPECT_EQ(preview.windowTitle(), QStringLiteral("Προεπισκόπηση εκτύπωσης"));
    // The copies box of the print dialog has a menu of its own.
    EXPECT_EQ(QCoreApplication::translate("QAbstractSpinBox", "&Step up"),
              QStringLiteral("&Αύξηση"));
}

// Each run names the separator its regional settings give (Greek ones a comma): the locale of a
// desktop, or the regional settings of Windows kept in the registry.
TEST_F(WindowServicesTest, TheSeparatorIsThatOfTheRegionalSettings) {
    const char* expected = std::getenv("VELMORA_TEST_SEPARATOR");
    if (expected == nullptr) GTEST_SKIP() << "this run names no regional separator";
    EXPECT_EQ(ui::Regional::decimalSeparator(), expected[0]);
}

TEST_F(WindowServicesTest, SecondShowBringsTheSameWindowWithoutLoadingAgain) {
    Probe* first = ui::WindowRegistry::show<Probe>();
    Probe* second = ui::WindowRegistry::show<Probe>();
    EXPECT_EQ(first, second);
    EXPECT_EQ(Probe::loads, 1);
    EXPECT_TRUE(first->isVisible());
}

TEST_F(WindowServicesTest, ClosingDestroysAndTheNextShowLoadsAfresh) {
    Probe* first = ui::WindowRegistry::show<Probe>();
    first->close();
    settle();
    EXPECT_EQ(ui::WindowRegistry::find<Probe>(), nullptr);
    ui::WindowRegistry::show<Probe>();
    EXPECT_EQ(Probe::loads, 2);
}

TEST_F(WindowServicesTest, MinimisedWindowIsRestoredWhenShownAgain) {
    Probe* window = ui::WindowRegistry::show<Probe>();
    window->showMinimized();
    settle();
    // Unless the window is minimised first, its restoring proves nothing.
    ASSERT_TRUE(window->isMinimized());
    ASSERT_TRUE(window->windowHandle()->windowStates().testFlag(Qt::WindowMinimized));
    ui::WindowRegistry::show<Probe>();
    settle();
    EXPECT_FALSE(window->isMinimized());
    EXPECT_FALSE(window->windowHandle()->windowStates().testFlag(Qt::WindowMinimized));
    EXPECT_TRUE(window->isVisible());
}

TEST_F(WindowServicesTest, TwipsConvertAtFifteenToAPixel) {
    EXPECT_EQ(ui::Twips::toPixels(8580), 572);
    EXPECT_EQ(ui::Twips::toPixels(5250), 350);
    EXPECT_EQ(ui::Twips::toPixels(-20000), -1333);
    EXPECT_EQ(ui::Twips::size(9450, 5835), QSize(630, 389));
}

TEST_F(WindowServicesTest, CtrlTabCyclesTabsFromAnyControlAndWraps) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* tabs = new QTabBar;
    for (const char* caption : {"a", "b", "c"})
        tabs->addTab(QString::fromLatin1(caption));
    layout->addWidget(tabs);
    std::vector<QWidget*> pages;
    for (int i = 0; i < 3; ++i) {
        pages.push_back(new QWidget);
        new QLineEdit(pages.back());
        layout->addWidget(pages.back());
    }
    ui::TabCycler::install(&window, tabs, pages);
    window.show();
    QApplication::setActiveWindow(&window);

    auto press = [&](int key, Qt::KeyboardModifiers modifiers) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QCoreApplication::sendEvent(QApplication::focusWidget() ? QApplication::focusWidget()
                                                                : static_cast<QWidget*>(tabs),
                                    &event);
    };
    auto focusedPage = [&] {
        for (int i = 0; i < 3; ++i)
            if (pages[static_cast<std::size_t>(i)]->isAncestorOf(QApplication::focusWidget()))
                return i;
        return -1;
    };
    press(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(tabs->currentIndex(), 1);
    EXPECT_EQ(focusedPage(), 1) << "the cursor follows to the first box of the new tab";
    press(Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(focusedPage(), 2);
    press(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(tabs->currentIndex(), 0);
    press(Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(tabs->currentIndex(), 2);
    press(Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(tabs->currentIndex(), 2);
    tabs->setCurrentIndex(1);
    EXPECT_EQ(focusedPage(), 1) << "a tab chosen by mouse takes the cursor along too";
}

TEST_F(WindowServicesTest, NoCurrentStudyGivesAGreekMessage) {
    EXPECT_FALSE(ui::StudyAccess::currentOrWarn(nullptr).has_value());
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains(QStringLiteral("μελέτη")));

    auto study = makeStudy("AB", {{"l.dat", {"1"}}});
    auto found = ui::StudyAccess::currentOrWarn(nullptr);
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->folder(), study);
    EXPECT_EQ(dialogs.messages.size(), 1);
}

// The windows that only inform or ask: Esc closes each as its Cancel would, writing nothing, even
// after something was typed or chosen in it. Each opens with the focus drawn in its first box.
struct EscapeCase {
    const char* name;
    std::function<QWidget*()> show;
};

class EscapeKeyTest : public UiTest, public ::testing::WithParamInterface<EscapeCase> {};

TEST_P(EscapeKeyTest, EscClosesTheWindowAndWritesNothing) {
    const auto study = makeStudy("ΣοφίαΚαλή", {});
    copyFiles(data("studies/full"), study);
    putLines(study / "eid.dat", {"4"});
    putLines(home() / "ergasies.dat", {"Σοφία", "Καλή"});
    QPointer<QWidget> window = GetParam().show();
    settle();
    const auto before = fileSnapshot(home());
    EXPECT_TRUE(window->testAttribute(Qt::WA_KeyboardFocusChange));
    QWidget* focused = window->focusWidget() ? window->focusWidget() : window.data();
    if (auto* box = qobject_cast<QLineEdit*>(focused)) type(box, QStringLiteral("7"));
    if (auto* list = window->findChild<QComboBox*>(QStringLiteral("EPILOGI")))
        list->setCurrentIndex(0);
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(focused, &escape);
    settle();
    EXPECT_TRUE(window.isNull() || !window->isVisible());
    EXPECT_EQ(fileSnapshot(home()), before);
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join(u' ').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Windows, EscapeKeyTest,
    ::testing::Values(
        EscapeCase{"help", [] { return ui::WindowRegistry::show<ui::help>(); }},
        EscapeCase{"error_trig", [] { return ui::WindowRegistry::show<ui::error_trig>(); }},
        EscapeCase{"palaia", [] { return ui::WindowRegistry::show<ui::palaia>(); }},
        EscapeCase{"arxeio", [] { return ui::WindowRegistry::show<ui::arxeio>(); }},
        EscapeCase{"Form13", [] { return ui::WindowRegistry::show<ui::Form13>(); }},
        EscapeCase{"Form2", [] { return ui::WindowRegistry::show<ui::Form2>(); }},
        EscapeCase{"Form14", [] { return ui::WindowRegistry::show<ui::Form14>(); }},
        EscapeCase{"stoixeia", [] { return ui::WindowRegistry::show<ui::stoixeia>(); }}),
    [](const auto& row) { return std::string(row.param.name); });

// The separator rule knows the locales by name, so that velmora-cli gives the same answer
// without the toolkit; it must agree with the toolkit for every locale the toolkit knows.
TEST(RegionalSeparator, AgreesWithTheToolkitForEveryKnownLocale) {
    const QList<QLocale> all =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    ASSERT_GT(all.size(), 300);
    for (const QLocale& known : all)
        for (const QString& name : {known.name(), QString(known.bcp47Name() + u".UTF-8"),
                                    QString(known.name() + u".ISO-8859-7@euro")}) {
            const char toolkit = QLocale(name).decimalPoint() == QStringLiteral(",") ? ',' : '.';
            EXPECT_EQ(store::RegionalSeparator::forLocale(name.toStdString()), toolkit)
                << name.toStdString();
        }
}

} // namespace
} // namespace velmora::test

#include "WindowServicesTest.moc"
