#include "store/text/NumberText.h"
#include "store/files/ValueFile.h"
#include "store/text/RegionalSeparator.h"

#include <gtest/gtest.h>

#include <cctype>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <ostream>
#include <string>

namespace velmora::store {
namespace {

struct ParseCase {
    const char* item;
    std::optional<double> value;
};

void PrintTo(const ParseCase& c, std::ostream* os) {
    *os << '"' << c.item << '"';
}

class NumberTextParse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(NumberTextParse, ReadsAnItemAsANumber) {
    EXPECT_EQ(NumberText::parse(GetParam().item), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Items, NumberTextParse,
    ::testing::Values(ParseCase{"", 0.0}, ParseCase{"   ", 0.0}, ParseCase{" 12 ", 12.0},
                      ParseCase{"\t7\t", 7.0}, ParseCase{".25", 0.25}, ParseCase{"-.25", -0.25},
                      ParseCase{"+3", 3.0}, ParseCase{"5.", 5.0}, ParseCase{"1E-05", 0.00001},
                      ParseCase{"1.234568E+07", 12345680.0}, ParseCase{"δώδεκα", std::nullopt},
                      ParseCase{"12abc", std::nullopt}, ParseCase{"1 2", std::nullopt},
                      ParseCase{"1.2.3", std::nullopt}, ParseCase{"12,5", std::nullopt},
                      ParseCase{".", std::nullopt}, ParseCase{"-", std::nullopt},
                      ParseCase{"1E", std::nullopt}, ParseCase{"inf", std::nullopt},
                      ParseCase{"0x10", std::nullopt}, ParseCase{"1E999", std::nullopt}));

TEST(NumberText, NarrowingRoundsHalfToEvenAndRefusesWhatDoesNotFit) {
    EXPECT_EQ(NumberText::toInt16(1.4), 1);
    EXPECT_EQ(NumberText::toInt16(0.5), 0);
    EXPECT_EQ(NumberText::toInt16(1.5), 2);
    EXPECT_EQ(NumberText::toInt16(2.5), 2);
    EXPECT_EQ(NumberText::toInt16(-32768), -32768);
    EXPECT_FALSE(NumberText::toInt16(32768).has_value());
    EXPECT_FALSE(NumberText::toInt16(std::nan("")).has_value());
    EXPECT_EQ(NumberText::toSingle(8400717.5), 8400718.0f);
    EXPECT_FALSE(NumberText::toSingle(1e39).has_value());
}

// The desktop toolkit sets the C library's locale from the environment; on a Greek desktop its
// numbers take a comma, which the reading rules would split into two items.
TEST(NumberText, WritesAndReadsThePointUnderAGreekCLocale) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "el_GR.UTF-8")) GTEST_SKIP() << "el_GR.UTF-8 is not installed";
    const std::string numeric = std::setlocale(LC_NUMERIC, nullptr);
    EXPECT_EQ(numeric, "el_GR.UTF-8");
    EXPECT_EQ(ValueFile::lineOf(ValueItem::number(2.5)), " 2.5 ");
    EXPECT_EQ(ValueFile::lineOf(ValueItem::number(-0.25)), "-.25 ");
    EXPECT_EQ(ValueFile::lineOf(ValueItem::bareNumber(1.15)), "1.15");
    EXPECT_EQ(NumberText::general(0.25, NumberText::kDoubleDigits, ','), ",25");
    EXPECT_EQ(NumberText::general(1234567.5, NumberText::kSingleDigits, '.'), "1234568");
    EXPECT_EQ(NumberText::parse(" 3.5 "), 3.5);
    std::setlocale(LC_ALL, previous.c_str());
}

TEST(NumberText, TheLargestValuesReadBack) {
    for (double value :
         {std::numeric_limits<double>::max(), -std::numeric_limits<double>::max(),
          double(std::numeric_limits<float>::max()), std::numeric_limits<double>::denorm_min(),
          9.99999999999999e307, 9.999999999999999e307}) {
        const std::string text = NumberText::general(value, NumberText::kDoubleDigits);
        const std::optional<double> back = NumberText::parse(text);
        ASSERT_TRUE(back.has_value()) << text;
        EXPECT_NEAR(*back / value, 1.0, 1e-14) << text;
    }
    EXPECT_EQ(NumberText::general(std::numeric_limits<double>::max(), 15), "1.79769313486231E+308");
    EXPECT_EQ(NumberText::general(9.999999999999999e307, 15), "1E+308");
}

struct LocaleCase {
    const char* name;
    char separator;
};

void PrintTo(const LocaleCase& c, std::ostream* os) {
    *os << '"' << c.name << '"';
}

class RegionalSeparatorTest : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(RegionalSeparatorTest, FollowsTheLocaleName) {
    EXPECT_EQ(RegionalSeparator::forLocale(GetParam().name), GetParam().separator);
}

INSTANTIATE_TEST_SUITE_P(
    Names, RegionalSeparatorTest,
    ::testing::Values(LocaleCase{"el_GR.UTF-8", ','}, LocaleCase{"el_GR@euro", ','},
                      LocaleCase{"el_CY.ISO-8859-7", ','}, LocaleCase{"el", ','},
                      LocaleCase{"C.UTF-8", '.'}, LocaleCase{"POSIX", '.'}, LocaleCase{"", '.'},
                      LocaleCase{"en_US.UTF-8", '.'}, LocaleCase{"en_DK.UTF-8", ','},
                      LocaleCase{"de_DE", ','}, LocaleCase{"de_CH.UTF-8", '.'},
                      LocaleCase{"sr_Latn_RS", ','}, LocaleCase{"es-MX", '.'},
                      LocaleCase{"es_419", '.'}, LocaleCase{"xx_YY", '.'}),
    [](const auto& row) {
        std::string name;
        for (char c : std::string(row.param.name))
            name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return "L" + name;
    });

#ifndef _WIN32
// LC_ALL, then LC_NUMERIC, then LANG: the first that is set decides.
TEST(RegionalSeparator, TakesTheFirstLocaleVariableSet) {
    const auto keep = [](const char* name) {
        const char* value = std::getenv(name);
        return value ? std::optional<std::string>(value) : std::nullopt;
    };
    const auto all = keep("LC_ALL"), numeric = keep("LC_NUMERIC"), lang = keep("LANG");
    const auto set = [](const char* name, const char* value) {
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    };
    struct Row {
        const char *all, *numeric, *lang;
        char separator;
    };
    for (const Row& row :
         {Row{nullptr, nullptr, "el_GR.UTF-8", ','}, Row{"", nullptr, "el_GR.UTF-8", ','},
          Row{nullptr, "C", "el_GR.UTF-8", '.'}, Row{"el_GR.UTF-8", "C", "C", ','},
          Row{"C.UTF-8", "el_GR.UTF-8", "el_GR.UTF-8", '.'}, Row{nullptr, nullptr, nullptr, '.'}}) {
        set("LC_ALL", row.all);
        set("LC_NUMERIC", row.numeric);
        set("LANG", row.lang);
        EXPECT_EQ(RegionalSeparator::fromEnvironment(), row.separator)
            << (row.all ? row.all : "-") << ' ' << (row.numeric ? row.numeric : "-") << ' '
            << (row.lang ? row.lang : "-");
    }
    set("LC_ALL", all ? all->c_str() : nullptr);
    set("LC_NUMERIC", numeric ? numeric->c_str() : nullptr);
    set("LANG", lang ? lang->c_str() : nullptr);
}
#endif

} // namespace
} // namespace velmora::store
