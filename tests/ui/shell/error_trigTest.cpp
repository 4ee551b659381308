#include "support/UiTest.h"

#include "store/base/Specialty.h"
#include "ui/services/WindowRegistry.h"
#include "ui/shell/error_trig.h"

#include <QLabel>
#include <QPushButton>

namespace velmora::test {
namespace {

using ui::error_trig;
using ui::WindowRegistry;

class error_trigTest : public UiTest, public ::testing::WithParamInterface<int> {
protected:
    error_trig* openFor(const std::string& code) {
        makeStudy("ΣοφίαΚαλή", {{"eid.dat", {code}}, {"entos.dat", {" 1 "}}});
        return WindowRegistry::show<error_trig>();
    }
};

TEST_F(error_trigTest, ReasonKeepsEveryBlank) {
    // Laid out by blanks: 16 before, 17 between the sentences, doubled blanks in the second.
    const QString expected =
        QString(16, u' ') +
        QStringLiteral("Σύμφωνα με την ειδιοκτότητά σας δεν έχετε τα απαραίτητα δικαιώματα για "
                       "την εργασία του τριγωνισμού.") +
        QString(17, u' ') +
        QStringLiteral("Ο Τριγωνισμός  απαιτεί  την  χρήση  υπολογισμών με  την  μέθοδο  των  "
                       "ελαχίστων  τετραγώνων   καθώς  και υπολογισμούς στο Γεωειδές. ");
    error_trig* window = openFor(" 4 ");
    EXPECT_EQ(window->Label3->text().size(), 264);
    EXPECT_EQ(window->Label3->text(), expected);
    EXPECT_TRUE(window->Label3->wordWrap());
    EXPECT_EQ(window->Label1->text(), QStringLiteral("Έχετε δηλώσει οτι η ειδικότητά σας είναι:"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("ΠΡΟΣΟΧΗ"));
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowCloseButtonHint));
}

TEST_P(error_trigTest, NamesTheSpecialtyOfTheCode) {
    error_trig* window = openFor(" " + std::to_string(GetParam()) + " ");
    const auto name = store::Specialty::nameOf(GetParam());
    EXPECT_EQ(window->Label2->text().toStdString(), name ? std::string(*name) : "Label2");
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Codes, error_trigTest, ::testing::Values(0, 1, 2, 3, 4, 5, 6, 7));

TEST_F(error_trigTest, TechnologistSurveyor) {
    EXPECT_EQ(openFor(" 4 ")->Label2->text(), QStringLiteral("Τεχνολόγος Τοπογράφος"));
}

TEST_F(error_trigTest, UnreadableSpecialtyIsToldAndTheWindowStillCloses) {
    auto folder = makeStudy("ΣοφίαΚαλή", {{"entos.dat", {" 1 "}}});
    error_trig* window = WindowRegistry::show<error_trig>();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains(QStringLiteral("eid.dat")));
    window->OKButton->click();
    settle();
    EXPECT_EQ(WindowRegistry::find<error_trig>(), nullptr);
    EXPECT_FALSE(std::filesystem::exists(folder / "eid.dat"));
}

TEST_F(error_trigTest, OkCloses) {
    error_trig* window = openFor(" 5 ");
    EXPECT_EQ(window->OKButton->text(), QStringLiteral("OK"));
    window->OKButton->click();
    settle();
    EXPECT_EQ(WindowRegistry::find<error_trig>(), nullptr);
}

} // namespace
} // namespace velmora::test
