#include "study/EngineerRecords.h"
#include "support/UiTest.h"

#include "store/base/Specialty.h"
#include "store/base/TextPath.h"
#include "store/files/ValueFile.h"
#include "ui/services/Twips.h"
#include "ui/services/WindowRegistry.h"
#include "ui/study/Form14.h"
#include "ui/study/stoixeia.h"
#include "ui/works/Form1.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>

namespace velmora::test {
namespace {

const std::vector<std::string>& kRegistry = twoEngineers();

class stoixeiaTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        put("mix.dat", kRegistry);
        put("l.dat", {" 1.2 "});
        window = ui::WindowRegistry::show<ui::stoixeia>();
    }
    void put(const std::string& name, const std::vector<std::string>& lines) {
        putLines(home() / name, lines);
    }
    void pick(int index) {
        window->Combo1->setCurrentIndex(index);
        emit window->Combo1->activated(index);
    }
    void ctrlTab() {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Tab, Qt::ControlModifier);
        QCoreApplication::sendEvent(window->onoma, &press);
    }
    // Controls of a hidden panel take no keys: the user goes to their tab first.
    void tab(int index) { window->tbsOptions->setCurrentIndex(index); }
    void fillOwnerAndSite() {
        tab(0);
        type(window->onoma, QStringLiteral("Γιώργος"));
        type(window->eponymo, QStringLiteral("Παππάς"));
        type(window->dnsh, QStringLiteral("Ερμού 5"));
        type(window->poli, QStringLiteral("Αθήνα"));
        tab(1);
        type(window->dimos, QStringLiteral("Δήμος Αθηναίων"));
        type(window->DD, QStringLiteral("Πλάκα"));
        type(window->uesi, QStringLiteral("Άγιος Νικόλαος"));
        tab(2);
    }
    std::filesystem::path study(const std::string& name) const {
        return home() / store::TextPath::fromUtf8(name);
    }

    ui::stoixeia* window = nullptr;
};

TEST_F(stoixeiaTest, OpensOnTheOwnerTabWithTheRegistryListedAndOkDisabled) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Στοιχεία Μελέτης"));
    ASSERT_EQ(window->tbsOptions->count(), 3);
    const QStringList captions = {QStringLiteral("Στοιχεία Ιδιοκτήτη"),
                                  QStringLiteral("Στοιχεία Έργου"),
                                  QStringLiteral("Στοιχεία Μηχανικού")};
    const QStringList keys = {QStringLiteral("stoixeia"), QStringLiteral("egro"),
                              QStringLiteral("Mhxaniko")};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(window->tbsOptions->tabText(i), captions[i]);
        EXPECT_EQ(window->tbsOptions->tabData(i).toString(), keys[i]);
    }
    EXPECT_EQ(window->tbsOptions->currentIndex(), 0);
    EXPECT_EQ(window->picOptions[0]->x(), ui::Twips::toPixels(210));
    EXPECT_EQ(window->picOptions[1]->x(), ui::Twips::toPixels(-20000));
    EXPECT_EQ(window->picOptions[2]->x(), ui::Twips::toPixels(-20000));
    EXPECT_EQ(window->picOptions[0]->geometry(), ui::Twips::rect(210, 480, 5685, 3780));
    EXPECT_TRUE(window->picOptions[0]->isEnabled());
    EXPECT_FALSE(window->picOptions[1]->isEnabled());

    ASSERT_EQ(window->Combo1->count(), 2);
    EXPECT_EQ(window->Combo1->itemText(0), QStringLiteral("Μαρία Νικολάου"));
    EXPECT_EQ(window->Combo1->itemText(1), QStringLiteral("Νίκος Δήμου"));
    EXPECT_EQ(window->Combo1->currentIndex(), -1);
    EXPECT_FALSE(window->cmdOK->isEnabled());
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("lbleponymo"))->text(),
              QStringLiteral("Eπώνυμο :"));
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("lbleponymo"))->buddy(), window->eponymo);
    EXPECT_EQ(window->Command1->text(), QStringLiteral("Nέος Μηχανικός"));
}

TEST_F(stoixeiaTest, TabsShowTheirPanelAndCtrlTabWrapsFromTheLastToTheFirst) {
    window->tbsOptions->setCurrentIndex(2);
    EXPECT_EQ(window->picOptions[2]->x(), ui::Twips::toPixels(210));
    EXPECT_TRUE(window->picOptions[2]->isEnabled());
    EXPECT_EQ(window->picOptions[0]->x(), ui::Twips::toPixels(-20000));
    EXPECT_FALSE(window->picOptions[0]->isEnabled());

    ctrlTab();
    EXPECT_EQ(window->tbsOptions->currentIndex(), 0);
    EXPECT_EQ(window->picOptions[0]->x(), ui::Twips::toPixels(210));
    ctrlTab();
    EXPECT_EQ(window->tbsOptions->currentIndex(), 1);
    EXPECT_TRUE(window->picOptions[1]->isEnabled());
    EXPECT_FALSE(window->picOptions[2]->isEnabled());
}

TEST_F(stoixeiaTest, TheCursorGoesToTheFirstBoxOfEachTabChosen) {
    settle();
    EXPECT_EQ(window->focusWidget(), window->onoma);
    ctrlTab();
    EXPECT_EQ(window->focusWidget(), window->dimos) << "typed text lands on the tab in view";
    QKeyEvent pageDown(QEvent::KeyPress, Qt::Key_PageDown, Qt::ControlModifier);
    QCoreApplication::sendEvent(window->focusWidget(), &pageDown);
    EXPECT_EQ(window->tbsOptions->currentIndex(), 2);
    EXPECT_EQ(window->focusWidget(), window->Combo1);
    QTest::mouseClick(window->tbsOptions, Qt::LeftButton, {},
                      window->tbsOptions->tabRect(0).center());
    EXPECT_EQ(window->focusWidget(), window->onoma);
}

TEST_F(stoixeiaTest, OkIsEnabledOnTheOwnerKeystrokeThatCompletesTheFiveFieldsAndStaysSo) {
    tab(2);
    type(window->onm, QStringLiteral("Μαρία"));
    type(window->Epm, QStringLiteral("Νικολάου"));
    type(window->eidikot, QStringLiteral("Πολιτικός Μηχανικός"));
    tab(0);
    type(window->onoma, QStringLiteral("Γ"));
    EXPECT_FALSE(window->cmdOK->isEnabled());
    type(window->eponymo, QStringLiteral("Π"));
    EXPECT_TRUE(window->cmdOK->isEnabled());

    window->onoma->clear();
    window->eidikot->clear();
    EXPECT_TRUE(window->cmdOK->isEnabled());
}

TEST_F(stoixeiaTest, TypingTheEngineerLastDoesNotEnableOkUntilTheOwnerChanges) {
    type(window->onoma, QStringLiteral("Γιώργος"));
    type(window->eponymo, QStringLiteral("Παππάς"));
    tab(2);
    type(window->onm, QStringLiteral("Μαρία"));
    type(window->Epm, QStringLiteral("Νικολάου"));
    type(window->eidikot, QStringLiteral("Πολιτικός Μηχανικός"));
    EXPECT_FALSE(window->cmdOK->isEnabled());
    tab(0);
    type(window->eponymo, QStringLiteral("ς"));
    EXPECT_TRUE(window->cmdOK->isEnabled());
}

TEST_F(stoixeiaTest, PickingAnEngineerFillsTheBoxesAndCompletesTheRule) {
    type(window->onoma, QStringLiteral("Γιώργος"));
    type(window->eponymo, QStringLiteral("Παππάς"));
    EXPECT_FALSE(window->cmdOK->isEnabled());
    pick(1);
    EXPECT_EQ(window->onm->text(), QStringLiteral("Νίκος"));
    EXPECT_EQ(window->Epm->text(), QStringLiteral("Δήμου"));
    EXPECT_EQ(window->dnsm->text(), QStringLiteral("Τσιμισκή 3"));
    EXPECT_EQ(window->polim->text(), QStringLiteral("Θεσσαλονίκη"));
    EXPECT_EQ(window->eidikot->text(), QStringLiteral("Τεχνολόγος Τοπογράφος"));
    EXPECT_TRUE(window->cmdOK->isEnabled());
}

TEST_F(stoixeiaTest, AnEngineerAddedMeanwhileIsListedLastOnActivationAndOnSelection) {
    window->Command1->click();
    EXPECT_EQ(ui::WindowRegistry::find<ui::Form14>(), nullptr) << "a hidden panel's button";
    tab(2);
    window->Command1->click();
    auto* form14 = ui::WindowRegistry::find<ui::Form14>();
    ASSERT_NE(form14, nullptr);
    type(form14->onm, QStringLiteral("Ελένη"));
    type(form14->Epm, QStringLiteral("Κώστα"));
    form14->Command1->click();
    settle();

    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(window, &activate);
    ASSERT_EQ(window->Combo1->count(), 3);
    EXPECT_EQ(window->Combo1->itemText(2), QStringLiteral("Ελένη Κώστα"));

    // Another one straight into the file: the selection itself reads the registry afresh.
    std::vector<std::string> grown = kRegistry;
    for (const char* item : {"Ελένη", "Κώστα", "", "", "", "Άννα", "Λύρα", "", "Πάτρα", "Χ"})
        grown.push_back(item);
    put("mix.dat", grown);
    pick(1);
    ASSERT_EQ(window->Combo1->count(), 4);
    EXPECT_EQ(window->Combo1->itemText(3), QStringLiteral("Άννα Λύρα"));
    EXPECT_EQ(window->Combo1->currentIndex(), 1);
}

TEST_F(stoixeiaTest, ARegistryThatCannotBeReadIsNamedOnceWhenTheWindowOpens) {
    window->close();
    settle();
    std::filesystem::remove(home() / "mix.dat");
    std::filesystem::create_directory(home() / "mix.dat");
    window = ui::WindowRegistry::show<ui::stoixeia>();
    settle();
    EXPECT_EQ(window->Combo1->count(), 0);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains(QStringLiteral("«mix.dat»")))
        << dialogs.messages[0].toStdString();
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(window, &activate);
    settle();
    EXPECT_EQ(dialogs.messages.size(), 1);
}

TEST_F(stoixeiaTest, AnEmptyOrMissingRegistryGivesAnEmptyList) {
    window->close();
    settle();
    std::filesystem::remove(home() / "mix.dat");
    window = ui::WindowRegistry::show<ui::stoixeia>();
    EXPECT_EQ(window->Combo1->count(), 0);
    EXPECT_EQ(bytes(home() / "mix.dat"), "");
    EXPECT_TRUE(dialogs.messages.isEmpty());

    // The first engineer added is listed, but shows as picked only once the user picks it.
    put("mix.dat", {"Ελένη", "Βλάχου", "", "", "Πολιτικός Μηχανικός"});
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(window, &activate);
    ASSERT_EQ(window->Combo1->count(), 1);
    EXPECT_EQ(window->Combo1->currentIndex(), -1);
    EXPECT_EQ(window->Combo1->placeholderText(), QStringLiteral("Επιλέξτε μηχανικό"));
    pick(0);
    EXPECT_EQ(window->Epm->text(), QStringLiteral("Βλάχου"));
    EXPECT_EQ(window->Combo1->currentIndex(), 0);
}

TEST_F(stoixeiaTest, OkCreatesTheStudyFilesInTheirFormAndCloses) {
    put("ergasies.dat", {"Νίκος", "Δήμου"});
    fillOwnerAndSite();
    pick(0);
    type(window->polim, QStringLiteral("ς"));
    window->cmdOK->click();
    settle();
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join(u'\n').toStdString();
    EXPECT_EQ(ui::WindowRegistry::find<ui::stoixeia>(), nullptr);
    EXPECT_NE(ui::WindowRegistry::find<ui::Form1>(), nullptr);

    const auto folder = study("ΓιώργοςΠαππάς");
    EXPECT_EQ(bytes(home() / "ergasies.dat"), stored({"Νίκος", "Δήμου", "Γιώργος", "Παππάς"}));
    EXPECT_EQ(bytes(home() / "erga.dat"), bytes(home() / "ergasies.dat"));
    EXPECT_EQ(bytes(home() / "temp.dat"), stored({store::TextPath::toUtf8(folder)}));
    EXPECT_EQ(bytes(folder / "stoixeia.dat"),
              stored({"Γιώργος", "Παππάς", "Ερμού 5", "Αθήνα", "Δήμος Αθηναίων", "Πλάκα",
                      "Άγιος Νικόλαος", "Μαρία", "Νικολάου", "Σόλωνος 10", "Αθήνας",
                      "Πολιτικός Μηχανικός"}));
    EXPECT_EQ(bytes(folder / "l.dat"), "1.2\r\n");
    EXPECT_EQ(bytes(folder / "entos.dat"), " 1 \r\n");
    EXPECT_EQ(bytes(folder / "eid.dat"), " 2 \r\n");
    EXPECT_EQ(snapshot(folder).size(), 4u);
    // The registry is only read.
    EXPECT_EQ(bytes(home() / "mix.dat"), stored(kRegistry));
    EXPECT_FALSE(std::filesystem::exists(home() / "mix1.dat"));
}

TEST_F(stoixeiaTest, AWorkSelectionStillOpenFollowsTheNewStudy) {
    makeStudy("ΆνναΛύρα", {{"stoixeia.dat", {"Άννα", "Λύρα"}}, {"entos.dat", {" 0 "}}});
    auto* previous = ui::WindowRegistry::show<ui::Form1>();
    previous->Combo1->setCurrentIndex(2);
    ASSERT_EQ(previous->onoma->text(), QStringLiteral("Άννα"));
    fillOwnerAndSite();
    pick(0);
    window->cmdOK->click();
    settle();
    auto* shown = ui::WindowRegistry::find<ui::Form1>();
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->onoma->text(), QStringLiteral("Γιώργος"));
    EXPECT_EQ(shown->Epm->text(), QStringLiteral("Νικολάου"));
    EXPECT_EQ(shown->Combo1->currentIndex(), -1);
    EXPECT_TRUE(shown->εντος->isChecked());
}

TEST_F(stoixeiaTest, TheSpecialtyCodeFollowsTheExactName) {
    std::vector<std::pair<std::string, int>> cases;
    for (int code = 1; code <= 6; ++code) {
        const std::string name(store::Specialty::nameOf(code).value());
        cases.push_back({name, code});
        cases.push_back({name + " ", 0});
        cases.push_back({QString::fromStdString(name).toLower().toStdString(), 0});
    }
    cases.push_back({"Τοπογράφος", 0});
    cases.push_back({"ΠΟΛΙΤΙΚΟΣ ΜΗΧΑΝΙΚΟΣ", 0});

    int n = 0;
    for (const auto& [specialty, code] : cases) {
        if (window == nullptr) window = ui::WindowRegistry::show<ui::stoixeia>();
        const QString surname = QStringLiteral("Κ%1").arg(++n);
        tab(2);
        type(window->onm, QStringLiteral("Μαρία"));
        type(window->Epm, QStringLiteral("Νικολάου"));
        window->eidikot->setText(QString::fromStdString(specialty));
        tab(0);
        type(window->onoma, QStringLiteral("Γιώργος"));
        type(window->eponymo, surname);
        window->cmdOK->click();
        settle();
        window = nullptr;
        const auto folder = study("Γιώργος" + surname.toStdString());
        EXPECT_EQ(bytes(folder / "eid.dat"), " " + std::to_string(code) + " \r\n")
            << "«" << specialty << "»";
    }
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(stoixeiaTest, CancelWritesNothingAndKeepsTheCurrentStudy) {
    makeStudy("ΆνναΛύρα", {{"l.dat", {"1"}}});
    const auto before = snapshot(home());
    fillOwnerAndSite();
    pick(0);
    window->cmdCancel->click();
    settle();
    EXPECT_EQ(ui::WindowRegistry::find<ui::stoixeia>(), nullptr);
    EXPECT_EQ(ui::WindowRegistry::find<ui::Form1>(), nullptr);
    EXPECT_EQ(snapshot(home()), before);
}

TEST_F(stoixeiaTest, AnOwnerWhoseStudyExistsOrWhoseNameIsNoFolderIsRefusedWithNothingTouched) {
    makeStudy("ΓιώργοςΠαππάς", {{"l.dat", {"1"}}});
    put("ergasies.dat", {"Γιώργος", "Παππάς"});
    const auto before = snapshot(home());
    pick(0);
    const std::vector<std::pair<QString, QString>> owners = {
        {QStringLiteral("Γιώργος"), QStringLiteral("Παππάς")},
        {QStringLiteral("Γιώργος"), QStringLiteral("Παππάς/../../x")},
        {QStringLiteral(".."), QStringLiteral(".")},
        {QStringLiteral("Γ:"), QStringLiteral("Παππάς")},
        {QStringLiteral("  "), QStringLiteral(" ")},
    };
    for (const auto& [first, surname] : owners) {
        window->onoma->setText(first);
        window->eponymo->setText(surname);
        ASSERT_TRUE(window->cmdOK->isEnabled());
        window->cmdOK->click();
        settle();
        EXPECT_EQ(ui::WindowRegistry::find<ui::stoixeia>(), window) << first.toStdString();
        EXPECT_EQ(snapshot(home()), before) << first.toStdString();
    }
    ASSERT_EQ(dialogs.messages.size(), static_cast<qsizetype>(owners.size()));
    EXPECT_TRUE(dialogs.messages[0].contains(QStringLiteral("Υπάρχει ήδη")));
    for (int i = 1; i < 4; ++i)
        EXPECT_TRUE(dialogs.messages[i].contains(QStringLiteral("ιδιοκτήτη")))
            << dialogs.messages[i].toStdString();
    EXPECT_TRUE(dialogs.messages[4].contains(QStringLiteral("κενά")));
}

TEST_F(stoixeiaTest, AFieldTheStudyCannotKeepIsNamedAndNothingIsWritten) {
    const auto before = snapshot(home());
    fillOwnerAndSite();
    pick(0);
    window->DD->setText(QStringLiteral("Πλάκα, \"Άνω\""));
    window->cmdOK->click();
    settle();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains(QStringLiteral("«Δημοτικό Διαμέρισμα»")));
    EXPECT_EQ(snapshot(home()), before);
}

TEST_F(stoixeiaTest, APastedNameWithSeparateAccentsIsStoredAsMonotonicGreek) {
    // As text copied from a PDF often comes: the accents apart, or in polytonic letters.
    tab(0);
    window->onoma->insert(QString::fromUtf8("Γιω\u0301ργος"));
    window->eponymo->insert(QString::fromUtf8("Παππα\u0301ς"));
    tab(1);
    window->uesi->insert(QString::fromUtf8("\u1FBBγιος Νικ\u1F79λαος"));
    tab(2);
    pick(0);
    window->cmdOK->click();
    settle();
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join(u'\n').toStdString();
    const auto folder = study("ΓιώργοςΠαππάς");
    ASSERT_TRUE(std::filesystem::is_directory(folder));
    const auto details = store::ValueFile::read(folder, "stoixeia.dat").value();
    ASSERT_EQ(details.size(), 12u);
    EXPECT_EQ(details[0], "Γιώργος");
    EXPECT_EQ(details[1], "Παππάς");
    EXPECT_EQ(details[6], "Άγιος Νικόλαος");
    EXPECT_EQ(bytes(home() / "ergasies.dat"), stored({"Γιώργος", "Παππάς"}));
}

TEST_F(stoixeiaTest, TwoStudiesOfTheSameOwnerNameAreRefusedTheSecondTime) {
    for (int round = 0; round < 2; ++round) {
        if (window == nullptr) window = ui::WindowRegistry::show<ui::stoixeia>();
        fillOwnerAndSite();
        pick(0);
        window->cmdOK->click();
        settle();
        if (ui::WindowRegistry::find<ui::stoixeia>() == nullptr) window = nullptr;
    }
    EXPECT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(bytes(home() / "ergasies.dat"), stored({"Γιώργος", "Παππάς"}));
}

} // namespace
} // namespace velmora::test
