// Text helpers: rounding halves to even, thousands separators, number parsing, trimming, fixed texts.
#include "core/util/fixed_text.h"
#include "core/util/text.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

TEST(Text, RoundHalfEven)
{
    const std::pair<double, std::int64_t> cases[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {326.2, 326}, {0.49, 0}, {1.51, 2}, {-0.5, 0}};
    for (auto [value, expected] : cases) EXPECT_EQ(RoundHalfEven(value), expected) << value;
}

TEST(Text, Thousands)
{
    EXPECT_EQ(FormatThousands(0), "0");
    EXPECT_EQ(FormatThousands(999), "999");
    EXPECT_EQ(FormatThousands(1000), "1,000");
    EXPECT_EQ(FormatThousands(1234567), "1,234,567");
    EXPECT_EQ(FormatHashThousands(0), "");
    EXPECT_EQ(FormatHashThousands(164700), "164,700");
}

TEST(Text, ParseInt)
{
    EXPECT_EQ(ParseIntOr(" 12", -1), 12);
    EXPECT_EQ(ParseIntOr("-7", 0), -7);
    EXPECT_EQ(ParseIntOr("12 ", -1), -1);
    EXPECT_EQ(ParseIntOr("", -1), -1);
    EXPECT_EQ(ParseIntOr("x1", -1), -1);
    EXPECT_EQ(ParseIntOr("99999999999", -1), -1);
}

TEST(Text, TrimRemovesBlanksAndControlCharacters)
{
    EXPECT_EQ(Trim("\t  ICE CREAM \r\n"), "ICE CREAM");
    EXPECT_EQ(TrimRight("  A  "), "  A");
    EXPECT_EQ(TrimLeft("  A  "), "A  ");
}

TEST(Text, MidIsOneBasedAndClipped)
{
    EXPECT_EQ(Mid("  1  1  1  1 :  ICE", 17), "ICE");
    EXPECT_EQ(Mid("ABC", 2, 5), "BC");
    EXPECT_EQ(Mid("ABC", 9), "");
}

TEST(FixedText, KeepsTheFirstNCharacters)
{
    FixedText<6> key = "  1  2XYZ";
    EXPECT_EQ(key.view(), "  1  2");
    FixedText<3> t;
    t = std::string("ABCDEF");
    EXPECT_EQ(t.str(), "ABC");
    t = "";
    EXPECT_TRUE(t.empty());
}

}  // namespace
}  // namespace qm
