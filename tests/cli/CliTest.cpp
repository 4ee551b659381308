#include "store/Installation.h"
#include "store/TextPath.h"

#include "TempFolder.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace velmora::cli {
namespace {

using velmora::testing::PrintTo;

using store::Installation;
using testing::TempFolder;
using testing::TestFiles;

struct Result {
    int exitCode;
    std::string out;
    std::string err;
};

class CliTest : public ::testing::Test {
public:
    // Runs velmora-cli on the test's own installation folder; its output goes to a separate
    // folder so that the installation only holds what the tool itself writes.
    Result cli(const std::string& arguments) {
        const auto out = output / "stdout";
        const auto err = output / "stderr";
        const std::string command = "\"" + std::string(VELMORA_CLI) + "\" " + arguments +
                                    " --home \"" + home.path().string() + "\" > \"" + out.string() +
                                    "\" 2> \"" + err.string() + "\"";
        int status = std::system(command.c_str());
#ifndef _WIN32
        status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
        return {status, TestFiles::bytes(out), TestFiles::bytes(err)};
    }

    std::filesystem::path copyStudy(const std::string& name) {
        const auto study = home / store::TextPath::fromUtf8("ΓιώργοςΠαπαδόπουλος");
        TestFiles::copyFiles(TestFiles::data("studies/" + name), study);
        EXPECT_TRUE(Installation::setCurrentStudy(home.path(), study));
        return study;
    }

    TempFolder home;
    TempFolder output;
};

TEST_F(CliTest, CalcThenReportGivesTheFeeReport) {
    copyStudy("full");
    const Result calc = cli("calc --decimal-separator ,");
    EXPECT_EQ(calc.exitCode, 0) << calc.err;
    EXPECT_EQ(calc.out, "");
    EXPECT_EQ(calc.err, "");

    const Result report = cli("report");
    EXPECT_EQ(report.exitCode, 0) << report.err;
    EXPECT_EQ(report.err, "");
    EXPECT_EQ(report.out, TestFiles::bytes(TestFiles::data("golden/full-comma.report")));
}

TEST_F(CliTest, CalcNamesEachInputThatDoesNotAddUpOnStandardErrorAndExitsZero) {
    const auto study = copyStudy("full");
    TestFiles::put(study / "asti.dat", " -3 \r\n");
    TestFiles::put(study / "taxi.dat", " 10 \r\n 0 \r\n 0 \r\n 0 \r\n 2 \r\n 2 \r\n");
    TestFiles::put(study / "l.dat", "abc\r\n");
    const Result calc = cli("calc --decimal-separator ,");
    EXPECT_EQ(calc.exitCode, 0) << calc.err;
    EXPECT_EQ(calc.out, "");
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < calc.err.size();) {
        const std::size_t end = calc.err.find('\n', start);
        lines.push_back(calc.err.substr(start, end - start));
        start = end == std::string::npos ? calc.err.size() : end + 1;
    }
    ASSERT_EQ(lines.size(), 3u) << calc.err;
    EXPECT_EQ(lines[0].rfind("taxi.dat: ", 0), 0u) << lines[0];
    EXPECT_EQ(lines[1].rfind("asti.dat: ", 0), 0u) << lines[1];
    EXPECT_EQ(lines[2].rfind("l.dat: ", 0), 0u) << lines[2];
    // The sections are written all the same.
    EXPECT_EQ(TestFiles::bytes(study / "asti1.dat"), "");
    EXPECT_NE(TestFiles::bytes(study / "synola.dat"), "");
}

struct FailureCase {
    const char* name;
    // Prepares the installation folder.
    std::function<void(CliTest&)> setup;
    const char* arguments;
    // A part of the message on standard error.
    const char* message;
};

class CliFailure : public CliTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(CliFailure, ExitsWithOneAMessageAndNothingWritten) {
    const FailureCase& c = GetParam();
    c.setup(*this);
    const auto before = TestFiles::snapshot(home.path());
    const Result result = cli(c.arguments);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    EXPECT_EQ(TestFiles::snapshot(home.path()), before);
}

void nothing(CliTest&) {}
void pointAtMissingFolder(CliTest& test) {
    ASSERT_TRUE(Installation::setCurrentStudy(test.home.path(),
                                              test.home / store::TextPath::fromUtf8("Χαμένη")));
}
void studyNeverCalculated(CliTest& test) {
    test.copyStudy("full");
}
void footSectionLost(CliTest& test) {
    const auto study = test.copyStudy("full");
    TestFiles::copyFiles(TestFiles::data("golden/full-comma"), study);
    std::filesystem::remove(study / "telos.dat");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliFailure,
    ::testing::Values(
        FailureCase{"CalcWithoutCurrentStudy", nothing, "calc", "Δεν υπάρχει τρέχουσα μελέτη"},
        FailureCase{"ReportWithoutCurrentStudy", nothing, "report", "Δεν υπάρχει τρέχουσα μελέτη"},
        FailureCase{"CalcOnMissingFolder", pointAtMissingFolder, "calc", "Χαμένη» δεν υπάρχει"},
        FailureCase{"ReportOnMissingFolder", pointAtMissingFolder, "report", "Χαμένη» δεν υπάρχει"},
        FailureCase{"ReportBeforeCalc", studyNeverCalculated, "report",
                    "arxi1.dat, trig1.dat, polygon1.dat"},
        FailureCase{"ReportWithASectionLost", footSectionLost, "report", "(telos.dat)"},
        FailureCase{"UnknownCommand", studyNeverCalculated, "print", "Άγνωστη εντολή «print»"},
        FailureCase{"BadSeparator", studyNeverCalculated, "calc --decimal-separator x",
                    "Η υποδιαστολή πρέπει"}),
    [](const auto& info) { return info.param.name; });

} // namespace
} // namespace velmora::cli
