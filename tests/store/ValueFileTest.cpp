#include "store/files/ValueFile.h"

#include "messages/Describe.h"
#include "store/base/TextPath.h"
#include "store/files/AtomicFile.h"
#include "store/text/Cp1253.h"

#include "TempFolder.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace velmora::store {
namespace {

using testing::TempFolder;
using testing::TestFiles;
using Items = std::vector<std::string>;

class ValueFileTest : public ::testing::Test {
protected:
    std::string bytes(const std::string& name) const { return TestFiles::bytes(dir / name); }
    // Content given as UTF-8 lands on disk in Windows-1253.
    void put(const std::string& name, std::string_view content) const {
        TestFiles::put(dir / name, Cp1253::encode(content).value());
    }
    Items names() const {
        Items found;
        for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
            found.push_back(entry.path().filename().string());
        std::sort(found.begin(), found.end());
        return found;
    }

    TempFolder dir;
};

TEST_F(ValueFileTest, WritesWindows1253WithCrLfAndReadsItBack) {
    ASSERT_TRUE(
        ValueFile::write(dir.path(), "x.dat",
                         {ValueItem::text("Αθήνα"), ValueItem::number(1), ValueItem::number(-0.25),
                          ValueItem::bareNumber(1.2), ValueItem::text(""),
                          ValueItem::text("Πατησίων 12, Αθήνα"), ValueItem::text("  δύο")}));
    EXPECT_EQ(bytes("x.dat"), "\xC1\xE8\xDE\xED\xE1\r\n 1 \r\n-.25 \r\n1.2\r\n\r\n"
                              "\"\xD0\xE1\xF4\xE7\xF3\xDF\xF9\xED 12, \xC1\xE8\xDE\xED\xE1\"\r\n"
                              "\"  \xE4\xFD\xEF\"\r\n");
    EXPECT_EQ(ValueFile::read(dir.path(), "x.dat").maybe(),
              (Items{"Αθήνα", "1 ", "-.25 ", "1.2", "", "Πατησίων 12, Αθήνα", "  δύο"}));
}

TEST_F(ValueFileTest, ReadNumbersFillsMissingAndUnreadableItemsWithZero) {
    // An empty line, blanks around digits, a word, then the file ends before the fifth item.
    put("n.dat", "\r\n 12 \r\nδώδεκα\r\n-.25\r\n");
    EXPECT_EQ(ValueFile::readNumbers(dir.path(), "n.dat", 5),
              (std::vector<double>{0, 12, 0, -0.25, 0}));
    EXPECT_EQ(ValueFile::readNumbers(dir.path(), "absent.dat", 2), (std::vector<double>{0, 0}));
    EXPECT_EQ(ValueFile::read(dir.path(), "absent.dat").error().kind, Error::Kind::NotFound);
    EXPECT_EQ(ValueFile::readIfThere(dir.path(), "absent.dat").maybe(), Items{});
}

TEST_F(ValueFileTest, RefusesUnstorableTextAndWritesNothing) {
    put("keep.dat", "old\r\n");
    for (const char* text : {"Το \"Κτήμα\", Αθήνα", "\"Κτήμα\"", "Τόκιο 東京"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(ValueFile::isStorableText(text));
        Status status = ValueFile::write(dir.path(), "keep.dat",
                                         {ValueItem::text("πρώτο"), ValueItem::text(text)});
        EXPECT_FALSE(status.ok());
        EXPECT_EQ(messages::describe(status), "Το κείμενο «" + std::string(text) +
                                                  "» δεν μπορεί να αποθηκευτεί στο αρχείο "
                                                  "«keep.dat»: περιέχει χαρακτήρες που δεν "
                                                  "αποθηκεύονται.");
        EXPECT_FALSE(ValueFile::write(dir.path(), "new.dat", {ValueItem::text(text)}).ok());
    }
    EXPECT_EQ(bytes("keep.dat"), "old\r\n");
    EXPECT_EQ(names(), (Items{"keep.dat"}));
    EXPECT_TRUE(ValueFile::isStorableText(" Πατησίων 12, Αθήνα"));
}

TEST_F(ValueFileTest, NamesIgnoreLetterCaseAndTrailingBlanks) {
    put("STOIXEIA.DAT", "Γιώργος\r\n");
    put("L.dat", "1.15\r\n");
    EXPECT_EQ(ValueFile::read(dir.path(), "stoixeia.dat").maybe(), Items{"Γιώργος"});
    EXPECT_EQ(ValueFile::readNumbers(dir.path(), "l.dat ", 1), std::vector<double>{1.15});

    // A rewrite replaces the spelling on disk, and a new file drops the trailing blank.
    ASSERT_TRUE(ValueFile::write(dir.path(), "l.dat", {ValueItem::text("1.3")}));
    ASSERT_TRUE(ValueFile::writeLines(dir.path(), "oix1.dat ", {"x"}));
    EXPECT_EQ(names(), (Items{"L.dat", "STOIXEIA.DAT", "oix1.dat"}));
    EXPECT_EQ(bytes("L.dat"), "1.3\r\n");
}

TEST_F(ValueFileTest, LinesAreKeptAsTheyStandEachEndedByCrLf) {
    ASSERT_TRUE(ValueFile::writeLines(dir.path(), "s.dat", {"\t Χ ", "", "a, \"b\""}));
    EXPECT_EQ(bytes("s.dat"), "\t \xD7 \r\n\r\na, \"b\"\r\n");
    EXPECT_EQ(ValueFile::readLines(dir.path(), "s.dat").maybe(), (Items{"\t Χ ", "", "a, \"b\""}));
    put("t.dat", "a\nb\rlast");
    EXPECT_EQ(ValueFile::readLines(dir.path(), "t.dat").maybe(), (Items{"a", "b", "last"}));
    ASSERT_TRUE(ValueFile::writeLines(dir.path(), "s.dat", {}));
    EXPECT_EQ(bytes("s.dat"), "");
    EXPECT_EQ(ValueFile::readLines(dir.path(), "s.dat").maybe(), Items{});
    EXPECT_EQ(ValueFile::readLines(dir.path(), "absent.dat").error().kind, Error::Kind::NotFound);
}

TEST_F(ValueFileTest, AFailedReplacementKeepsTheOldFile) {
    put("l.dat", "1.15\r\n");
    TestFiles::blockReplacement(dir / "l.dat");
    Status status = ValueFile::write(dir.path(), "l.dat", {ValueItem::number(2)});
    EXPECT_FALSE(status.ok());
    const std::string message = messages::describe(status);
    EXPECT_NE(message.find("l.dat"), std::string::npos) << message;
    EXPECT_EQ(bytes("l.dat"), "1.15\r\n");
}

TEST_F(ValueFileTest, AReplacedFileKeepsItsPermissionBits) {
    put("l.dat", "1\r\n");
    using std::filesystem::perms;
    const perms readOnly = perms::owner_read | perms::group_read;
    std::filesystem::permissions(dir / "l.dat", readOnly);
    // As the file system keeps them: Windows has one read-only attribute for everyone.
    const perms kept = std::filesystem::status(dir / "l.dat").permissions();
    ASSERT_TRUE(ValueFile::write(dir.path(), "l.dat", {ValueItem::number(2)}));
    EXPECT_EQ(bytes("l.dat"), " 2 \r\n");
    EXPECT_EQ(std::filesystem::status(dir / "l.dat").permissions(), kept);
}

#ifndef _WIN32
TEST_F(ValueFileTest, APlantedLinkIsNeverWrittenThrough) {
    TempFolder outside;
    const auto victim = outside / "profile";
    TestFiles::put(victim, "keep\n");
    const auto target = dir / "synola.dat";
    // At the file itself, at the name earlier versions used, and at every name but the last
    // that the replacement may take.
    std::filesystem::create_symlink(victim, target);
    std::filesystem::create_symlink(victim, dir / "synola.dat.tmp");
    for (int attempt = 0; attempt + 1 < AtomicFile::kAttempts; ++attempt)
        std::filesystem::create_symlink(victim, AtomicFile::temporaryFor(target, attempt));

    ASSERT_TRUE(ValueFile::writeLines(dir.path(), "synola.dat", {"new"}));
    EXPECT_EQ(TestFiles::bytes(victim), "keep\n");
    EXPECT_FALSE(std::filesystem::is_symlink(target));
    EXPECT_EQ(bytes("synola.dat"), "new\r\n");

    // With every name taken the replacement fails, and still touches nothing.
    std::filesystem::create_symlink(victim,
                                    AtomicFile::temporaryFor(target, AtomicFile::kAttempts - 1));
    EXPECT_FALSE(ValueFile::writeLines(dir.path(), "synola.dat", {"newer"}).ok());
    EXPECT_EQ(TestFiles::bytes(victim), "keep\n");
    EXPECT_EQ(bytes("synola.dat"), "new\r\n");
}

TEST_F(ValueFileTest, LeftoversOfEndedRunsGoAndThoseStillBeingWrittenStay) {
    // 2147483646 is a process number no system hands out.
    const auto ended = dir / "telos.dat.velmora-2147483646-0.tmp";
    TestFiles::put(ended, "half");
    // Only files go, never a folder, even one named like ours; nor a link or what it leads to.
    const auto endedStudy = dir / TextPath::fromUtf8("ΑΒ.velmora-2147483646-3.tmp");
    std::filesystem::create_directory(endedStudy);
    TestFiles::put(endedStudy / "stoixeia.dat", "half");
    const auto thesis = dir / "thesis.velmora-2024-01.tmp";
    std::filesystem::create_directory(thesis);
    TestFiles::put(thesis / "chapter1.txt", "work of months");
    TempFolder outside;
    TestFiles::put(outside / "profile", "keep");
    const auto link = dir / "profile.velmora-2147483646-1.tmp";
    std::filesystem::create_symlink(outside / "profile", link);
    // This process is running.
    const auto running = AtomicFile::temporaryFor(dir / "telos.dat", 0);
    TestFiles::put(running, "half");
    // Written from another machine on a shared folder: its number means nothing here, its lock
    // does.
    const auto held = dir / "telos.dat.velmora-2147483645-0.tmp";
    TestFiles::put(held, "half");
    const int writer = ::open(held.c_str(), O_RDONLY);
    ASSERT_EQ(::flock(writer, LOCK_EX), 0);
    TestFiles::put(dir / "telos.dat.tmp", "not ours");

    AtomicFile::removeLeftovers(dir.path());
    ::close(writer);
    Items kept = {"telos.dat.tmp",
                  held.filename().string(),
                  running.filename().string(),
                  endedStudy.filename().string(),
                  thesis.filename().string(),
                  link.filename().string()};
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(names(), kept);
    EXPECT_EQ(TestFiles::bytes(thesis / "chapter1.txt"), "work of months");
    EXPECT_EQ(TestFiles::bytes(outside / "profile"), "keep");
}
#endif

} // namespace
} // namespace velmora::store
