#pragma once

#include "db/Database.h"
#include "db/FieldValue.h"
#include "project/ProjectOpen.h"
#include "report/ReportSetup.h"
#include "support/TableRows.h"
#include "support/TempHome.h"

#include <QImage>
#include <functional>
#include <gtest/gtest.h>

namespace valtrane::test {

struct ReportFixture {
    TempHome home;
    AppState state;
    db::Database database;
    report::ReportSet reports;

    void open(const QString &sampleFile)
    {
        ASSERT_TRUE(project::ProjectOpen::open(home.paths(), state, testDataPath(sampleFile)).opened) << sampleFile.toStdString();
        ASSERT_TRUE(database.open(home.paths().database()));
    }
    void setUp(const QString &table, const QString &surfaceLetter)
    {
        report::ReportSetup setup(reports, database, home.paths(), state);
        setup.setUp(table, state.DeviceCode);
        setup.FillAverages(table, surfaceLetter, state.DeviceCode);
    }
};

inline QString savedPicture(const QString &path, int width = 40, int height = 20)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkBlue);
    EXPECT_TRUE(image.save(path)) << path.toStdString();
    return path;
}

// The field's values of the rows that pass (all when no test is given), each followed by a carriage return, as stored.
inline QString stacked(const std::vector<Row> &rows, const QString &field, const std::function<bool(const Row &)> &pass = {})
{
    QString text;
    for (const Row &row : rows)
        if (!pass || pass(row))
            text += db::fieldText(row.at(field.toUpper())) + QLatin1Char('\r');
    return text;
}

} // namespace valtrane::test
