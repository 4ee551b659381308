#include "support/UiTest.h"

#include "messages/Describe.h"
#include "store/files/ValueFile.h"
#include "store/study/StudyCreation.h"
#include "ui/services/WindowRegistry.h"
#include "ui/works/Form2.h"
#include "ui/works/QuantityBoxes.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace velmora::test {
namespace {

using ui::Form2;
using ui::WindowRegistry;

class Form2Test : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        folder = makeStudy("ΚώσταςΜαύρος", {{"l.dat", {"1"}}, {"entos.dat", {" 1 "}}});
    }
    Form2* save(const QString& typed) {
        Form2* window = WindowRegistry::show<Form2>();
        window->ll1->clear();
        type(window->ll1, typed);
        window->Command1->click();
        settle();
        return window;
    }
    std::string studyLambda() const { return bytes(folder / "l.dat"); }
    std::string defaultLambda() const { return bytes(home() / "l.dat"); }

    std::filesystem::path folder;
};

TEST_F(Form2Test, OpensEmptyWithItsLabelAndButton) {
    Form2* window = WindowRegistry::show<Form2>();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Αλλαγή Συντελεστή λ"));
    EXPECT_EQ(window->Label1->text(), QStringLiteral("Νέος Συντελεστής λ"));
    EXPECT_EQ(window->Label1->buddy(), window->ll1);
    EXPECT_EQ(window->Command1->text(), QStringLiteral("Αποθήκευση"));
    EXPECT_TRUE(window->ll1->text().isEmpty());
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowCloseButtonHint));
}

struct Saved {
    const char* typed;
    const char* stored;
};

class Form2SaveTest : public Form2Test, public ::testing::WithParamInterface<Saved> {};

TEST_P(Form2SaveTest, WritesTheStudyAndTheDefaultAndCloses) {
    save(QString::fromUtf8(GetParam().typed));
    EXPECT_EQ(WindowRegistry::find<Form2>(), nullptr);
    EXPECT_EQ(studyLambda(), GetParam().stored);
    EXPECT_EQ(defaultLambda(), GetParam().stored);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Lambdas, Form2SaveTest,
                         ::testing::Values(Saved{"1.2", "1.2\r\n"}, Saved{"1,5", "1.5\r\n"},
                                           Saved{"0,85", "0.85\r\n"}, Saved{"2", "2\r\n"}));

class Form2RefuseTest : public Form2Test, public ::testing::WithParamInterface<const char*> {};

TEST_P(Form2RefuseTest, RefusesWhatIsNotAPositiveNumberAndTouchesNeitherFile) {
    const std::string before = studyLambda();
    const std::string defaultBefore = defaultLambda();
    Form2* window = save(QString::fromUtf8(GetParam()));
    EXPECT_EQ(WindowRegistry::find<Form2>(), window);
    EXPECT_EQ(studyLambda(), before);
    EXPECT_EQ(defaultLambda(), defaultBefore);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].endsWith(
        QStringLiteral("Ο συντελεστής λ πρέπει να είναι θετικός αριθμός, π.χ. 1 ή 1,2. Η τιμή «") +
        QString::fromUtf8(GetParam()) +
        QStringLiteral("» δεν έγινε δεκτή και ο συντελεστής δεν άλλαξε.")))
        << dialogs.messages[0].toStdString();
    EXPECT_TRUE(ui::QuantityBoxes::isMarked(window->ll1));
}

INSTANTIATE_TEST_SUITE_P(Refused, Form2RefuseTest,
                         ::testing::Values("", "   ", "abc", "λάμδα", "0", "0,0", "-1", "-0.5",
                                           "1.2.3", "1E39", "1E-50", "1.500"));

TEST_F(Form2Test, TheNextNewStudyStartsWithTheSavedLambda) {
    save(QStringLiteral("1,2"));
    store::StudyDetails details;
    details.ownerFirstName = "Άννα";
    details.ownerSurname = "Λύρη";
    details.engineer = {"Μαρία", "Οικονόμου", "Σόλωνος 3", "Αθήνα", "Πολιτικός Μηχανικός"};
    auto created = store::StudyCreation::create(home(), details);
    ASSERT_TRUE(created.status.ok()) << messages::describe(created.status);
    EXPECT_EQ(store::ValueFile::readNumbers(created.folder, "l.dat", 1)[0], 1.2);
}

TEST_F(Form2Test, WithoutACurrentStudyNothingIsWritten) {
    std::filesystem::remove(home() / "temp.dat");
    const std::string defaultBefore = defaultLambda();
    save(QStringLiteral("1.3"));
    EXPECT_NE(WindowRegistry::find<Form2>(), nullptr);
    EXPECT_EQ(defaultLambda(), defaultBefore);
    EXPECT_EQ(dialogs.messages.size(), 1);
}

} // namespace
} // namespace velmora::test
