#include "link/SerialSettings.h"

#include <gtest/gtest.h>

using valtrane::link::SerialSettings;

TEST(SerialSettings, ReadsTheFourPartsAndRefusesAnythingElse)
{
    struct Case {
        const char *text;
        bool valid;
        int baud;
        char parity;
        int dataBits;
        const char *stopBits;
    };
    const Case cases[] = {
        {"19200,N,8,1", true, 19200, 'N', 8, "1"},
        {" 1200 , e , 7 , 2 ", true, 1200, 'E', 7, "2"},
        {"300,S,5,1.5", true, 300, 'S', 5, "1.5"},
        {"19200,N,8", false}, {"19200,N,8,1,1", false}, {"0,N,8,1", false}, {"fast,N,8,1", false},
        {"9600,X,8,1", false}, {"9600,NE,8,1", false}, {"9600,N,4,1", false}, {"9600,N,9,1", false},
        {"9600,N,8,3", false}, {"9600,N,8,", false}, {"", false},
    };
    for (const Case &c : cases) {
        const auto s = SerialSettings::parse(QString::fromLatin1(c.text));
        ASSERT_EQ(s.has_value(), c.valid) << c.text;
        if (!c.valid)
            continue;
        EXPECT_EQ(s->baudRate, c.baud) << c.text;
        EXPECT_EQ(s->parity, QLatin1Char(c.parity)) << c.text;
        EXPECT_EQ(s->dataBits, c.dataBits) << c.text;
        EXPECT_EQ(s->stopBits, QString::fromLatin1(c.stopBits)) << c.text;
    }
}
