#include "calc/CalculationRun.h"

#include "messages/Describe.h"
#include "messages/StudyShown.h"
#include "store/files/FileName.h"
#include "store/files/ValueFile.h"
#include "store/study/StatutoryAmounts.h"
#include "store/study/Study.h"

#include "TempFolder.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace velmora::calc {
namespace {

using velmora::testing::PrintTo;

// The warnings of a run as the user reads them.
std::vector<std::string> told(const CalculationRun::Outcome& outcome) {
    std::vector<std::string> lines;
    for (const auto& warning : outcome.warnings)
        lines.push_back(messages::describe(warning));
    return lines;
}

using store::ValueFile;
using store::ValueItem;
using testing::TempFolder;
using testing::TestFiles;

const std::vector<std::string> kSections = {
    "analog1.dat", "taxi1.dat",    "asti1.dat", "polygon1.dat", "rymotom1.dat", "trig1.dat",
    "them1.dat",   "xilosta1.dat", "oix1.dat",  "synola.dat",   "arxi1.dat",    "telos.dat",
};
const std::vector<std::string> kWorkSections(kSections.begin(), kSections.begin() + 9);

class CalculationRunTest : public ::testing::Test {
protected:
    std::filesystem::path copyStudy(const std::string& name) {
        const auto study = home / name;
        TestFiles::copyFiles(TestFiles::data("studies/" + name), study);
        return study;
    }

    // Compares section files byte for byte with those of tests/data/golden/<golden>.
    static void expectGolden(const std::filesystem::path& study, const std::string& golden,
                             const std::vector<std::string>& sections = kSections) {
        for (const std::string& name : sections) {
            const auto file = store::FileName::resolve(study, name);
            ASSERT_TRUE(std::filesystem::is_regular_file(file)) << name;
            EXPECT_EQ(TestFiles::bytes(file),
                      TestFiles::bytes(TestFiles::data("golden/" + golden) / name))
                << name << " differs from golden " << golden;
        }
    }

    // A study folder holding one number item in each file named.
    std::filesystem::path makeStudy(const std::string& name,
                                    const std::map<std::string, double>& numbers) {
        const auto study = home / name;
        std::filesystem::create_directory(study);
        for (const auto& [file, value] : numbers)
            EXPECT_TRUE(ValueFile::write(study, file, {ValueItem::number(value)}));
        return study;
    }

    static std::vector<std::string> sectionLines(const std::filesystem::path& study,
                                                 const std::string& name) {
        return ValueFile::readLines(study, name)
            .maybe()
            .value_or(std::vector<std::string>{"<missing>"});
    }

    TempFolder home;
};

struct GoldenCase {
    const char* name;
    const char* study;
    char separator;
    const char* golden;
    // What the run tells on the way; the sections are exact all the same.
    std::vector<std::string> warnings = {};
    // The statutory amounts the study keeps; nothing for a study without their file.
    std::optional<std::vector<store::StatutoryAmount>> amounts = std::nullopt;
};

class CalculationRunGolden : public CalculationRunTest,
                             public ::testing::WithParamInterface<GoldenCase> {};

TEST_P(CalculationRunGolden, WritesTheTwelveSectionsExactly) {
    const GoldenCase& c = GetParam();
    const auto study = copyStudy(c.study);
    if (c.amounts) {
        ASSERT_TRUE(
            ValueFile::write(study, "kratiseis.dat", store::StatutoryAmounts::itemsOf(*c.amounts)));
    }
    const auto outcome = CalculationRun::run(study, c.separator);
    EXPECT_TRUE(outcome.ok());
    EXPECT_EQ(told(outcome), c.warnings);
    expectGolden(study, c.golden);
}

INSTANTIATE_TEST_SUITE_P(Studies, CalculationRunGolden,
                         ::testing::Values(GoldenCase{"FullComma", "full", ',', "full-comma"},
                                           GoldenCase{"FullPoint", "full", '.', "full-point"},
                                           GoldenCase{"Empty", "empty", ',', "empty"},
                                           // The four kept as a list of the study's own.
                                           GoldenCase{"FourAmountsStored",
                                                      "full",
                                                      ',',
                                                      "full-comma",
                                                      {},
                                                      store::StatutoryAmounts::standard()},
                                           GoldenCase{"MissingAndShortFiles",
                                                      "short",
                                                      ',',
                                                      "short",
                                                      {"polygon.dat: το στοιχείο «τέσσερα» στη "
                                                       "θέση 1 δεν είναι αριθμός, οπότε "
                                                       "λογαριάστηκε 0."}}),
                         [](const auto& row) { return row.param.name; });

struct ZoneCase {
    const char* name;
    // Bytes of entos.dat; nothing for a study without one.
    std::optional<std::string> zoneFile;
    bool inside;
};

class CalculationRunZone : public CalculationRunTest,
                           public ::testing::WithParamInterface<ZoneCase> {};

TEST_P(CalculationRunZone, OnlyAWholeOneIsInsideThePlan) {
    const ZoneCase& c = GetParam();
    const auto study = copyStudy("full");
    std::filesystem::remove(study / "entos.dat");
    if (c.zoneFile) TestFiles::put(study / "entos.dat", *c.zoneFile);
    ASSERT_TRUE(CalculationRun::run(study, ',').ok());
    EXPECT_EQ(sectionLines(study, "arxi1.dat")[13],
              c.inside ? "ΠΕΡΙΟΧΗ ΕΝΤΟΣ ΣΧΕΔΙΟΥ ΠΟΛΕΩΣ Ή ΕΝΤΟΣ ΟΙΚΙΣΜΟY"
                       : "ΠΕΡΙΟΧΗ ΕΚΤΟΣ ΣΧΕΔΙΟΥ ΠΟΛΕΩΣ & ΕΚΤΟΣ ΟΙΚΙΣΜΟΥ");
    EXPECT_EQ(sectionLines(study, "polygon1.dat")[4],
              c.inside ? "\tΤιμή Μονάδος: 390 " : "\tΤιμή Μονάδος: 260 ");
}

// The zone is read as a whole number, rounding half to even.
INSTANTIATE_TEST_SUITE_P(Zones, CalculationRunZone,
                         ::testing::Values(ZoneCase{"One", " 1 \r\n", true},
                                           ZoneCase{"Zero", " 0 \r\n", false},
                                           ZoneCase{"Two", " 2 \r\n", false},
                                           ZoneCase{"RoundsUpToOne", ".6\r\n", true},
                                           ZoneCase{"HalfRoundsToEvenTwo", "1.5\r\n", false},
                                           ZoneCase{"Word", "\xED\xE1\xE9\r\n", false},
                                           ZoneCase{"Missing", std::nullopt, false}),
                         [](const auto& row) { return row.param.name; });

struct WarningCase {
    const char* name;
    // A file of the full study replaced with these bytes.
    const char* file;
    const char* content;
    // The one warning of the run.
    const char* warning;
    // A line of a section, which shows the arithmetic the report keeps.
    const char* section;
    std::size_t line;
    const char* expected;
};

class CalculationRunWarning : public CalculationRunTest,
                              public ::testing::WithParamInterface<WarningCase> {};

TEST_P(CalculationRunWarning, NamesTheFileAndPricesAsEver) {
    const WarningCase& c = GetParam();
    const auto study = copyStudy("full");
    TestFiles::put(study / c.file, c.content);
    const auto outcome = CalculationRun::run(study, ',');
    EXPECT_TRUE(outcome.ok());
    const std::vector<std::string> warnings = told(outcome);
    ASSERT_EQ(warnings.size(), 1u) << ::testing::PrintToString(warnings);
    EXPECT_EQ(warnings[0].rfind(c.warning, 0), 0u) << warnings[0];
    EXPECT_EQ(warnings[0].find('\n'), std::string::npos);
    const auto lines = sectionLines(study, c.section);
    ASSERT_GT(lines.size(), c.line);
    EXPECT_EQ(lines[c.line], c.expected);
}

// The full study's running total is 70080,7; its urban survey 3,5 X 273 = 955,5, its
// tachymetric survey 1872 with levelling 2995,2, its triangulation 37700, its apportionment 21000.
INSTANTIATE_TEST_SUITE_P(
    Inputs, CalculationRunWarning,
    ::testing::Values(
        // -3 X 273 is added, though no line shows it.
        WarningCase{"NegativeArea", "asti.dat", " -3 \r\n",
                    "asti.dat: αρνητική ποσότητα -3 στη θέση 1", "synola.dat", 2,
                    "ΓΕΝΙΚΟ ΣΥΝΟΛΟ...... 68306,2 "},
        WarningCase{"NegativeThirdCount", "trig.dat", " 2 \r\n 3 \r\n -1 \r\n 1 \r\n",
                    "trig.dat: αρνητική ποσότητα -1 στη θέση 3", "synola.dat", 2,
                    "ΓΕΝΙΚΟ ΣΥΝΟΛΟ...... 66180,7 "},
        // 1872 X 2,2 with no levelling line.
        WarningCase{"ElevationTwo", "taxi.dat", " 10 \r\n 0 \r\n 0 \r\n 0 \r\n 2 \r\n 2 \r\n",
                    "taxi.dat: η επιλογή υψομετρίας (θέση 6) είναι 2 αντί για 0 ή 1", "taxi1.dat",
                    6, "\tΣυνολο.............: 4118,4 "},
        WarningCase{"LambdaWord", "l.dat", "abc\r\n",
                    "l.dat: ο συντελεστής λ δεν είναι θετικός αριθμός («abc»)", "synola.dat", 4,
                    "ΑΜΟΙΒΗ ΜΕΛΈΤΗΣ =  70080,7  X  0  =  0 "},
        WarningCase{"LambdaZero", "l.dat", " 0 \r\n", "l.dat: ", "synola.dat", 4,
                    "ΑΜΟΙΒΗ ΜΕΛΈΤΗΣ =  70080,7  X  0  =  0 "},
        // Neither survey has a unit price.
        WarningCase{"ScaleZero", "klimaka.dat", " 0 \r\n",
                    "klimaka.dat: η κλίμακα δεν είναι θετικός αριθμός («0 »)", "synola.dat", 2,
                    "ΓΕΝΙΚΟ ΣΥΝΟΛΟ...... 66130 "},
        WarningCase{"ScaleMissingItem", "klimaka.dat", "", "klimaka.dat: ", "arxi1.dat", 11,
                    "Κλίμακα 1:"},
        // The amount is shown in its section but left out of the total.
        WarningCase{"AmountBeyondSinglePrecision", "analog.dat", " 1E300 \r\n",
                    "analog.dat: το ποσό της εργασίας", "synola.dat", 2,
                    "ΓΕΝΙΚΟ ΣΥΝΟΛΟ...... 49080,7 "},
        // A list edited by hand: the label is printed as it stands, the rate that is no
        // number counts 0.
        WarningCase{"AmountRateNoNumber", "kratiseis.dat", "VAT\r\nabc\r\n",
                    "kratiseis.dat: ο συντελεστής «abc» της κράτησης «VAT»", "synola.dat", 5,
                    "\tVAT 0 "},
        WarningCase{"FeeBeyondSinglePrecision", "l.dat", "1E35\r\n", "synola.dat: η αμοιβή μελέτης",
                    "synola.dat", 4, "ΑΜΟΙΒΗ ΜΕΛΈΤΗΣ =  70080,7  X  1E+35  =  0 "}),
    [](const auto& row) { return row.param.name; });

std::string lower(std::string name) {
    for (char& c : name)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return name;
}

TEST_F(CalculationRunTest, StudyCopiedWithUpperCaseNamesIsReadAndRewrittenInPlace) {
    const auto study = home / "FROMWINDOWS";
    TestFiles::copyFiles(TestFiles::data("studies/full"), study, [](const std::string& name) {
        const std::string copied = TestFiles::capitals(name);
        return copied == "L.DAT" ? "L.dat" : copied;
    });
    // Left by an earlier run on the other machine.
    TestFiles::put(study / "ARXI1.DAT", "old head\r\n");
    TestFiles::put(study / "Synola.dat", "old totals\r\n");

    ASSERT_TRUE(CalculationRun::run(study, ',').ok());
    expectGolden(study, "full-comma");
    EXPECT_EQ(TestFiles::bytes(study / "ARXI1.DAT"),
              TestFiles::bytes(TestFiles::data("golden/full-comma/arxi1.dat")));
    std::set<std::string> folded;
    std::size_t entries = 0;
    for (const auto& entry : std::filesystem::directory_iterator(study)) {
        folded.insert(lower(entry.path().filename().string()));
        ++entries;
    }
    // The work files, the sections and the lock the calculation holds the study by.
    EXPECT_EQ(entries, 14u + 12u + 1u);
    EXPECT_EQ(folded.size(), entries) << "a file exists in two spellings";
}

TEST_F(CalculationRunTest, AFailedSectionKeepsItsOldFileAndTheOthersAreWritten) {
    const auto study = copyStudy("full");
    TestFiles::put(study / "taxi1.dat", "old\r\n");
    TestFiles::blockReplacement(study / "taxi1.dat");

    const auto outcome = CalculationRun::run(study, ',');
    ASSERT_EQ(outcome.failures.size(), 1u);
    const std::string failure = messages::describe(outcome.failures[0]);
    EXPECT_NE(failure.find("taxi1.dat"), std::string::npos) << failure;
    EXPECT_EQ(TestFiles::bytes(study / "taxi1.dat"), "old\r\n");
    std::vector<std::string> others = kSections;
    others.erase(std::find(others.begin(), others.end(), "taxi1.dat"));
    // The tachymetric amount still reaches the totals.
    expectGolden(study, "full-comma", others);
}

TEST_F(CalculationRunTest, RunningTwiceGivesByteIdenticalFiles) {
    const auto study = copyStudy("full");
    ASSERT_TRUE(CalculationRun::run(study, ',').ok());
    const auto first = TestFiles::snapshot(study);
    ASSERT_TRUE(CalculationRun::run(study, ',').ok());
    EXPECT_EQ(TestFiles::snapshot(study), first);
}

TEST_F(CalculationRunTest, AQuantitySetToZeroEmptiesItsSection) {
    const auto study = copyStudy("full");
    ASSERT_TRUE(CalculationRun::run(study, ',').ok());
    ASSERT_GT(std::filesystem::file_size(study / "polygon1.dat"), 0u);

    ASSERT_TRUE(ValueFile::write(study, "polygon.dat", {ValueItem::number(0)}));
    ASSERT_TRUE(CalculationRun::run(study, ',').ok());
    EXPECT_EQ(TestFiles::bytes(study / "polygon1.dat"), "");
    EXPECT_EQ(sectionLines(study, "synola.dat")[2], "ΓΕΝΙΚΟ ΣΥΝΟΛΟ...... 68520,7 ");
    expectGolden(study, "full-comma",
                 {"analog1.dat", "taxi1.dat", "asti1.dat", "rymotom1.dat", "trig1.dat", "them1.dat",
                  "xilosta1.dat", "oix1.dat", "arxi1.dat", "telos.dat"});
}

TEST_F(CalculationRunTest, GrandTotalIsTheSinglePrecisionRunningTotal) {
    const auto study = makeStudy(
        "big", {{"klimaka.dat", 1000}, {"l.dat", 1}, {"analog.dat", 100}, {"asti.dat", 3.5}});
    ASSERT_TRUE(CalculationRun::run(study, ',').ok());

    EXPECT_EQ(sectionLines(study, "analog1.dat").back(), "\t 100 X 84000 =  8400000 ");
    EXPECT_EQ(sectionLines(study, "asti1.dat").back(), "\t 3,5 X 205 = 717,5 ");
    const auto totals = sectionLines(study, "synola.dat");
    ASSERT_EQ(totals.size(), 12u);
    EXPECT_EQ(totals[2], "ΓΕΝΙΚΟ ΣΥΝΟΛΟ...... 8400718 ");
    EXPECT_EQ(totals[4], "ΑΜΟΙΒΗ ΜΕΛΈΤΗΣ =  8400718  X  1  =  8400718 ");
    EXPECT_EQ(totals[5], "\tΦ.Π.Α. 18%     =  1512129,24 ");
    EXPECT_EQ(totals[10], "\tΣΥΝΟΛΟ.........=  10668911,86 ");
}

TEST_F(CalculationRunTest, RunningTotalIsRoundedToSinglePrecisionAfterEveryWork) {
    const auto study = makeStudy("small", {{"klimaka.dat", 100},
                                           {"entos.dat", 1},
                                           {"l.dat", 1},
                                           {"analog.dat", 125},
                                           {"taxi.dat", 0.001},
                                           {"asti.dat", 0.001},
                                           {"polygon.dat", 0.001}});
    ASSERT_TRUE(CalculationRun::run(study, ',').ok());

    // 10500000 holds no fraction in single precision, so each of .488, .488 and .39 is lost in
    // turn; summed first they would have made it 10500001.
    const auto totals = sectionLines(study, "synola.dat");
    ASSERT_EQ(totals.size(), 12u);
    EXPECT_EQ(totals[4], "ΑΜΟΙΒΗ ΜΕΛΈΤΗΣ =  1,05E+07  X  1  =  1,05E+07 ");
    EXPECT_EQ(totals[5], "\tΦ.Π.Α. 18%     =  1890000 ");
}

TEST_F(CalculationRunTest, AFolderWithNoFilesStillGetsEverySection) {
    const auto study = home / "bare";
    std::filesystem::create_directory(study);
    ASSERT_TRUE(CalculationRun::run(study, ',').ok());
    for (const std::string& name : kWorkSections)
        EXPECT_EQ(TestFiles::bytes(study / name), "") << name;
    const auto head = sectionLines(study, "arxi1.dat");
    ASSERT_EQ(head.size(), 15u);
    EXPECT_EQ(head[11], "Κλίμακα 1:");
    EXPECT_EQ(head[12], "Συντελεστής λ= 0 ");
    EXPECT_EQ(head[13], "ΠΕΡΙΟΧΗ ΕΚΤΟΣ ΣΧΕΔΙΟΥ ΠΟΛΕΩΣ & ΕΚΤΟΣ ΟΙΚΙΣΜΟΥ");
    const auto totals = sectionLines(study, "synola.dat");
    ASSERT_EQ(totals.size(), 12u);
    EXPECT_EQ(totals[4], "ΑΜΟΙΒΗ ΜΕΛΈΤΗΣ =  0  X  0  =  0 ");
    EXPECT_EQ(sectionLines(study, "telos.dat").size(), 9u);
}

// One study read by the calculation, the summary and the work selection: they agree on every
// value, and part only where the zone is read two ways on purpose.
TEST_F(CalculationRunTest, CalculationSummaryAndWorkSelectionReadTheSameStudy) {
    const auto folder = copyStudy("full");
    ASSERT_TRUE(ValueFile::write(folder, "entos.dat", {ValueItem::number(0.6)}));
    const store::Study study(folder);
    ASSERT_TRUE(CalculationRun::run(folder, ',').ok());
    const auto sections = TestFiles::snapshot(folder);
    const std::vector<std::string> head = sectionLines(folder, "arxi1.dat");
    auto inHead = [&](const std::string& line) {
        return std::find(head.begin(), head.end(), line) != head.end();
    };

    const store::Study::Summary summary = study.summary();
    EXPECT_TRUE(summary.unread.empty());
    ASSERT_TRUE(summary.scale && summary.lambda);
    const std::string scale = messages::scaleShown(*summary.scale, ',');
    const std::string lambda =
        messages::lambdaShown(*summary.lambda, messages::LambdaShown::Summary, ',');
    EXPECT_TRUE(inHead("Κλίμακα 1: " + scale + " ")) << scale;
    EXPECT_TRUE(inHead("Συντελεστής λ= " + lambda + " ")) << lambda;
    EXPECT_TRUE(inHead("ΠΕΡΙΟΧΗ ΕΝΤΟΣ ΣΧΕΔΙΟΥ ΠΟΛΕΩΣ Ή ΕΝΤΟΣ ΟΙΚΙΣΜΟY"));
    EXPECT_EQ(summary.inside, true);
    EXPECT_EQ(study.equalsInside().maybe(), false);

    // The submit rewrites every work file as the numbers both read, so neither sees a change.
    EXPECT_TRUE(study.submit().empty());
    const store::Study::Summary submitted = study.summary();
    for (const auto& work : store::Study::works()) {
        EXPECT_EQ(submitted.of(work.work), summary.of(work.work)) << work.name;
        EXPECT_EQ(study.quantities(work.work).maybe(), summary.of(work.work)) << work.name;
    }
    ASSERT_TRUE(CalculationRun::run(folder, ',').ok());
    const auto rewritten = TestFiles::snapshot(folder);
    for (const std::string& name : kSections) {
        ASSERT_TRUE(sections.contains(name)) << name;
        EXPECT_EQ(rewritten.at(name), sections.at(name)) << name;
    }
}

} // namespace
} // namespace velmora::calc
