#include "store/text/ValueItems.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmora::store {
namespace {

using velmora::testing::PrintTo;

using Items = std::vector<std::string>;

struct SplitCase {
    const char* name;
    std::string text;
    Items items;
};

class ValueItemsSplit : public ::testing::TestWithParam<SplitCase> {};

TEST_P(ValueItemsSplit, FollowsTheReadingRules) {
    EXPECT_EQ(ValueItems::split(GetParam().text), GetParam().items);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ValueItemsSplit,
    ::testing::Values(SplitCase{"EmptyFile", "", {}},
                      SplitCase{"OneItemPerLine", "10\r\n0\r\n2\r\n", {"10", "0", "2"}},
                      SplitCase{"CommasEndItemsToo", "1,2\r\n3", {"1", "2", "3"}},
                      SplitCase{"BlanksBeforeAnItemSkipped", "  12 \r\n\t x", {"12 ", "x"}},
                      SplitCase{"EmptyLineIsAnEmptyItem", "a\r\n\r\nb\r\n", {"a", "", "b"}},
                      SplitCase{"CommaAtTheEnd", "a,", {"a", ""}},
                      SplitCase{"CommaBeforeLineEnd", "a,\r\nb", {"a", "", "b"}},
                      SplitCase{"QuotedItemKeepsCommaAndBlanks",
                                "\"Πατησίων 12, Αθήνα\"\r\n\"  δύο\"\r\n",
                                {"Πατησίων 12, Αθήνα", "  δύο"}},
                      SplitCase{
                          "AfterClosingQuoteSkippedToItemEnd", "\"ab\" junk,c\r\n", {"ab", "c"}},
                      SplitCase{"QuotedItemSpansLineEnds", "\"a\r\nb\",c", {"a\r\nb", "c"}},
                      SplitCase{"UnclosedQuoteRunsToTheEnd", "\"ab,c\r\n", {"ab,c\r\n"}},
                      SplitCase{"QuoteInsideAnItemIsKept", "a\"b\r\n", {"a\"b"}},
                      SplitCase{"LoneLineFeedsAndCarriageReturns", "a\nb\rc", {"a", "b", "c"}}),
    [](const auto& row) { return row.param.name; });

struct FormCase {
    const char* name;
    std::string text;
    ValueItems::Form form;
};

class ValueItemsForm : public ::testing::TestWithParam<FormCase> {};

TEST_P(ValueItemsForm, QuotesOnlyWhatTheReaderWouldSplitOrCut) {
    const FormCase& c = GetParam();
    EXPECT_EQ(ValueItems::formOf(c.text), c.form);
    auto line = ValueItems::textLine(c.text);
    ASSERT_EQ(line.has_value(), c.form != ValueItems::Form::Unstorable);
    if (!line) return;
    // Whatever form it takes, the line reads back as the one item it stores.
    EXPECT_EQ(ValueItems::split(*line + "\r\n"), Items{c.text});
}

using Form = ValueItems::Form;
INSTANTIATE_TEST_SUITE_P(
    Texts, ValueItemsForm,
    ::testing::Values(FormCase{"Plain", "Αθήνα", Form::Plain}, FormCase{"Empty", "", Form::Plain},
                      FormCase{"TrailingBlanks", "Ερμού 3  ", Form::Plain},
                      FormCase{"QuoteInside", "Το \"Κτήμα\"", Form::Plain},
                      FormCase{"Comma", "Πατησίων 12, Αθήνα", Form::Quoted},
                      FormCase{"LeadingBlank", " Κέντρο", Form::Quoted},
                      FormCase{"LeadingTab", "\tΚέντρο", Form::Quoted},
                      FormCase{"LineEnd", "α\r\nβ", Form::Quoted},
                      FormCase{"LeadingQuote", "\"Κτήμα\"", Form::Unstorable},
                      FormCase{"QuoteAndComma", "Το \"Κτήμα\", Αθήνα", Form::Unstorable}),
    [](const auto& row) { return row.param.name; });

} // namespace
} // namespace velmora::store
