#include "common/TextFunctions.h"

#include <gtest/gtest.h>

using namespace valtrane;

TEST(TextFunctions, RightAlignPadsOnTheLeftOnly)
{
    EXPECT_EQ(RightAlign(QStringLiteral("12"), 4), QStringLiteral("  12"));
    EXPECT_EQ(RightAlign(QStringLiteral(""), 3), QStringLiteral("   "));
    EXPECT_EQ(RightAlign(QStringLiteral("1234"), 4), QStringLiteral("1234"));
    EXPECT_EQ(RightAlign(QStringLiteral("123456"), 4), QStringLiteral("123456"));
    EXPECT_EQ(RightAlign(QStringLiteral("x"), 0), QStringLiteral("x"));
}

TEST(TextFunctions, StripCharRemovesEveryOccurrence)
{
    EXPECT_EQ(Strip_Char(QStringLiteral("12.4"), QLatin1Char('.')), QStringLiteral("124"));
    EXPECT_EQ(Strip_Char(QStringLiteral("1.2.3."), QLatin1Char('.')), QStringLiteral("123"));
    EXPECT_EQ(Strip_Char(QStringLiteral("ABC"), QLatin1Char('.')), QStringLiteral("ABC"));
}

TEST(TextFunctions, TableListNamesEndAtEachBlank)
{
    EXPECT_EQ(tableListNames(QStringLiteral("12.5 13 ")), (QStringList{QStringLiteral("12.5"), QStringLiteral("13")}));
    EXPECT_EQ(tableListNames(QStringLiteral("RUN1 RUN2")), QStringList{QStringLiteral("RUN1")});
    EXPECT_TRUE(tableListNames(QString()).isEmpty());
    EXPECT_EQ(tableListNames(QStringLiteral("A  B ")), (QStringList{QStringLiteral("A"), QString(), QStringLiteral("B")}));
}
