#include "support/UiTest.h"

#include "report/ReportFixtures.h"

#include "store/study/Installation.h"
#include "ui/report/frmDocument.h"
#include "ui/report/frmMain.h"
#include "ui/services/Picture.h"
#include "ui/services/Program.h"
#include "ui/services/Twips.h"
#include "ui/services/WindowRegistry.h"
#include "ui/shell/Form9.h"
#include "ui/shell/frmSplash.h"
#include "ui/shell/help.h"
#include "ui/shell/palaia.h"
#include "ui/study/stoixeia.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QTextEdit>
#include <QTimer>

#include <fstream>
#include <functional>

namespace velmora::test {
namespace {

using ui::Form9;
using ui::frmMain;
using ui::Twips;
using ui::WindowRegistry;

class Form9Test : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        menu = WindowRegistry::show<Form9>();
    }

    std::filesystem::path fullStudy() {
        auto study = makeStudy("ΓιώργοςΠαπαδόπουλος", {});
        copyFiles(data("studies/full"), study);
        return study;
    }

    // The button shows its window; a second press brings the same one forward.
    template <class W> static void expectOpensOnce(QPushButton* button) {
        SCOPED_TRACE(button->objectName().toStdString());
        button->click();
        W* opened = WindowRegistry::find<W>();
        ASSERT_NE(opened, nullptr);
        EXPECT_TRUE(opened->isVisible());
        button->click();
        EXPECT_EQ(WindowRegistry::find<W>(), opened);
    }

    // Runs the program: it must run on after `first` and end with `last`, not before, not after.
    static void expectRunsOnThenEnds(const std::function<void()>& first,
                                     const std::function<void()>& last) {
        QObject steps;
        bool ranOn = false;
        QTimer::singleShot(0, &steps, first);
        QTimer::singleShot(200, &steps, [&] {
            ranOn = true;
            last();
        });
        // A guard so that a program that never ends fails the test instead of hanging it; it
        // decides nothing on a slow machine, where the program ends long before it.
        QTimer::singleShot(60000, &steps, [] { QCoreApplication::exit(7); });
        EXPECT_EQ(QCoreApplication::exec(), 0);
        EXPECT_TRUE(ranOn);
        settle();
    }

    Form9* menu = nullptr;
};

TEST_F(Form9Test, ButtonsStandWhereTheMenuPutsThem) {
    EXPECT_EQ(menu->windowTitle(), QStringLiteral("Velmora Τοπογραφικών "));
    EXPECT_EQ(menu->size(), QSize(630, 389));
    EXPECT_EQ(menu->Label1->text(), QStringLiteral("VELMORA ΤΟΠΟΓΡΑΦΙΚΩΝ ΕΡΓΑΣΙΩΝ"));
    EXPECT_EQ(menu->Label1->font().pointSize(), 18);
    EXPECT_EQ(menu->Label2->text(), QStringLiteral("ΠΡΟΕΔΡΙΚΟ ΔΙΑΤΑΓΜΑ ΥΠ' ΑΡΙΘΜ. 696"));
    EXPECT_EQ(menu->Picture1->size(), QSize(314, 260));

    const std::pair<QPushButton*, const char*> column[] = {{menu->new_, "Νέα Μελέτη"},
                                                           {menu->anaglosh, "Ανάγνωση Μελέτης"},
                                                           {menu->Command8, "Υπολογισμοί"},
                                                           {menu->print, "Εκτύπωση"},
                                                           {menu->Command1, "Έξοδος"}};
    int above = -1;
    for (const auto& [button, caption] : column) {
        EXPECT_EQ(button->text(), QString::fromUtf8(caption));
        EXPECT_EQ(button->size(), Twips::size(2295, 495));
        EXPECT_EQ(button->x(), menu->new_->x());
        EXPECT_GT(button->y(), above);
        above = button->y();
    }
    EXPECT_EQ(menu->new_->objectName(), QStringLiteral("new"));
    EXPECT_EQ(menu->Command2->text(), QStringLiteral("Βοήθεια"));
    EXPECT_EQ(menu->Command2->size(), Twips::size(1095, 375));
    EXPECT_EQ(menu->Command2->geometry().center().x(), menu->Picture1->geometry().center().x());
    EXPECT_GT(menu->Command2->y(), menu->Picture1->geometry().bottom());
    // Nothing sticks out of the window.
    for (QWidget* child : menu->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(menu->rect().contains(child->geometry())) << child->objectName().toStdString();
}

TEST_F(Form9Test, CalculationHoldsTheFocusFirst) {
    settle();
    EXPECT_EQ(menu->focusWidget(), menu->Command8);
    EXPECT_EQ(menu->Command8->nextInFocusChain(), menu->print);
}

TEST_F(Form9Test, EnterPressesTheFocusedButton) {
    menu->Command2->setFocus();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(menu->Command2, &enter);
    settle();
    auto* shown = WindowRegistry::find<ui::help>();
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(dialogs.messages.isEmpty()) << "the calculation was not run instead";
    // In help, Enter presses its OK whatever has the focus there.
    QCoreApplication::sendEvent(shown->Text1, &enter);
    settle();
    EXPECT_EQ(WindowRegistry::find<ui::help>(), nullptr);
}

TEST_F(Form9Test, NewStudyPreviousStudyAndHelpOpenTheirWindowsOnce) {
    expectOpensOnce<ui::stoixeia>(menu->new_);
    expectOpensOnce<ui::palaia>(menu->anaglosh);
    expectOpensOnce<ui::help>(menu->Command2);
    // The menu stays usable beside them.
    EXPECT_TRUE(menu->isVisible());
}

TEST_F(Form9Test, WithoutACurrentStudyBothActionsSayWhyAndWriteNothing) {
    const auto before = fileSnapshot(home());
    menu->Command8->click();
    menu->print->click();
    ASSERT_EQ(dialogs.messages.size(), 2);
    for (const QString& message : dialogs.messages)
        EXPECT_TRUE(message.contains(QStringLiteral("μελέτη"))) << message.toStdString();
    EXPECT_EQ(fileSnapshot(home()), before);
    EXPECT_EQ(WindowRegistry::find<frmMain>(), nullptr);
}

TEST_F(Form9Test, CalculationWritesTheSectionsWithTheRegionalSeparator) {
    auto study = fullStudy();
    menu->Command8->click();
    EXPECT_TRUE(dialogs.messages.isEmpty());
    for (const char* section : {"arxi1.dat", "trig1.dat", "synola.dat", "telos.dat"})
        EXPECT_EQ(bytes(study / section), bytes(data(fullSections()) / section)) << section;
}

TEST_F(Form9Test, ASectionThatCannotBeWrittenIsToldInGreek) {
    auto study = fullStudy();
    std::filesystem::create_directories(study / "telos.dat" / "in-the-way");
    menu->Command8->click();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains(QStringLiteral("telos.dat")));
    // The other sections were still written.
    EXPECT_EQ(bytes(study / "synola.dat"), bytes(data(fullSections()) / "synola.dat"));
}

TEST_F(Form9Test, WhatDoesNotAddUpIsToldInOneMessageAndTheSectionsAreWritten) {
    auto study = fullStudy();
    put(study / "polygon.dat", " -4 \r\n");
    put(study / "l.dat", "abc\r\n");
    put(study / "oix.dat", "nan\r\n");
    menu->Command8->click();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains(QStringLiteral("oix.dat: το στοιχείο «nan»")))
        << dialogs.messages[0].toStdString();
    EXPECT_TRUE(dialogs.messages[0].contains(QStringLiteral("polygon.dat: ")))
        << dialogs.messages[0].toStdString();
    EXPECT_TRUE(dialogs.messages[0].contains(QStringLiteral("l.dat: ")))
        << dialogs.messages[0].toStdString();
    EXPECT_EQ(bytes(study / "polygon1.dat"), "");
    EXPECT_EQ(bytes(study / "trig1.dat"), bytes(data("golden/full-comma/trig1.dat")));
}

TEST_F(Form9Test, PrintShowsTheReportAndReadsTheOpenOnesAgain) {
    auto study = makeStudy("ΓιώργοςΠαπαδόπουλος", {});
    copyFiles(data("golden/short"), study);
    menu->print->click();
    frmMain* shell = WindowRegistry::find<frmMain>();
    ASSERT_NE(shell, nullptr);
    ui::frmDocument* principal = shell->activeDocument();
    ASSERT_NE(principal, nullptr);
    EXPECT_EQ(principal->windowTitle(), QStringLiteral("Velmora"));
    const QString loaded = principal->rtfText->toPlainText();

    // A new calculation, then print again: the open windows come forward with the new report.
    copyFiles(data("studies/full"), study);
    menu->Command8->click();
    menu->print->click();
    EXPECT_EQ(shell->activeDocument(), principal);
    EXPECT_EQ(shell->mdiArea->subWindowList().size(), 2);
    const QString fresh = principal->rtfText->toPlainText();
    EXPECT_NE(fresh, loaded);
    for (QMdiSubWindow* window : shell->mdiArea->subWindowList())
        EXPECT_EQ(qobject_cast<ui::frmDocument*>(window->widget())->rtfText->toPlainText(), fresh);
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join(u'\n').toStdString();
}

TEST_F(Form9Test, AReportOlderThanTheStudyIsToldAndCalculatedWhenTheUserSaysSo) {
    auto study = fullStudy();
    copyFiles(data(fullSections()), study);
    put(study / "l.dat", "2\r\n");
    writtenInOrder(study, {"l.dat"});

    // Declined: the report shows as it was worked out.
    menu->print->click();
    ASSERT_EQ(dialogs.questions.size(), 1);
    EXPECT_TRUE(dialogs.questions[0].contains(QStringLiteral("(l.dat)")))
        << dialogs.questions[0].toStdString();
    EXPECT_EQ(bytes(study / "synola.dat"), bytes(data(fullSections()) / "synola.dat"));
    frmMain* shell = WindowRegistry::find<frmMain>();
    ASSERT_NE(shell, nullptr);
    const QString old = shell->activeDocument()->rtfText->toPlainText();

    // The shell's buttons ask too; accepted, the calculation runs on the study shown, and every
    // window reads its own study anew, even with another study made current meanwhile.
    const auto other = makeStudy("ΆλληΜελέτη", {});
    dialogs.answer = true;
    shell->tbToolBar_ButtonClick(shell->Preview);
    EXPECT_EQ(dialogs.questions.size(), 2);
    EXPECT_EQ(dialogs.previews, 1);
    EXPECT_NE(bytes(study / "synola.dat"), bytes(data(fullSections()) / "synola.dat"));
    EXPECT_FALSE(std::filesystem::exists(other / "synola.dat"));
    const QString fresh = shell->activeDocument()->rtfText->toPlainText();
    EXPECT_NE(fresh, old);
    for (QMdiSubWindow* window : shell->mdiArea->subWindowList()) {
        auto* document = qobject_cast<ui::frmDocument*>(window->widget());
        EXPECT_EQ(document->study(), study);
        EXPECT_EQ(document->rtfText->toPlainText(), fresh);
    }
    ASSERT_TRUE(store::Installation::setCurrentStudy(home(), study));

    // As new as the study now: nothing more is asked.
    dialogs.confirmPrint = false;
    menu->print->click();
    shell->tbToolBar_ButtonClick(shell->Print);
    EXPECT_EQ(dialogs.questions.size(), 2);
    EXPECT_EQ(dialogs.printDialogs, 1);
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join(u'\n').toStdString();
}

TEST_F(Form9Test, ExitEndsTheProgramWithoutTheShellSavingItsPlacement) {
    auto study = makeStudy("ΓιώργοςΠαπαδόπουλος", {});
    copyFiles(data("golden/short"), study);
    menu->print->click();
    ASSERT_NE(WindowRegistry::find<frmMain>(), nullptr);

    QTimer::singleShot(0, menu->Command1, &QPushButton::click);
    // A guard so that a broken exit fails the test instead of hanging it.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(7); });
    guard.start(60000);
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_FALSE(QSettings().contains(QStringLiteral("Settings/MainLeft")));
}

// The program ends when its last window closes, whichever that is, and not before.
TEST_F(Form9Test, TheLastWindowToCloseEndsTheProgram) {
    auto study = makeStudy("ΓιώργοςΠαπαδόπουλος", {});
    copyFiles(data("golden/short"), study);
    const std::pair<const char*, std::function<QWidget*()>> others[] = {
        {"palaia", [] { return WindowRegistry::show<ui::palaia>(); }},
        // How Windows keeps it out of the task bar: it counts all the same.
        {"palaia with an owner",
         [] {
             auto* window = WindowRegistry::show<ui::palaia>();
             ui::Program::keepOutOfTaskBar(window);
             return window;
         }},
        {"help", [] { return WindowRegistry::show<ui::help>(); }},
        {"stoixeia", [] { return WindowRegistry::show<ui::stoixeia>(); }},
        {"frmMain",
         [this] {
             menu->print->click();
             return WindowRegistry::find<frmMain>();
         }},
    };
    for (const auto& [name, open] : others)
        for (const bool menuFirst : {true, false}) {
            SCOPED_TRACE(std::string(name) + (menuFirst ? ", menu closed first" : ", menu last"));
            menu = WindowRegistry::show<Form9>();
            QPointer<QWidget> first = menu;
            QPointer<QWidget> last = open();
            ASSERT_TRUE(last);
            if (!menuFirst) std::swap(first, last);
            expectRunsOnThenEnds([first] { first->close(); }, [last] { last->close(); });
        }
}

// The splash gives way to the menu without ending the program.
TEST_F(Form9Test, TheSplashDoesNotEndTheProgram) {
    menu->close();
    settle();
    auto* splash = WindowRegistry::show<ui::frmSplash>();
    expectRunsOnThenEnds([splash] { splash->Timer1_Timer(); },
                         [] { WindowRegistry::find<Form9>()->close(); });
}

} // namespace
} // namespace velmora::test
