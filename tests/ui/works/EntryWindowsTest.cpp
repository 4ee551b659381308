#include "support/UiTest.h"

#include "store/study/WorkSelection.h"
#include "ui/services/Twips.h"
#include "ui/services/WindowRegistry.h"
#include "ui/works/Form10.h"
#include "ui/works/Form11.h"
#include "ui/works/Form12.h"
#include "ui/works/Form4.h"
#include "ui/works/Form6.h"
#include "ui/works/Form7.h"
#include "ui/works/Form8.h"
#include "ui/works/QuantityBoxes.h"
#include "ui/works/form3.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <functional>

namespace velmora::test {
namespace {

using ui::EntryWindow;
using ui::WindowRegistry;

struct Entry {
    const char* window;
    std::function<EntryWindow*()> show;
    std::function<bool()> isOpen;
    const char* button;
    const char* file;
    QSize innerTwips;
};

template <class W>
Entry entry(const char* name, const char* button, const char* file, int w, int h) {
    return {name,
            [] { return WindowRegistry::show<W>(); },
            [] { return WindowRegistry::find<W>() != nullptr; },
            button,
            file,
            QSize(w, h)};
}

const std::vector<Entry>& entries() {
    static const std::vector<Entry> all = {
        entry<ui::form3>("form3", "Command1", "trig.dat", 4590, 3300),
        entry<ui::Form4>("Form4", "Command1", "polygon.dat", 4680, 3195),
        entry<ui::Form6>("Form6", "OK", "asti.dat", 4680, 3195),
        entry<ui::Form7>("Form7", "Command1", "analog.dat", 4680, 3195),
        entry<ui::Form8>("Form8", "Command1", "rymotom.dat", 4845, 3765),
        entry<ui::Form10>("Form10", "Command1", "xilosta.dat", 4830, 3195),
        entry<ui::Form11>("Form11", "Command1", "oix.dat", 4680, 3195),
        entry<ui::Form12>("Form12", "Command1", "them.dat", 5070, 3750),
    };
    return all;
}

const Entry& find(const std::string& name) {
    for (const Entry& e : entries())
        if (name == e.window) return e;
    throw std::runtime_error(name);
}

class EntryWindowsTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        folder = makeStudy("ΕλένηΔημητρίου", {{"entos.dat", {" 1 "}}, {"l.dat", {"1"}}});
    }
    // Fills the boxes in the order given (box index, text), then presses "Υποβολή".
    EntryWindow* submit(const Entry& e, const std::vector<std::pair<int, std::string>>& typed) {
        EntryWindow* window = e.show();
        for (const auto& [index, text] : typed) {
            QLineEdit* box = window->fields().at(static_cast<std::size_t>(index)).box;
            box->setFocus();
            type(box, QString::fromStdString(text));
        }
        window->findChild<QPushButton*>(QString::fromLatin1(e.button))->click();
        settle();
        return window;
    }
    std::string file(const Entry& e) const { return bytes(folder / e.file); }
    void put(const char* name, const std::string& content) const {
        TestFiles::put(folder / name, content);
    }

    std::filesystem::path folder;
};

struct Typed {
    const char* window;
    std::vector<std::pair<int, std::string>> typed;
    const char* stored;
};

class EntryWindowsStoreTest : public EntryWindowsTest,
                              public ::testing::WithParamInterface<Typed> {};

TEST_P(EntryWindowsStoreTest, WritesItsWorkFileAndCloses) {
    const Entry& e = find(GetParam().window);
    submit(e, GetParam().typed);
    EXPECT_FALSE(e.isOpen());
    EXPECT_EQ(file(e), GetParam().stored);
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join(u'\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Windows, EntryWindowsStoreTest,
    ::testing::Values(
        // Filled backwards, still stored in the order of the file.
        Typed{"form3", {{3, "4"}, {2, "3"}, {1, "2"}, {0, "1"}}, "1\r\n2\r\n3\r\n4\r\n"},
        Typed{"form3", {}, "\r\n\r\n\r\n\r\n"}, Typed{"Form4", {{0, "12"}}, "12\r\n"},
        Typed{"Form6", {{0, "3,5"}}, "3.5\r\n"}, Typed{"Form7", {{0, "0.8"}}, "0.8\r\n"},
        Typed{"Form8", {{1, "7"}}, "\r\n7\r\n"}, Typed{"Form10", {{0, "15"}}, "15\r\n"},
        Typed{"Form11", {{0, " 8 "}}, "\" 8 \"\r\n"}, Typed{"Form12", {}, " 4 \r\n"},
        // Without grouping, and with a decimal comma before three digits.
        Typed{"Form4", {{0, "1500"}}, "1500\r\n"}, Typed{"Form12", {{0, "1500"}}, " 124 \r\n"},
        Typed{"Form7", {{0, "12,500"}}, "12.500\r\n"}));

TEST_F(EntryWindowsTest, EnterInABoxSubmits) {
    for (const Entry& e : entries()) {
        QLineEdit* box = e.show()->fields().front().box;
        box->setFocus();
        type(box, QStringLiteral("5"));
        QTest::keyClick(box, Qt::Key_Return);
        settle();
        EXPECT_FALSE(e.isOpen()) << e.window;
        EXPECT_TRUE(std::filesystem::exists(folder / e.file)) << e.window;
    }
}

TEST_F(EntryWindowsTest, LinesExampleReadsBackAsNumbersAfterSubmit) {
    const Entry& e = find("Form8");
    submit(e, {{1, "7"}});
    EXPECT_EQ(file(e), "\r\n7\r\n");
    EXPECT_TRUE(store::WorkSelection::submit(folder).empty());
    EXPECT_EQ(file(e), " 0 \r\n 7 \r\n");
}

struct Reopened {
    const char* window;
    const char* stored;
    // What the boxes show, with a decimal comma where the regional separator goes.
    std::vector<const char*> shown;
    // Boxes typed over before "Υποβολή" (box index, new text).
    std::vector<std::pair<int, std::string>> typed;
    const char* after;
};

class EntryWindowsReopenTest : public EntryWindowsTest,
                               public ::testing::WithParamInterface<Reopened> {};

TEST_P(EntryWindowsReopenTest, ShowsWhatIsStoredAndKeepsWhatWasNotTypedOver) {
    const Reopened& c = GetParam();
    const Entry& e = find(c.window);
    put(e.file, c.stored);
    EntryWindow* window = e.show();
    ASSERT_EQ(window->fields().size(), c.shown.size());
    for (std::size_t i = 0; i < c.shown.size(); ++i)
        EXPECT_EQ(window->fields()[i].box->text(), regional(QString::fromUtf8(c.shown[i]))) << i;
    for (const auto& [index, text] : c.typed)
        window->fields().at(static_cast<std::size_t>(index)).box->clear();
    submit(e, c.typed);
    EXPECT_FALSE(e.isOpen());
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join(u'\n').toStdString();
    EXPECT_EQ(file(e), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, EntryWindowsReopenTest,
    ::testing::Values(
        // A stored negative, and a point that typed under English settings would be refused as
        // a thousands separator, are kept as they stand.
        Reopened{"Form8", "2.5\r\n-3\r\n", {"2,5", "-3"}, {}, "2.5\r\n-3\r\n"},
        Reopened{"Form6", "1.234\r\n", {"1,234"}, {}, "1.234\r\n"},
        Reopened{"form3",
                 " 1 \r\n\r\n.5\r\n 0 \r\n",
                 {"1", "", "0,5", "0"},
                 {},
                 "1 \r\n\r\n.5\r\n0 \r\n"},
        // One value changed, the others stay.
        Reopened{"Form8", "2.5\r\n7\r\n", {"2,5", "7"}, {{1, "8"}}, "2.5\r\n8\r\n"},
        Reopened{"Form4", "12\r\n", {"12"}, {{0, "12,5"}}, "12.5\r\n"},
        // The building window opens with its area box empty: left so, the stored count stays.
        Reopened{"Form12", " 12 \r\n", {""}, {}, " 12 \r\n"},
        Reopened{"Form12", " 12 \r\n", {""}, {{0, "200"}}, " 20 \r\n"},
        Reopened{"Form12", " 0 \r\n", {""}, {{0, "112,5"}}, " 13 \r\n"}));

TEST_F(EntryWindowsTest, BuildingWindowShowsTheStoredPointCountBesideTheArea) {
    put("them.dat", " 12 \r\n");
    auto* window = WindowRegistry::show<ui::Form12>();
    EXPECT_TRUE(window->www->text().isEmpty());
    EXPECT_EQ(window->lblStored->text(), QStringLiteral("Αποθηκευμένα σημεία: 12"));
    window->close();
    settle();
    std::filesystem::remove(folder / "them.dat");
    EXPECT_TRUE(WindowRegistry::show<ui::Form12>()->lblStored->text().isEmpty());
}

TEST_F(EntryWindowsTest, EscAndTheCloseBoxLeaveTheStoredQuantitiesAsTheyWere) {
    for (const Entry& e : entries()) {
        SCOPED_TRACE(e.window);
        put(e.file, "5\r\n");
        EntryWindow* window = e.show();
        QLineEdit* box = window->fields().front().box;
        box->setFocus();
        type(box, QStringLiteral("9"));
        QTest::keyClick(box, Qt::Key_Escape);
        settle();
        EXPECT_FALSE(e.isOpen());
        EXPECT_EQ(file(e), "5\r\n");

        window = e.show();
        window->fields().front().box->setText(QStringLiteral("9"));
        window->close();
        settle();
        EXPECT_FALSE(e.isOpen());
        EXPECT_EQ(file(e), "5\r\n");
    }
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

struct Refused {
    const char* window;
    std::vector<std::pair<int, std::string>> typed;
    int wrong;
    const char* field;
    // What the message tells the user to do instead.
    const char* hint = "";
};

class EntryWindowsRefuseTest : public EntryWindowsTest,
                               public ::testing::WithParamInterface<Refused> {};

TEST_P(EntryWindowsRefuseTest, WhatIsNoQuantityIsMarkedNamedAndNothingIsWritten) {
    const Entry& e = find(GetParam().window);
    e.show();
    put(e.file, "earlier\r\n");
    EntryWindow* window = submit(e, GetParam().typed);
    EXPECT_TRUE(e.isOpen());
    EXPECT_EQ(file(e), "earlier\r\n");
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains(QString::fromUtf8(GetParam().field)))
        << dialogs.messages[0].toStdString();
    EXPECT_TRUE(dialogs.messages[0].contains(QString::fromUtf8(GetParam().hint)))
        << dialogs.messages[0].toStdString();
    for (int i = 0; i < static_cast<int>(window->fields().size()); ++i)
        EXPECT_EQ(ui::QuantityBoxes::isMarked(window->fields()[i].box), i == GetParam().wrong) << i;

    // Put right, the same window stores and closes.
    QLineEdit* wrong = window->fields()[GetParam().wrong].box;
    wrong->selectAll();
    type(wrong, QStringLiteral("1"));
    EXPECT_FALSE(ui::QuantityBoxes::isMarked(wrong));
    window->findChild<QPushButton*>(QString::fromLatin1(e.button))->click();
    settle();
    EXPECT_FALSE(e.isOpen());
    EXPECT_NE(file(e), "earlier\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Windows, EntryWindowsRefuseTest,
    ::testing::Values(
        Refused{"Form8", {{0, "abc"}, {1, "7"}}, 0, "Προσδιορισμός και Χάραξη Αξόνων (Σημεία)"},
        Refused{"Form6", {{0, "1.2.3"}}, 0, "Εμβαδό"},
        Refused{"form3", {{2, "δύο"}}, 2, "Εμπροσθοτομία"},
        Refused{"Form7", {{0, "1,2,3"}}, 0, "Συνολικό Μήκος Προσώπων Οικοπέδων"},
        Refused{"Form12", {{0, "εκατό"}}, 0, "Εμβαδό οικοδομής σε m2"},
        // A point a Greek user may have meant as a thousands separator.
        Refused{"Form12", {{0, "1.500"}}, 0, "Εμβαδό οικοδομής σε m2", "«1500»"},
        Refused{
            "Form8", {{0, "3"}, {1, "12.000"}}, 1, "Κορυφές Οικοδομικών Τετραγώνων", "«12,000»"},
        Refused{"Form4", {{0, "-5"}}, 0, "Πλήθος πολυγωνομετρικών σημείων", "αρνητική"}));

struct Count {
    const char* area;
    const char* stored;
};

class Form12CountTest : public EntryWindowsTest, public ::testing::WithParamInterface<Count> {};

TEST_P(Form12CountTest, StoresTheWorkedOutPointCount) {
    const Entry& e = find("Form12");
    submit(e, {{0, GetParam().area}});
    EXPECT_EQ(file(e), GetParam().stored) << GetParam().area;
}

INSTANTIATE_TEST_SUITE_P(Areas, Form12CountTest,
                         ::testing::Values(Count{"0", " 4 \r\n"}, Count{"100", " 12 \r\n"},
                                           Count{"110", " 12 \r\n"}, Count{"112.5", " 13 \r\n"},
                                           Count{"112,5", " 13 \r\n"}, Count{"12,4", " 4 \r\n"},
                                           // The first count past a 16-bit integer, and far past.
                                           Count{"409550", " 32768 \r\n"},
                                           Count{"1000000000", " 80000004 \r\n"}));

TEST_F(EntryWindowsTest, Form12RefusesAnAreaTooLargeToWorkWith) {
    const Entry& e = find("Form12");
    submit(e, {{0, "1E39"}});
    EXPECT_TRUE(e.isOpen());
    EXPECT_FALSE(std::filesystem::exists(folder / "them.dat"));
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0], QStringLiteral("Το εμβαδό είναι πολύ μεγάλο για να υπολογιστεί "
                                                  "ο αριθμός των σημείων. Δεν αποθηκεύτηκε "
                                                  "τίποτα."));
    EXPECT_TRUE(ui::QuantityBoxes::isMarked(WindowRegistry::find<ui::Form12>()->www));
}

TEST_F(EntryWindowsTest, PolygonometryHintFollowsThePlanZone) {
    EXPECT_EQ(WindowRegistry::show<ui::Form4>()->tex->text(),
              QStringLiteral("ΕΝΑ ΣΗΜΕΙΟ ΑΝΑ ΣΤΡΕΜΑ"));
    WindowRegistry::find<ui::Form4>()->close();
    settle();
    for (const char* outside : {" 0 \r\n", "2\r\n", "\r\n"}) {
        put("entos.dat", outside);
        EXPECT_EQ(WindowRegistry::show<ui::Form4>()->tex->text(),
                  QStringLiteral("ΜΙΣΟ ΣΗΜΕΙΟ ΑΝΑ ΣΤΡΕΜΑ"))
            << outside;
        WindowRegistry::find<ui::Form4>()->close();
        settle();
    }
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(EntryWindowsTest, PolygonometryOnAStudyWithoutZoneTellsAndStillTakesPoints) {
    std::filesystem::remove(folder / "entos.dat");
    ui::Form4* window = WindowRegistry::show<ui::Form4>();
    EXPECT_TRUE(window->tex->text().isEmpty());
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains(QStringLiteral("entos.dat")));
    submit(find("Form4"), {{0, "3"}});
    EXPECT_EQ(bytes(folder / "polygon.dat"), "3\r\n");
}

TEST_F(EntryWindowsTest, WithoutACurrentStudyTheWindowTellsAndStaysOpen) {
    std::filesystem::remove(home() / "temp.dat");
    const Entry& e = find("Form8");
    submit(e, {{0, "1"}});
    EXPECT_TRUE(e.isOpen());
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_FALSE(std::filesystem::exists(folder / "rymotom.dat"));
}

TEST_F(EntryWindowsTest, EveryWindowHasItsCaptionSizeLabelsAndACloseBox) {
    for (const Entry& e : entries()) {
        SCOPED_TRACE(e.window);
        EntryWindow* window = e.show();
        EXPECT_EQ(window->objectName(), QString::fromLatin1(e.window));
        EXPECT_FALSE(window->windowTitle().isEmpty());
        EXPECT_TRUE(window->windowFlags().testFlag(Qt::CustomizeWindowHint));
        EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowCloseButtonHint));
        EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        const QSize inner = ui::Twips::size(e.innerTwips.width(), e.innerTwips.height());
        EXPECT_GE(window->width(), inner.width());
        EXPECT_GE(window->height(), inner.height());
        auto* button = window->findChild<QPushButton*>(QString::fromLatin1(e.button));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), QStringLiteral("Υποβολή"));
        for (const auto& field : window->fields()) {
            EXPECT_TRUE(field.box->text().isEmpty());
            bool labelled = false;
            for (QLabel* label : window->findChildren<QLabel*>())
                labelled = labelled || label->buddy() == field.box;
            EXPECT_TRUE(labelled) << field.box->objectName().toStdString();
        }
    }
    auto* lines = WindowRegistry::find<ui::Form8>();
    EXPECT_EQ(lines->windowTitle(), QStringLiteral("Οικοδομικές-Ρυμοτομικές Γραμμές"));
    EXPECT_EQ(lines->Label1->text(), QStringLiteral("Προσδιορισμός και Χάραξη Αξόνων (Σημεία)"));
    EXPECT_EQ(lines->ajon->objectName(), QStringLiteral("ajon"));
    EXPECT_EQ(WindowRegistry::find<ui::Form6>()->windowTitle().at(0), QLatin1Char('A'));
    EXPECT_EQ(WindowRegistry::find<ui::Form10>()->Label2->text().left(8),
              QStringLiteral("ΠΡΟΣΟΧΗ:"));
}

} // namespace
} // namespace velmora::test
