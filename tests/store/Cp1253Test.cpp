#include "store/text/Cp1253.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <string>

namespace velmora::store {
namespace {

using velmora::testing::PrintTo;

TEST(Cp1253, GreekLettersTakeTheirCodePageBytes) {
    const std::string utf8 = "Πατησίων ΆΈΉΊΌΎΏ ςϊΰ €«»";
    const std::string bytes = "\xD0\xE1\xF4\xE7\xF3\xDF\xF9\xED \xA2\xB8\xB9\xBA\xBC\xBE\xBF "
                              "\xF2\xFA\xE0 \x80\xAB\xBB";
    EXPECT_EQ(Cp1253::encode(utf8), bytes);
    EXPECT_EQ(Cp1253::decode(bytes), utf8);
}

TEST(Cp1253, EveryByteSurvivesDecodeAndEncode) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(Cp1253::encode(Cp1253::decode(all)), all);
    // An undefined byte travels as a private-use character.
    EXPECT_EQ(Cp1253::decode("\x81"), "\xEF\x9E\x81");
}

class Cp1253Refuse : public ::testing::TestWithParam<std::string> {};

TEST_P(Cp1253Refuse, TextOutsideTheCodePage) {
    EXPECT_FALSE(Cp1253::canEncode(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Cp1253Refuse,
    ::testing::Values("日本", "Ελλάδα ✓", "Straße",
                      // the private-use stand-in for a byte the code page does define
                      "\xEF\x9F\x81",
                      // malformed UTF-8: a lone lead byte, a cut sequence, an overlong form
                      "\xCE", "a\xE2\x82", "\xC0\xAF"));

struct ComposeCase {
    const char* name;
    std::string typed;
    std::string composed;
};

class Cp1253Compose : public ::testing::TestWithParam<ComposeCase> {};

TEST_P(Cp1253Compose, BringsTextToTheLettersTheCodePageHolds) {
    const ComposeCase& c = GetParam();
    EXPECT_EQ(Cp1253::composed(c.typed), c.composed);
    // Composing again changes nothing.
    EXPECT_EQ(Cp1253::composed(c.composed), c.composed);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Cp1253Compose,
    ::testing::Values(
        ComposeCase{"AlreadyComposed", "Γιώργος Παπαδόπουλος", "Γιώργος Παπαδόπουλος"},
        ComposeCase{"SeparateAcutes", "Γιω\u0301ργος Ά\u0301", "Γιώργος Ά\u0301"},
        ComposeCase{"CapitalsWithTonos", "Α\u0301Ε\u0301Η\u0301Ι\u0301Ο\u0301Υ\u0301Ω\u0301",
                    "ΆΈΉΊΌΎΏ"},
        ComposeCase{"DiaeresisThenAcute", "προι\u0308\u0301ν ευ\u0308\u0301", "προΐν εΰ"},
        ComposeCase{"DialytikaTonosMark", "ι\u0344 Ϋ", "ΐ Ϋ"},
        ComposeCase{"CombiningTonos", "ο\u0341", "ό"},
        ComposeCase{"PolytonicOxia",
                    "\u1F71\u1F73\u1F75\u1F77\u1F79\u1F7B\u1F7D \u1FBB\u1FFB \u1FD3",
                    "άέήίόύώ ΆΏ ΐ"},
        ComposeCase{"GreekQuestionMarkAndOhm", "Τι\u037E 5\u2126", "Τι; 5Ω"},
        // An acute behind an accent that could not join is not taken by the letter.
        ComposeCase{"BlockedByAnAccentThatStays", "ε\u0342\u0301", "ε\u0342\u0301"},
        ComposeCase{"AcuteThenDiaeresisStaysApart", "ι\u0301\u0308", "ί\u0308"},
        // Polytonic letters that monotonic Greek does not hold stay as they are.
        ComposeCase{"Breathing", "\u1F08θήνα", "\u1F08θήνα"},
        ComposeCase{"BeyondTheBasicPlane", "χάρτης \U0001F5FA", "χάρτης \U0001F5FA"},
        ComposeCase{"MalformedLeftAsItIs", "α\xCE", "α\xCE"}),
    [](const auto& row) { return row.param.name; });

TEST(Cp1253, NamesTheFirstCharacterWithoutAPlace) {
    EXPECT_EQ(Cp1253::firstUnencodable("Πατησίων 12"), std::nullopt);
    auto c = Cp1253::firstUnencodable("Μόσχα Москва");
    ASSERT_TRUE(c.has_value());
    EXPECT_EQ(c->code, U'\u041C');
    EXPECT_EQ(c->text, "М");
    c = Cp1253::firstUnencodable("α\xCE");
    ASSERT_TRUE(c.has_value());
    EXPECT_EQ(c->code, U'\uFFFD');
}

} // namespace
} // namespace velmora::store
