#include "app/RecordsetTableModel.h"
#include "db/Database.h"
#include "db/Recordset.h"
#include "db/TableKinds.h"
#include "support/ProjectTables.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using namespace valtrane;
using app::RecordsetTableModel;

namespace {

class RecordsetTableModelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::TableContent run{"RUN7", db::StiffnessRunTable, {"RUN_NUMBER", "BIN_NUMBER", "FREQUENCY", "DSNR"}, {}};
        for (int i = 1; i <= 40; ++i)
            run.records.push_back({"7", QString::number(i), QString::number(100 + i), QString::number(i / 4.0)});
        test::addTables(home.paths(), {run});
        ASSERT_TRUE(database.open(home.paths().database()));
        set = database.openRecordset("Select * From RUN7 WHERE BIN_NUMBER > 0");
        model.setRecordset(set.get());
    }

    QString cell(int row, const QString &field)
    {
        return model.data(model.index(row, set->schema().fieldIndex(field))).toString();
    }

    test::TempHome home;
    db::Database database;
    std::unique_ptr<db::Recordset> set;
    RecordsetTableModel model;
};

} // namespace

TEST_F(RecordsetTableModelTest, ShowsEveryRecordWithFieldNamesAsCaptionsAndNothingWithoutARecordSet)
{
    EXPECT_EQ(model.rowCount(), 40);
    EXPECT_EQ(model.columnCount(), 19);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), "RUN_NUMBER");
    EXPECT_EQ(model.headerData(18, Qt::Horizontal).toString(), "FSNR");
    EXPECT_EQ(QStringList({cell(0, "FREQUENCY"), cell(0, "DSNR"), cell(0, "FSNR")}), QStringList({"101", "0.25", ""}));
    model.setRecordset(nullptr);
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(model.columnCount(), 0);
}

TEST_F(RecordsetTableModelTest, ReadsRowsInAnyOrderEvenAfterTheSetWasMovedElsewhere)
{
    for (int row : {39, 0, 20, 19, 38, 1, 25})
        EXPECT_EQ(cell(row, "BIN_NUMBER"), QString::number(row + 1)) << row;
    set->moveLast();
    model.resync();
    EXPECT_EQ(cell(3, "BIN_NUMBER"), "4");
    EXPECT_FALSE(model.data(model.index(40, 0)).isValid());
}

TEST_F(RecordsetTableModelTest, OnlyTheEditableFieldTakesEditsWhichReachTheDatabaseOrAreReportedRefused)
{
    std::vector<bool> stored;   // of every cellEdited signal
    QObject::connect(&model, &RecordsetTableModel::cellEdited, [&](int, const QString &, bool s) { stored.push_back(s); });
    const int frequency = set->schema().fieldIndex(u"FREQUENCY");
    EXPECT_FALSE(model.flags(model.index(4, frequency)) & Qt::ItemIsEditable);
    EXPECT_FALSE(model.setData(model.index(4, frequency), "7"));
    EXPECT_TRUE(stored.empty());

    model.setEditableField("frequency");
    ASSERT_TRUE(model.flags(model.index(4, frequency)) & Qt::ItemIsEditable);
    EXPECT_TRUE(model.setData(model.index(4, frequency), "207"));
    EXPECT_EQ(stored, std::vector<bool>{true});
    EXPECT_EQ(cell(4, "FREQUENCY"), "207");
    EXPECT_EQ(database.openRecordset("Select * From RUN7 WHERE BIN_NUMBER = 5")->field(u"FREQUENCY").toInt(), 207);

    EXPECT_FALSE(model.setData(model.index(2, frequency), "fast"));
    EXPECT_EQ(stored, (std::vector<bool>{true, false}));
    EXPECT_EQ(cell(2, "FREQUENCY"), "103");
}
