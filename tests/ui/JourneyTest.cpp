#include "support/UiTest.h"

#include "calc/ReportText.h"
#include "store/study/Installation.h"
#include "ui/report/frmDocument.h"
#include "ui/report/frmMain.h"
#include "ui/services/WindowRegistry.h"
#include "ui/shell/Form9.h"
#include "ui/study/Form14.h"
#include "ui/study/stoixeia.h"
#include "ui/works/Form1.h"
#include "ui/works/Form10.h"
#include "ui/works/Form11.h"
#include "ui/works/Form12.h"
#include "ui/works/Form2.h"
#include "ui/works/Form4.h"
#include "ui/works/Form6.h"
#include "ui/works/Form7.h"
#include "ui/works/Form8.h"
#include "ui/works/form3.h"
#include "ui/works/form5.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTextEdit>

namespace velmora::test {
namespace {

using namespace ui;

template <class W> W* opened() {
    W* window = WindowRegistry::find<W>();
    EXPECT_NE(window, nullptr) << typeid(W).name();
    return window;
}

class JourneyTest : public UiTest {};

// A new engineer, a new study, every work entered through its window, submit, calculation and
// printing, with the report checked against amounts worked out by hand.
TEST_F(JourneyTest, FromNewStudyToPrintedReport) {
    auto* menu = WindowRegistry::show<Form9>();
    menu->new_->click();
    auto* details = opened<stoixeia>();
    ASSERT_NE(details, nullptr);

    // The engineer is new: registered through the details window's own button.
    details->tbsOptions->setCurrentIndex(2);
    details->Command1->click();
    auto* engineer = opened<Form14>();
    ASSERT_NE(engineer, nullptr);
    type(engineer->onm, QStringLiteral("Μαρία"));
    type(engineer->Epm, QStringLiteral("Οικονόμου"));
    type(engineer->dnsm, QStringLiteral("Σόλωνος 3"));
    type(engineer->polim, QStringLiteral("Αθήνα"));
    engineer->eidikot->setCurrentIndex(0);
    engineer->Command1->click();
    settle();
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(details, &activate);
    ASSERT_EQ(details->Combo1->count(), 1);
    details->Combo1->setCurrentIndex(0);
    emit details->Combo1->activated(0);

    details->tbsOptions->setCurrentIndex(0);
    type(details->onoma, QStringLiteral("Γιώργος"));
    type(details->eponymo, QStringLiteral("Παππάς"));
    type(details->dnsh, QStringLiteral("Ερμού 5"));
    type(details->poli, QStringLiteral("Αθήνα"));
    details->tbsOptions->setCurrentIndex(1);
    type(details->dimos, QStringLiteral("Αθηναίων"));
    type(details->DD, QStringLiteral("Πλάκα"));
    type(details->uesi, QStringLiteral("Άγιος Νικόλαος"));
    ASSERT_TRUE(details->cmdOK->isEnabled());
    details->cmdOK->click();
    settle();
    ASSERT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join(u'\n').toStdString();

    auto* works = opened<Form1>();
    ASSERT_NE(works, nullptr);
    EXPECT_EQ(works->onoma->text(), QStringLiteral("Γιώργος"));
    EXPECT_EQ(works->eidikot->text(), QStringLiteral("Αγρονόμος Τοπογράφος Μηχανικός"));
    EXPECT_EQ(works->l->text(), QStringLiteral("1"));
    works->Combo1->setCurrentIndex(2);
    emit works->Combo1->activated(2);
    works->εκτος->click();

    works->Command1->click();
    auto* lambda = opened<Form2>();
    type(lambda->ll1, QStringLiteral("2,0"));
    lambda->Command1->click();
    settle();

    auto submit = [](QWidget* window, const char* button = "Command1") {
        window->findChild<QPushButton*>(QString::fromLatin1(button))->click();
        settle();
    };
    works->Command2->click();
    auto* trig = opened<form3>();
    type(trig->TsIIIT, QStringLiteral("2"));
    type(trig->TSIVT, QStringLiteral("3"));
    type(trig->OP, QStringLiteral("1"));
    submit(trig);
    works->Command3->click();
    auto* poly = opened<Form4>();
    EXPECT_EQ(poly->tex->text(), QStringLiteral("ΜΙΣΟ ΣΗΜΕΙΟ ΑΝΑ ΣΤΡΕΜΑ"));
    type(poly->poly, QStringLiteral("4"));
    submit(poly);
    works->Command4->click();
    auto* taxi = opened<form5>();
    type(taxi->E[0], QStringLiteral("10"));
    taxi->tbsOptions->setCurrentIndex(1);
    type(taxi->E[1], QStringLiteral("5"));
    taxi->H->setChecked(true);
    submit(taxi, "Submite");
    works->Command5->click();
    auto* urban = opened<Form6>();
    type(urban->ea, QStringLiteral("3,5"));
    submit(urban, "OK");
    works->Command6->click();
    auto* fronts = opened<Form7>();
    type(fronts->S, QStringLiteral("0,25"));
    submit(fronts);
    works->Command7->click();
    auto* lines = opened<Form8>();
    type(lines->rymot, QStringLiteral("10"));
    submit(lines);
    works->Command8->click();
    auto* thousandths = opened<Form10>();
    type(thousandths->anid, QStringLiteral("6"));
    submit(thousandths);
    works->Command9->click();
    auto* plots = opened<Form11>();
    type(plots->oikx, QStringLiteral("8"));
    submit(plots);
    works->Command10->click();
    auto* buildings = opened<Form12>();
    type(buildings->www, QStringLiteral("112,5"));
    submit(buildings);
    submit(works, "EXIT");
    EXPECT_EQ(WindowRegistry::find<Form1>(), nullptr);
    ASSERT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join(u'\n').toStdString();

    // Typed with a decimal comma, stored with a point whatever the desktop's locale.
    const auto found = store::Installation::currentStudy(home());
    ASSERT_TRUE(found);
    const std::filesystem::path& current = *found;
    EXPECT_EQ(bytes(current / "asti.dat"), " 3.5 \r\n");
    EXPECT_EQ(bytes(current / "analog.dat"), " .25 \r\n");

    menu->Command8->click();
    ASSERT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join(u'\n').toStdString();
    auto report = calc::ReportText::join(current);
    ASSERT_TRUE(report.missing.empty());
    const std::vector<std::string> text = TestFiles::lines(report.text);
    auto has = [&](const std::string& line) {
        return std::find(text.begin(), text.end(), line) != text.end();
    };

    // Worked out by hand, scale 1:500, outside the plan, λ 2:
    //   fronts 0.25 km × 84000 = 21000; open country 10 × 130 + 5 × 143 = 2015, with levelling
    //   × 1.6 = 3224; urban 3.5 × 273 = 955.5; polygonometry 4 × 260 = 1040; lines 10 × 104 =
    //   1040; triangulation 2 × 10400 + 3 × 4550 + 1 × 1300 = 35750; buildings (112.5 m2 gives
    //   13 points) 13 × 390 = 5070; thousandths 6 × 110 = 660; plots 8 × 390 = 3120.
    //   Total 71859.5, fee × 2 = 143719; 18% 25869.42, 4% 5748.76, 3% 4311.57, 2% 2874.38;
    //   with all four 143719 × 1.27 = 182523.13.
    for (const char* line : {
             "\t ,25 X 84000 =  21000 ",
             "\tΚλίση 0%-5%    10 X 130 = 1300 ",
             "\tΚλίση 5%-20%   5 X 143 = 715 ",
             "\tΥΨΟΜΕΤΡΙΑ  2015  Χ 60% = 1209 ",
             "\tΣυνολο.............: 3224 ",
             "\t 3,5 X 273 = 955,5 ",
             "\t 4 X 260 = 1040 ",
             "\t 10 X 104 = 1040 ",
             "\t 2 X 10400 = 20800 ",
             "\t 3 X 4550 = 13650 ",
             "\t 1 X 1300 = 1300 ",
             "\tΣΥΝΟΛΟ =  35750 ",
             "\t 13 X 390 = 5070 ",
             "\t 6 X 110 = 660 ",
             "\t 8 X 390 = 3120 ",
             "ΙΔΙΟΚΤΗΤΗΣ:Γιώργος Παππάς",
             "Ερμού 5 Αθήνα",
             "Κλίμακα 1: 500 ",
             "Συντελεστής λ= 2 ",
             "ΠΕΡΙΟΧΗ ΕΚΤΟΣ ΣΧΕΔΙΟΥ ΠΟΛΕΩΣ & ΕΚΤΟΣ ΟΙΚΙΣΜΟΥ",
             "\t Μαρία Οικονόμου",
             "\t Αγρονόμος Τοπογράφος Μηχανικός",
             "\t Σόλωνος 3  Αθήνα",
         })
        EXPECT_TRUE(has(regional(std::string(line)))) << line;
    EXPECT_FALSE(has("\tΕμπροσθοτομία 0 ")) << "an item of zero writes no lines";

    std::vector<std::string> totals = {
        "ΓΕΝΙΚΟ ΣΥΝΟΛΟ...... 71859,5 ",
        std::string(25, '-'),
        "ΑΜΟΙΒΗ ΜΕΛΈΤΗΣ =  71859,5  X  2  =  143719 ",
        "\tΦ.Π.Α. 18%     =  25869,42 ",
        "\tΦ.Ε.Μ   4%     =  5748,76 ",
        "\tΤΣΜΕΔΕ  3% =  4311,57 ",
        "\tT.E.E   2%     =  2874,38 ",
        "\t" + std::string(31, '-'),
        "\tΣΥΝΟΛΟ.........=  182523,13 ",
    };
    for (std::string& line : totals)
        line = regional(line);
    auto at = std::find(text.begin(), text.end(), totals.front());
    ASSERT_NE(at, text.end());
    ASSERT_GE(text.end() - at, static_cast<long>(totals.size()));
    EXPECT_EQ(std::vector<std::string>(at, at + static_cast<long>(totals.size())), totals);

    // "Εκτύπωση": the report window shows the same report, and its shell prints it.
    const std::filesystem::path pdf = home() / "report.pdf";
    dialogs.onPrint = [&](QPrintDialog& dialog) {
        dialog.printer()->setOutputFormat(QPrinter::PdfFormat);
        dialog.printer()->setOutputFileName(QString::fromStdString(pdf.string()));
    };
    menu->print->click();
    settle();
    auto* shell = opened<frmMain>();
    ASSERT_NE(shell, nullptr);
    ASSERT_NE(shell->activeDocument(), nullptr);
    EXPECT_TRUE(shell->activeDocument()->rtfText->toPlainText().contains(
        regional(QStringLiteral("ΣΥΝΟΛΟ.........=  182523,13 "))));
    shell->tbToolBar_ButtonClick(shell->Print);
    settle();
    EXPECT_EQ(dialogs.printDialogs, 1);
    EXPECT_EQ(bytes(pdf).substr(0, 4), "%PDF");
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join(u'\n').toStdString();
}

} // namespace
} // namespace velmora::test
