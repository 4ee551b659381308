#include "store/base/TextPath.h"
#include "store/study/Installation.h"

#include "Version.h"

#include "TempFolder.h"
#include "TestFiles.h"
#include "TestProcess.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
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

TEST_F(CliTest, RatesSetForTheStudyAndTheDefaultArePrintedAndPriced) {
    const auto study = copyStudy("full");
    const Result four = cli("rates");
    EXPECT_EQ(four.exitCode, 0) << four.err;
    EXPECT_EQ(four.out, "Φ.Π.Α. 18%     = \t0.18\nΦ.Ε.Μ   4%     = \t0.04\nΤΣΜΕΔΕ  3% = \t0.03\n"
                        "T.E.E   2%     = \t0.02\n");

    // Split at the last "=": the second label keeps its own. One "%" to a line, which cmd.exe
    // would take a pair of as a variable.
    const Result set = cli("rates --set \"Φ.Π.Α. 24%=0.24\" --set \"Χαρτόσημο ==0,02\"");
    EXPECT_EQ(set.exitCode, 0) << set.err;
    EXPECT_EQ(set.out + set.err, "");
    EXPECT_EQ(TestFiles::bytes(home / "kratiseis.dat"), TestFiles::bytes(study / "kratiseis.dat"));
    const Result two = cli("rates");
    EXPECT_EQ(two.out, "Φ.Π.Α. 24% = \t0.24\nΧαρτόσημο =\t0.02\n");

    // Fee 80592,8: 24% is 19342,27 and 2% 1611,85; the total takes the rates' sum on the fee.
    ASSERT_EQ(cli("calc --decimal-separator ,").exitCode, 0);
    const Result report = cli("report");
    EXPECT_NE(report.out.find("  80592,8 \r\n\tΦ.Π.Α. 24% =  19342,27 \r\n\tΧαρτόσημο = "
                              "1611,85 \r\n\t-------------------------------\r\n"
                              "\tΣΥΝΟΛΟ.........=  101546,92 \r\n"),
              std::string::npos)
        << report.out;
}

// An installation folder copied from an earlier Windows installation of Velmora: its pointer
// names that installation's own folder, and its files are in capitals.
TEST_F(CliTest, AnEarlierWindowsInstallationIsComputedAtOnce) {
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
        expected["ekthesi.lock"] = "";
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
    [](const auto& row) { return row.param.name; });

TEST_F(CliTest, CalcNamesEachInputThatDoesNotAddUpOnStandardErrorAndExitsZero) {
    const auto study = copyStudy("full");
    TestFiles::put(study / "asti.dat", " -3 \r\n");
    TestFiles::put(study / "taxi.dat", " 10 \r\n 0 \r\n 0 \r\n 0 \r\n 2 \r\n 2 \r\n");
    TestFiles::put(study / "l.dat", "abc\r\n");
    // Items that are no number, each 0 by the reading rules: a no-break space after the digits,
    // a byte-order mark before them, and words a C library would take for numbers. An empty item
    // and a blank one are empty boxes, and say nothing.
    TestFiles::put(study / "trig.dat", "2\xA0\r\n\r\n  \r\n0x10\r\n");
    TestFiles::put(study / "rymotom.dat", "\xEF\xBB\xBF"
                                          "5\r\nnan\r\n");
    TestFiles::put(study / "oix.dat", "1e400\r\n");
    // Escape sequences that would retitle and clear the terminal.
    TestFiles::put(study / "klimaka.dat", "\x1B]0;x\x07\x1B[2J\r\n");
    const Result calc = cli("calc --decimal-separator ,");
    EXPECT_EQ(calc.exitCode, 0) << calc.err;
    EXPECT_EQ(calc.out, "");
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < calc.err.size();) {
        const std::size_t end = calc.err.find('\n', start);
        lines.push_back(calc.err.substr(start, end - start));
        start = end == std::string::npos ? calc.err.size() : end + 1;
    }
    const std::vector<std::string> files = {
        "klimaka.dat: ", "taxi.dat: ", "asti.dat: ", "rymotom.dat: ", "rymotom.dat: ",
        "trig.dat: ",    "trig.dat: ", "oix.dat: ",  "l.dat: "};
    ASSERT_EQ(lines.size(), files.size()) << calc.err;
    for (std::size_t i = 0; i < files.size(); ++i)
        EXPECT_EQ(lines[i].rfind(files[i], 0), 0u) << lines[i];
    EXPECT_NE(lines[5].find("«2\\u00A0» στη θέση 1"), std::string::npos) << lines[5];
    EXPECT_NE(lines[6].find("«0x10» στη θέση 4"), std::string::npos) << lines[6];
    EXPECT_EQ(calc.err.find('\x1B'), std::string::npos) << calc.err;
    EXPECT_NE(lines[0].find("«\\x1B]0;x\\x07\\x1B[2J»"), std::string::npos) << lines[0];
    // The sections are written all the same, priced as before.
    EXPECT_EQ(TestFiles::bytes(study / "asti1.dat"), "");
    EXPECT_EQ(TestFiles::bytes(study / "trig1.dat"), "");
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
void otherStudyListed(CliTest& test) {
    test.copyStudy("full");
    TestFiles::putLines(test.home / "ergasies.dat", {"Νίκος", "Δήμου"});
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
                    "Η υποδιαστολή πρέπει"},
        FailureCase{"RateAsAPercentage", studyNeverCalculated,
                    "rates --set \"Φ.Π.Α. 24%=0.24\" --set Φ.Ε.Μ=4", "από 0 έως 1"},
        FailureCase{"RateWithoutLabel", studyNeverCalculated, "rates --set 0.24",
                    "ΠΕΡΙΓΡΑΦΗ=ΣΥΝΤΕΛΕΣΤΗΣ"},
        FailureCase{"UseOfAnUnlistedStudy", otherStudyListed, "use ΓιώργοςΠαπαδόπουλος",
                    "δεν είναι στον κατάλογο μελετών"},
        FailureCase{"UseWithoutAFolder", studyNeverCalculated, "use", "χρειάζεται τον φάκελο"}),
    [](const auto& row) { return row.param.name; });

TEST_F(CliTest, StudiesListsEveryStudyAsCsvAndUseMakesOneCurrent) {
    const auto study = copyStudy("full");
    ASSERT_EQ(cli("calc --decimal-separator ,").exitCode, 0);
    std::tm local{};
    local.tm_year = 2024 - 1900;
    local.tm_mon = 2;
    local.tm_mday = 5;
    local.tm_hour = 14;
    local.tm_min = 7;
    local.tm_isdst = -1;
    std::filesystem::last_write_time(
        study / "synola.dat", std::chrono::file_clock::from_sys(
                                  std::chrono::system_clock::from_time_t(std::mktime(&local))));
    // A name with a comma is kept in quotes, as the program stores it.
    TestFiles::putLines(home / "ergasies.dat",
                        {"\"Άννα, Μαρία\"", "Λύρα", "Γιώργος", "Παπαδόπουλος"});

    const Result listed = cli("studies");
    EXPECT_EQ(listed.exitCode, 0) << listed.err;
    EXPECT_EQ(listed.err, "");
    EXPECT_EQ(listed.out, "owner,folder,site,calculated,fee\r\n"
                          "\"Άννα, Μαρία Λύρα\",\"Άννα, ΜαρίαΛύρα\",,,\r\n"
                          "Γιώργος Παπαδόπουλος,ΓιώργοςΠαπαδόπουλος,"
                          "Φωκίωνος Νέγρη 5 του Δήμου Αθηναίων,2024-03-05 14:07,80592.8\r\n");

    std::filesystem::create_directory(home / store::TextPath::fromUtf8("Άννα, ΜαρίαΛύρα"));
    const Result used = cli("use \"Άννα, ΜαρίαΛύρα\"");
    EXPECT_EQ(used.exitCode, 0) << used.err;
    EXPECT_EQ(used.out + used.err, "");
    EXPECT_EQ(Installation::currentStudy(home.path()).maybe(),
              home / store::TextPath::fromUtf8("Άννα, ΜαρίαΛύρα"));
}

TEST_F(CliTest, HelpAndVersionAnswerOnStandardOutput) {
    for (const char* asked : {"--help", "-h", "calc --help"}) {
        const Result help = cli(asked);
        EXPECT_EQ(help.exitCode, 0) << asked;
        EXPECT_EQ(help.out.rfind("Χρήση:\n", 0), 0u) << asked;
        EXPECT_NE(help.out.find("velmora-cli report [--home"), std::string::npos) << asked;
        EXPECT_NE(help.out.find("velmora-cli rates [--home"), std::string::npos) << asked;
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
    // Whether the calculation runs as a user without the rights of the tests' own.
    bool unprivileged = false;
};

class CliUnreadable : public CliTest, public ::testing::WithParamInterface<UnreadableCase> {};

TEST_P(CliUnreadable, IsNamedAndTheOtherSectionsAreStillWritten) {
    const UnreadableCase& c = GetParam();
    const auto study = copyStudy("full");
    std::filesystem::remove(study / c.file);
    c.plant(study / c.file);
    std::string user;
#ifndef _WIN32
    if (c.unprivileged) {
        if (!testing::TestProcess::unprivilegedCanRun(VELMORA_CLI))
            GTEST_SKIP() << "velmora-cli lies where user 65534 cannot reach it";
        testing::TestProcess::handOver(home.path());
        user = testing::TestProcess::unprivilegedCommand();
    }
#endif
    const Result calc = cli("calc --decimal-separator ,", user);
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
    // A study copied from elsewhere whose details lead to a file of this machine: that file is
    // neither shown nor printed.
    UnreadableCase{"ALinkOutOfTheStudy", "stoixeia.dat",
                   [](const auto& file) {
                       const auto elsewhere = file.parent_path().parent_path() / "elsewhere.txt";
                       TestFiles::put(elsewhere, "SECRET\r\n");
                       std::filesystem::create_symlink(elsewhere, file);
                   },
                   "σύνδεσμος προς αρχείο έξω από τον φάκελο"},
    UnreadableCase{"NoReadPermission", "oix.dat",
                   [](const auto& file) {
                       TestFiles::put(file, " 3 \r\n");
                       std::filesystem::permissions(file, std::filesystem::perms::none);
                   },
                   "υπάρχει αλλά δεν διαβάζεται (δικαιώματα πρόσβασης ή σφάλμα του δίσκου). Αιτία "
                   "από το σύστημα: Permission denied.",
                   true},
#endif
    UnreadableCase{"AFolder", "polygon.dat",
                   [](const auto& file) { std::filesystem::create_directory(file); },
                   "δεν είναι κανονικό αρχείο"},
    UnreadableCase{"OverAMegabyte", "asti.dat",
                   [](const auto& file) { TestFiles::put(file, std::string(3 << 20, ',')); },
                   "μεγαλύτερο από 1 MB"}};

INSTANTIATE_TEST_SUITE_P(Cases, CliUnreadable, ::testing::ValuesIn(kUnreadable),
                         [](const auto& row) { return row.param.name; });

TEST_F(CliTest, ALinkedSectionIsNotPrintedInTheReport) {
#ifdef _WIN32
    GTEST_SKIP() << "links need rights on Windows";
#endif
    const auto study = copyStudy("full");
    TestFiles::copyFiles(TestFiles::data("golden/full-comma"), study);
    TestFiles::put(home / "elsewhere.txt", "SECRET\r\n");
    std::filesystem::remove(study / "arxi1.dat");
    std::filesystem::create_symlink(home / "elsewhere.txt", study / "arxi1.dat");
    const Result report = cli("report");
    EXPECT_EQ(report.exitCode, 1);
    EXPECT_EQ(report.out, "");
    EXPECT_NE(report.err.find("«arxi1.dat»"), std::string::npos) << report.err;
}

// A pointer or a list entry may lead anywhere; the calculation writes only inside the
// installation folder, and names what it refused.
TEST_F(CliTest, APointerOutOfTheInstallationWritesNothingAnywhere) {
    TempFolder around;
    const auto installation = around / "velmora";
    const auto victim = around / "victim";
    std::filesystem::create_directories(victim);
    TestFiles::put(victim / "keep.txt", "keep");
    const auto study = TestFiles::makeStudy(installation, "Μελέτη");
    TestFiles::copyFiles(TestFiles::data("studies/full"), study);
    for (const std::string& pointer : std::vector<std::string>{
             "c:\\program files\\velmora\\..", "c:\\program files\\velmora\\.", "..", "../victim",
             "Μελέτη/../../victim", store::TextPath::toUtf8(victim),
             store::TextPath::toUtf8(installation)}) {
        TestFiles::putLines(installation / "temp.dat", {pointer});
        const auto before = TestFiles::snapshot(around.path());
        const Result calc =
            testing::TestProcess::run(VELMORA_CLI, "calc --home \"" + installation.string() + "\"");
        EXPECT_EQ(calc.exitCode, 1) << pointer;
        EXPECT_NE(calc.err.find("δεν είναι φάκελος μελέτης μέσα στον φάκελο του προγράμματος"),
                  std::string::npos)
            << pointer << ": " << calc.err;
        EXPECT_EQ(TestFiles::snapshot(around.path()), before) << pointer;
    }
}

#if defined(VELMORA_CLI_PDF) && !defined(_WIN32)
struct PdfTargetCase {
    const char* name;
    // Puts something at the PDF's name in `folder`; returns that name.
    std::function<std::filesystem::path(const std::filesystem::path& folder)> plant;
    // Whether the PDF is written there, or refused with what stood there left as it was.
    bool written;
};

class CliPdfTarget : public CliTest, public ::testing::WithParamInterface<PdfTargetCase> {};

TEST_P(CliPdfTarget, WritesOnlyARegularFile) {
    const PdfTargetCase& c = GetParam();
    TempFolder place;
    const auto study = copyStudy("full");
    TestFiles::copyFiles(TestFiles::data("golden/full-comma"), study);
    const auto target = c.plant(place.path());
    const auto before = TestFiles::snapshot(place.path());
    const auto standing = std::filesystem::symlink_status(target).type();
    const Result report = cli("report --pdf \"" + target.string() + "\"");
    if (c.written) {
        EXPECT_EQ(report.exitCode, 0) << report.err;
        EXPECT_EQ(report.err, "");
        EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status(target)));
        EXPECT_EQ(TestFiles::bytes(target).rfind("%PDF", 0), 0u);
        EXPECT_EQ(TestFiles::bytes(place / "thesis.velmora-2024-01.tmp" / "chapter1.txt"),
                  c.name == std::string("TheLongestName") ? "ch1" : "");
    } else {
        EXPECT_EQ(report.exitCode, 1);
        EXPECT_NE(report.err.find("«" + target.string() + "» δεν είναι κανονικό αρχείο"),
                  std::string::npos)
            << report.err;
        EXPECT_EQ(TestFiles::snapshot(place.path()), before);
        EXPECT_EQ(std::filesystem::symlink_status(target).type(), standing);
    }
    EXPECT_EQ(report.out, "");
}

const PdfTargetCase kPdfTargets[] = {
    {"APipe",
     [](const auto& folder) {
         EXPECT_EQ(::mkfifo((folder / "report.pdf").c_str(), 0644), 0);
         return folder / "report.pdf";
     },
     false},
    {"ALinkToAFolder",
     [](const auto& folder) {
         std::filesystem::create_directory(folder / "chapters");
         std::filesystem::create_symlink(folder / "chapters", folder / "report.pdf");
         return folder / "report.pdf";
     },
     false},
    {"ALinkToADevice",
     [](const auto& folder) {
         std::filesystem::create_symlink("/dev/null", folder / "report.pdf");
         return folder / "report.pdf";
     },
     false},
    {"ALinkToAFileIsReplaced",
     [](const auto& folder) {
         TestFiles::put(folder / "old.pdf", "old");
         std::filesystem::create_symlink(folder / "old.pdf", folder / "report.pdf");
         return folder / "report.pdf";
     },
     true},
    // The longest name the system takes still leaves room for the temporary one beside it; and
    // a folder named like one of those, with work inside, is not taken for a leftover.
    {"TheLongestName",
     [](const auto& folder) {
         std::filesystem::create_directory(folder / "thesis.velmora-2024-01.tmp");
         TestFiles::put(folder / "thesis.velmora-2024-01.tmp" / "chapter1.txt", "ch1");
         return folder / (std::string(251, 'a') + ".pdf");
     },
     true},
};

INSTANTIATE_TEST_SUITE_P(Cases, CliPdfTarget, ::testing::ValuesIn(kPdfTargets),
                         [](const auto& row) { return row.param.name; });
#endif

} // namespace
} // namespace velmora::cli
