#pragma once

#include "db/CreateDatabase.h"
#include "db/Database.h"
#include "db/Recordset.h"
#include "support/TempHome.h"

#include <QSqlQuery>
#include <gtest/gtest.h>

namespace valtrane::test {

// A program folder with a freshly created, open project database.
class DatabaseFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        db::CreateDatabase creator(home.paths());
        ASSERT_EQ(creator.Create(), 0);
        ASSERT_TRUE(database.open(home.paths().database()));
    }

    QString addTable(QString name, int kind)
    {
        db::CreateDatabase creator(home.paths());
        EXPECT_EQ(creator.AddTable(name, kind, &database), 0);
        return name;
    }

    TempHome home;
    db::Database database;
};

} // namespace valtrane::test
