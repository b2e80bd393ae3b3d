#pragma once

#include "common/AppState.h"
#include "export/GetTables.h"
#include "parse/Parse.h"
#include "support/StreamBuilders.h"
#include "support/TableRows.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>
#include <vector>

namespace valtrane::test {

using ParseCall = int (parse::Parse::*)(int);

class ParseFixture : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(parse.Initit(QString()), 0); }

    // Feeds bytes as the live read loop passes them (raw: every byte); returns the results other than 0.
    std::vector<int> feed(ParseCall call, const QByteArray &bytes, bool raw = false)
    {
        std::vector<int> results;
        for (const char c : bytes) {
            const auto b = static_cast<unsigned char>(c);
            if (!raw && b == 253)
                break;
            if (raw || (b >= 32 && b <= 90) || b == 13) {
                if (const int r = (parse.*call)(b))
                    results.push_back(r);
            }
        }
        return results;
    }

    QString openSaved(int modelCode, const QByteArray &stream)
    {
        home.writeFile(QStringLiteral("saved.txt"), savedProject(modelCode, stream));
        exporting::GetTables reader(parse);
        const QString list = reader.Get_tables(home.path() + QStringLiteral("/saved.txt"), parse.retrn_message());
        EXPECT_EQ(reader.modelCode(), modelCode);
        return list;
    }

    std::vector<Row> rows(const QString &table)
    {
        parse.commit();
        return tableRows(home.paths(), table);
    }

    TempHome home;
    AppState state;
    parse::Parse parse{home.paths(), state};
};

} // namespace valtrane::test
