#include "store/study/Installation.h"

#include "messages/Describe.h"
#include "store/base/TextPath.h"
#include "store/text/Cp1253.h"

#include "TempFolder.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace velmora::store {
namespace {

using testing::TempFolder;
using testing::TestFiles;
using Kind = Error::Kind;
using velmora::testing::PrintTo;

class InstallationTest : public ::testing::Test {
public:
    TempFolder home;
};

TEST_F(InstallationTest, PrepareCreatesAMissingFolderWithItsLists) {
    const auto folder = home / "nested" / "velmora";
    ASSERT_TRUE(Installation::prepare(folder));
    EXPECT_EQ(TestFiles::snapshot(folder),
              (std::map<std::string, std::string>{
                  {"ergasies.dat", ""}, {"l.dat", "1\r\n"}, {"mix.dat", ""}}));
}

TEST_F(InstallationTest, PrepareKeepsExistingFilesInWhateverCase) {
    TestFiles::put(home / "Ergasies.dat", "\xC3\xE9\xFE\xF1\xE3\xEF\xF2\r\n");
    TestFiles::put(home / "mix.dat", "x\r\n");
    TestFiles::put(home / "L.dat", "1.3\r\n");
    const auto before = TestFiles::snapshot(home.path());
    ASSERT_TRUE(Installation::prepare(home.path()));
    EXPECT_EQ(TestFiles::snapshot(home.path()), before);
}

TEST_F(InstallationTest, PrepareReportsAFolderItCannotCreate) {
    TestFiles::put(home / "file", "");
    const auto folder = home / "file" / "velmora";
    const auto prepared = Installation::prepare(folder);
    ASSERT_FALSE(prepared);
    // The reason is the system's, in the system's own words.
#ifdef _WIN32
    const std::string reason = prepared.error().reason;
    EXPECT_FALSE(reason.empty());
#else
    const std::string reason = "Not a directory";
#endif
    EXPECT_EQ(messages::describe(prepared),
              "Δεν ήταν δυνατή η δημιουργία του φακέλου του προγράμματος «" +
                  TextPath::toUtf8(folder) + "». Αιτία από το σύστημα: " + reason + ".");
}

TEST_F(InstallationTest, NoPointerOrAnEmptyOneMeansNoCurrentStudy) {
    EXPECT_EQ(Installation::currentStudy(home.path()).error().kind, Kind::NoStudy);
    TestFiles::put(home / "temp.dat", "\r\n");
    auto study = Installation::currentStudy(home.path());
    ASSERT_FALSE(study);
    EXPECT_EQ(messages::describe(study.error()), "Δεν υπάρχει τρέχουσα μελέτη. Δημιουργήστε πρώτα "
                                                 "μια νέα μελέτη ή επιλέξτε μια προηγούμενη.");
}

TEST_F(InstallationTest, APointerToAMissingFolderSaysWhichFolder) {
    const auto missing = home / TextPath::fromUtf8("ΓιώργοςΠαπαδόπουλος");
    ASSERT_TRUE(Installation::setCurrentStudy(home.path(), missing));
    auto study = Installation::currentStudy(home.path());
    ASSERT_FALSE(study);
    EXPECT_EQ(study.error().kind, Kind::NotFound);
    EXPECT_NE(messages::describe(study.error()).find(TextPath::toUtf8(missing)), std::string::npos)
        << messages::describe(study.error());
}

TEST_F(InstallationTest, AnInstallationFolderThatIsAFileOrMissingIsToldSo) {
    TestFiles::put(home / "file", "");
    for (const auto& [folder, message] :
         {std::pair{home / "file", "«" + TextPath::toUtf8(home / "file") + "» δεν είναι φάκελος"},
          std::pair{home / "missing", TextPath::toUtf8(home / "missing") + "» δεν υπάρχει"}}) {
        const auto study = Installation::currentStudy(folder);
        ASSERT_FALSE(study);
        EXPECT_NE(messages::describe(study.error()).find(message), std::string::npos)
            << messages::describe(study.error());
    }
}

#ifndef _WIN32
// The folder follows the rules every desktop program does: a relative data folder is no rule at
// all, and without a home folder there is no folder to take.
TEST_F(InstallationTest, TheDefaultFolderNeverDependsOnTheFolderTheProgramStartsIn) {
    struct Saved {
        const char* name;
        std::optional<std::string> value;
    };
    std::vector<Saved> saved;
    for (const char* name : {"VELMORA_HOME", "XDG_DATA_HOME", "HOME"}) {
        const char* value = std::getenv(name);
        saved.push_back({name, value ? std::optional<std::string>(value) : std::nullopt});
    }
    ::unsetenv("VELMORA_HOME");
    ::setenv("HOME", home.path().c_str(), 1);
    ::setenv("XDG_DATA_HOME", "relative/data", 1);
    EXPECT_EQ(Installation::folder(std::nullopt).maybe(), home / ".local" / "share" / "velmora");
    ::setenv("XDG_DATA_HOME", (home / "data").c_str(), 1);
    EXPECT_EQ(Installation::folder(std::nullopt).maybe(), home / "data" / "velmora");
    ::unsetenv("XDG_DATA_HOME");
    ::unsetenv("HOME");
    const auto none = Installation::folder(std::nullopt);
    ASSERT_FALSE(none.ok());
    EXPECT_NE(messages::describe(none.error()).find("HOME"), std::string::npos);
    for (const Saved& variable : saved)
        variable.value ? ::setenv(variable.name, variable.value->c_str(), 1)
                       : ::unsetenv(variable.name);
}
#endif

TEST_F(InstallationTest, FindsTheStudyThePointerNames) {
    // The Greek folder name goes through Windows-1253 in the pointer file and back.
    const auto folder = home / TextPath::fromUtf8("ΓιώργοςΠαπαδόπουλος");
    std::filesystem::create_directory(folder);
    ASSERT_TRUE(Installation::setCurrentStudy(home.path(), folder));
    auto study = Installation::currentStudy(home.path());
    EXPECT_EQ(study.maybe(), folder);
    EXPECT_EQ(*Installation::folder(home.path()), home.path());
}

struct OldPointerCase {
    const char* name;
    const char* pointer;
    // The folder inside the installation folder that the pointer leads to; empty when it is
    // refused.
    const char* study;
};

class EarlierWindowsPointer : public InstallationTest,
                              public ::testing::WithParamInterface<OldPointerCase> {};

// Folders copied from an earlier Windows installation of Velmora keep its pointer file, which
// names that installation's fixed folder; a path where nothing stands is taken by its last name.
TEST_P(EarlierWindowsPointer, LeadsToTheStudyInsideTheInstallationFolder) {
    const OldPointerCase& c = GetParam();
    std::filesystem::create_directory(home / TextPath::fromUtf8("ΝίκοςΑλεξίου"));
    // Earlier installations wrote their names in capitals.
    TestFiles::putLines(home / "TEMP.DAT", {c.pointer});
    const auto before = TestFiles::snapshot(home.path());
    auto study = Installation::currentStudy(home.path());
    if (*c.study) {
        EXPECT_EQ(study.maybe(), home / TextPath::fromUtf8(c.study)) << messages::describe(study);
    } else {
        ASSERT_FALSE(study);
        EXPECT_EQ(study.error().kind, Kind::Refused);
        EXPECT_NE(messages::describe(study.error()).find(c.pointer), std::string::npos)
            << messages::describe(study.error());
    }
    EXPECT_EQ(TestFiles::snapshot(home.path()), before);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, EarlierWindowsPointer,
    ::testing::Values(
        OldPointerCase{"AsWritten", "c:\\program files\\velmora\\ΝίκοςΑλεξίου", "ΝίκοςΑλεξίου"},
        OldPointerCase{"Capitals", "C:\\PROGRAM FILES\\VELMORA\\ΝίκοςΑλεξίου", "ΝίκοςΑλεξίου"},
        OldPointerCase{"SlashesOtherDrive", "d:/Program Files/Velmora/ΝίκοςΑλεξίου",
                       "ΝίκοςΑλεξίου"},
        OldPointerCase{"MixedSlashesTrailing", "c:\\program files/velmora\\ΝίκοςΑλεξίου\\",
                       "ΝίκοςΑλεξίου"},
        OldPointerCase{"OtherFolder", "c:\\program files (x86)\\velmora\\ΝίκοςΑλεξίου",
                       "ΝίκοςΑλεξίου"},
        OldPointerCase{"Deeper", "c:\\program files\\velmora\\Αρχείο\\ΝίκοςΑλεξίου",
                       "ΝίκοςΑλεξίου"},
        OldPointerCase{"NoDrive", "\\program files\\velmora\\ΝίκοςΑλεξίου", "ΝίκοςΑλεξίου"},
        OldPointerCase{"Relative", "ΝίκοςΑλεξίου", "ΝίκοςΑλεξίου"},
        OldPointerCase{"Above", "c:\\program files\\velmora\\..", ""},
        OldPointerCase{"TheInstallationItself", "c:\\program files\\velmora\\.", ""},
        OldPointerCase{"AboveWithoutDrive", "..\\..", ""}),
    [](const auto& row) { return row.param.name; });

TEST_F(InstallationTest, APathThatExistsAsItStandsWins) {
#ifdef _WIN32
    GTEST_SKIP() << "On Windows an earlier installation's path is a full path, not a folder name";
#endif
    // On this system the old path is a plain folder name, and such a folder is there.
    const std::string old = "c:\\program files\\velmora\\ΝίκοςΑλεξίου";
    std::filesystem::create_directory(home / TextPath::fromUtf8("ΝίκοςΑλεξίου"));
    std::filesystem::create_directory(home / TextPath::fromUtf8(old));
    TestFiles::putLines(home / "temp.dat", {old});
    EXPECT_EQ(Installation::currentStudy(home.path()).maybe(), home / TextPath::fromUtf8(old));
}

struct PointerCase {
    const char* name;
    // What the pointer file holds, relative to the installation folder; and what to make there.
    const char* pointer;
    std::function<void(const std::filesystem::path& home)> setup;
    // Why the study cannot be worked on; nothing when it is found.
    std::optional<Kind> refused;
    const char* message;
};

class PointerTest : public InstallationTest, public ::testing::WithParamInterface<PointerCase> {};

TEST_P(PointerTest, TellsWhatThePointerLeadsTo) {
    const PointerCase& c = GetParam();
    c.setup(home.path());
    TestFiles::put(home / "temp.dat", std::string(c.pointer) + "\r\n");
    const auto study = Installation::currentStudy(home.path());
    if (!c.refused) {
        EXPECT_EQ(study.maybe(), home / c.pointer) << messages::describe(study);
        return;
    }
    ASSERT_FALSE(study);
    EXPECT_EQ(study.error().kind, *c.refused);
    // A study folder that is there by name but cannot be worked on is the one the error names.
    if (c.refused != Kind::Refused) {
        EXPECT_EQ(study.error().file, TextPath::toUtf8(home / c.pointer));
    }
    const std::string message = messages::describe(study.error());
    EXPECT_NE(message.find(c.message), std::string::npos) << message;
}

constexpr std::optional<Kind> kFound;

const PointerCase kPointerCases[] = {
    {"RelativeIsInsideTheInstallation", "study",
     [](const auto& home) { std::filesystem::create_directory(home / "study"); }, kFound, ""},
    {"AFile", "study", [](const auto& home) { TestFiles::put(home / "study", ""); },
     Kind::NotRegularFile, "δεν είναι φάκελος"},
#ifndef _WIN32
    {"ALinkLoop", "loop",
     [](const auto& home) { std::filesystem::create_symlink("loop", home / "loop"); },
     Kind::NotReadable, "δεν είναι προσβάσιμος"},
#endif
    {"Missing", "study", [](const auto&) {}, Kind::NotFound, "δεν υπάρχει"},
    // A study is a folder directly inside the installation folder, and nothing else.
    {"Above", "..", [](const auto&) {}, Kind::Refused, "μέσα στον φάκελο του προγράμματος"},
    {"Itself", ".", [](const auto&) {}, Kind::Refused, "μέσα στον φάκελο του προγράμματος"},
#ifndef _WIN32
    {"Outside", "../../tmp", [](const auto&) {}, Kind::Refused, "«../../tmp»"},
#endif
    {"Nested", "study/inner",
     [](const auto& home) { std::filesystem::create_directories(home / "study" / "inner"); },
     Kind::Refused, "«study/inner»"},
    {"BackIn", "study/../study",
     [](const auto& home) { std::filesystem::create_directory(home / "study"); }, kFound, ""},
};

INSTANTIATE_TEST_SUITE_P(Cases, PointerTest, ::testing::ValuesIn(kPointerCases),
                         [](const auto& row) { return row.param.name; });

} // namespace
} // namespace velmora::store
