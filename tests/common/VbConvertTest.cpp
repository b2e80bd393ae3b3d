#include "common/VbConvert.h"

#include <QStringList>
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
    EXPECT_EQ((std::vector{vb::toInteger(u"32767"), vb::toInteger(u"32768"), vb::toInteger(u"-32768.4")}),
              (std::vector<std::optional<std::int16_t>>{32767, std::nullopt, -32768}));
}

TEST(VbConvert, SingleIsTheNearestFloat)
{
    EXPECT_EQ((std::vector{vb::toSingle(u"12.3"), vb::toSingle(u"1E3"), vb::toSingle(u"-0.25"), vb::toSingle(u"1E39"), vb::toSingle(u"")}),
              (std::vector<std::optional<float>>{12.3f, 1000.0f, -0.25f, std::nullopt, std::nullopt}));
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
    EXPECT_EQ((QStringList{vb::doubleToText(104.5), vb::doubleToText(104.0), vb::doubleToText(0.1 + 0.2), vb::doubleToText(-2.0)}),
              (QStringList{"104.5", "104", "0.3", "-2"}));
    // A number alone on a line has a blank each side, where a minus sign takes the first.
    EXPECT_EQ((QStringList{vb::printNumber(1), vb::printNumber(0), vb::printNumber(-2)}), (QStringList{" 1 ", " 0 ", "-2 "}));
}

TEST(VbConvert, RoundingTiesGoToTheEvenDigit)
{
    const std::tuple<double, int, double> cases[] = {{0.125, 2, 0.12}, {0.375, 2, 0.38}, {2.5, 0, 2.0},
                                                     {104.25, 1, 104.2}, {-104.75, 1, -104.8}, {1.0 / 3.0, 1, 0.3}};
    for (const auto &[value, digits, rounded] : cases)
        EXPECT_DOUBLE_EQ(vb::roundHalfEven(value, digits), rounded) << value;
}
