#include "link/SerialSettings.h"

#include <QStringList>
#include <gtest/gtest.h>

using valtrane::link::SerialSettings;

TEST(SerialSettings, ReadsTheFourPartsAndRefusesAnythingElse)
{
    const auto parts = [](const char *text) {
        const auto s = SerialSettings::parse(QString::fromLatin1(text));
        return s ? QStringList{QString::number(s->baudRate), QString(s->parity), QString::number(s->dataBits), s->stopBits} : QStringList{};
    };
    EXPECT_EQ(parts("19200,N,8,1"), (QStringList{"19200", "N", "8", "1"}));
    EXPECT_EQ(parts(" 1200 , e , 7 , 2 "), (QStringList{"1200", "E", "7", "2"}));
    EXPECT_EQ(parts("300,S,5,1.5"), (QStringList{"300", "S", "5", "1.5"}));
    for (const char *text : {"19200,N,8", "19200,N,8,1,1", "0,N,8,1", "fast,N,8,1", "9600,X,8,1", "9600,NE,8,1", "9600,N,4,1",
                             "9600,N,9,1", "9600,N,8,3", "9600,N,8,", ""})
        EXPECT_FALSE(SerialSettings::parse(QString::fromLatin1(text)).has_value()) << text;
}
