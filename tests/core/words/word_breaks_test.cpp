// Word breaks: decoding phrases and single words, the hyphen bit, the 30/35 character cuts, encoding.
#include "core/words/word_breaks.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

TEST(WordBreaks, Decode)
{
    const struct {
        const char* text;
        std::uint32_t code;
        const char* display;
        const char* enumeration;
    } cases[] = {
        {"ICECREAM", 3 | (5 << 6), "ICE CREAM", "3,5"},
        {"APPLE", 5, "APPLE", "5"},
        {"APPLE", 0, "APPLE", "0"},
        {"WELLKNOWN", 4 | 32 | (5 << 6), "WELL-KNOWN", "4,5"},
        {"DONTSTOP", 4 | (4 << 6) | 32 << 6, "DONT STOP-", "4,4"},   // a trailing hyphen is kept
        {"JACKINTHEBOX", 4 | 32 | (2 << 6) | (32 << 6) | (3 << 12) | (32 << 12) | (3 << 18), "JACK-IN-THE-BOX", "4,2,3,3"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGH", 20 | (14 << 6), "ABCDEFGHIJKLMNOPQRST UVWXYZABCD", "20,14"},
    };
    for (const auto& c : cases) {
        const auto d = DecodeWordBreaks(c.text, c.code);
        EXPECT_EQ(d.DisplayTxt, c.display) << c.text;
        EXPECT_EQ(d.EnumTxt, c.enumeration) << c.text;
    }
}

TEST(WordBreaks, Encode)
{
    const struct {
        const char* text;
        const char* letters;
        std::uint32_t code;
    } cases[] = {
        {"ICE CREAM", "ICECREAM", 3 | (5 << 6)},
        {"APPLE", "APPLE", 5},
        {"DONT-STOP", "DONTSTOP", 4 + (4 << 6)},  // 260: hyphens are recorded as blanks
        {"ICE  CREAM", "ICECREAM", 3 | (0 << 6) | (5 << 12)},
        // Only the first 35 characters are encoded.
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZABCD EFGHIJKL", "ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGH", 30 | (4 << 6)},
    };
    for (const auto& c : cases) {
        const auto e = EncodeWordBreaks(c.text);
        EXPECT_EQ(e.Letters, c.letters) << c.text;
        EXPECT_EQ(e.Code, c.code) << c.text;
    }
}

TEST(WordBreaks, EncodedPhrasesDecodeBack)
{
    for (const char* phrase : {"ICE CREAM", "THE LONG AND WINDING ROAD", "AT HOME"}) {
        const auto e = EncodeWordBreaks(phrase);
        EXPECT_EQ(DecodeWordBreaks(e.Letters, e.Code).DisplayTxt, phrase);
    }
}

}  // namespace
}  // namespace qm
