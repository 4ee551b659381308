#include "support/UiTest.h"

#include "store/base/TextPath.h"
#include "ui/report/Form13.h"
#include "ui/services/WindowRegistry.h"
#include "ui/shell/arxeio.h"
#include "ui/shell/palaia.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <array>

namespace velmora::test {
namespace {

class palaiaTest : public UiTest {
protected:
    // A list of studies of owners N1 S1, N2 S2, ..., each with a folder of its own.
    void listStudies(int count) {
        std::vector<std::string> lines;
        for (int i = 1; i <= count; ++i) {
            lines.push_back("Ν" + std::to_string(i));
            lines.push_back("Σ" + std::to_string(i));
            std::filesystem::create_directory(
                folder("Ν" + std::to_string(i) + "Σ" + std::to_string(i)));
        }
        putLines(home() / "ergasies.dat", lines);
    }
    std::filesystem::path folder(const std::string& name) const {
        return home() / store::TextPath::fromUtf8(name);
    }
    void choose(int index) {
        window->EPILOGI->setCurrentIndex(index);
        emit window->EPILOGI->activated(index);
    }
    std::string pointer() const { return text(home() / "temp.dat"); }
    std::string pointerAt(const std::string& name) const {
        return store::TextPath::toUtf8(folder(name)) + "\r\n";
    }
    std::vector<std::string> indexLines() const { return lines(text(home() / "temp1.dat")); }
    void open() { window = ui::WindowRegistry::show<ui::palaia>(); }

    ui::palaia* window = nullptr;
};

TEST_F(palaiaTest, AnEmptyListGivesAnEmptyChoiceAndAHundredBlankPlaces) {
    makeStudy("ΆνναΛύρα", {{"l.dat", {"1"}}});
    open();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Εισαγωγή Προηγούμενης Μελέτης"));
    EXPECT_EQ(window->Label1->text(), QStringLiteral("Εισαγωγή της μελέτης του Ιδιοκτήτη κ.κ."));
    EXPECT_EQ(window->EPILOGI->count(), 0);
    EXPECT_EQ(indexLines(), std::vector<std::string>(100, " "));

    const std::string before = pointer();
    window->OKButton->click();
    settle();
    EXPECT_EQ(pointer(), before);
    EXPECT_EQ(ui::WindowRegistry::find<ui::palaia>(), nullptr);
    auto* summary = ui::WindowRegistry::find<ui::Form13>();
    ASSERT_NE(summary, nullptr);
    EXPECT_EQ(summary->l->text(), QStringLiteral("1"));
}

TEST_F(palaiaTest, ThreeStudiesAreListedInCreationOrderAndAChoicePointsAtOnce) {
    listStudies(3);
    open();
    ASSERT_EQ(window->EPILOGI->count(), 3);
    EXPECT_EQ(window->EPILOGI->itemText(0), QStringLiteral("Ν1 Σ1"));
    EXPECT_EQ(window->EPILOGI->itemText(2), QStringLiteral("Ν3 Σ3"));
    EXPECT_EQ(window->EPILOGI->currentIndex(), -1);
    std::vector<std::string> expected = {"Ν1Σ1", "Ν2Σ2", "Ν3Σ3"};
    expected.resize(100, " ");
    EXPECT_EQ(indexLines(), expected);

    choose(2);
    EXPECT_EQ(pointer(), pointerAt("Ν3Σ3"));
    choose(0);
    EXPECT_EQ(pointer(), pointerAt("Ν1Σ1"));
    EXPECT_EQ(ui::WindowRegistry::find<ui::Form13>(), nullptr);

    // The close box keeps the choice and shows no summary.
    window->close();
    settle();
    EXPECT_EQ(pointer(), pointerAt("Ν1Σ1"));
    EXPECT_EQ(ui::WindowRegistry::find<ui::Form13>(), nullptr);
}

TEST_F(palaiaTest, AHundredAndFiftyStudiesCanAllBeChosen) {
    listStudies(150);
    open();
    ASSERT_EQ(window->EPILOGI->count(), 150);
    const auto index = indexLines();
    ASSERT_EQ(index.size(), 100u);
    EXPECT_EQ(index[99], "Ν100Σ100");

    choose(49);
    EXPECT_EQ(pointer(), pointerAt("Ν50Σ50"));
    choose(149);
    EXPECT_EQ(pointer(), pointerAt("Ν150Σ150"));
    choose(100);
    EXPECT_EQ(pointer(), pointerAt("Ν101Σ101"));
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(palaiaTest, TheFirstHundredAreFoundThroughTheIndex) {
    listStudies(3);
    open();
    std::vector<std::string> index = {"Ν1Σ1", "Άλλος", "Ν3Σ3"};
    index.resize(100, " ");
    putLines(home() / "temp1.dat", index);
    choose(1);
    EXPECT_EQ(pointer(), pointerAt("Άλλος"));
}

TEST_F(palaiaTest, TwoStudiesOfTheSameOwnerLeadToTheSameFolder) {
    putLines(home() / "ergasies.dat", {"Ν", "Σ", "Ν", "Σ"});
    open();
    ASSERT_EQ(window->EPILOGI->count(), 2);
    EXPECT_EQ(window->EPILOGI->itemText(0), window->EPILOGI->itemText(1));
    choose(1);
    EXPECT_EQ(pointer(), pointerAt("ΝΣ"));
}

TEST_F(palaiaTest, AStudyWhoseFolderIsGoneStillBecomesCurrentAndItsSummarySaysSo) {
    putLines(home() / "ergasies.dat", {"Ν", "Σ"});
    open();
    choose(0);
    EXPECT_EQ(pointer(), pointerAt("ΝΣ"));
    window->OKButton->click();
    settle();
    auto* summary = ui::WindowRegistry::find<ui::Form13>();
    ASSERT_NE(summary, nullptr);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains(QStringLiteral("δεν υπάρχει")));
    EXPECT_TRUE(summary->onoma->text().isEmpty());
}

// Reading writes nothing: the list is made by the start of the program or the first study.
TEST_F(palaiaTest, AMissingListIsEmptyAndLeftMissing) {
    std::filesystem::remove(home() / "ergasies.dat");
    open();
    EXPECT_EQ(window->EPILOGI->count(), 0);
    EXPECT_FALSE(std::filesystem::exists(home() / "ergasies.dat"));
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(palaiaTest, AListThatCannotBeReadIsNamedAndTheIndexKept) {
    listStudies(2);
    open();
    window->close();
    settle();
    const std::string index = text(home() / "temp1.dat");
    std::filesystem::remove(home() / "ergasies.dat");
    std::filesystem::create_directory(home() / "ergasies.dat");
    open();
    EXPECT_EQ(window->EPILOGI->count(), 0);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains(QStringLiteral("«ergasies.dat»")))
        << dialogs.messages[0].toStdString();
    EXPECT_EQ(text(home() / "temp1.dat"), index);
}

TEST_F(palaiaTest, AnEntryWithoutOwnerNameNeverPointsAtTheInstallationFolder) {
    putLines(home() / "ergasies.dat", {"", ""});
    makeStudy("ΆνναΛύρα", {});
    const std::string before = pointer();
    open();
    choose(0);
    EXPECT_EQ(pointer(), before);
    EXPECT_EQ(dialogs.messages.size(), 1);
}

// Three studies, each with its site: Γιώργος Παππάς in Κηφισιά, Άννα Λύρα in Άγιος Στέφανος,
// Νίκος Παππάς in Κηφισιά.
class palaiaSearchTest : public palaiaTest {
protected:
    void SetUp() override {
        palaiaTest::SetUp();
        for (const auto& [first, surname, location] :
             std::vector<std::array<std::string, 3>>{{"Γιώργος", "Παππάς", "Κεφαλάρι"},
                                                     {"Άννα", "Λύρα", "Άγιος Στέφανος"},
                                                     {"Νίκος", "Παππάς", "Κεφαλάρι"}}) {
            const auto study = makeStudy(first + surname, {});
            putLines(study / "stoixeia.dat",
                     {first, surname, "", "", "Κηφισιάς", "", location, "", "", "", "", ""});
        }
        putLines(home() / "ergasies.dat", {"Γιώργος", "Παππάς", "Άννα", "Λύρα", "Νίκος", "Παππάς"});
    }
    void search(const QString& text) {
        window->Anazitisi->setText(text);
        settle();
    }
    QStringList shown() const {
        QStringList owners;
        for (int i = 0; i < window->EPILOGI->count(); ++i)
            owners << window->EPILOGI->itemText(i) + u" | " +
                          window->EPILOGI->model()->index(i, 1).data().toString();
        return owners;
    }
};

TEST_F(palaiaSearchTest, TypingNarrowsTheListWithoutChangingTheCurrentStudy) {
    open();
    EXPECT_EQ(window->lblAnazitisi->buddy(), window->Anazitisi);
    EXPECT_EQ(window->focusWidget(), window->Anazitisi);
    EXPECT_EQ(shown().size(), 3);
    const std::string before = pointer();
    const int width = window->EPILOGI->width();
    type(window->Anazitisi, QStringLiteral("ΠΑΠΠΑΣ"));
    // The box keeps its width for the fewer entries (the toolkit would adjust it on a timer).
    QTest::qWait(100);
    EXPECT_EQ(window->EPILOGI->width(), width);
    EXPECT_EQ(shown(), QStringList({QStringLiteral("Γιώργος Παππάς | Κεφαλάρι του Δήμου Κηφισιάς"),
                                    QStringLiteral("Νίκος Παππάς | Κεφαλάρι του Δήμου Κηφισιάς")}));
    EXPECT_EQ(pointer(), before);
    // The choice is of the study shown, wherever it stands in the list.
    choose(1);
    EXPECT_EQ(pointer(), pointerAt("ΝίκοςΠαππάς"));

    search(QStringLiteral("αγιος στεφ"));
    EXPECT_EQ(shown(),
              QStringList({QStringLiteral("Άννα Λύρα | Άγιος Στέφανος του Δήμου Κηφισιάς")}));
    EXPECT_EQ(pointer(), pointerAt("ΝίκοςΠαππάς"));
    // Enter in the search box chooses the one study found.
    QTest::keyClick(window->Anazitisi, Qt::Key_Return);
    EXPECT_EQ(pointer(), pointerAt("ΆνναΛύρα"));
    EXPECT_EQ(ui::WindowRegistry::find<ui::Form13>(), nullptr);
    search(QStringLiteral("λάρισα"));
    EXPECT_EQ(window->EPILOGI->count(), 0);
}

TEST_F(palaiaSearchTest, AStudyIsPutAwayAfterAskingAndBroughtBack) {
    open();
    search(QStringLiteral("νικος"));
    choose(0);
    dialogs.answer = false;
    window->Arxeiothetisi->click();
    EXPECT_EQ(dialogs.questions.size(), 1);
    EXPECT_EQ(window->EPILOGI->count(), 1);

    dialogs.answer = true;
    window->Arxeiothetisi->click();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains(QStringLiteral("Δεν υπάρχει πλέον τρέχουσα μελέτη")))
        << dialogs.messages[0].toStdString();
    EXPECT_FALSE(std::filesystem::exists(home() / "temp.dat"));
    EXPECT_FALSE(std::filesystem::exists(folder("ΝίκοςΠαππάς")));
    EXPECT_EQ(window->EPILOGI->count(), 0);
    search({});
    EXPECT_EQ(window->EPILOGI->count(), 2);

    window->Epanafora->click();
    auto* shelf = ui::WindowRegistry::find<ui::arxeio>();
    ASSERT_NE(shelf, nullptr);
    ASSERT_EQ(shelf->lstArxeio->topLevelItemCount(), 1);
    EXPECT_EQ(shelf->lstArxeio->topLevelItem(0)->text(0), QStringLiteral("Νίκος Παππάς"));
    EXPECT_EQ(shelf->lstArxeio->topLevelItem(0)->text(1),
              QStringLiteral("Κεφαλάρι του Δήμου Κηφισιάς"));
    QTest::keyClick(shelf->lstArxeio, Qt::Key_Return);
    EXPECT_EQ(shelf->lstArxeio->topLevelItemCount(), 0);
    EXPECT_TRUE(std::filesystem::exists(folder("ΝίκοςΠαππάς") / "stoixeia.dat"));
    EXPECT_EQ(window->EPILOGI->count(), 3);
    EXPECT_EQ(window->EPILOGI->itemText(2), QStringLiteral("Νίκος Παππάς"));
}

} // namespace
} // namespace velmora::test
