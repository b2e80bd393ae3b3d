#include "common/NumberFormat.h"

#include <gtest/gtest.h>

using namespace valtrane;

TEST(NumberFormat, FormatsLikeTheReports)
{
    const std::tuple<double, const char *, const char *> cases[] = {
        {0.1, "0.#0", "0.10"}, {0.1234, "0.#0", "0.12"}, {0.05, "0.#0", "0.05"}, {0.125, "0.00", "0.12"},
        {0.375, "0.00", "0.38"}, {3.5, "#0.0000", "3.5000"}, {-3.5, "#0.0000", "-3.5000"}, {0.5, "#0.0000", "0.5000"},
        {12.34567, "#0.0000", "12.3457"}, {118.25, "##0.0", "118.2"},
        {118.35, "##0.0", "118.3"},  // 118.35 is 118.3499999... in binary
        {0.04, "##0.0", "0.0"}, {-0.04, "0.0", "0.0"}, {-1.26, "0.0", "-1.3"}, {1234.5, "0.0", "1234.5"},
        {1234.567, "####0.00", "1234.57"}, {0.0, "####0.00", "0.00"}, {7.0, "#0.#0", "7.00"}, {12.3456, "0.###0", "12.3456"},
        {1.23456, "0.###0", "1.2346"}, {2.0, "0.##0", "2.000"}, {0.0625, "0.##0", "0.062"}, {1500.0, "0.0", "1500.0"},
        {99.95, "0.0", "100.0"}, {2.5, "0", "2"}, {0.5, "#.0", ".5"},
        // Single values format their exact binary value: 0.85f is 0.850000023841857..., above the tie.
        {double(0.85f), "0.0", "0.9"}, {double(0.65f), "0.0", "0.6"}};
    for (const auto &[value, pattern, expected] : cases)
        EXPECT_EQ(formatNumber(value, QString::fromLatin1(pattern)), QString::fromLatin1(expected)) << value << " with " << pattern;
}
