// The report shell's placement under a window manager, where a frame is added only after the
// window is shown.
#include "support/UiTest.h"

#include "report/ReportFixtures.h"

#include "ui/report/frmMain.h"
#include "ui/services/Twips.h"
#include "ui/services/WindowRegistry.h"

#include <QSettings>
#include <QTest>

namespace velmora::test {
namespace {

using ui::frmMain;
using ui::Twips;

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

    // Opens the shell and waits until the window manager has framed it and it stands where it
    // was stored.
    static frmMain* openFramed() {
        frmMain::showPrincipal();
        frmMain* shell = ui::WindowRegistry::find<frmMain>();
        // Generous bounds: each wait ends as soon as the window manager has done its part.
        EXPECT_TRUE(QTest::qWaitForWindowExposed(shell, kPatience));
        EXPECT_TRUE(QTest::qWaitFor([&] { return shell->frameGeometry() != shell->geometry(); },
                                    kPatience))
            << "the window manager gave the shell no frame";
        const QRect outer = Twips::rect(1500, 1200, 9000, 6870);
        (void)QTest::qWaitFor([&] { return shell->frameGeometry() == outer; }, kPatience);
        EXPECT_EQ(shell->frameGeometry(), outer);
        EXPECT_LT(shell->height(), outer.height()) << "the frame is not added to the stored size";
        return shell;
    }

    const QStringList kStarting = {QStringLiteral("1500"), QStringLiteral("1200"),
                                   QStringLiteral("9000"), QStringLiteral("6870")};
    const std::string kStored = "1500 1200 9000 6870";
};

TEST_F(frmMainWmTest, ThreeOpenCloseCyclesStoreTheSameFourNumbers) {
    for (int cycle = 1; cycle <= 3; ++cycle) {
        frmMain* shell = openFramed();
        shell->close();
        settle();
        EXPECT_EQ(stored(), kStored) << "after cycle " << cycle;
    }
}

TEST_F(frmMainWmTest, AMaximisedShellKeepsItsNormalBounds) {
    frmMain* shell = openFramed();
    const QSize normal = shell->size();
    shell->showMaximized();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return shell->isMaximized() && shell->width() > normal.width(); }, kPatience));
    shell->close();
    settle();
    EXPECT_EQ(stored(), kStored);
}

} // namespace
} // namespace velmora::test
