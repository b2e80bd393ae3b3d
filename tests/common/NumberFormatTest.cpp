#include "common/NumberFormat.h"

#include <gtest/gtest.h>

using namespace valtrane;

namespace {

struct FormatCase {
    double value;
    const char *pattern;
    const char *expected;
};

void PrintTo(const FormatCase &c, std::ostream *os)
{
    *os << c.value << " as " << c.pattern;
}

class NumberFormatTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(NumberFormatTest, FormatsLikeTheReports)
{
    const FormatCase c = GetParam();
    EXPECT_EQ(formatNumber(c.value, QString::fromLatin1(c.pattern)), QString::fromLatin1(c.expected))
        << c.value << " with " << c.pattern;
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, NumberFormatTest,
    ::testing::Values(
        FormatCase{0.1, "0.#0", "0.10"}, FormatCase{0.1234, "0.#0", "0.12"}, FormatCase{0.05, "0.#0", "0.05"},
        FormatCase{0.125, "0.00", "0.12"}, FormatCase{0.375, "0.00", "0.38"}, FormatCase{3.5, "#0.0000", "3.5000"},
        FormatCase{-3.5, "#0.0000", "-3.5000"}, FormatCase{0.5, "#0.0000", "0.5000"},
        FormatCase{12.34567, "#0.0000", "12.3457"}, FormatCase{118.25, "##0.0", "118.2"},
        FormatCase{118.35, "##0.0", "118.3"}, // 118.35 is 118.3499999... in binary
        FormatCase{0.04, "##0.0", "0.0"}, FormatCase{-0.04, "0.0", "0.0"}, FormatCase{-1.26, "0.0", "-1.3"},
        FormatCase{1234.5, "0.0", "1234.5"}, FormatCase{1234.567, "####0.00", "1234.57"},
        FormatCase{0.0, "####0.00", "0.00"}, FormatCase{7.0, "#0.#0", "7.00"}, FormatCase{12.3456, "0.###0", "12.3456"},
        FormatCase{1.23456, "0.###0", "1.2346"}, FormatCase{2.0, "0.##0", "2.000"}, FormatCase{0.0625, "0.##0", "0.062"},
        FormatCase{1500.0, "0.0", "1500.0"}, FormatCase{99.95, "0.0", "100.0"}, FormatCase{2.5, "0", "2"},
        FormatCase{0.5, "#.0", ".5"}));

TEST(NumberFormat, SingleValuesFormatTheirExactBinaryValue)
{
    // 0.85f is 0.850000023841857...: above the tie, so it rounds up.
    EXPECT_EQ(formatNumber(double(0.85f), u"0.0"), QStringLiteral("0.9"));
    EXPECT_EQ(formatNumber(double(0.65f), u"0.0"), QStringLiteral("0.6"));
}

} // namespace
