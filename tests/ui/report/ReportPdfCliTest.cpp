#include "support/UiTest.h"

#include "report/ReportFixtures.h"

#include "store/base/TextPath.h"

#include "TestProcess.h"

#include "ui/report/frmMain.h"
#include "ui/services/WindowRegistry.h"

#include <QPrintDialog>
#include <QPrinter>

namespace velmora::test {
namespace {

struct CliRun {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

class ReportPdfCliTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        study = makeStudy("ΓιώργοςΠαπαδόπουλος", {});
        pdf = home() / store::TextPath::fromUtf8("έκθεση.pdf");
    }

    // Runs velmora-cli on the test's installation folder, without the test's screen settings;
    // `environment` is what the user's own adds.
    CliRun cli(const QStringList& arguments, const std::string& environment = "") {
        std::string words;
        for (const QString& argument : arguments)
            words += "\"" + argument.toStdString() + "\" ";
#ifdef _WIN32
        const std::string clean; // Windows programs get no screen settings from the build machine
#else
        const std::string clean = "env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY ";
#endif
        const auto run = testing::TestProcess::run(
            VELMORA_CLI, words + "--home \"" + store::TextPath::toUtf8(home()) + "\"",
            clean + environment);
        return {run.exitCode, QByteArray::fromStdString(run.out), QString::fromStdString(run.err)};
    }

    std::filesystem::path study;
    std::filesystem::path pdf;
};

TEST_F(ReportPdfCliTest, WritesThePdfThatThePrintButtonPrints) {
    if (!canReadPdf()) GTEST_SKIP() << kNoPdfReader;
    copyFiles(data("golden/full-comma"), study);
    const CliRun run = cli({QStringLiteral("report"), QStringLiteral("--pdf"),
                            QString::fromStdString(store::TextPath::toUtf8(pdf))});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
    const QString written = pdfReport(pdf);
    EXPECT_TRUE(written.contains(QStringLiteral("ΙΔΙΟΚΤΗΤΗΣ:Γιώργος Παπαδόπουλος")));
    EXPECT_TRUE(written.contains(QStringLiteral("ΠΟΛΥΓΩΝΟΜΕΤΡΙΚΑ ΣΗΜΕΙΑ")));
    EXPECT_TRUE(written.contains(QStringLiteral("ΓΕΝΙΚΟ ΣΥΝΟΛΟ")));
    // A4 in points, whatever paper the machine's printers default to.
    EXPECT_NE(bytes(pdf).find("/MediaBox [0 0 595.000000 842.000000]"), std::string::npos);

    const auto printed = home() / "printed.pdf";
    dialogs.onPrint = [&](QPrintDialog& dialog) {
        dialog.printer()->setOutputFormat(QPrinter::PdfFormat);
        dialog.printer()->setOutputFileName(
            QString::fromStdString(store::TextPath::toUtf8(printed)));
    };
    ui::frmMain::showPrincipal();
    auto* shell = ui::WindowRegistry::find<ui::frmMain>();
    shell->tbToolBar_ButtonClick(shell->Print);
    EXPECT_EQ(pdfReport(printed), written);
}

// Whatever screen the environment names, there or not, the PDF is drawn; and nothing the toolkit
// says in English reaches the user.
TEST_F(ReportPdfCliTest, ThePdfIsDrawnWhateverScreenTheEnvironmentNames) {
    if (!canReadPdf()) GTEST_SKIP() << kNoPdfReader;
    copyFiles(data("golden/short"), study);
    for (const char* environment :
         {"QT_QPA_PLATFORM=xcb ", "QT_QPA_PLATFORM=wayland ",
          "QT_QPA_PLATFORM= ", "QT_QPA_PLATFORM=nosuchscreen ", "-u XDG_RUNTIME_DIR "}) {
        std::filesystem::remove(pdf);
        const CliRun run = cli({QStringLiteral("report"), QStringLiteral("--pdf"),
                                QString::fromStdString(store::TextPath::toUtf8(pdf))},
                               environment);
        EXPECT_EQ(run.exitCode, 0) << environment << run.err.toStdString();
        EXPECT_EQ(run.err, QString()) << environment;
        EXPECT_TRUE(pdfText(pdf).contains(QStringLiteral("ΓΕΝΙΚΟ ΣΥΝΟΛΟ"))) << environment;
    }
}

TEST_F(ReportPdfCliTest, MissingSectionsWriteNoFile) {
    copyFiles(data("golden/short"), study);
    std::filesystem::remove(study / "synola.dat");
    const CliRun run = cli({QStringLiteral("report"), QStringLiteral("--pdf"),
                            QString::fromStdString(store::TextPath::toUtf8(pdf))});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("synola.dat")));
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_FALSE(std::filesystem::exists(pdf));
}

TEST_F(ReportPdfCliTest, AnUnwritablePlaceIsAnErrorWithNothingLeft) {
    copyFiles(data("golden/short"), study);
    const auto nowhere = home() / "missing-folder" / "report.pdf";
    const CliRun run = cli({QStringLiteral("report"), QStringLiteral("--pdf"),
                            QString::fromStdString(store::TextPath::toUtf8(nowhere))});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("PDF"))) << run.err.toStdString();
    EXPECT_FALSE(std::filesystem::exists(nowhere.parent_path()));
}

TEST_F(ReportPdfCliTest, PdfBelongsToTheReportCommandOnly) {
    const CliRun run = cli({QStringLiteral("calc"), QStringLiteral("--pdf"),
                            QString::fromStdString(store::TextPath::toUtf8(pdf))});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("--pdf")));
    EXPECT_FALSE(std::filesystem::exists(pdf));
}

} // namespace
} // namespace velmora::test
