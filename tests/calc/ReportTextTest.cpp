#include "calc/ReportText.h"

#include "calc/CalculationRun.h"
#include "messages/Describe.h"
#include "store/files/ValueFile.h"

#include "TempFolder.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace velmora::calc {
namespace {

using testing::TempFolder;
using testing::TestFiles;

// The order in which the fee report joins its sections: head, the works, totals, foot.
const std::vector<std::string> kOrder = {
    "arxi1.dat",   "trig1.dat", "polygon1.dat", "taxi1.dat",    "asti1.dat",  "rymotom1.dat",
    "analog1.dat", "oix1.dat",  "them1.dat",    "xilosta1.dat", "synola.dat", "telos.dat",
};

class ReportTextTest : public ::testing::Test {
protected:
    void putAll(const std::string& content) {
        for (const std::string& name : kOrder)
            TestFiles::put(study / name, content.empty() ? "" : name + content);
    }

    TempFolder study;
};

TEST_F(ReportTextTest, JoinsTheSectionsInReportOrder) {
    putAll("\r\n");
    std::string expected;
    for (const std::string& name : kOrder)
        expected += name + "\r\n";
    const auto report = ReportText::join(study.path());
    EXPECT_EQ(report.text, expected);
    EXPECT_TRUE(report.missing.empty());
}

TEST_F(ReportTextTest, EveryLineEndsWithCrLfAndEmptySectionsAddNothing) {
    putAll("");
    // Windows-1253 on disk, UTF-8 in the text; a last line without its line end gets one.
    TestFiles::put(study / "arxi1.dat", "\t\xCA\xEB\xDF\xEC\xE1\xEA\xE1 1: 500 \r\n\r\n_");
    TestFiles::put(study / "asti1.dat", "---\r\n\t 3,5 X 205 = 717,5 \r\n");
    TestFiles::put(study / "telos.dat", "\n\t     O");
    const auto report = ReportText::join(study.path());
    EXPECT_EQ(report.text, "\tΚλίμακα 1: 500 \r\n\r\n_\r\n---\r\n\t 3,5 X 205 = 717,5 \r\n"
                           "\r\n\t     O\r\n");
    EXPECT_TRUE(report.missing.empty());
}

TEST_F(ReportTextTest, AllSectionsEmptyGiveAnEmptyText) {
    putAll("");
    const auto report = ReportText::join(study.path());
    EXPECT_EQ(report.text, "");
    EXPECT_TRUE(report.missing.empty());
}

TEST_F(ReportTextTest, ListsTheMissingSectionsInReportOrder) {
    putAll("\r\n");
    std::filesystem::remove(study / "telos.dat");
    std::filesystem::remove(study / "trig1.dat");
    const auto report = ReportText::join(study.path());
    EXPECT_EQ(report.missing, (std::vector<std::string>{"trig1.dat", "telos.dat"}));
    const std::string message = messages::missingSections(report.missing);
    EXPECT_NE(message.find("trig1.dat, telos.dat"), std::string::npos) << message;
    EXPECT_EQ(report.text.find("trig1.dat"), std::string::npos);
    EXPECT_NE(report.text.find("synola.dat\r\n"), std::string::npos);
}

// The calculation replaces its sections one by one; a report read meanwhile is still one
// calculation's, whichever.
TEST_F(ReportTextTest, AReportReadWhileACalculationChangesTheStudyIsOneWholeReport) {
    TestFiles::copyFiles(TestFiles::data("studies/full"), study.path());
    const auto calculate = [this](double urbanArea) {
        ASSERT_TRUE(store::ValueFile::write(study.path(), "asti.dat",
                                            {store::ValueItem::number(urbanArea)}));
        ASSERT_TRUE(CalculationRun::run(study.path(), ',').ok());
    };
    calculate(3.5);
    const std::string small = ReportText::join(study.path()).text;
    calculate(17);
    const std::string large = ReportText::join(study.path()).text;
    ASSERT_NE(small, large);

    std::atomic<bool> reading{true};
    std::atomic<int> runs{0};
    std::thread calculations([&] {
        for (; reading; ++runs)
            calculate(runs % 2 ? 17 : 3.5);
    });
    // The reading starts once the calculations are under way.
    while (runs == 0)
        std::this_thread::yield();
    int torn = 0;
    for (int read = 0; read < 150; ++read) {
        const auto report = ReportText::join(study.path());
        EXPECT_TRUE(report.whole()) << messages::describe(report);
        if (report.text != small && report.text != large) ++torn;
    }
    reading = false;
    calculations.join();
    EXPECT_EQ(torn, 0);
}

} // namespace
} // namespace velmora::calc
