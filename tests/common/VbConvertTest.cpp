#include "common/VbConvert.h"

#include <gtest/gtest.h>

using namespace valtrane;

namespace {

struct NumericCase {
    const char *text;
    bool numeric;
};

void PrintTo(const NumericCase &c, std::ostream *os)
{
    *os << '[' << c.text << ']';
}

class NumericTest : public ::testing::TestWithParam<NumericCase> {};

TEST_P(NumericTest, RecognisesNumbersTheWayTheGaugeReadersDo)
{
    const NumericCase c = GetParam();
    EXPECT_EQ(vb::isNumeric(QString::fromLatin1(c.text)), c.numeric) << "text: [" << c.text << "]";
}

INSTANTIATE_TEST_SUITE_P(Texts, NumericTest,
                         ::testing::Values(NumericCase{" 12 ", true}, NumericCase{"12.5", true}, NumericCase{"-3", true},
                                           NumericCase{"+7", true}, NumericCase{"1E3", true}, NumericCase{"1d3", true},
                                           NumericCase{".5", true}, NumericCase{"5.", true}, NumericCase{"2.5E-2", true},
                                           NumericCase{"", false}, NumericCase{" ", false}, NumericCase{".", false},
                                           NumericCase{"1.2.3", false}, NumericCase{"ABC", false}, NumericCase{"-", false},
                                           NumericCase{"1E", false}, NumericCase{"12:30", false}, NumericCase{"1 2", false},
                                           NumericCase{"RD #", false}, NumericCase{"1E999", false}, NumericCase{"12/04/06", false}));

TEST(VbConvert, LongRoundsHalfToEven)
{
    EXPECT_EQ(vb::toLong(QStringLiteral("2.5")), 2);
    EXPECT_EQ(vb::toLong(QStringLiteral("3.5")), 4);
    EXPECT_EQ(vb::toLong(QStringLiteral("-2.5")), -2);
    EXPECT_EQ(vb::toLong(QStringLiteral("2.51")), 3);
    EXPECT_EQ(vb::toLong(QStringLiteral(" 17 ")), 17);
}

TEST(VbConvert, OutOfRangeIsAConversionError)
{
    EXPECT_EQ(vb::toLong(QStringLiteral("2147483647")), 2147483647);
    EXPECT_FALSE(vb::toLong(QStringLiteral("2147483648")).has_value());
    EXPECT_FALSE(vb::toLong(QStringLiteral("2147483647.5")).has_value());
    EXPECT_EQ(vb::toLong(QStringLiteral("-2147483648")), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(vb::toInteger(QStringLiteral("32767")), 32767);
    EXPECT_FALSE(vb::toInteger(QStringLiteral("32768")).has_value());
    EXPECT_EQ(vb::toInteger(QStringLiteral("-32768.4")), -32768);
    EXPECT_FALSE(vb::toSingle(QStringLiteral("1E39")).has_value());
    EXPECT_FALSE(vb::toLong(QStringLiteral("ABC")).has_value());
    EXPECT_FALSE(vb::toSingle(QStringLiteral("")).has_value());
}

TEST(VbConvert, SingleIsTheNearestFloat)
{
    EXPECT_EQ(vb::toSingle(QStringLiteral("12.3")), 12.3f);
    EXPECT_EQ(vb::toSingle(QStringLiteral("1E3")), 1000.0f);
    EXPECT_EQ(vb::toSingle(QStringLiteral("-0.25")), -0.25f);
}

TEST(VbConvert, SingleTextIsTheShortestThatReadsBack)
{
    EXPECT_EQ(vb::singleToText(12.3f), QStringLiteral("12.3"));
    EXPECT_EQ(vb::singleToText(3.0f), QStringLiteral("3"));
    EXPECT_EQ(vb::singleToText(0.5f), QStringLiteral("0.5"));
    EXPECT_EQ(vb::singleToText(-118.25f), QStringLiteral("-118.25"));
    EXPECT_EQ(vb::singleToText(0.0f), QStringLiteral("0"));
    EXPECT_EQ(vb::singleToText(1500.0f), QStringLiteral("1500"));
    EXPECT_EQ(vb::singleToText(0.001f), QStringLiteral("0.001"));
    // Five decimal places still show plainly; the sixth switches to E notation.
    EXPECT_EQ(vb::singleToText(0.00001f), QStringLiteral("0.00001"));
    EXPECT_EQ(vb::singleToText(0.000001f), QStringLiteral("1E-06"));
    EXPECT_EQ(vb::singleToText(1.5e20f), QStringLiteral("1.5E+20"));
    for (float f : {12.3f, 0.1f, 98.7f, 1.0f / 3.0f, 123456.7f, -0.000123f}) {
        EXPECT_EQ(vb::toSingle(vb::singleToText(f)), f) << vb::singleToText(f).toStdString();
    }
}

TEST(VbConvert, DoubleTextHasUpToFifteenDigits)
{
    EXPECT_EQ(vb::doubleToText(104.5), QStringLiteral("104.5"));
    EXPECT_EQ(vb::doubleToText(104.0), QStringLiteral("104"));
    EXPECT_EQ(vb::doubleToText(0.1 + 0.2), QStringLiteral("0.3"));
    EXPECT_EQ(vb::doubleToText(-2.0), QStringLiteral("-2"));
}

TEST(VbConvert, NumberAloneOnALineHasABlankEachSide)
{
    EXPECT_EQ(vb::printNumber(1), QStringLiteral(" 1 "));
    EXPECT_EQ(vb::printNumber(0), QStringLiteral(" 0 "));
    EXPECT_EQ(vb::printNumber(-2), QStringLiteral("-2 "));
}

TEST(VbConvert, RoundingTiesGoToTheEvenDigit)
{
    EXPECT_DOUBLE_EQ(vb::roundHalfEven(0.125, 2), 0.12);
    EXPECT_DOUBLE_EQ(vb::roundHalfEven(0.375, 2), 0.38);
    EXPECT_DOUBLE_EQ(vb::roundHalfEven(2.5, 0), 2.0);
    EXPECT_DOUBLE_EQ(vb::roundHalfEven(104.25, 1), 104.2);
    EXPECT_DOUBLE_EQ(vb::roundHalfEven(-104.75, 1), -104.8);
    EXPECT_DOUBLE_EQ(vb::roundHalfEven(1.0 / 3.0, 1), 0.3);
}

} // namespace
