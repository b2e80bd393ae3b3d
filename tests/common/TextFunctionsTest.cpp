#include "common/TextFunctions.h"

#include <gtest/gtest.h>

using namespace valtrane;

TEST(TextFunctions, RightAlignPadsOnTheLeftOnlyAndStripCharRemovesEveryOccurrence)
{
    const std::tuple<const char *, int, const char *> aligned[] = {{"12", 4, "  12"}, {"", 3, "   "}, {"1234", 4, "1234"}, {"123456", 4, "123456"}, {"x", 0, "x"}};
    for (const auto &[text, width, expected] : aligned)
        EXPECT_EQ(RightAlign(QString::fromLatin1(text), width), QString::fromLatin1(expected)) << text << " " << width;
    for (const auto &[text, expected] : {std::pair{"12.4", "124"}, {"1.2.3.", "123"}, {"ABC", "ABC"}})
        EXPECT_EQ(Strip_Char(QString::fromLatin1(text), QLatin1Char('.')), QString::fromLatin1(expected)) << text;
}

TEST(TextFunctions, TableListNamesEndAtEachBlank)
{
    EXPECT_EQ(tableListNames(QStringLiteral("12.5 13 ")), (QStringList{"12.5", "13"}));
    EXPECT_EQ(tableListNames(QStringLiteral("RUN1 RUN2")), QStringList{"RUN1"});
    EXPECT_TRUE(tableListNames(QString()).isEmpty());
    EXPECT_EQ(tableListNames(QStringLiteral("A  B ")), (QStringList{"A", QString(), "B"}));
}
