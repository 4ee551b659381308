#include "store/study/WorkSelection.h"
#include "store/study/StatutoryAmounts.h"
#include "store/study/Study.h"

#include "messages/Describe.h"
#include "messages/StudyShown.h"
#include "store/base/TextPath.h"
#include "store/files/ValueFile.h"
#include "store/text/TypedQuantity.h"

#include "TempFolder.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <string>

namespace velmora::store {
namespace {

using testing::TempFolder;
using testing::TestFiles;
using velmora::testing::PrintTo;

class WorkSelectionTest : public ::testing::Test {
protected:
    std::string bytes(const std::string& name) const { return TestFiles::bytes(study / name); }
    void put(const std::string& name, std::string_view content) const {
        TestFiles::put(study / name, content);
    }

    TempFolder study;
};

TEST_F(WorkSelectionTest, SubmitOnAnEmptyStudyWritesZerosAndScale200) {
    EXPECT_TRUE(WorkSelection::submit(study.path()).empty());
    EXPECT_EQ(bytes("trig.dat"), " 0 \r\n 0 \r\n 0 \r\n 0 \r\n");
    EXPECT_EQ(bytes("taxi.dat"), " 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n");
    EXPECT_EQ(bytes("rymotom.dat"), " 0 \r\n 0 \r\n");
    for (const char* one :
         {"polygon.dat", "asti.dat", "analog.dat", "xilosta.dat", "oix.dat", "them.dat"})
        EXPECT_EQ(bytes(one), " 0 \r\n") << one;
    EXPECT_EQ(bytes("klimaka.dat"), " 200 \r\n");
    // The study's own choices are not the submit's to touch.
    for (const char* untouched : {"entos.dat", "l.dat", "eid.dat", "stoixeia.dat"})
        EXPECT_FALSE(std::filesystem::exists(study / untouched)) << untouched;
}

TEST_F(WorkSelectionTest, SubmitTurnsWhatWasTypedIntoNumbers) {
    put("polygon.dat", "δώδεκα\r\n");
    put("taxi.dat", "1.5\r\n\r\n12\r\n");
    put("rymotom.dat", "\r\n7\r\n");
    put("trig.dat", "-3\r\n 2 \r\n0.25\r\n1E+20\r\n");
    put("oix.dat", "5\r\n6\r\n");
    ASSERT_TRUE(WorkSelection::submit(study.path()).empty());
    EXPECT_EQ(bytes("polygon.dat"), " 0 \r\n");
    EXPECT_EQ(bytes("taxi.dat"), " 1.5 \r\n 0 \r\n 12 \r\n 0 \r\n 0 \r\n 0 \r\n");
    EXPECT_EQ(bytes("rymotom.dat"), " 0 \r\n 7 \r\n");
    // Signs and sizes are not checked: what was typed is kept as a number.
    EXPECT_EQ(bytes("trig.dat"), "-3 \r\n 2 \r\n .25 \r\n 1E+20 \r\n");
    EXPECT_EQ(bytes("oix.dat"), " 5 \r\n");
}

struct ScaleCase {
    const char* name;
    const char* stored;
    const char* written;
};

class SubmitScaleTest : public WorkSelectionTest,
                        public ::testing::WithParamInterface<ScaleCase> {};

TEST_P(SubmitScaleTest, KeepsAPositiveScaleAndOtherwiseUses200) {
    put("klimaka.dat", GetParam().stored);
    ASSERT_TRUE(WorkSelection::submit(study.path()).empty());
    EXPECT_EQ(bytes("klimaka.dat"), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(Scales, SubmitScaleTest,
                         ::testing::Values(ScaleCase{"Typed", "500\r\n", " 500 \r\n"},
                                           ScaleCase{"AsStored", " 2000 \r\n", " 2000 \r\n"},
                                           ScaleCase{"Zero", "0\r\n", " 200 \r\n"},
                                           ScaleCase{"Negative", "-100\r\n", " 200 \r\n"},
                                           ScaleCase{"EmptyLine", "\r\n", " 200 \r\n"},
                                           ScaleCase{"EmptyFile", "", " 200 \r\n"},
                                           ScaleCase{"Words", "πεντακόσια\r\n", " 200 \r\n"}),
                         [](const auto& row) { return row.param.name; });

TEST_F(WorkSelectionTest, SubmitGoesOnPastAFileItCannotWrite) {
    // A folder where a work file should be is neither read nor replaced; every other file still
    // is.
    std::filesystem::create_directory(study / "asti.dat");
    std::filesystem::create_directory(study / "asti.dat" / "inside");
    // Nor is a file too large to read turned into zeros.
    const std::string huge(2 << 20, '7');
    put("xilosta.dat", huge);
    auto failures = WorkSelection::submit(study.path());
    ASSERT_EQ(failures.size(), 2u);
    EXPECT_NE(messages::describe(failures[0]).find("«asti.dat»"), std::string::npos);
    EXPECT_NE(messages::describe(failures[1]).find("«xilosta.dat»"), std::string::npos);
    EXPECT_EQ(bytes("xilosta.dat"), huge);
    EXPECT_EQ(bytes("oix.dat"), " 0 \r\n");
    EXPECT_EQ(bytes("klimaka.dat"), " 200 \r\n");
    EXPECT_EQ(bytes("analog.dat"), " 0 \r\n");
}

TEST_F(WorkSelectionTest, ZoneInsideOnlyWhenItReadsAsOne) {
    EXPECT_EQ(Study(study.path()).equalsInside().maybe(), std::nullopt);
    put("entos.dat", "");
    EXPECT_EQ(Study(study.path()).equalsInside().maybe(), std::nullopt);
    for (const char* inside : {" 1 \r\n", "1\r\n", "1.0\r\n"}) {
        put("entos.dat", inside);
        EXPECT_EQ(Study(study.path()).equalsInside().maybe(), true) << inside;
    }
    for (const char* outside : {" 0 \r\n", "2\r\n", "-1\r\n", "\r\n", "ναι\r\n", "1.5\r\n"}) {
        put("entos.dat", outside);
        EXPECT_EQ(Study(study.path()).equalsInside().maybe(), false) << outside;
    }
}

TEST_F(WorkSelectionTest, SpecialtyCodeReadsAWholeNumber) {
    EXPECT_EQ(Study(study.path()).specialtyCode().maybe(), std::nullopt);
    put("eid.dat", " 4 \r\n");
    EXPECT_EQ(Study(study.path()).specialtyCode().maybe(), 4);
    std::filesystem::remove(study / "eid.dat");
    put("EID.DAT", "0\r\n");
    EXPECT_EQ(Study(study.path()).specialtyCode().maybe(), 0);
    put("eid.dat", "τέσσερα\r\n");
    EXPECT_EQ(Study(study.path()).specialtyCode().maybe(), std::nullopt);
    put("eid.dat", "99999\r\n");
    EXPECT_EQ(Study(study.path()).specialtyCode().maybe(), std::nullopt);
}

using Fault = TypedQuantity::Fault;

struct TypedCase {
    const char* typed;
    Fault fault;
    double value;
    const char* stored;
    // A part of the message that refuses the text, for the field "Εμβαδό".
    const char* message = "";
    // What the box showed of a stored item, and the item.
    std::optional<TypedQuantity::Shown> shown = std::nullopt;
};

// A row is named by what was typed and, when the box showed a stored number, by that.
void PrintTo(const TypedCase& c, std::ostream* os) {
    *os << "«" << c.typed << "»";
    if (c.shown) *os << " shown as «" << c.shown->text << "»";
}

class TypedQuantityTest : public ::testing::TestWithParam<TypedCase> {};

TEST_P(TypedQuantityTest, ReadsWhatAGreekUserTypes) {
    const TypedCase& c = GetParam();
    const TypedQuantity::Verdict verdict = TypedQuantity::check(c.typed, c.shown);
    EXPECT_EQ(verdict.fault, c.fault) << c.typed;
    const auto taken = TypedQuantity::take("Εμβαδό", c.typed, c.shown);
    ASSERT_EQ(verdict.reading.has_value(), c.fault == Fault::None) << c.typed;
    ASSERT_EQ(taken.ok(), c.fault == Fault::None) << c.typed;
    if (!verdict.reading) {
        const std::string problem = messages::describe(taken.error());
        EXPECT_NE(problem.find("«" + std::string(c.typed) + "» στο πεδίο «Εμβαδό»"),
                  std::string::npos)
            << problem;
        EXPECT_NE(problem.find(c.message), std::string::npos) << problem;
        return;
    }
    EXPECT_DOUBLE_EQ(verdict.reading->value, c.value) << c.typed;
    EXPECT_EQ(verdict.reading->stored, c.stored) << c.typed;
    // What is stored reads back, through the file format, as the same number.
    TempFolder folder;
    ASSERT_TRUE(
        ValueFile::write(folder.path(), "q.dat", {ValueItem::text(verdict.reading->stored)}));
    EXPECT_DOUBLE_EQ(ValueFile::readNumbers(folder.path(), "q.dat", 1)[0], c.value) << c.typed;
}

constexpr Fault kTaken = Fault::None;
constexpr Fault kNoNumber = Fault::NotANumber;

INSTANTIATE_TEST_SUITE_P(
    Typed, TypedQuantityTest,
    ::testing::Values(
        TypedCase{"", kTaken, 0, ""}, TypedCase{"12", kTaken, 12, "12"},
        TypedCase{"12.5", kTaken, 12.5, "12.5"}, TypedCase{"12,5", kTaken, 12.5, "12.5"},
        TypedCase{",5", kTaken, 0.5, ".5"}, TypedCase{" 7 ", kTaken, 7, " 7 "},
        TypedCase{"1,5E+3", kTaken, 1500, "1.5E+3"}, TypedCase{"abc", kNoNumber, 0, ""},
        TypedCase{"δώδεκα", kNoNumber, 0, "", "δεν είναι αριθμός"},
        TypedCase{"1.2.3", kNoNumber, 0, ""}, TypedCase{"1,2,3", kNoNumber, 0, ""},
        TypedCase{"1.234,5", kNoNumber, 0, ""}, TypedCase{"12,5.3", kNoNumber, 0, ""},
        TypedCase{",", kNoNumber, 0, ""}, TypedCase{"12 m2", kNoNumber, 0, ""},
        TypedCase{"1E999", kNoNumber, 0, ""},
        // Quantities are never below 0.
        TypedCase{"-5", Fault::Negative, 0, "", "αρνητική"},
        TypedCase{"-0,25", Fault::Negative, 0, ""}, TypedCase{"-0", kTaken, 0, "-0"},
        // A lone point before three digits may be a thousands separator.
        TypedCase{"1.500", Fault::ThousandsPoint, 0, "", "«1500»"},
        TypedCase{"12.000", Fault::ThousandsPoint, 0, "", "«12,000»"},
        TypedCase{" 125.250 ", Fault::ThousandsPoint, 0, "", "«125250»"},
        TypedCase{"-1.500", Fault::Negative, 0, ""}, TypedCase{"1500", kTaken, 1500, "1500"},
        TypedCase{"1,5", kTaken, 1.5, "1.5"}, TypedCase{"1.5", kTaken, 1.5, "1.5"},
        TypedCase{"1.25", kTaken, 1.25, "1.25"}, TypedCase{"12,500", kTaken, 12.5, "12.500"},
        TypedCase{"1.5000", kTaken, 1.5, "1.5000"},
        // No grouping starts with 0 or has more than three digits before its first point.
        TypedCase{"0.500", kTaken, 0.5, "0.500"},
        TypedCase{"1234.567", kTaken, 1234.567, "1234.567"},
        TypedCase{"1.500E2", kTaken, 150, "1.500E2"},
        // A stored number shown again and left as it was is taken back as it stands; typed
        // over, it is read as typed.
        TypedCase{"1.234", kTaken, 1.234, "1.234", "", TypedQuantity::Shown{"1.234", "1.234"}},
        TypedCase{"-5", kTaken, -5, " -5 ", "", TypedQuantity::Shown{"-5", " -5 "}},
        TypedCase{"0,5", kTaken, 0.5, ".5", "", TypedQuantity::Shown{"0,5", ".5"}},
        TypedCase{"-6", Fault::Negative, 0, "", "αρνητική", TypedQuantity::Shown{"-5", "-5"}},
        TypedCase{"abc", kNoNumber, 0, "", "", TypedQuantity::Shown{"abc", "abc"}}));

struct AmountsCase {
    const char* name;
    std::vector<StatutoryAmounts::Typed> typed;
    std::vector<StatutoryAmount> stored;
    // A part of the message that refuses the list; empty when it is taken.
    const char* refusal = "";
};

class TypedAmountsTest : public ::testing::TestWithParam<AmountsCase> {};

TEST_P(TypedAmountsTest, AreCheckedAndReadBackAsStored) {
    const AmountsCase& c = GetParam();
    const auto amounts = StatutoryAmounts::fromTyped(c.typed);
    if (*c.refusal) {
        ASSERT_FALSE(amounts);
        const std::string said = messages::describe(amounts.error());
        EXPECT_NE(said.find(c.refusal), std::string::npos) << said;
        return;
    }
    ASSERT_TRUE(amounts) << messages::describe(amounts);
    EXPECT_EQ(*amounts, c.stored);
    TempFolder folder;
    ASSERT_TRUE(
        ValueFile::write(folder.path(), "kratiseis.dat", StatutoryAmounts::itemsOf(*amounts)));
    const auto back =
        StatutoryAmounts::fromItems(ValueFile::read(folder.path(), "kratiseis.dat").value());
    EXPECT_EQ(back.amounts, c.stored);
    EXPECT_TRUE(back.faults.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Typed, TypedAmountsTest,
    ::testing::Values(
        AmountsCase{"None", {}, {}},
        AmountsCase{"LabelGetsItsEquals", {{"Φ.Π.Α. 24%  ", "0,24"}}, {{"Φ.Π.Α. 24% = ", 0.24}}},
        AmountsCase{"ClosingEqualsKeptAsTyped",
                    {{"ΤΣΜΕΔΕ  3% = ", "0.03"}, {"Χαρτόσημο=", ",02"}, {"Μηδέν", "0"}},
                    {{"ΤΣΜΕΔΕ  3% = ", 0.03}, {"Χαρτόσημο=", 0.02}, {"Μηδέν = ", 0}}},
        // Kept in quotes, which give the blank back.
        AmountsCase{"LeadingBlankAndComma",
                    {{" Φόρος 1,5%", "0,015"}, {"Όλο", "1"}},
                    {{" Φόρος 1,5% = ", 0.015}, {"Όλο = ", 1}}},
        AmountsCase{"RateAboveOne", {{"Φ.Π.Α.", "24"}}, {}, "από 0 έως 1"},
        AmountsCase{"RateBelowZero", {{"Φ.Π.Α.", "-0,1"}}, {}, "«-0,1»"},
        AmountsCase{"RateNoNumber", {{"Φ.Π.Α.", "24%"}}, {}, "«24%»"},
        AmountsCase{"RateMissing", {{"Φ.Π.Α.", ""}}, {}, "από 0 έως 1"},
        AmountsCase{"NoLabel", {{" = ", "0.1"}}, {}, "δεν έχει περιγραφή"},
        AmountsCase{"QuoteAndComma", {{"\"Ειδικός\", φόρος", "0.1"}}, {}, "εισαγωγικά"},
        AmountsCase{"LineEnd", {{"Φ.Π.Α.\n24%", "0.24"}}, {}, "χαρακτήρες ελέγχου"},
        AmountsCase{"NotInTheCodePage", {{"Φόρος ✓", "0.1"}}, {}, "U+2713"},
        AmountsCase{
            "NineAmounts", std::vector<StatutoryAmounts::Typed>(9, {"Α", "0.01"}), {}, "έως 8"}),
    [](const auto& row) { return row.param.name; });

TEST_F(WorkSelectionTest, StoredItemsAreShownAgainAsTheUserWritesNumbers) {
    put("taxi.dat", "2.5\r\n\r\n abc\r\n-1\r\n.25\r\n 2 \r\n");
    const Study stored(study.path());
    auto shown = stored.shownItems(Work::Tachymetry, ',');
    ASSERT_TRUE(shown);
    std::vector<std::string> texts;
    for (const auto& item : *shown)
        texts.push_back(item.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"2,5", "", "abc", "-1", "0,25", "2"}));
    EXPECT_EQ((*shown)[5].stored, "2 ");
    EXPECT_EQ(stored.shownItems(Work::Tachymetry, '.')->front().text, "2.5");
    // A work never entered shows one empty item for each it keeps.
    EXPECT_EQ(stored.shownItems(Work::Lines, ',')->size(), 2u);

    // An elevation option left untouched is kept as it stands, an odd one included.
    std::vector<TypedQuantity::Reading> areas(5, TypedQuantity::Reading{0, ""});
    ASSERT_TRUE(stored.storeTyped(Work::Tachymetry, areas, Study::Elevation{true, "2 "}));
    EXPECT_EQ(bytes("taxi.dat"), "\r\n\r\n\r\n\r\n\r\n2 \r\n");
    EXPECT_TRUE(Study::elevationTicked("2 "));
    ASSERT_TRUE(stored.storeTyped(Work::Tachymetry, areas, Study::Elevation{false, {}}));
    EXPECT_EQ(bytes("taxi.dat"), "\r\n\r\n\r\n\r\n\r\n 0 \r\n");
}

TEST_F(WorkSelectionTest, ABuildingAreaLeftEmptyKeepsTheStoredPoints) {
    const Study stored(study.path());
    ASSERT_TRUE(stored.storeBuildingArea(std::nullopt));
    EXPECT_EQ(bytes("them.dat"), " 4 \r\n");
    put("them.dat", " 12 \r\n");
    ASSERT_TRUE(stored.storeBuildingArea(std::nullopt));
    EXPECT_EQ(bytes("them.dat"), " 12 \r\n");
    ASSERT_TRUE(stored.storeBuildingArea(0.0));
    EXPECT_EQ(bytes("them.dat"), " 4 \r\n");
}

// λ multiplies every amount of this study and of the studies after it: what is no positive
// number is refused before either file is touched, in the words the λ window has always used.
TEST_F(WorkSelectionTest, ALambdaThatIsNoPositiveNumberTouchesNeitherFile) {
    put("l.dat", " 1.2 \r\n");
    const TempFolder home;
    const Study stored(study.path());
    for (const std::string typed : {"0", "-0,5", "1.500", "λ", ""}) {
        const Study::Change change = stored.changeLambda(home.path(), typed);
        EXPECT_EQ(messages::describe(change.study),
                  "Ο συντελεστής λ πρέπει να είναι θετικός αριθμός, π.χ. 1 ή 1,2. Η τιμή «" +
                      typed + "» δεν έγινε δεκτή και ο συντελεστής δεν άλλαξε.")
            << typed;
    }
    EXPECT_EQ(bytes("l.dat"), " 1.2 \r\n");
    EXPECT_TRUE(std::filesystem::is_empty(home.path()));
    ASSERT_TRUE(stored.changeLambda(home.path(), "0,85").study);
    EXPECT_EQ(bytes("l.dat"), "0.85\r\n");
}

// A file that is there but cannot be read may still hold what the user typed: the summary tells
// it apart from one that is missing or short.
TEST_F(WorkSelectionTest, TheSummaryTellsAMissingFileFromOneItCannotRead) {
    std::filesystem::create_directory(study / "l.dat");
    put("stoixeia.dat", "\xC3\xE9\xFE\xF1\xE3\xEF\xF2\r\n"); // Γιώργος, in the files' code page
    const Study::Summary summary = Study(study.path()).summary();
    EXPECT_EQ(summary.details.ownerFirstName, "Γιώργος");
    EXPECT_EQ(summary.details.engineer.specialty, "");
    const std::string folder = TextPath::toUtf8(study.path());
    EXPECT_EQ(messages::summaryUnread(study.path(), summary.unread),
              "Λείπουν αρχεία της μελέτης «" + folder +
                  "»: entos.dat, stoixeia.dat (ελλιπές). Τα στοιχεία τους εμφανίζονται κενά.\n"
                  "Το «l.dat» στον φάκελο «" +
                  folder +
                  "» δεν είναι κανονικό αρχείο (είναι φάκελος, σωλήνας ή συσκευή) και δεν "
                  "διαβάζεται. Τα στοιχεία του εμφανίζονται κενά.");
}

struct StaleCase {
    const char* name;
    // Written a minute after every other file of the study.
    std::vector<std::string> later;
    std::vector<std::string> newer;
    bool calculated = true;
};

class ReportAgeTest : public WorkSelectionTest, public ::testing::WithParamInterface<StaleCase> {};

TEST_P(ReportAgeTest, InputsWrittenAfterTheOldestSectionAreNamed) {
    TestFiles::copyFiles(TestFiles::data("studies/full"), study.path());
    if (GetParam().calculated)
        TestFiles::copyFiles(TestFiles::data("golden/full-point"), study.path());
    // An input the full study does not keep is written for the case.
    for (const std::string& name : GetParam().later)
        if (!std::filesystem::exists(study / name)) put(name, "");
    TestFiles::writtenInOrder(study.path(), GetParam().later);
    EXPECT_EQ(Study(study.path()).newerThanReport(), GetParam().newer);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReportAgeTest,
    ::testing::Values(StaleCase{"AsNewAsTheStudy", {}, {}},
                      StaleCase{"Lambda", {"l.dat"}, {"l.dat"}},
                      StaleCase{"DetailsAndAWork",
                                {"polygon.dat", "stoixeia.dat"},
                                {"stoixeia.dat", "polygon.dat"}},
                      // A section the last calculation could not write leaves the report old.
                      StaleCase{"ASectionLeftOld",
                                {"arxi1.dat", "trig1.dat", "polygon1.dat", "taxi1.dat", "asti1.dat",
                                 "rymotom1.dat", "analog1.dat", "oix1.dat", "them1.dat",
                                 "xilosta1.dat", "synola.dat", "l.dat"},
                                {"l.dat"}},
                      StaleCase{"OnlySectionsNewer", {"synola.dat", "telos.dat"}, {}},
                      StaleCase{"NotAnInput", {"eid.dat"}, {}},
                      StaleCase{"StatutoryAmounts", {"kratiseis.dat"}, {"kratiseis.dat"}},
                      StaleCase{"NeverCalculated", {"l.dat"}, {}, false}),
    [](const auto& row) { return row.param.name; });

} // namespace
} // namespace velmora::store
