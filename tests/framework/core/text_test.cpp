#include "text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <utility>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Equal, or both NaN: what reading back a shown value must give.
bool Same(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

// In any locale the point is the decimal point: a German one would read
// "-24.5" as -24.
TEST(Val, ReadsTheNumberAtTheStartInAnyLocaleAndBeyondTheRangeGoesByItsSizeNotItsWriting)
{
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr)
        std::setlocale(LC_ALL, "C.UTF-8");
    const std::string zeros323(323, '0'), zeros310(310, '0');
    const struct { std::string text; double value; } cases[] = {
        {"+3.16 semi", 3.16}, {"120 ", 120}, {"120", 120}, {"", 0}, {"abc", 0}, {"-24.5", -24.5}, {".5", 0.5},
        {"  42", 42}, {"1.2.3", 1.2}, {"-", 0}, {"+", 0}, {"12abc", 12}, {"1e3", 1000}, {"2e", 2}, {"0.00", 0},
        {"1e400", kInf}, {"-1e400", -kInf}, {"1e-400", 0}, {std::string(400, '9'), kInf}, {"0." + zeros323 + "1", 0},
        {"-0." + zeros323 + "1", 0}, {"1" + zeros310 + "e-1", kInf}, {"1e99999999999999999999", kInf},
        {"1e-99999999999999999999", 0}, {"INF", kInf}, {"-INF", -kInf}, {"+INF ", kInf}, {"IN", 0}, {"inf", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 40));
        EXPECT_EQ(fw::Val(c.text), c.value);
        EXPECT_EQ(fw::CDbl(c.text), c.value);
    }
    // Written with a point too.
    EXPECT_EQ(fw::Str(120.5) + " " + fw::Format(120.5, "###.00"), "120.5 120.50");
    std::setlocale(LC_ALL, saved.c_str());
}

TEST(Str, WholeNumbersHaveNoPointFractionsNoTrailingZerosAndEachReadsBackAsItsValue)
{
    // text: nullptr for any text that reads back.
    const struct { double value; const char* text; } cases[] = {
        {44100, "44100"}, {-5, "-5"}, {0, "0"}, {-0.0, "0"}, {180.18, "180.18"}, {29.97, "29.97"}, {0.5, "0.5"},
        {-0.25, "-0.25"}, {1e20, nullptr}, {1e308, nullptr}, {kMax, nullptr}, {-kMax, nullptr},
        {std::nextafter(kMax, 0.0), nullptr}, {kInf, "INF"}, {-kInf, "-INF"}, {kNaN, "NAN"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(fw::Str(c.value));
        EXPECT_EQ(fw::Str(c.value), c.text ? c.text : fw::Str(c.value));
        EXPECT_TRUE(Same(fw::Val(fw::Str(c.value)), c.value));
    }
    // Shown rounded, as a user writes it; whole numbers of the integer kind too.
    EXPECT_EQ(fw::Str(0.1 + 0.2) + " " + fw::Str(std::int32_t{44100}) + " " + fw::Str(std::int32_t{-1}), "0.3 44100 -1");
}

TEST(Format, FollowsItsPatternAndShowsAWordForANonFiniteValue)
{
    const struct { double value; const char *pattern, *text; } cases[] = {
        {240000.0 / 21, "####.00", "11428.57"}, {120.0 / 140, "###.00%", "85.71%"}, {2.668709, "+##.00", "+2.67"},
        {-2.668709, "+##.00", "-2.67"}, {2.67, "+##", "+3"}, {-33.0, "+##", "-33"}, {0.5, "####.00", "0.50"},
        {0, "###.00", "0.00"}, {0, "########", "0"}, {0, "+##", "0"}, {-0.3, "+##", "0"}, {-0.001, "+##.00", "0.00"},
        {5424.8, "#######", "5425"}, {2.675, "###.00", "2.68"}, {0.125, "###.00", "0.13"}, {99.995, "###.00", "100.00"},
        {1.9999999, "###.00%", "200.00%"}, {12.00000085, "+##.00", "+12.00"}, {kInf, "####.00", "INF"},
        {-kInf, "+##", "-INF"}, {kNaN, "###.00%", "NAN"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.pattern) + " " + c.text);
        EXPECT_EQ(fw::Format(c.value, c.pattern), c.text);
        // A word reads back as the value it stands for.
        EXPECT_TRUE(std::isfinite(c.value) || Same(fw::CDbl(c.text), c.value));
    }
}

TEST(ToIntegerAndLen, DropTheFractionTowardZeroAndSaturateAndCountCharactersNotBytes)
{
    using Int = std::numeric_limits<std::int32_t>;
    const std::pair<double, std::int32_t> cases[] = {
        {5424.8, 5424}, {-5424.8, -5424}, {1e12, Int::max()}, {-1e12, Int::min()}, {kNaN, 0}};
    for (auto [value, integer] : cases)
        EXPECT_EQ(fw::ToInteger(value), integer) << value;
    // Len counts characters, not bytes.
    EXPECT_EQ(std::pair(fw::Len(""), fw::Len("\xC3\xA9t\xC3\xA9")), std::pair(0, 3));
}

} // namespace
