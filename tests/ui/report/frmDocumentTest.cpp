#include "support/UiTest.h"

#include "report/ReportFixtures.h"

#include "calc/ReportText.h"
#include "messages/Describe.h"
#include "ui/report/frmDocument.h"
#include "ui/services/Twips.h"

#include <QFontDatabase>
#include <QTextEdit>

#include <memory>

namespace velmora::test {
namespace {

using ui::frmDocument;

QString shown(const std::string& report) {
    return QString::fromStdString(report).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

class frmDocumentTest : public UiTest {
protected:
    std::filesystem::path studyWith(const std::string& sections) {
        auto study = makeStudy("ΓιώργοςΠαπαδόπουλος", {});
        copyFiles(data("golden/" + sections), study);
        return study;
    }
};

TEST_F(frmDocumentTest, ShowsTheJoinedReportOfTheCurrentStudy) {
    for (const char* sections : {"full-comma", "short", "empty"}) {
        SCOPED_TRACE(sections);
        auto study = studyWith(sections);
        const calc::ReportText::Report report = calc::ReportText::join(study);
        ASSERT_TRUE(report.missing.empty());
        frmDocument window(QStringLiteral("Velmora"));
        EXPECT_EQ(window.rtfText->toPlainText(), shown(report.text));
        EXPECT_TRUE(window.problem().isEmpty());
        std::filesystem::remove_all(study);
    }
}

TEST_F(frmDocumentTest, GreekLinesAndLeadingTabsArriveUnchanged) {
    studyWith("full-comma");
    frmDocument window(QStringLiteral("Document 1"));
    const QString text = window.rtfText->toPlainText();
    EXPECT_TRUE(text.startsWith(QStringLiteral("\tΑμοιβές τοπογραφικών εργασιών")));
    EXPECT_TRUE(text.contains(QStringLiteral("\n\t\t\tVELMORA ΤΟΠΟΓΡΑΦΙΚΩΝ ΕΡΓΑΣΙΩΝ\n")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("\n")));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Document 1"));
}

TEST_F(frmDocumentTest, MissingSectionsAreNamedAndTheRestIsShown) {
    auto study = studyWith("short");
    std::filesystem::remove(study / "synola.dat");
    std::filesystem::remove(study / "trig1.dat");
    const calc::ReportText::Report report = calc::ReportText::join(study);
    frmDocument window(QStringLiteral("Velmora"));
    EXPECT_EQ(window.problem(),
              QString::fromStdString(messages::missingSections({"trig1.dat", "synola.dat"})));
    EXPECT_EQ(window.rtfText->toPlainText(), shown(report.text));
    EXPECT_FALSE(window.rtfText->toPlainText().isEmpty());
    // The window itself says nothing: the shell shows the problem once for the press.
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(frmDocumentTest, NoCurrentStudyLeavesTheBoxEmptyWithAReason) {
    frmDocument window(QStringLiteral("Velmora"));
    EXPECT_TRUE(window.rtfText->toPlainText().isEmpty());
    EXPECT_TRUE(window.problem().contains(QStringLiteral("μελέτη")));
}

TEST_F(frmDocumentTest, BoxKeepsItsMarginsAndSurvivesShrinking) {
    studyWith("short");
    frmDocument window(QStringLiteral("Velmora"));
    window.resize(600, 400);
    window.show();
    settle();
    // 100 twips around the box; lines wrap 400 twips inside its width.
    const QRect box = window.rtfText->geometry();
    EXPECT_EQ(box, ui::Twips::rect(100, 100, 600 * 15 - 200, 400 * 15 - 200));
    EXPECT_EQ(window.rtfText->lineWrapMode(), QTextEdit::FixedPixelWidth);
    EXPECT_EQ(window.rtfText->lineWrapColumnOrWidth(), ui::Twips::toPixels(box.width() * 15 - 400));

    window.resize(10, 5);
    settle();
    EXPECT_EQ(window.rtfText->geometry(), box);
    window.resize(300, 200);
    settle();
    EXPECT_EQ(window.rtfText->geometry(),
              ui::Twips::rect(100, 100, 300 * 15 - 200, 200 * 15 - 200));
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(frmDocumentTest, ReportFontHasGreekLettersAtElevenAndAQuarterPoints) {
    frmDocument window(QStringLiteral("Velmora"));
    const QFont font = window.rtfText->font();
    EXPECT_DOUBLE_EQ(font.pointSizeF(), 11.25);
    EXPECT_FALSE(font.bold());
    EXPECT_TRUE(
        QFontDatabase::writingSystems(QFontInfo(font).family()).contains(QFontDatabase::Greek))
        << QFontInfo(font).family().toStdString();
}

} // namespace
} // namespace velmora::test
