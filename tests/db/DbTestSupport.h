#pragma once

#include "db/CreateDatabase.h"
#include "db/Database.h"
#include "db/Recordset.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace valtrane::test {

class DatabaseFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(db::CreateDatabase(home.paths()).Create(), 0);
        ASSERT_TRUE(database.open(home.paths().database()));
    }

    QString addTable(QString name, int kind)
    {
        EXPECT_EQ(db::CreateDatabase(home.paths()).AddTable(name, kind, &database), 0);
        return name;
    }

    ::testing::AssertionResult addRow(const QString &table, const std::vector<std::pair<QString, QVariant>> &fields)
    {
        auto rs = database.openRecordset(QStringLiteral("SELECT * FROM ") + table);
        bool written = rs && rs->addNew();
        for (const auto &[field, value] : fields)
            written = written && (value.isNull() || rs->setField(field, value));
        if (written && rs->update() && database.commit())
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "row not written to " << table.toStdString();
    }

    TempHome home;
    db::Database database;
};

} // namespace valtrane::test
