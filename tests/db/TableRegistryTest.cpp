#include "db/TableRegistry.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using namespace valtrane;

TEST(TableRegistry, WritesAndReadsTheModelCodeAndTheQuotedList)
{
    // The registry there (null: none), the mode (1 writes, 0 reads, others do nothing) and list given,
    // the list returned, the model code after and the registry written.
    const std::tuple<QByteArray, int, QString, QString, int, QByteArray> cases[] = {
        {{}, 1, "12.5 13 ", "", NG7700A, "1\r\n\"12.5 13 \"\r\n"},
        {"3\r\n\"RUN1 RUN2 RUN21 \"\r\n", 0, "", "RUN1 RUN2 RUN21 ", SG2150, {}},
        {"2\r\n\"12\"\".5 \"13\" \"\r\n", 0, "", "12.5 13 ", NG7700B, {}},
        {"\r\n\"UC1 \"\r\n", 0, "", "UC1 ", NG7700A, {}},
        {{}, 0, "", "", NG7700A, {}},
        {{}, 7, "X ", "", NG7700A, {}},
    };
    for (const auto &[file, mode, list, returned, model, after] : cases) {
        SCOPED_TRACE(testing::Message() << mode << " " << file.constData());
        test::TempHome home;
        if (!file.isNull())
            home.writeFile("info/DBTBLES.VKT", file);
        AppState state;
        state.DeviceCode = NG7700A;
        EXPECT_EQ((std::pair{db::Table_Registry(home.paths(), state, mode, list), state.DeviceCode}), std::pair(returned, model));
        if (file.isNull()) {
            EXPECT_EQ(std::pair(home.exists("info/DBTbles.vkt"), home.readFile("info/DBTbles.vkt")), std::pair(!after.isEmpty(), after));
        }
    }
}
