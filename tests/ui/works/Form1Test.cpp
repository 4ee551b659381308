#include "support/UiTest.h"

#include "store/base/TextPath.h"
#include "ui/services/WindowRegistry.h"
#include "ui/shell/error_trig.h"
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
#include "ui/works/kratiseis.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <functional>

namespace velmora::test {
namespace {

using ui::Form1;
using ui::WindowRegistry;

const std::vector<std::string> kDetails = {
    "Γιάννης",     "Παπαδόπουλος", "Πατησίων 12", "Αθήνα",     "Κηφισιάς", "Νέα Ερυθραία",
    "Θέση Κάστρο", "Μαρία",        "Οικονόμου",   "Σόλωνος 3", "Αθήνα",    "Τεχνολόγος Τοπογράφος"};

class Form1Test : public UiTest {
protected:
    std::filesystem::path study(const std::string& zone = " 1 ", const std::string& code = " 1 ") {
        return makeStudy("ΓιάννηςΠαπαδόπουλος", {{"stoixeia.dat", kDetails},
                                                 {"l.dat", {"1.2"}},
                                                 {"entos.dat", {zone}},
                                                 {"eid.dat", {code}}});
    }
    Form1* open() { return WindowRegistry::show<Form1>(); }
};

TEST_F(Form1Test, SubmitStraightAwayWritesEveryWorkFileWithZerosAndScale200) {
    auto folder = study();
    open()->EXIT->click();
    settle();
    EXPECT_EQ(WindowRegistry::find<Form1>(), nullptr);
    EXPECT_EQ(bytes(folder / "trig.dat"), " 0 \r\n 0 \r\n 0 \r\n 0 \r\n");
    EXPECT_EQ(bytes(folder / "taxi.dat"), " 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n");
    EXPECT_EQ(bytes(folder / "rymotom.dat"), " 0 \r\n 0 \r\n");
    for (const char* one :
         {"polygon.dat", "asti.dat", "analog.dat", "xilosta.dat", "oix.dat", "them.dat"})
        EXPECT_EQ(bytes(folder / one), " 0 \r\n") << one;
    EXPECT_EQ(bytes(folder / "klimaka.dat"), " 200 \r\n");
    EXPECT_EQ(bytes(folder / "l.dat"), "1.2\r\n");
    EXPECT_EQ(bytes(folder / "entos.dat"), " 1 \r\n");
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join(u'\n').toStdString();
}

TEST_F(Form1Test, SubmitRewritesAWordAsZeroAndFillsAShortFile) {
    auto folder = study();
    put(folder / "polygon.dat", "\xE4\xFE\xE4\xE5\xEA\xE1\r\n"); // "δώδεκα"
    put(folder / "taxi.dat", "1\r\n2.5\r\n3\r\n");
    open()->EXIT->click();
    EXPECT_EQ(bytes(folder / "polygon.dat"), " 0 \r\n");
    EXPECT_EQ(bytes(folder / "taxi.dat"), " 1 \r\n 2.5 \r\n 3 \r\n 0 \r\n 0 \r\n 0 \r\n");
}

TEST_F(Form1Test, AFileThatCannotBeWrittenIsToldAndTheWindowStaysForAnotherTry) {
    auto folder = study();
    std::filesystem::create_directories(folder / "asti.dat" / "inside");
    Form1* form = open();
    form->EXIT->click();
    settle();
    EXPECT_EQ(WindowRegistry::find<Form1>(), form);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains(QStringLiteral("asti.dat")))
        << dialogs.messages[0].toStdString();
    // Everything else was still written.
    EXPECT_EQ(bytes(folder / "oix.dat"), " 0 \r\n");
    EXPECT_EQ(bytes(folder / "klimaka.dat"), " 200 \r\n");

    std::filesystem::remove_all(folder / "asti.dat");
    form->EXIT->click();
    settle();
    EXPECT_EQ(WindowRegistry::find<Form1>(), nullptr);
    EXPECT_EQ(bytes(folder / "asti.dat"), " 0 \r\n");
}

TEST_F(Form1Test, PickedScaleIsStoredAsTypedAndSurvivesSubmit) {
    auto folder = study();
    Form1* form = open();
    EXPECT_EQ(form->Combo1->currentIndex(), -1);
    ASSERT_EQ(form->Combo1->count(), 5);
    QStringList entries;
    for (int i = 0; i < form->Combo1->count(); ++i)
        entries << form->Combo1->itemText(i);
    EXPECT_EQ(entries,
              QStringList({QStringLiteral("100"), QStringLiteral("200"), QStringLiteral("500"),
                           QStringLiteral("1000"), QStringLiteral("2000")}));

    form->Combo1->setCurrentIndex(2);
    emit form->Combo1->activated(2);
    EXPECT_EQ(bytes(folder / "klimaka.dat"), "500\r\n");
    form->EXIT->click();
    EXPECT_EQ(bytes(folder / "klimaka.dat"), " 500 \r\n");
}

struct ZoneCase {
    const char* stored;
    bool inside;
    const char* after;
};

class Form1ZoneTest : public Form1Test, public ::testing::WithParamInterface<ZoneCase> {};

TEST_P(Form1ZoneTest, AnyZoneButOneOpensOutsideAndIsStoredAsZero) {
    auto folder = study(GetParam().stored);
    Form1* form = open();
    EXPECT_EQ(form->εκτος->isChecked(), !GetParam().inside);
    EXPECT_EQ(form->εντος->isChecked(), GetParam().inside);
    EXPECT_EQ(bytes(folder / "entos.dat"), GetParam().after);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Zones, Form1ZoneTest,
    ::testing::Values(ZoneCase{" 1 ", true, " 1 \r\n"}, ZoneCase{"1", true, "1\r\n"},
                      ZoneCase{" 0 ", false, " 0 \r\n"}, ZoneCase{"2", false, " 0 \r\n"},
                      ZoneCase{"-1", false, " 0 \r\n"}, ZoneCase{"", false, " 0 \r\n"},
                      ZoneCase{"ναι", false, " 0 \r\n"}));

TEST_F(Form1Test, ZoneOptionsWriteTheZone) {
    auto folder = study();
    Form1* form = open();
    form->εκτος->click();
    EXPECT_EQ(bytes(folder / "entos.dat"), " 0 \r\n");
    form->εντος->click();
    EXPECT_EQ(bytes(folder / "entos.dat"), " 1 \r\n");
}

TEST_F(Form1Test, UnreadableZoneIsToldAndLeftUnchosen) {
    auto folder = study();
    std::filesystem::remove(folder / "entos.dat");
    Form1* form = open();
    EXPECT_FALSE(form->εντος->isChecked());
    EXPECT_FALSE(form->εκτος->isChecked());
    EXPECT_FALSE(std::filesystem::exists(folder / "entos.dat"));
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains(QStringLiteral("entos.dat")));
}

TEST_F(Form1Test, LoadShowsTheStudyAndLambdaInRegionalFormat) {
    auto folder = study();
    put(folder / "l.dat", "1.23456789\r\n");
    Form1* form = open();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Velmora Τοπογραφικών Διαγραμμάτων"));
    // Single precision, seven significant digits, the regional comma.
    EXPECT_EQ(form->l->text(), regional(QStringLiteral("1,234568")));
    const std::vector<QLabel*> shown = {form->onoma, form->eponymo, form->dnsh,  form->poli,
                                        form->dimos, form->dd,      form->uesi,  form->onm,
                                        form->Epm,   form->dnsm,    form->polim, form->eidikot};
    for (std::size_t i = 0; i < shown.size(); ++i)
        EXPECT_EQ(shown[i]->text().toStdString(), kDetails[i]) << i;
}

TEST_F(Form1Test, LambdaButtonOpensTheChangeWindowAndShowsLambdaAsItStandsNow) {
    auto folder = study();
    Form1* form = open();
    EXPECT_EQ(form->l->text(), regional(QStringLiteral("1,2")));
    put(folder / "l.dat", ".85\r\n");
    form->Command1->click();
    ASSERT_NE(WindowRegistry::find<ui::Form2>(), nullptr);
    EXPECT_TRUE(WindowRegistry::find<ui::Form2>()->isVisible());
    EXPECT_EQ(form->l->text(), regional(QStringLiteral("0,85")));
}

class Form1SpecialtyTest : public Form1Test, public ::testing::WithParamInterface<int> {};

TEST_P(Form1SpecialtyTest, TriangulationOpensOnlyForCodesUpToTwo) {
    const int code = GetParam();
    study(" 1 ", " " + std::to_string(code) + " ");
    open()->Command2->click();
    const bool entry = code < 3;
    EXPECT_EQ(WindowRegistry::find<ui::form3>() != nullptr, entry);
    EXPECT_EQ(WindowRegistry::find<ui::error_trig>() != nullptr, !entry);
}

INSTANTIATE_TEST_SUITE_P(Codes, Form1SpecialtyTest, ::testing::Range(0, 7));

TEST_F(Form1Test, TechnologistSurveyorIsWarnedWithTheSpecialtyName) {
    study(" 1 ", " 4 ");
    open()->Command2->click();
    auto* warning = WindowRegistry::find<ui::error_trig>();
    ASSERT_NE(warning, nullptr);
    EXPECT_EQ(warning->Label2->text(), QStringLiteral("Τεχνολόγος Τοπογράφος"));
}

TEST_F(Form1Test, UnreadableSpecialtyIsToldAndOpensNothing) {
    auto folder = study();
    std::filesystem::remove(folder / "eid.dat");
    Form1* form = open();
    form->Command2->click();
    EXPECT_EQ(WindowRegistry::find<ui::form3>(), nullptr);
    EXPECT_EQ(WindowRegistry::find<ui::error_trig>(), nullptr);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains(QStringLiteral("«eid.dat»")))
        << dialogs.messages[0].toStdString();
    // A code that is no number is told as what the file holds.
    putLines(folder / "eid.dat", {"τέσσερα"});
    form->Command2->click();
    EXPECT_EQ(WindowRegistry::find<ui::error_trig>(), nullptr);
    ASSERT_EQ(dialogs.messages.size(), 2);
    EXPECT_TRUE(dialogs.messages[1].contains(QStringLiteral("γράφει «τέσσερα»")))
        << dialogs.messages[1].toStdString();
}

TEST_F(Form1Test, WorkButtonsOpenTheirWindowsOnce) {
    study();
    Form1* form = open();
    const std::vector<std::pair<QPushButton*, std::function<QWidget*()>>> buttons = {
        {form->Command3, [] { return WindowRegistry::find<ui::Form4>(); }},
        {form->Command4, [] { return WindowRegistry::find<ui::form5>(); }},
        {form->Command5, [] { return WindowRegistry::find<ui::Form6>(); }},
        {form->Command6, [] { return WindowRegistry::find<ui::Form7>(); }},
        {form->Command7, [] { return WindowRegistry::find<ui::Form8>(); }},
        {form->Command8, [] { return WindowRegistry::find<ui::Form10>(); }},
        {form->Command9, [] { return WindowRegistry::find<ui::Form11>(); }},
        {form->Command10, [] { return WindowRegistry::find<ui::Form12>(); }},
    };
    for (const auto& [button, find] : buttons) {
        EXPECT_EQ(find(), nullptr) << button->objectName().toStdString();
        button->click();
        QWidget* window = find();
        ASSERT_NE(window, nullptr) << button->objectName().toStdString();
        EXPECT_TRUE(window->isVisible());
        button->click();
        EXPECT_EQ(find(), window);
    }
}

TEST_F(Form1Test, CaptionsAndTabOrderAreTheOnesUsersKnow) {
    study();
    Form1* form = open();
    EXPECT_EQ(form->Command9->text(), QStringLiteral("Χαραξη οικοπέδων επί του  εδάφους"));
    EXPECT_EQ(form->Command2->text().at(0), QLatin1Char('T'));
    EXPECT_EQ(form->Command10->text().at(0), QLatin1Char('X'));
    EXPECT_EQ(form->EXIT->text(), QStringLiteral("Υποβολή"));
    EXPECT_EQ(form->findChild<QRadioButton*>(QStringLiteral("εκτος")), form->εκτος);

    const std::vector<QWidget*> order = {
        form->εντος,    form->εκτος,    form->Combo1,   form->Command1, form->Command11,
        form->Command2, form->Command3, form->EXIT,     form->Command4, form->Command5,
        form->Command6, form->Command7, form->Command8, form->Command9, form->Command10};
    std::vector<QWidget*> chain;
    QWidget* at = form->εντος;
    do {
        if (std::find(order.begin(), order.end(), at) != order.end()) chain.push_back(at);
        at = at->nextInFocusChain();
    } while (at != form->εντος && chain.size() < order.size());
    EXPECT_EQ(chain, order);
}

TEST_F(Form1Test, HasNoCloseButton) {
    study();
    Form1* form = open();
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::CustomizeWindowHint));
    EXPECT_FALSE(form->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(form->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
}

TEST_F(Form1Test, AmountsBesideLambdaShowTheFourOfOldAndStoreWhatIsTyped) {
    auto folder = study();
    open()->Command11->click();
    auto* window = WindowRegistry::find<ui::kratiseis>();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Κρατήσεις"));
    EXPECT_EQ(window->lblPerigrafi[7]->buddy(), window->perigrafi[7]);
    EXPECT_EQ(window->lblSyntelestis[7]->buddy(), window->syntelestis[7]);
    EXPECT_EQ(window->perigrafi[2]->text(), QStringLiteral("ΤΣΜΕΔΕ  3% = "));
    EXPECT_EQ(window->syntelestis[0]->text(), regional(QStringLiteral("0,18")));
    EXPECT_TRUE(window->perigrafi[4]->text().isEmpty());

    // A rate typed as a percentage is refused, and nothing is written.
    window->syntelestis[0]->setText(QStringLiteral("18"));
    window->cmdOK->click();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains(QStringLiteral("από 0 έως 1")));
    EXPECT_FALSE(std::filesystem::exists(folder / "kratiseis.dat"));

    // Rows left empty are no amounts, wherever they stand.
    for (int i = 0; i < ui::kratiseis::kRows; ++i) {
        window->perigrafi[i]->clear();
        window->syntelestis[i]->clear();
    }
    window->perigrafi[0]->setText(QStringLiteral("Φ.Π.Α. 24%"));
    window->syntelestis[0]->setText(QStringLiteral("0,24"));
    window->perigrafi[5]->setText(QStringLiteral("Χαρτόσημο 2% ="));
    window->syntelestis[5]->setText(QStringLiteral(".02"));
    window->cmdOK->click();
    settle();
    EXPECT_EQ(WindowRegistry::find<ui::kratiseis>(), nullptr);
    const std::string expected = stored({"Φ.Π.Α. 24% = ", " .24 ", "Χαρτόσημο 2% =", " .02 "});
    EXPECT_EQ(bytes(folder / "kratiseis.dat"), expected);
    EXPECT_EQ(bytes(home() / "kratiseis.dat"), expected);

    // Shown again as stored; "Άκυρο" writes nothing.
    open()->Command11->click();
    window = WindowRegistry::find<ui::kratiseis>();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->perigrafi[1]->text(), QStringLiteral("Χαρτόσημο 2% ="));
    window->cmdTesseris->click();
    window->cmdCancel->click();
    settle();
    EXPECT_EQ(bytes(folder / "kratiseis.dat"), expected);
    EXPECT_EQ(dialogs.messages.size(), 1);
}

TEST_F(Form1Test, NoCurrentStudyIsToldAndNothingIsWritten) {
    Form1* form = open();
    ASSERT_EQ(dialogs.messages.size(), 1);
    form->EXIT->click();
    settle();
    EXPECT_EQ(dialogs.messages.size(), 2);
    EXPECT_NE(WindowRegistry::find<Form1>(), nullptr);
}

} // namespace
} // namespace velmora::test
