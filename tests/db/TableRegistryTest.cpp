#include "db/TableRegistry.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using namespace valtrane;

// Mode 1 writes the model code and the quoted list; mode 0 reads the list back without quotes and
// the model code when it is one; a missing registry reads as no tables; other modes do nothing.
TEST(TableRegistry, WritesAndReadsTheModelCodeAndTheQuotedList)
{
    const struct {
        QByteArray file;  // null: no registry
        int mode;
        QString list, returned;
        int model;
        QByteArray after;
    } cases[] = {
        {{}, 1, "12.5 13 ", "", NG7700A, "1\r\n\"12.5 13 \"\r\n"},
        {"3\r\n\"RUN1 RUN2 RUN21 \"\r\n", 0, "", "RUN1 RUN2 RUN21 ", SG2150, {}},
        {"2\r\n\"12\"\".5 \"13\" \"\r\n", 0, "", "12.5 13 ", NG7700B, {}},
        {"\r\n\"UC1 \"\r\n", 0, "", "UC1 ", NG7700A, {}},
        {"ABC\r\n\"UC1 \"\r\n", 0, "", "UC1 ", NG7700A, {}},
        {"99999\r\n\"UC1 \"\r\n", 0, "", "UC1 ", NG7700A, {}},
        {{}, 0, "", "", NG7700A, {}},
        {{}, 7, "X ", "", NG7700A, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.mode << " " << c.file.constData());
        test::TempHome home;
        if (!c.file.isNull())
            home.writeFile("info/DBTBLES.VKT", c.file);
        AppState state;
        state.DeviceCode = NG7700A;
        EXPECT_EQ(db::Table_Registry(home.paths(), state, c.mode, c.list), c.returned);
        EXPECT_EQ(state.DeviceCode, c.model);
        if (c.file.isNull()) {
            EXPECT_EQ(home.exists("info/DBTbles.vkt"), !c.after.isEmpty());
            EXPECT_EQ(home.readFile("info/DBTbles.vkt"), c.after);
        }
    }
}
