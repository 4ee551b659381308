// The report shell's placement under a window manager, where a frame is added only after the
// window is shown.
#include "support/UiTest.h"

#include "report/ReportFixtures.h"

#include "ui/report/frmDocument.h"
#include "ui/report/frmMain.h"
#include "ui/services/Twips.h"
#include "ui/services/WindowRegistry.h"

#include <QAbstractTextDocumentLayout>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <QToolBar>

namespace velmora::test {
namespace {

using ui::frmMain;
using ui::Twips;

// Generous bounds: each wait ends as soon as the window manager has done its part.
constexpr int kPatience = 30000;

const QStringList kKeys = {QStringLiteral("MainLeft"), QStringLiteral("MainTop"),
                           QStringLiteral("MainWidth"), QStringLiteral("MainHeight")};

class frmMainWmTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        copyFiles(data("golden/short"), makeStudy("ΓιώργοςΠαπαδόπουλος", {}));
        QSettings settings;
        for (int i = 0; i < kKeys.size(); ++i)
            settings.setValue(QStringLiteral("Settings/") + kKeys[i], kStarting[i]);
    }

    static std::string stored() {
        QSettings settings;
        QStringList values;
        for (const QString& key : kKeys)
            values << settings.value(QStringLiteral("Settings/") + key).toString();
        return values.join(QLatin1Char(' ')).toStdString();
    }

    // Opens the shell, which fills the screen, and waits until the window manager has framed it.
    static frmMain* openMaximised() {
        frmMain::showPrincipal();
        frmMain* shell = ui::WindowRegistry::find<frmMain>();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(shell, kPatience));
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return shell->frameGeometry() != shell->geometry(); }, kPatience))
            << "the window manager gave the shell no frame";
        EXPECT_TRUE(QTest::qWaitFor([&] { return shell->isMaximized(); }, kPatience));
        return shell;
    }

    // Restores the shell and waits until it stands where it was stored.
    static void restore(frmMain* shell, const QRect& outer) {
        shell->showNormal();
        (void)QTest::qWaitFor([&] { return shell->frameGeometry() == outer; }, kPatience);
        EXPECT_EQ(shell->frameGeometry(), outer);
        EXPECT_LT(shell->height(), outer.height()) << "the frame is not added to the stored size";
    }

    const QStringList kStarting = {QStringLiteral("1500"), QStringLiteral("1200"),
                                   QStringLiteral("9000"), QStringLiteral("6870")};
    const std::string kStored = "1500 1200 9000 6870";
};

TEST_F(frmMainWmTest, ThreeOpenRestoreCloseCyclesStoreTheSameFourNumbers) {
    for (int cycle = 1; cycle <= 3; ++cycle) {
        frmMain* shell = openMaximised();
        restore(shell, Twips::rect(1500, 1200, 9000, 6870));
        shell->close();
        settle();
        EXPECT_EQ(stored(), kStored) << "after cycle " << cycle;
    }
}

TEST_F(frmMainWmTest, TheReportFitsUnwrappedWithExitInSight) {
    frmMain* shell = openMaximised();
    EXPECT_GE(shell->frameGeometry().width(), shell->screen()->availableGeometry().width() - 2);
    EXPECT_TRUE(QTest::qWaitFor([&] { return shell->Command1->isVisible(); }, kPatience));
    EXPECT_LE(shell->Command1->geometry().right(), shell->tbToolBar->width());
    const QTextDocument* report = shell->activeDocument()->rtfText->document();
    for (QTextBlock line = report->begin(); line.isValid(); line = line.next()) {
        report->documentLayout()->blockBoundingRect(line);
        EXPECT_EQ(line.layout()->lineCount(), 1) << line.text().toStdString();
    }
}

TEST_F(frmMainWmTest, AShellClosedMaximisedComesBackWithThoseBounds) {
    frmMain* shell = openMaximised();
    const QRect maximised = shell->frameGeometry();
    shell->close();
    settle();
    EXPECT_EQ(stored(), QStringLiteral("%1 %2 %3 %4")
                            .arg(maximised.x() * 15)
                            .arg(maximised.y() * 15)
                            .arg(maximised.width() * 15)
                            .arg(maximised.height() * 15)
                            .toStdString());
    restore(openMaximised(), maximised);
}

} // namespace
} // namespace velmora::test
