#include "support/UiTest.h"

#include "report/ReportFixtures.h"

#include "store/base/TextPath.h"

#include "print/ReportPrinter.h"
#include "ui/report/frmDocument.h"
#include "ui/report/frmMain.h"
#include "ui/services/WindowRegistry.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QTextCursor>
#include <QTextEdit>

namespace velmora::test {
namespace {

using ui::frmDocument;
using ui::frmMain;

class ReportPrinterTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        auto study = makeStudy("ΓιώργοςΠαπαδόπουλος", {});
        copyFiles(data("golden/full-comma"), study);
        pdf = home() / "printed.pdf";
        dialogs.onPrint = [this](QPrintDialog& dialog) {
            title = dialog.windowTitle();
            range = dialog.printRange();
            pageRangeOffered = dialog.testOption(QAbstractPrintDialog::PrintPageRange);
            // The user picks all pages: the program prints by the box's selection regardless.
            dialog.setPrintRange(QAbstractPrintDialog::AllPages);
            dialog.printer()->setOutputFormat(QPrinter::PdfFormat);
            dialog.printer()->setOutputFileName(
                QString::fromStdString(store::TextPath::toUtf8(pdf)));
        };
        principal = frmMain::showPrincipal();
        shell = ui::WindowRegistry::find<frmMain>();
    }

    void pressPrint() { shell->tbToolBar_ButtonClick(shell->Print); }

    // Selects the whole lines from `first` to just before `last`.
    void select(const QString& first, const QString& last) {
        const QString text = principal->rtfText->toPlainText();
        QTextCursor cursor(principal->rtfText->document());
        cursor.setPosition(text.indexOf(first));
        cursor.setPosition(text.indexOf(last), QTextCursor::KeepAnchor);
        principal->rtfText->setTextCursor(cursor);
    }

    std::filesystem::path pdf;
    frmDocument* principal = nullptr;
    frmMain* shell = nullptr;
    QString title;
    QAbstractPrintDialog::PrintRange range = QAbstractPrintDialog::PageRange;
    bool pageRangeOffered = true;
};

TEST_F(ReportPrinterTest, WithoutSelectionTheWholeReportIsPrinted) {
    if (!canReadPdf()) GTEST_SKIP() << kNoPdfReader;
    pressPrint();
    EXPECT_EQ(dialogs.printDialogs, 1);
    EXPECT_EQ(title, QStringLiteral("Print"));
    EXPECT_EQ(range, QAbstractPrintDialog::AllPages);
    EXPECT_FALSE(pageRangeOffered);
    const QString printed = pdfText(pdf);
    EXPECT_TRUE(printed.contains(QStringLiteral("Αμοιβές τοπογραφικών εργασιών")));
    EXPECT_TRUE(printed.contains(QStringLiteral("ΠΟΛΥΓΩΝΟΜΕΤΡΙΚΑ ΣΗΜΕΙΑ")));
    EXPECT_TRUE(printed.contains(QStringLiteral("VELMORA ΤΟΠΟΓΡΑΦΙΚΩΝ ΕΡΓΑΣΙΩΝ")));
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(ReportPrinterTest, WithASelectionOnlyTheSelectionIsPrinted) {
    if (!canReadPdf()) GTEST_SKIP() << kNoPdfReader;
    select(QStringLiteral("\tΠΟΛΥΓΩΝΟΜΕΤΡΙΚΑ ΣΗΜΕΙΑ"), QStringLiteral("\tΤΑΧΥΜΕΤΡΙΚΕΣ"));
    pressPrint();
    EXPECT_EQ(range, QAbstractPrintDialog::Selection);
    const QString printed = pdfText(pdf);
    EXPECT_TRUE(printed.contains(QStringLiteral("ΠΟΛΥΓΩΝΟΜΕΤΡΙΚΑ ΣΗΜΕΙΑ")));
    EXPECT_FALSE(printed.contains(QStringLiteral("VELMORA ΤΟΠΟΓΡΑΦΙΚΩΝ ΕΡΓΑΣΙΩΝ")));
    EXPECT_TRUE(printed.contains(QStringLiteral("4 X 390 = 1560")));
    EXPECT_FALSE(printed.contains(QStringLiteral("ΤΑΧΥΜΕΤΡΙΚΕΣ")));
}

TEST_F(ReportPrinterTest, TheActiveWindowIsTheOnePrinted) {
    if (!canReadPdf()) GTEST_SKIP() << kNoPdfReader;
    principal->rtfText->setPlainText(QStringLiteral("Μόνο αυτή η γραμμή\n"));
    pressPrint();
    EXPECT_EQ(pdfReport(pdf).trimmed(), QStringLiteral("Μόνο αυτή η γραμμή"));
}

TEST_F(ReportPrinterTest, CancelPrintsNothing) {
    dialogs.confirmPrint = false;
    pressPrint();
    EXPECT_EQ(dialogs.printDialogs, 1);
    EXPECT_FALSE(std::filesystem::exists(pdf));
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(ReportPrinterTest, NoReportWindowOrAnotherButtonDoesNothing) {
    QAction other(QStringLiteral("print"));
    other.setData(QStringLiteral("print"));
    shell->tbToolBar_ButtonClick(&other);
    EXPECT_EQ(dialogs.printDialogs, 0);

    shell->mdiArea->closeAllSubWindows();
    settle();
    ASSERT_EQ(shell->activeDocument(), nullptr);
    pressPrint();
    EXPECT_EQ(dialogs.printDialogs, 0);
    EXPECT_FALSE(std::filesystem::exists(pdf));
}

TEST_F(ReportPrinterTest, EveryLineOfALongReportReachesThePages) {
    if (!canReadPdf()) GTEST_SKIP() << kNoPdfReader;
    QString text;
    for (int line = 1; line <= 240; ++line)
        text += QStringLiteral("\tΓραμμή %1 της έκθεσης\r\n").arg(line);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(store::TextPath::toUtf8(pdf)));
    ASSERT_TRUE(print::ReportPrinter::print(text, printer, QDate(2026, 3, 9)));
    const QString printed = pdfText(pdf);
    for (int line = 1; line <= 240; ++line)
        EXPECT_TRUE(printed.contains(QStringLiteral("Γραμμή %1 της").arg(line))) << line;

    // Every page says, at its foot, which of how many it is and when it was printed.
    const QStringList pages = printed.split(QChar(u'\f'), Qt::SkipEmptyParts);
    ASSERT_GE(pages.size(), 4);
    const QRegularExpression foot(QStringLiteral("Σελίδα (\\d+) από (\\d+) +09/03/2026\\s*$"));
    for (int page = 0; page < pages.size(); ++page) {
        const QRegularExpressionMatch match = foot.match(pages[page]);
        ASSERT_TRUE(match.hasMatch()) << page;
        EXPECT_EQ(match.captured(1).toInt(), page + 1);
        EXPECT_EQ(match.captured(2).toInt(), pages.size());
    }
}

// A section (from one line of 83 hyphens to the next) that would cross the foot of a page starts
// the next page instead, when it fits on one; one longer than a page runs on as it must.
TEST_F(ReportPrinterTest, ASectionThatFitsOnAPageIsNotSplit) {
    if (!canReadPdf()) GTEST_SKIP() << kNoPdfReader;
    const QString ruler(83, QLatin1Char('-'));
    QString text = QStringLiteral("\tΑμοιβές\r\n");
    for (int section = 1; section <= 12; ++section) {
        text += ruler + QStringLiteral("\r\n\tΕνότητα %1\r\n").arg(section);
        for (int line = 1; line <= 13; ++line)
            text += QStringLiteral("\tεν%1γρ%2\r\n").arg(section).arg(line);
    }
    text += ruler + QStringLiteral("\r\n");
    for (int line = 1; line <= 150; ++line)
        text += QStringLiteral("\tμακριά%1\r\n").arg(line);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(store::TextPath::toUtf8(pdf)));
    ASSERT_TRUE(print::ReportPrinter::print(text, printer));

    const QStringList pages = pdfText(pdf).split(QChar(u'\f'), Qt::SkipEmptyParts);
    ASSERT_GE(pages.size(), 5);
    const auto pageOf = [&pages](const QString& line) {
        const QRegularExpression whole(QStringLiteral("\\b%1\\b").arg(line),
                                       QRegularExpression::UseUnicodePropertiesOption);
        for (int page = 0; page < pages.size(); ++page)
            if (pages[page].contains(whole)) return page;
        return -1;
    };
    for (int section = 1; section <= 12; ++section) {
        const int page = pageOf(QStringLiteral("Ενότητα %1").arg(section));
        ASSERT_GE(page, 0) << section;
        EXPECT_EQ(pageOf(QStringLiteral("εν%1γρ13").arg(section)), page) << section;
    }
    EXPECT_LT(pageOf(QStringLiteral("μακριά1")), pageOf(QStringLiteral("μακριά150")));
}

// A report taller than the layout's coordinates reach at the printer's resolution (at 1200 dpi,
// some 150,000 lines) once printed as a single blank page. At a finer resolution fewer lines
// make it as tall.
TEST_F(ReportPrinterTest, AReportTallerThanTheLayoutReachesPrintsEveryPage) {
    if (!canReadPdf()) GTEST_SKIP() << kNoPdfReader;
    QString text;
    constexpr int kLines = 12000;
    for (int line = 1; line <= kLines; ++line)
        text += QStringLiteral("L%1\r\n").arg(line);
    QPrinter printer(QPrinter::HighResolution);
    printer.setResolution(19200);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(store::TextPath::toUtf8(pdf)));
    ASSERT_TRUE(print::ReportPrinter::print(text, printer));
    const QStringList printed =
        pdfReport(pdf).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    EXPECT_EQ(printed.size(), kLines);
    EXPECT_EQ(printed.value(0), QStringLiteral("L1"));
    EXPECT_EQ(printed.value(kLines - 1), QStringLiteral("L%1").arg(kLines));
}

TEST_F(ReportPrinterTest, FailingPrinterIsReportedAndLeavesNoFile) {
    if (!canReadPdf()) GTEST_SKIP() << kNoPdfReader;
    const auto blocked = home() / "no-such-folder" / "report.pdf";
    dialogs.onPrint = [&](QPrintDialog& dialog) {
        dialog.printer()->setOutputFormat(QPrinter::PdfFormat);
        dialog.printer()->setOutputFileName(
            QString::fromStdString(store::TextPath::toUtf8(blocked)));
    };
    pressPrint();
    EXPECT_EQ(dialogs.messages.size(), 1);
    EXPECT_FALSE(std::filesystem::exists(blocked));

    EXPECT_FALSE(print::ReportPrinter::writePdf(QStringLiteral("x"), blocked).ok());
    EXPECT_TRUE(print::ReportPrinter::writePdf(QStringLiteral("Έκθεση"), pdf).ok());
    EXPECT_EQ(pdfReport(pdf).trimmed(), QStringLiteral("Έκθεση"));
    EXPECT_FALSE(std::filesystem::exists(home() / "printed.pdf.part"));
}

} // namespace
} // namespace velmora::test
