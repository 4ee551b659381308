#include "store/Cp1253.h"

#include <gtest/gtest.h>

#include <string>

namespace velmora::store {
namespace {

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

} // namespace
} // namespace velmora::store
