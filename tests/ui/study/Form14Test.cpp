#include "study/EngineerRecords.h"
#include "support/UiTest.h"

#include "store/base/Specialty.h"
#include "ui/services/WindowRegistry.h"
#include "ui/study/Form14.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace velmora::test {
namespace {

const std::vector<std::string>& kTwoRecords = twoEngineers();

class Form14Test : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        put("mix.dat", kTwoRecords);
        window = ui::WindowRegistry::show<ui::Form14>();
    }
    void put(const std::string& name, const std::vector<std::string>& lines) {
        putLines(home() / name, lines);
    }
    void fill(const QString& first, const QString& surname, const QString& address,
              const QString& city, const QString& specialty) {
        type(window->onm, first);
        type(window->Epm, surname);
        type(window->dnsm, address);
        type(window->polim, city);
        type(window->eidikot->lineEdit(), specialty);
    }

    ui::Form14* window = nullptr;
};

TEST_F(Form14Test, OffersTheSpecialtiesInCodeOrderWithEveryFieldEmpty) {
    ASSERT_EQ(window->eidikot->count(), 6);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(window->eidikot->itemText(i).toStdString(),
                  store::Specialty::nameOf(i + 1).value());
    EXPECT_TRUE(window->eidikot->isEditable());
    EXPECT_EQ(window->eidikot->currentText(), QString());
    for (QLineEdit* box : {window->onm, window->Epm, window->dnsm, window->polim})
        EXPECT_TRUE(box->text().isEmpty());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Εισαγωγή Νέου Μηχανικού"));
    EXPECT_EQ(window->Command1->text(), QStringLiteral("ΟΚ"));
    auto* label = window->findChild<QLabel*>(QStringLiteral("Label5"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->buddy(), window->eidikot);
}

TEST_F(Form14Test, OkAppendsTheRecordThroughTheScratchFileAndCloses) {
    fill(QStringLiteral("Ελένη"), QStringLiteral("Κώστα"), QStringLiteral("Ερμού 5"),
         QStringLiteral("Πάτρα"), QString());
    window->eidikot->setCurrentIndex(0);
    window->Command1->click();
    settle();

    std::vector<std::string> expected = kTwoRecords;
    for (const char* item :
         {"Ελένη", "Κώστα", "Ερμού 5", "Πάτρα", "Αγρονόμος Τοπογράφος Μηχανικός"})
        expected.push_back(item);
    ASSERT_EQ(expected.size(), 15u);
    EXPECT_EQ(bytes(home() / "mix.dat"), stored(expected));
    EXPECT_EQ(bytes(home() / "mix1.dat"), stored(kTwoRecords));
    EXPECT_EQ(ui::WindowRegistry::find<ui::Form14>(), nullptr);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(Form14Test, ATypedSpecialtyAndEmptyFieldsAreStoredAsTheyStandWithEnterForOk) {
    fill(QString(), QString(), QString(), QString(), QStringLiteral("τοπογράφος "));
    QTest::keyClick(window->eidikot->lineEdit(), Qt::Key_Return);
    std::vector<std::string> expected = kTwoRecords;
    for (const char* item : {"", "", "", "", "τοπογράφος "})
        expected.push_back(item);
    EXPECT_EQ(bytes(home() / "mix.dat"), stored(expected));
}

TEST_F(Form14Test, ClosingWithTheCloseBoxWritesNothing) {
    put("mix1.dat", {"παλιό"});
    fill(QStringLiteral("Ελένη"), QStringLiteral("Κώστα"), QString(), QString(), QString());
    const std::string registry = bytes(home() / "mix.dat");
    const std::string scratch = bytes(home() / "mix1.dat");
    window->close();
    settle();
    EXPECT_EQ(bytes(home() / "mix.dat"), registry);
    EXPECT_EQ(bytes(home() / "mix1.dat"), scratch);
}

TEST_F(Form14Test, AnEntryTheRegistryCannotKeepIsRefusedWithTheWindowLeftOpen) {
    fill(QStringLiteral("Ελένη"), QStringLiteral("Κώστα"), QStringLiteral("\"Οδός\", 5"), QString(),
         QString());
    window->Command1->click();
    settle();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains(QStringLiteral("«Δ/νση»")));
    EXPECT_EQ(bytes(home() / "mix.dat"), stored(kTwoRecords));
    EXPECT_FALSE(std::filesystem::exists(home() / "mix1.dat"));
    EXPECT_EQ(ui::WindowRegistry::find<ui::Form14>(), window);
}

} // namespace
} // namespace velmora::test
