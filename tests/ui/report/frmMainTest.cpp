#include "support/UiTest.h"

#include "report/ReportFixtures.h"

#include "store/base/TextPath.h"

#include "ui/report/frmDocument.h"
#include "ui/report/frmMain.h"
#include "ui/services/Regional.h"
#include "ui/services/Twips.h"
#include "ui/services/WindowRegistry.h"

#include "store/files/AtomicFile.h"
#include "store/files/ValueFile.h"

#include <QDate>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>

#include <QLabel>
#include <QPointer>

namespace velmora::test {
namespace {

using ui::frmDocument;
using ui::frmMain;
using ui::Twips;
using ui::WindowRegistry;

QStringList captions(frmMain* shell) {
    QStringList titles;
    for (QMdiSubWindow* window : shell->mdiArea->subWindowList(QMdiArea::StackingOrder))
        titles << window->widget()->windowTitle();
    return titles;
}

QString numbered(int offset) {
    return QStringLiteral("Document %1").arg(frmMain::documentCounter() + offset);
}

class frmMainTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        study = makeStudy("ΓιώργοςΠαπαδόπουλος", {});
        copyFiles(data("golden/short"), study);
    }

    static frmMain* shell() { return WindowRegistry::find<frmMain>(); }

    void closeShell() {
        shell()->close();
        settle();
        ASSERT_EQ(shell(), nullptr);
    }

    static QString stored(const char* key) {
        QSettings settings;
        return settings.value(QStringLiteral("Settings/") + QString::fromLatin1(key)).toString();
    }
    static void store(const char* key, const char* value) {
        QSettings settings;
        settings.setValue(QStringLiteral("Settings/") + QString::fromLatin1(key),
                          QString::fromUtf8(value));
    }

    std::filesystem::path study;
};

TEST_F(frmMainTest, FirstPressShowsANumberedWindowBehindThePrincipalWithTheSameText) {
    const QString first = numbered(1);
    frmDocument* principal = frmMain::showPrincipal();
    ASSERT_NE(shell(), nullptr);
    EXPECT_EQ(captions(shell()), (QStringList{first, QStringLiteral("Velmora")}));
    EXPECT_EQ(shell()->activeDocument(), principal);
    const auto windows = shell()->mdiArea->subWindowList();
    EXPECT_EQ(qobject_cast<frmDocument*>(windows[0]->widget())->rtfText->toPlainText(),
              principal->rtfText->toPlainText());
    EXPECT_FALSE(principal->rtfText->toPlainText().isEmpty());
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(frmMainTest, ReopeningTheShellNumbersTheNextWindow) {
    const QString first = numbered(1);
    const QString second = numbered(2);
    frmMain::showPrincipal();
    closeShell();
    frmMain::showPrincipal();
    EXPECT_EQ(captions(shell()), (QStringList{second, QStringLiteral("Velmora")}));
    EXPECT_NE(first, second);
}

TEST_F(frmMainTest, PrincipalStaysOneWindowAndEveryOpenWindowReadsTheSectionsAgain) {
    frmDocument* principal = frmMain::showPrincipal();
    const QString loaded = principal->rtfText->toPlainText();
    copyFiles(data("golden/full-comma"), study);

    EXPECT_EQ(frmMain::showPrincipal(), principal);
    EXPECT_EQ(shell()->mdiArea->subWindowList().size(), 2);
    EXPECT_NE(principal->rtfText->toPlainText(), loaded);
    for (QMdiSubWindow* window : shell()->mdiArea->subWindowList())
        EXPECT_EQ(qobject_cast<frmDocument*>(window->widget())->rtfText->toPlainText(),
                  principal->rtfText->toPlainText());
    EXPECT_TRUE(principal->rtfText->toPlainText().contains(QStringLiteral("ΠΟΛΥΓΩΝΟΜΕΤΡΙΚΑ")));
    EXPECT_EQ(shell()->activeDocument(), principal);
}

TEST_F(frmMainTest, ClosedPrincipalReopensAloneWithFreshText) {
    frmDocument* principal = frmMain::showPrincipal();
    const QString old = principal->rtfText->toPlainText();
    copyFiles(data("golden/full-comma"), study);
    const int counted = frmMain::documentCounter();
    principal->parentWidget()->close();
    settle();

    frmDocument* reopened = frmMain::showPrincipal();
    EXPECT_EQ(frmMain::documentCounter(), counted);
    EXPECT_EQ(shell()->mdiArea->subWindowList().size(), 2);
    EXPECT_NE(reopened->rtfText->toPlainText(), old);
    EXPECT_TRUE(reopened->rtfText->toPlainText().contains(QStringLiteral("ΠΟΛΥΓΩΝΟΜΕΤΡΙΚΑ")));
}

TEST_F(frmMainTest, AnIncompleteReportIsToldOncePerPress) {
    std::filesystem::remove(study / "telos.dat");
    frmMain::showPrincipal();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains(QStringLiteral("telos.dat")));
    frmMain::showPrincipal();
    EXPECT_EQ(dialogs.messages.size(), 2);
    // A study not calculated whole has no report to call old.
    EXPECT_TRUE(dialogs.questions.isEmpty());
}

TEST_F(frmMainTest, ControlsOfTheShell) {
    frmMain::showPrincipal();
    frmMain* window = shell();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Velmora Τοπογραφικού Διαγραμμάτων"));
    EXPECT_EQ(window->Print->text(), QStringLiteral("ΕΚΤΥΠΩΣΗ"));
    EXPECT_FALSE(window->Print->icon().isNull());
    EXPECT_EQ(window->tbToolBar->widgetForAction(window->Print)->size(), Twips::size(2090, 582));
    EXPECT_EQ(window->Command1->text(), QStringLiteral("Έξοδος"));
    EXPECT_EQ(window->Command1->parentWidget(), window->tbToolBar);
    EXPECT_EQ(window->Command1->geometry(), Twips::rect(13560, 0, 1455, 375));
    // At the default width the exit button lies beyond the toolbar's end.
    EXPECT_GT(window->Command1->x(), window->tbToolBar->width());
    const auto panels = window->sbStatusBar->findChildren<QLabel*>();
    ASSERT_EQ(panels.size(), 3);
    EXPECT_EQ(panels[0]->text(), QStringLiteral("Status"));
    for (QLabel* panel : panels)
        EXPECT_GE(panel->minimumWidth(), Twips::toPixels(1440));
}

TEST_F(frmMainTest, ReportWindowsFillAWidenedShellUntilOneIsRestored) {
    frmMain::showPrincipal();
    shell()->showNormal();
    shell()->resize(1200, 700);
    settle();
    // Each report window fills the workspace when it comes to the front.
    for (QMdiSubWindow* window : shell()->mdiArea->subWindowList()) {
        shell()->mdiArea->setActiveSubWindow(window);
        EXPECT_EQ(window->size(), shell()->mdiArea->viewport()->size());
    }
    QMdiSubWindow* restored = shell()->mdiArea->activeSubWindow();
    restored->showNormal();
    const QSize own = restored->size();
    EXPECT_LT(own.width(), shell()->mdiArea->viewport()->width());
    shell()->resize(1300, 800);
    settle();
    EXPECT_EQ(restored->size(), own);
}

TEST_F(frmMainTest, PreviewAndPdfActOnTheActiveReportWindowOnly) {
    ASSERT_TRUE(store::ValueFile::writeLines(
                    study, "stoixeia.dat",
                    {"Γιώργος", "Παπα/δόπουλος", "", "", "", "", "", "", "", "", "", ""})
                    .ok());
    frmMain::showPrincipal();
    frmMain* window = shell();
    EXPECT_EQ(window->Preview->text(), QStringLiteral("Προεπισκόπηση"));
    EXPECT_EQ(window->Pdf->text(), QStringLiteral("Αποθήκευση PDF"));
    window->tbToolBar_ButtonClick(window->Preview);
    EXPECT_EQ(dialogs.previews, 1);

    const auto pdf = home() / store::TextPath::fromUtf8("αμοιβή.pdf");
    dialogs.saveAs = QString::fromStdString(store::TextPath::toUtf8(pdf));
    window->tbToolBar_ButtonClick(window->Pdf);
    ASSERT_EQ(dialogs.proposedFiles.size(), 1);
    EXPECT_TRUE(dialogs.proposedFiles[0].endsWith(
        QStringLiteral("/Γιώργος Παπα δόπουλος %1.pdf")
            .arg(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")))))
        << dialogs.proposedFiles[0].toStdString();
    if (canReadPdf()) {
        EXPECT_TRUE(pdfText(pdf).contains(QStringLiteral("ΓΕΝΙΚΟ ΣΥΝΟΛΟ")));
    }
    for (const auto& entry : std::filesystem::directory_iterator(home()))
        EXPECT_NE(entry.path().extension(), ".tmp") << entry.path();

    window->mdiArea->closeAllSubWindows();
    settle();
    for (QAction* button : {window->Print, window->Preview, window->Pdf})
        window->tbToolBar_ButtonClick(button);
    EXPECT_EQ(dialogs.previews, 1);
    EXPECT_EQ(dialogs.printDialogs, 0);
    EXPECT_EQ(dialogs.proposedFiles.size(), 1);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(frmMainTest, ExitButtonClosesTheShellAndItsWindows) {
    frmDocument* principal = frmMain::showPrincipal();
    QPointer<frmDocument> watched(principal);
    shell()->Command1->click();
    settle();
    EXPECT_EQ(shell(), nullptr);
    EXPECT_TRUE(watched.isNull());
}

TEST_F(frmMainTest, FirstStartOpensMaximisedOverTheDefaultPlacement) {
    frmMain::showPrincipal();
    EXPECT_TRUE(shell()->isMaximized());
    shell()->showNormal();
    EXPECT_EQ(shell()->frameGeometry(), Twips::rect(1000, 1000, 6500, 6500));
}

TEST_F(frmMainTest, PlacementIsSavedInTwipsAndRestored) {
    frmMain::showPrincipal();
    shell()->showNormal();
    shell()->setGeometry(100, 120, 700, 500);
    // The outer edges are stored, frame included.
    const QRect outer = shell()->frameGeometry();
    closeShell();
    EXPECT_EQ(stored("MainLeft"), QString::number(outer.x() * 15));
    EXPECT_EQ(stored("MainTop"), QString::number(outer.y() * 15));
    EXPECT_EQ(stored("MainWidth"), QString::number(outer.width() * 15));
    EXPECT_EQ(stored("MainHeight"), QString::number(outer.height() * 15));
    frmMain::showPrincipal();
    shell()->showNormal();
    EXPECT_EQ(shell()->frameGeometry(), outer);
    EXPECT_EQ(shell()->geometry(), QRect(100, 120, 700, 500));
}

TEST_F(frmMainTest, MinimisedShellSavesNothing) {
    store("MainLeft", "3000");
    frmMain::showPrincipal();
    shell()->setGeometry(10, 10, 500, 500);
    shell()->showMinimized();
    settle();
    ASSERT_TRUE(shell()->isMinimized());
    closeShell();
    EXPECT_EQ(stored("MainLeft"), QStringLiteral("3000"));
    EXPECT_TRUE(stored("MainWidth").isNull());
}

struct StoredPlacement {
    const char* left;
    const char* top;
    const char* width;
    const char* height;
    char separator;
    QRect expected;
};

class frmMainPlacementTest : public frmMainTest,
                             public ::testing::WithParamInterface<StoredPlacement> {};

TEST_P(frmMainPlacementTest, StoredValuesAreReadOrFallBack) {
    const StoredPlacement& placement = GetParam();
    ui::Regional::overrideSeparator(placement.separator);
    store("MainLeft", placement.left);
    store("MainTop", placement.top);
    store("MainWidth", placement.width);
    store("MainHeight", placement.height);
    frmMain::showPrincipal();
    shell()->showNormal();
    EXPECT_EQ(shell()->frameGeometry(), placement.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, frmMainPlacementTest,
    ::testing::Values(
        StoredPlacement{"1500", "3000", "9000", "7500", ',', QRect(100, 200, 600, 500)},
        StoredPlacement{"1507,5", "3000,4", "9000", "7500", ',', QRect(101, 200, 600, 500)},
        StoredPlacement{"1507.5", "3000", "9000", "7500", '.', QRect(101, 200, 600, 500)},
        StoredPlacement{"abc", "3000", "", "7500", ',', QRect(67, 200, 433, 500)},
        StoredPlacement{"1500", "12x", "9000", "  ", ',', QRect(100, 67, 600, 433)}));

} // namespace
} // namespace velmora::test
