#include "store/Installation.h"
#include "store/TextPath.h"

#include "Version.h"

#include "TempFolder.h"
#include "TestFiles.h"
#include "TestProcess.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace velmora::cli {
namespace {

using velmora::testing::PrintTo;

using store::Installation;
using testing::TempFolder;
using testing::TestFiles;

using Result = testing::ProcessRun;

class CliTest : public ::testing::Test {
public:
    // Runs velmora-cli on the test's own installation folder; with `outTo`, its standard output
    // goes there and is not read back. `environment` is put before the command, as a shell's
    // "env" arguments.
    Result cli(const std::string& arguments, const std::string& environment = "",
               const char* outTo = nullptr) {
        return testing::TestProcess::run(VELMORA_CLI,
                                         arguments + " --home \"" + home.path().string() + "\"",
                                         environment, outTo ? outTo : std::filesystem::path());
    }

    std::filesystem::path copyStudy(const std::string& name) {
        const auto study = TestFiles::makeStudy(home.path(), "ΓιώργοςΠαπαδόπουλος");
        TestFiles::copyFiles(TestFiles::data("studies/" + name), study);
        return study;
    }

    TempFolder home;
};

TEST_F(CliTest, CalcThenReportGivesTheFeeReport) {
    const auto study = copyStudy("full");
    const Result calc = cli("calc --decimal-separator ,");
    EXPECT_EQ(calc.exitCode, 0) << calc.err;
    EXPECT_EQ(calc.out, "");
    EXPECT_EQ(calc.err, "");

    const Result report = cli("report");
    EXPECT_EQ(report.exitCode, 0) << report.err;
    EXPECT_EQ(report.err, "");
    EXPECT_EQ(report.out, TestFiles::bytes(TestFiles::data("golden/full-comma.report")));

    // λ changed after the calculation: the report is still given, and said to be older.
    TestFiles::writtenInOrder(study, {"l.dat"});
    const Result older = cli("report");
    EXPECT_EQ(older.exitCode, 0) << older.err;
    EXPECT_EQ(older.out, report.out);
    EXPECT_NE(older.err.find("(l.dat)"), std::string::npos) << older.err;
    EXPECT_NE(older.err.find("velmora-cli calc"), std::string::npos) << older.err;
}

// An installation folder copied from the older program: its pointer names that program's own
// folder, and its files are in capitals.
TEST_F(CliTest, AnInstallationOfTheOlderProgramIsComputedAtOnce) {
    const auto study = home / store::TextPath::fromUtf8("ΝίκοςΑλεξίου");
    TestFiles::copyFiles(TestFiles::data("studies/full"), study, TestFiles::capitals);
    TestFiles::put(home / "TEMP.DAT", "c:\\program files\\velmora\\\xCD\xDF\xEA\xEF\xF2"
                                      "\xC1\xEB\xE5\xEE\xDF\xEF\xF5\r\n");
    const std::string pointer = TestFiles::bytes(home / "TEMP.DAT");

    const Result calc = cli("calc --decimal-separator ,");
    EXPECT_EQ(calc.exitCode, 0) << calc.err;
    const Result report = cli("report");
    EXPECT_EQ(report.exitCode, 0) << report.err;
    EXPECT_EQ(report.out, TestFiles::bytes(TestFiles::data("golden/full-comma.report")));
    EXPECT_EQ(TestFiles::bytes(home / "TEMP.DAT"), pointer);
#ifndef _WIN32
    // Windows names ignore case, so there TEMP.DAT and temp.dat are one file anyway.
    EXPECT_FALSE(std::filesystem::exists(home / "temp.dat"));
#endif
}

struct LocaleCase {
    const char* name;
    const char* environment;
    const char* arguments;
    const char* golden;
};

class CliRegionalSeparator : public CliTest, public ::testing::WithParamInterface<LocaleCase> {};

// The separator follows the locale's name, installed or not, as the desktop program's does.
TEST_P(CliRegionalSeparator, CalcWritesTheSeparatorOfTheUsersLocale) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows gives the separator of its regional settings, not of the environment";
#endif
    const auto study = copyStudy("full");
    const Result calc = cli(GetParam().arguments, GetParam().environment);
    EXPECT_EQ(calc.exitCode, 0) << calc.err;
    const auto golden = TestFiles::data(std::string("golden/") + GetParam().golden);
    EXPECT_EQ(TestFiles::snapshot(study), [&] {
        auto expected = TestFiles::snapshot(TestFiles::data("studies/full"));
        for (const auto& [name, bytes] : TestFiles::snapshot(golden))
            expected[name] = bytes;
        return expected;
    }());
}

INSTANTIATE_TEST_SUITE_P(
    Environments, CliRegionalSeparator,
    ::testing::Values(LocaleCase{"GreekLang", "env -u LC_ALL -u LC_NUMERIC LANG=el_GR.UTF-8 ",
                                 "calc", "full-comma"},
                      LocaleCase{"GreekNotInstalled",
                                 "env -u LC_ALL -u LC_NUMERIC LANG=el_CY.ISO-8859-7 ", "calc",
                                 "full-comma"},
                      LocaleCase{"NumericOverLang",
                                 "env -u LC_ALL LC_NUMERIC=el_GR.UTF-8 LANG=C.UTF-8 ", "calc",
                                 "full-comma"},
                      LocaleCase{"AllOverNumeric", "env LC_ALL=C.UTF-8 LC_NUMERIC=el_GR.UTF-8 ",
                                 "calc", "full-point"},
                      LocaleCase{"SwissGerman", "env LC_ALL=de_CH.UTF-8 ", "calc", "full-point"},
                      LocaleCase{"SwitchOverLocale", "env LC_ALL=el_GR.UTF-8 ",
                                 "calc --decimal-separator .", "full-point"}),
    [](const auto& info) { return info.param.name; });

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
void pointAtAFile(CliTest& test) {
    const auto file = test.home / store::TextPath::fromUtf8("Αρχείο");
    TestFiles::put(file, "");
    ASSERT_TRUE(Installation::setCurrentStudy(test.home.path(), file));
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
        FailureCase{"CalcOnAFile", pointAtAFile, "calc", "Αρχείο» δεν είναι φάκελος"},
        FailureCase{"ReportBeforeCalc", studyNeverCalculated, "report",
                    "arxi1.dat, trig1.dat, polygon1.dat"},
        FailureCase{"ReportWithASectionLost", footSectionLost, "report", "(telos.dat)"},
        FailureCase{"UnknownCommand", studyNeverCalculated, "print", "Άγνωστη εντολή «print»"},
        FailureCase{"BadSeparator", studyNeverCalculated, "calc --decimal-separator x",
                    "Η υποδιαστολή πρέπει"}),
    [](const auto& info) { return info.param.name; });

TEST_F(CliTest, HelpAndVersionAnswerOnStandardOutput) {
    for (const char* asked : {"--help", "-h", "calc --help"}) {
        const Result help = cli(asked);
        EXPECT_EQ(help.exitCode, 0) << asked;
        EXPECT_EQ(help.out.rfind("Χρήση:\n", 0), 0u) << asked;
        EXPECT_NE(help.out.find("velmora-cli report [--home"), std::string::npos) << asked;
        EXPECT_EQ(help.err, "") << asked;
    }
    const Result version = cli("--version");
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, std::string("velmora-cli ") + kVersion + "\n");
}

#ifndef _WIN32
TEST_F(CliTest, AReportThatCannotBeWrittenOutIsAFailure) {
    const auto study = copyStudy("full");
    TestFiles::copyFiles(TestFiles::data("golden/full-comma"), study);
    const Result report = cli("report", "", "/dev/full");
    EXPECT_EQ(report.exitCode, 1);
    EXPECT_NE(report.err.find("δεν γράφτηκε"), std::string::npos) << report.err;
}
#endif

struct UnreadableCase {
    const char* name;
    const char* file;
    std::function<void(const std::filesystem::path& file)> plant;
    const char* message;
};

class CliUnreadable : public CliTest, public ::testing::WithParamInterface<UnreadableCase> {};

TEST_P(CliUnreadable, IsNamedAndTheOtherSectionsAreStillWritten) {
    const UnreadableCase& c = GetParam();
    const auto study = copyStudy("full");
    std::filesystem::remove(study / c.file);
    c.plant(study / c.file);
    const Result calc = cli("calc --decimal-separator ,");
    EXPECT_EQ(calc.exitCode, 1);
    EXPECT_NE(calc.err.find(std::string("«") + c.file + "»"), std::string::npos) << calc.err;
    EXPECT_NE(calc.err.find(c.message), std::string::npos) << calc.err;
    EXPECT_EQ(cli("report").exitCode, 0);
}

const UnreadableCase kUnreadable[] = {
#ifndef _WIN32
    UnreadableCase{"APipe", "taxi.dat",
                   [](const auto& file) { ASSERT_EQ(::mkfifo(file.c_str(), 0644), 0); },
                   "δεν είναι κανονικό αρχείο"},
    UnreadableCase{"ALinkToADevice", "trig.dat",
                   [](const auto& file) { std::filesystem::create_symlink("/dev/zero", file); },
                   "δεν είναι κανονικό αρχείο"},
    // The system's own reason reaches the user: here a link that leads back to itself.
    UnreadableCase{"ALinkLoop", "xilosta.dat",
                   [](const auto& file) { std::filesystem::create_symlink("xilosta.dat", file); },
                   "Too many levels of symbolic links"},
#endif
    UnreadableCase{"AFolder", "polygon.dat",
                   [](const auto& file) { std::filesystem::create_directory(file); },
                   "δεν είναι κανονικό αρχείο"},
    UnreadableCase{"OverAMegabyte", "asti.dat",
                   [](const auto& file) { TestFiles::put(file, std::string(3 << 20, ',')); },
                   "μεγαλύτερο από 1 MB"}};

INSTANTIATE_TEST_SUITE_P(Cases, CliUnreadable, ::testing::ValuesIn(kUnreadable),
                         [](const auto& info) { return info.param.name; });

} // namespace
} // namespace velmora::cli
