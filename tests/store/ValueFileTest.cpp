#include "store/ValueFile.h"

#include "store/Cp1253.h"

#include "TempFolder.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

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
    EXPECT_EQ(ValueFile::read(dir.path(), "x.dat"),
              (Items{"Αθήνα", "1 ", "-.25 ", "1.2", "", "Πατησίων 12, Αθήνα", "  δύο"}));
}

TEST_F(ValueFileTest, ReadNumbersFillsMissingAndUnreadableItemsWithZero) {
    // An empty line, blanks around digits, a word, then the file ends before the fifth item.
    put("n.dat", "\r\n 12 \r\nδώδεκα\r\n-.25\r\n");
    EXPECT_EQ(ValueFile::readNumbers(dir.path(), "n.dat", 5),
              (std::vector<double>{0, 12, 0, -0.25, 0}));
    EXPECT_EQ(ValueFile::readNumbers(dir.path(), "absent.dat", 2), (std::vector<double>{0, 0}));
    EXPECT_FALSE(ValueFile::read(dir.path(), "absent.dat").has_value());
}

TEST_F(ValueFileTest, RefusesUnstorableTextAndWritesNothing) {
    put("keep.dat", "old\r\n");
    for (const char* text : {"Το \"Κτήμα\", Αθήνα", "\"Κτήμα\"", "Τόκιο 東京"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(ValueFile::isStorableText(text));
        Status status = ValueFile::write(dir.path(), "keep.dat",
                                         {ValueItem::text("πρώτο"), ValueItem::text(text)});
        EXPECT_FALSE(status.ok());
        EXPECT_FALSE(status.message().empty());
        EXPECT_FALSE(ValueFile::write(dir.path(), "new.dat", {ValueItem::text(text)}).ok());
    }
    EXPECT_EQ(bytes("keep.dat"), "old\r\n");
    EXPECT_EQ(names(), (Items{"keep.dat"}));
    EXPECT_TRUE(ValueFile::isStorableText(" Πατησίων 12, Αθήνα"));
}

TEST_F(ValueFileTest, NamesIgnoreLetterCaseAndTrailingBlanks) {
    put("STOIXEIA.DAT", "Γιώργος\r\n");
    put("L.dat", "1.15\r\n");
    EXPECT_EQ(ValueFile::read(dir.path(), "stoixeia.dat"), Items{"Γιώργος"});
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
    EXPECT_EQ(ValueFile::readLines(dir.path(), "s.dat"), (Items{"\t Χ ", "", "a, \"b\""}));
    put("t.dat", "a\nb\rlast");
    EXPECT_EQ(ValueFile::readLines(dir.path(), "t.dat"), (Items{"a", "b", "last"}));
    ASSERT_TRUE(ValueFile::writeLines(dir.path(), "s.dat", {}));
    EXPECT_EQ(bytes("s.dat"), "");
    EXPECT_EQ(ValueFile::readLines(dir.path(), "s.dat"), Items{});
    EXPECT_FALSE(ValueFile::readLines(dir.path(), "absent.dat").has_value());
}

TEST_F(ValueFileTest, AFailedReplacementKeepsTheOldFile) {
    put("l.dat", "1.15\r\n");
    // A folder where the temporary file would go makes the write fail even for root.
    std::filesystem::create_directory(dir / "l.dat.tmp");
    Status status = ValueFile::write(dir.path(), "l.dat", {ValueItem::number(2)});
    EXPECT_FALSE(status.ok());
    EXPECT_NE(status.message().find("l.dat"), std::string::npos) << status.message();
    EXPECT_EQ(bytes("l.dat"), "1.15\r\n");
}

} // namespace
} // namespace velmora::store
