#include "common/VbConvert.h"

#include <gtest/gtest.h>

using namespace valtrane;

TEST(VbConvert, RecognisesNumbersTheWayTheGaugeReadersDo)
{
    for (const char *text : {" 12 ", "12.5", "-3", "+7", "1E3", "1d3", ".5", "5.", "2.5E-2"})
        EXPECT_TRUE(vb::isNumeric(QString::fromLatin1(text))) << "[" << text << "]";
    for (const char *text : {"", " ", ".", "1.2.3", "ABC", "-", "1E", "12:30", "1 2", "RD #", "1E999", "12/04/06"})
        EXPECT_FALSE(vb::isNumeric(QString::fromLatin1(text))) << "[" << text << "]";
}

TEST(VbConvert, WholeNumbersRoundHalfToEvenAndOutOfRangeIsAConversionError)
{
    const std::pair<const char *, std::optional<std::int32_t>> longs[] = {
        {"2.5", 2}, {"3.5", 4}, {"-2.5", -2}, {"2.51", 3}, {" 17 ", 17}, {"2147483647", 2147483647},
        {"2147483648", std::nullopt}, {"2147483647.5", std::nullopt}, {"-2147483648", std::numeric_limits<std::int32_t>::min()},
        {"ABC", std::nullopt}};
    for (const auto &[text, value] : longs)
        EXPECT_EQ(vb::toLong(QString::fromLatin1(text)), value) << text;
    EXPECT_EQ(vb::toInteger(QStringLiteral("32767")), 32767);
    EXPECT_FALSE(vb::toInteger(QStringLiteral("32768")).has_value());
    EXPECT_EQ(vb::toInteger(QStringLiteral("-32768.4")), -32768);
}

TEST(VbConvert, SingleIsTheNearestFloat)
{
    EXPECT_EQ(vb::toSingle(QStringLiteral("12.3")), 12.3f);
    EXPECT_EQ(vb::toSingle(QStringLiteral("1E3")), 1000.0f);
    EXPECT_EQ(vb::toSingle(QStringLiteral("-0.25")), -0.25f);
    EXPECT_FALSE(vb::toSingle(QStringLiteral("1E39")).has_value());
    EXPECT_FALSE(vb::toSingle(QStringLiteral("")).has_value());
}

TEST(VbConvert, NumbersAsTextAreTheShortestThatReadBack)
{
    // Five decimal places still show plainly; the sixth switches to E notation.
    const std::pair<float, const char *> singles[] = {{12.3f, "12.3"}, {3.0f, "3"}, {0.5f, "0.5"}, {-118.25f, "-118.25"},
                                                      {0.0f, "0"}, {1500.0f, "1500"}, {0.001f, "0.001"}, {0.00001f, "0.00001"},
                                                      {0.000001f, "1E-06"}, {1.5e20f, "1.5E+20"}};
    for (const auto &[value, text] : singles)
        EXPECT_EQ(vb::singleToText(value), QString::fromLatin1(text)) << text;
    for (float f : {12.3f, 0.1f, 98.7f, 1.0f / 3.0f, 123456.7f, -0.000123f})
        EXPECT_EQ(vb::toSingle(vb::singleToText(f)), f) << vb::singleToText(f).toStdString();
    // Doubles have up to fifteen digits.
    EXPECT_EQ(vb::doubleToText(104.5), QStringLiteral("104.5"));
    EXPECT_EQ(vb::doubleToText(104.0), QStringLiteral("104"));
    EXPECT_EQ(vb::doubleToText(0.1 + 0.2), QStringLiteral("0.3"));
    EXPECT_EQ(vb::doubleToText(-2.0), QStringLiteral("-2"));
    // A number alone on a line has a blank each side, where a minus sign takes the first.
    EXPECT_EQ(vb::printNumber(1), QStringLiteral(" 1 "));
    EXPECT_EQ(vb::printNumber(0), QStringLiteral(" 0 "));
    EXPECT_EQ(vb::printNumber(-2), QStringLiteral("-2 "));
}

TEST(VbConvert, RoundingTiesGoToTheEvenDigit)
{
    const std::tuple<double, int, double> cases[] = {{0.125, 2, 0.12}, {0.375, 2, 0.38}, {2.5, 0, 2.0},
                                                     {104.25, 1, 104.2}, {-104.75, 1, -104.8}, {1.0 / 3.0, 1, 0.3}};
    for (const auto &[value, digits, rounded] : cases)
        EXPECT_DOUBLE_EQ(vb::roundHalfEven(value, digits), rounded) << value;
}
