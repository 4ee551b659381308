#include "support/UiTest.h"

#include "store/base/TextPath.h"
#include "store/study/StudyCreation.h"
#include "ui/report/Form13.h"
#include "ui/services/Regional.h"
#include "ui/services/Twips.h"
#include "ui/services/ValueLabel.h"
#include "ui/services/WindowRegistry.h"
#include "ui/study/stoixeia.h"
#include "ui/works/Form1.h"
#include "ui/works/Form2.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolTip>

namespace velmora::test {
namespace {

using Files = std::map<std::string, std::vector<std::string>>;

const std::vector<std::string> kDetails = {
    "Γιώργος",        "Παππάς", "Ερμού 5",  "Αθήνα",      "Δήμος Αθηναίων", "Πλάκα",
    "Άγιος Νικόλαος", "Μαρία",  "Νικολάου", "Σόλωνος 10", "Αθήνα",          "Πολιτικός Μηχανικός"};

class Form13Test : public UiTest {
protected:
    ui::Form13* open() {
        window = ui::WindowRegistry::show<ui::Form13>();
        settle();
        return window;
    }
    QLabel* label(const char* name) const {
        return window->findChild<QLabel*>(QString::fromUtf8(name));
    }
    QString shown(const char* name) const {
        QLabel* found = label(name);
        return found ? found->text() : QStringLiteral("<no label %1>").arg(QString::fromUtf8(name));
    }

    ui::Form13* window = nullptr;
};

const std::vector<const char*> kWorkLabels = {"kma",  "q0",   "q5",  "q20",   "q50", "q100",
                                              "ae",   "polo", "ajj", "ot",    "iii", "iv",
                                              "empr", "opi",  "ΧΚ",  "xilio", "xoi"};
const std::vector<const char*> kDetailLabels = {"onoma", "eponymo", "dnsh",  "poli",
                                                "dimos", "dd",      "uesi",  "onm",
                                                "epm",   "dnsm",    "polim", "eidikot"};

TEST_F(Form13Test, AFreshStudyShowsItsDetailsZerosAndNoElevation) {
    store::StudyDetails details;
    details.ownerFirstName = "Γιώργος";
    details.ownerSurname = "Παππάς";
    details.location = "Πλάκα";
    details.engineer = {"Μαρία", "Νικολάου", "", "", "Πολιτικός Μηχανικός"};
    ASSERT_TRUE(store::StudyCreation::create(home(), details).status);
    open();
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join(u'\n').toStdString();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Form13"));
    EXPECT_EQ(shown("ent"), QStringLiteral("ΕΝΤΟΣ ΣΧΕΔΙΟΥ"));
    EXPECT_EQ(shown("l"), QStringLiteral("1"));
    EXPECT_EQ(shown("klim"), QString());
    EXPECT_EQ(shown("onoma"), QStringLiteral("Γιώργος"));
    EXPECT_EQ(shown("uesi"), QStringLiteral("Πλάκα"));
    EXPECT_EQ(shown("dnsm"), QString());
    EXPECT_EQ(shown("eidikot"), QStringLiteral("Πολιτικός Μηχανικός"));
    for (const char* name : kWorkLabels)
        EXPECT_EQ(shown(name), QStringLiteral("0")) << name;
    EXPECT_EQ(shown("hh"), QStringLiteral("Ο Χ Ι"));
}

struct Separator {
    char separator;
    const char* area;
    const char* lambda;
    const char* small;
};

class Form13SeparatorTest : public Form13Test, public ::testing::WithParamInterface<Separator> {};

TEST_P(Form13SeparatorTest, AFullyEnteredStudyShowsEveryValueInTheRegionalFormat) {
    const Separator& p = GetParam();
    ui::Regional::overrideSeparator(p.separator);
    makeStudy("ΓιώργοςΠαππάς", Files{{"stoixeia.dat", kDetails},
                                     {"l.dat", {"1.2"}},
                                     {"entos.dat", {" 0 "}},
                                     {"klimaka.dat", {" 500 "}},
                                     {"analog.dat", {" 2.75 "}},
                                     {"taxi.dat", {" 12.5 ", " 3 ", " 0 ", " .25 ", " 7 ", " .5 "}},
                                     {"asti.dat", {" 4 "}},
                                     {"polygon.dat", {" 11 "}},
                                     {"rymotom.dat", {" 5 ", " 6 "}},
                                     {"trig.dat", {" 1 ", " 2 ", " 3 ", " 4 "}},
                                     {"them.dat", {" 9 "}},
                                     {"xilosta.dat", {" 8 "}},
                                     {"oix.dat", {" 10 "}}});
    open();
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(shown("ent"), QStringLiteral("ΕΚΤΟΣ ΣΧΕΔΙΟΥ"));
    EXPECT_EQ(shown("klim"), QStringLiteral("500"));
    EXPECT_EQ(shown("l"), QString::fromLatin1(p.lambda));
    for (std::size_t i = 0; i < kDetailLabels.size(); ++i)
        EXPECT_EQ(shown(kDetailLabels[i]).toStdString(), kDetails[i]) << kDetailLabels[i];

    const std::map<std::string, std::string> expected = {
        {"kma", std::string("2") + p.separator + "75"},
        {"q0", p.area},
        {"q5", "3"},
        {"q20", "0"},
        {"q50", p.small},
        {"q100", "7"},
        {"ae", "4"},
        {"polo", "11"},
        {"ajj", "5"},
        {"ot", "6"},
        {"iii", "1"},
        {"iv", "2"},
        {"empr", "3"},
        {"opi", "4"},
        {"ΧΚ", "9"},
        {"xilio", "8"},
        {"xoi", "10"},
    };
    for (const auto& [name, value] : expected)
        EXPECT_EQ(shown(name.c_str()).toStdString(), value) << name;
    // Any elevation option other than 0 counts as levelling.
    EXPECT_EQ(shown("hh"), QStringLiteral("Ν Α Ι"));
}

INSTANTIATE_TEST_SUITE_P(Separators, Form13SeparatorTest,
                         ::testing::Values(Separator{',', "12,5", "1,2", ",25"},
                                           Separator{'.', "12.5", "1.2", ".25"}));

TEST_F(Form13Test, AValueTooLongForItsLabelShowsWholeInItsTooltip) {
    std::vector<std::string> details = kDetails;
    details[2] = "Λεωφόρος Βασιλίσσης Σοφίας 124";
    makeStudy("Σ", Files{{"stoixeia.dat", details}, {"l.dat", {"1"}}, {"entos.dat", {" 1 "}}});
    open();
    auto* address = window->findChild<ui::ValueLabel*>(QStringLiteral("dnsh"));
    ASSERT_NE(address, nullptr);
    EXPECT_EQ(address->text(), QStringLiteral("Λεωφόρος Βασιλίσσης Σοφίας 124"));
    EXPECT_EQ(address->size(), ui::Twips::size(1335, 255));
    EXPECT_TRUE(address->isCut());
    EXPECT_FALSE(window->findChild<ui::ValueLabel*>(QStringLiteral("poli"))->isCut());
    QHelpEvent hover(QEvent::ToolTip, QPoint(2, 2), address->mapToGlobal(QPoint(2, 2)));
    QCoreApplication::sendEvent(address, &hover);
    EXPECT_EQ(QToolTip::text(), address->text());
}

TEST_F(Form13Test, OnlyAZoneOfOneIsInsideThePlan) {
    for (const auto& [stored, expected] :
         std::vector<std::pair<std::string, QString>>{{" 1 ", QStringLiteral("ΕΝΤΟΣ ΣΧΕΔΙΟΥ")},
                                                      {" 0 ", QStringLiteral("ΕΚΤΟΣ ΣΧΕΔΙΟΥ")},
                                                      {" 2 ", QStringLiteral("ΕΚΤΟΣ ΣΧΕΔΙΟΥ")},
                                                      {"-1 ", QStringLiteral("ΕΚΤΟΣ ΣΧΕΔΙΟΥ")},
                                                      {"ναι", QStringLiteral("ΕΚΤΟΣ ΣΧΕΔΙΟΥ")}}) {
        makeStudy("Σ",
                  Files{{"stoixeia.dat", kDetails}, {"l.dat", {"1"}}, {"entos.dat", {stored}}});
        open();
        EXPECT_EQ(shown("ent"), expected) << stored;
        window->Command2->click();
        settle();
        EXPECT_EQ(ui::WindowRegistry::find<ui::Form13>(), nullptr);
    }
}

TEST_F(Form13Test, AnItemThatIsNoNumberEndsTheReadingOfItsFile) {
    makeStudy("Σ", Files{{"stoixeia.dat", kDetails},
                         {"l.dat", {"1"}},
                         {"entos.dat", {" 1 "}},
                         {"taxi.dat", {" 1 ", "πολλά", " 3 "}},
                         {"rymotom.dat", {" 5 "}},
                         {"klimaka.dat", {"1:500"}}});
    open();
    EXPECT_EQ(shown("q0"), QStringLiteral("1"));
    EXPECT_EQ(shown("q5"), QStringLiteral("0"));
    EXPECT_EQ(shown("q20"), QStringLiteral("0"));
    EXPECT_EQ(shown("q50"), QStringLiteral("0"));
    EXPECT_EQ(shown("hh"), QStringLiteral("Ο Χ Ι"));
    EXPECT_EQ(shown("ajj"), QStringLiteral("5"));
    EXPECT_EQ(shown("ot"), QStringLiteral("0"));
    // A scale that is no number is shown as it is stored.
    EXPECT_EQ(shown("klim"), QStringLiteral("1:500"));
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(Form13Test, AStudyFolderThatIsGoneGivesAMessageAndEmptyLabels) {
    const auto study = makeStudy("ΓιώργοςΠαππάς", Files{{"stoixeia.dat", kDetails}});
    std::filesystem::remove_all(study);
    open();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains(QStringLiteral("ΓιώργοςΠαππάς")));
    for (const char* name : kWorkLabels)
        EXPECT_EQ(shown(name), QString()) << name;
    for (const char* name : kDetailLabels)
        EXPECT_EQ(shown(name), QString()) << name;
    for (const char* name : {"l", "klim", "ent", "hh"})
        EXPECT_EQ(shown(name), QString()) << name;
}

TEST_F(Form13Test, NoCurrentStudyGivesAMessage) {
    open();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(shown("onoma"), QString());
}

TEST_F(Form13Test, MissingFilesAreNamedAndTheirLabelsLeftEmpty) {
    makeStudy("Σ", Files{{"entos.dat", {" 1 "}}, {"taxi.dat", {" 2 "}}});
    open();
    ASSERT_EQ(dialogs.messages.size(), 1);
    const QString message = dialogs.messages[0];
    EXPECT_TRUE(message.contains(QStringLiteral("stoixeia.dat"))) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("l.dat"))) << message.toStdString();
    EXPECT_FALSE(message.contains(QStringLiteral("klimaka.dat"))) << message.toStdString();
    EXPECT_EQ(shown("l"), QString());
    EXPECT_EQ(shown("onoma"), QString());
    EXPECT_EQ(shown("ent"), QStringLiteral("ΕΝΤΟΣ ΣΧΕΔΙΟΥ"));
    EXPECT_EQ(shown("q0"), QStringLiteral("2"));
}

TEST_F(Form13Test, AFileThatIsThereButUnreadableIsToldAsSuchNotAsMissing) {
    const auto study = makeStudy("Σ", Files{{"l.dat", {"1"}}, {"entos.dat", {" 1 "}}});
    std::filesystem::create_directory(study / "stoixeia.dat");
    open();
    ASSERT_EQ(dialogs.messages.size(), 1);
    const QString message = dialogs.messages[0];
    EXPECT_FALSE(message.contains(QStringLiteral("Λείπουν"))) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("stoixeia.dat"))) << message.toStdString();
    EXPECT_TRUE(message.endsWith(QStringLiteral(" Τα στοιχεία του εμφανίζονται κενά.")))
        << message.toStdString();
    EXPECT_EQ(shown("onoma"), QString());
}

TEST_F(Form13Test, AShortDetailsFileShowsWhatItHasAndSaysItIsShort) {
    makeStudy(
        "Σ",
        Files{{"stoixeia.dat", {"Γιώργος", "Παππάς"}}, {"l.dat", {"1"}}, {"entos.dat", {" 1 "}}});
    open();
    EXPECT_EQ(shown("eponymo"), QStringLiteral("Παππάς"));
    EXPECT_EQ(shown("dnsh"), QString());
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains(QStringLiteral("stoixeia.dat")));
}

TEST_F(Form13Test, TheLambdaButtonShowsLambdaAsStoredAtThatMoment) {
    const auto study = makeStudy(
        "Σ", Files{{"stoixeia.dat", kDetails}, {"l.dat", {"1.2"}}, {"entos.dat", {" 1 "}}});
    open();
    EXPECT_EQ(shown("l"), regional(QStringLiteral("1,2")));
    putLines(study / "l.dat", {"1.35"});
    window->Command1->click();
    EXPECT_EQ(shown("l"), regional(QStringLiteral("1,35")));
    auto* change = ui::WindowRegistry::find<ui::Form2>();
    ASSERT_NE(change, nullptr);

    // The label keeps what it read when the change window stores a new λ later.
    change->ll1->setText(QStringLiteral("1.5"));
    change->Command1->click();
    settle();
    EXPECT_EQ(UiTest::text(study / "l.dat"), "1.5\r\n");
    EXPECT_EQ(shown("l"), regional(QStringLiteral("1,35")));
    putLines(study / "l.dat", {"χ"});
    window->Command1->click();
    EXPECT_EQ(shown("l"), QStringLiteral("χ"));

    // A file that is gone is missing; one that is there but cannot be read is told as it is.
    dialogs.messages.clear();
    std::filesystem::remove(study / "l.dat");
    window->Command1->click();
    std::filesystem::create_directory(study / "l.dat");
    window->Command1->click();
    ASSERT_EQ(dialogs.messages.size(), 2) << dialogs.messages.join(u'|').toStdString();
    EXPECT_TRUE(dialogs.messages[0].startsWith(QStringLiteral("Λείπει το αρχείο «l.dat»")));
    EXPECT_FALSE(dialogs.messages[1].contains(QStringLiteral("Λείπει")));
    EXPECT_TRUE(dialogs.messages[1].contains(QStringLiteral("l.dat")));
    EXPECT_TRUE(
        dialogs.messages[1].endsWith(QStringLiteral(" Ο συντελεστής λ εμφανίζεται κενός.")));
    EXPECT_EQ(shown("l"), QString());
}

// The summary opens the details window on its study; what OK stores is shown at once.
class Form13ChangeTest : public Form13Test {
protected:
    std::filesystem::path created() {
        auto outcome = store::StudyCreation::create(
            home(), {kDetails[0],
                     kDetails[1],
                     kDetails[2],
                     kDetails[3],
                     kDetails[4],
                     kDetails[5],
                     kDetails[6],
                     {kDetails[7], kDetails[8], kDetails[9], kDetails[10], kDetails[11]}});
        EXPECT_TRUE(outcome.status);
        putLines(outcome.folder / "trig.dat", {" 3 ", " 0 ", " 1 ", " 0 "});
        open();
        return outcome.folder;
    }
    ui::stoixeia* details(QPushButton* button) {
        button->click();
        settle();
        return ui::WindowRegistry::find<ui::stoixeia>();
    }
    void confirm(ui::stoixeia* details) {
        details->cmdOK->click();
        settle();
        EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join(u'\n').toStdString();
        EXPECT_EQ(ui::WindowRegistry::find<ui::stoixeia>(), nullptr);
    }
};

TEST_F(Form13ChangeTest, CorrectedDetailsRenameTheStudyAndShowInTheSummary) {
    const auto study = created();
    auto* correcting = details(window->cmdDiorthosi);
    ASSERT_NE(correcting, nullptr);
    EXPECT_EQ(correcting->purpose(), ui::stoixeia::Purpose::Correct);
    EXPECT_EQ(correcting->onoma->text(), QStringLiteral("Γιώργος"));
    EXPECT_EQ(correcting->uesi->text(), QStringLiteral("Άγιος Νικόλαος"));
    EXPECT_EQ(correcting->eidikot->text(), QStringLiteral("Πολιτικός Μηχανικός"));
    EXPECT_TRUE(correcting->cmdOK->isEnabled());

    correcting->eponymo->setText(QStringLiteral("Παπάς"));
    correcting->dimos->setText(QStringLiteral("Δήμος Ζωγράφου"));
    confirm(correcting);
    const auto renamed = home() / store::TextPath::fromUtf8("ΓιώργοςΠαπάς");
    EXPECT_FALSE(std::filesystem::exists(study));
    EXPECT_EQ(bytes(home() / "temp.dat"), stored({store::TextPath::toUtf8(renamed)}));
    EXPECT_EQ(bytes(renamed / "trig.dat"), stored({" 3 ", " 0 ", " 1 ", " 0 "}));
    EXPECT_EQ(shown("eponymo"), QStringLiteral("Παπάς"));
    EXPECT_EQ(shown("dimos"), QStringLiteral("Δήμος Ζωγράφου"));
    EXPECT_EQ(shown("iii"), QStringLiteral("3"));
}

TEST_F(Form13ChangeTest, ACopyStartsFromTheWorksForAnOwnerTypedAnewAndBecomesCurrent) {
    const auto source = created();
    const std::string sourceDetails = bytes(source / "stoixeia.dat");
    auto* copying = details(window->cmdAntigrafi);
    ASSERT_NE(copying, nullptr);
    EXPECT_EQ(copying->windowTitle(), QStringLiteral("Αντιγραφή μελέτης"));
    EXPECT_EQ(copying->onoma->text(), QString());
    EXPECT_EQ(copying->dnsh->text(), QString());
    EXPECT_EQ(copying->uesi->text(), QStringLiteral("Άγιος Νικόλαος"));
    EXPECT_FALSE(copying->cmdOK->isEnabled());

    type(copying->onoma, QStringLiteral("Άννα"));
    type(copying->eponymo, QStringLiteral("Λύρα"));
    ASSERT_TRUE(copying->cmdOK->isEnabled());
    confirm(copying);
    const auto copy = home() / store::TextPath::fromUtf8("ΆνναΛύρα");
    EXPECT_EQ(bytes(home() / "temp.dat"), stored({store::TextPath::toUtf8(copy)}));
    EXPECT_EQ(bytes(copy / "trig.dat"), bytes(source / "trig.dat"));
    EXPECT_EQ(bytes(source / "stoixeia.dat"), sourceDetails);
    EXPECT_EQ(shown("onoma"), QStringLiteral("Άννα"));
    EXPECT_EQ(shown("iii"), QStringLiteral("3"));
    EXPECT_NE(ui::WindowRegistry::find<ui::Form1>(), nullptr);
}

TEST_F(Form13ChangeTest, ADetailsWindowOpenForANewStudyKeepsWhatIsTypedThere) {
    created();
    ui::stoixeia::open(ui::stoixeia::Purpose::Create);
    auto* typing = ui::WindowRegistry::find<ui::stoixeia>();
    ASSERT_NE(typing, nullptr);
    typing->onoma->setText(QStringLiteral("Άννα"));
    EXPECT_EQ(details(window->cmdDiorthosi), typing);
    EXPECT_EQ(typing->purpose(), ui::stoixeia::Purpose::Create);
    EXPECT_EQ(typing->onoma->text(), QStringLiteral("Άννα"));
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains(QStringLiteral("ήδη ανοιχτό")));
}

TEST_F(Form13Test, LabelsStandAtTheirPlacesWithTheHeaderStyled) {
    makeStudy("Σ", Files{{"stoixeia.dat", kDetails}, {"l.dat", {"1"}}, {"entos.dat", {" 1 "}}});
    open();
    EXPECT_EQ(window->Label1->text(), QStringLiteral("VELMORA ΤΟΠΟΓΡΑΦΙΚΩΝ ΔΙΑΓΡΑΜΜΑΤΩΝ"));
    EXPECT_EQ(window->Label1->geometry(), ui::Twips::rect(1320, 120, 8085, 435));
    EXPECT_TRUE(window->Label1->font().bold());
    EXPECT_TRUE(window->Label1->font().underline());
    EXPECT_LE(window->Label1->font().pointSize(), 18);
    EXPECT_LE(QFontMetrics(window->Label1->font()).horizontalAdvance(window->Label1->text()),
              window->Label1->width());
    EXPECT_EQ(window->Label1->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_EQ(window->l->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_TRUE(window->Label3->alignment() & Qt::AlignRight);
    EXPECT_EQ(window->Label3->text(), QStringLiteral("Συντελεστής λ:"));

    const std::map<std::string, QRect> places = {
        {"l", ui::Twips::rect(1680, 720, 855, 255)},
        {"klim", ui::Twips::rect(4920, 720, 735, 255)},
        {"ent", ui::Twips::rect(8880, 720, 2295, 255)},
        {"eponymo", ui::Twips::rect(1800, 2160, 1695, 255)},
        {"dd", ui::Twips::rect(5880, 2160, 2175, 255)},
        {"eidikot", ui::Twips::rect(9360, 3240, 1920, 495)},
        {"opi", ui::Twips::rect(1800, 5280, 855, 255)},
        {"xoi", ui::Twips::rect(360, 6120, 2295, 255)},
        {"hh", ui::Twips::rect(4320, 6000, 855, 255)},
        {"ajj", ui::Twips::rect(6720, 5040, 975, 255)},
        {"ot", ui::Twips::rect(6720, 5400, 1095, 255)},
        {"ΧΚ", ui::Twips::rect(7920, 5400, 2295, 255)},
    };
    for (const auto& [name, place] : places) {
        QLabel* found = label(name.c_str());
        ASSERT_NE(found, nullptr) << name;
        EXPECT_EQ(found->geometry(), place) << name;
    }
    EXPECT_TRUE(label("xoi")->alignment() & Qt::AlignHCenter);
    EXPECT_EQ(window->Command1->text(), QStringLiteral("Αναθεωριση συντελεστού λ"));
    EXPECT_EQ(window->Command1->geometry(), ui::Twips::rect(120, 8520, 2295, 495));
    EXPECT_EQ(window->Command2->geometry(), ui::Twips::rect(8880, 8520, 2295, 495));
}

} // namespace
} // namespace velmora::test
