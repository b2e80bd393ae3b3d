#include "app/ChannelGraphData.h"
#include "app/ui/ChannelGraphView.h"
#include "app/ui/DataPage.h"
#include "db/TableKinds.h"
#include "support/BrowsingTables.h"
#include "support/TableRows.h"
#include "support/ui/MainWindowFixture.h"

#include <QChart>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

using namespace valtrane;

namespace {

const QStringList ProjectFields{"RDNUM", "ID", "SERNUM", "DATE", "MAXD", "LOWD", "SA", "DD", "WD", "PERC_COMP", "STAT1"};

QStringList reading(int rdnum, const char *sa, const char *dd, const char *wd)
{
    return {QString::number(rdnum), "~", "~", "~", "~", "~", sa, dd, wd, "0", QString("10+%1").arg(rdnum)};
}

class DataBrowsingTest : public test::MainWindowFixture {
protected:
    void nuclearProjects()
    {
        test::addTables(home.paths(),
                        {{"P12.5", db::Ng7700bProjectTable, ProjectFields,
                          {{"0", "12.5", "3321", "05/06/2024", "120", "90", "~", "~", "~", "~", "~"}, reading(1, "S", "110", "125"),
                           reading(2, "A", "140", "150"), reading(3, "S", "102", "118")}},
                         {"P13", db::Ng7700bProjectTable, ProjectFields,
                          {{"0", "13", "~", "~", "130", "~", "~", "~", "~", "~", "~"}, reading(1, "T", "99", "101")}}});
        test::writeRegistry(home.paths(), NG7700B, "12.5 13 ");
        start();
        show();
    }

    QTableView *dataGrid() const { return window->dataPage()->dataGrid(); }
    QTableView *infoGrid() const { return window->dataPage()->infoGrid(); }
};

} // namespace

TEST_F(DataBrowsingTest, EachClickOnASurfaceShowsItsProjectHeaderAboveItsReadingsAndOtherNodesKeepTheTable)
{
    nuclearProjects();
    EXPECT_EQ(treeTexts(), (QStringList{"Projects", "12.5", "Asphalt", "Soil", "Thin", "13", "Asphalt", "Soil", "Thin"}));
    QSignalSpy chosen(window->dataPage(), &app::DataPage::nodeChosen);
    click({"12.5", "Soil"});
    EXPECT_EQ(chosen.count(), 1);
    EXPECT_EQ(QStringList({state.CurrentTable, state.CurrentSurface}), QStringList({"125", "SOIL"}));
    EXPECT_EQ(QStringList({cell(infoGrid(), 0, "ID"), cell(infoGrid(), 0, "SERNUM")}), QStringList({"12.5", "3321"}));
    EXPECT_EQ(dataGrid()->model()->rowCount(), 2);
    EXPECT_EQ(cell(dataGrid(), 1, "STAT1"), "10+3");
    EXPECT_TRUE(window->mainTab()->isTabEnabled(1));
    EXPECT_EQ(window->findChild<QLabel *>("What_report")->text(), "Project 125, SOIL");

    click({"12.5", "Soil"});
    click({"13", "Thin"});
    EXPECT_EQ(chosen.count(), 3);
    EXPECT_EQ(QStringList({state.CurrentTable, state.CurrentSurface}), QStringList({"13", "THIN"}));
    click(QStringList{});
    click({"12.5"});
    EXPECT_EQ(state.CurrentTable, "13");
    EXPECT_EQ(cell(dataGrid(), 0, "SA"), "T");
    click({"12.5", "Asphalt"});
    EXPECT_EQ(cell(dataGrid(), 0, "SA"), "A");
}

TEST_F(DataBrowsingTest, AMaximumDensityThatCannotBeStoredIsReportedAndATypedOneRecomputesCompactionOfTheSurface)
{
    nuclearProjects();
    click({"12.5", "Soil"});
    QTableView *grid = infoGrid();
    int column = 0;
    while (column < grid->model()->columnCount() && grid->model()->headerData(column, Qt::Horizontal).toString() != "MAXD")
        ++column;
    const QModelIndex maxd = grid->model()->index(0, column);
    ASSERT_TRUE(maxd.isValid());
    EXPECT_FALSE(grid->model()->setData(maxd, "dense"));
    ASSERT_EQ(prompter.texts(), QStringList{"Error Updating Database."});
    EXPECT_EQ(prompter.shown[0].icon, Prompter::Icon::Critical);
    EXPECT_EQ(cell(grid, 0, "MAXD"), "120");

    grid->setCurrentIndex(maxd);
    grid->edit(maxd);
    auto *editor = grid->findChild<QLineEdit *>();
    ASSERT_TRUE(editor);
    editor->selectAll();
    QTest::keyClicks(editor, "100");
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();   // the grid commits the edit once the key press has been handled
    EXPECT_EQ(prompter.shown.size(), 1u);
    const auto rows = test::tableRows(home.paths(), "P125");
    ASSERT_EQ(rows.size(), 4u);
    for (const auto &[rdnum, percent] : {std::pair(1, 110.0f), std::pair(2, 0.0f), std::pair(3, 102.0f)}) {
        EXPECT_EQ(rows[size_t(rdnum)].at("RDNUM").toInt(), rdnum);
        EXPECT_FLOAT_EQ(rows[size_t(rdnum)].at("PERC_COMP").toFloat(), percent) << rdnum;
    }
    EXPECT_EQ(cell(dataGrid(), 0, "PERC_COMP"), "110");
    EXPECT_FALSE(visibleCaptions(dataGrid()).contains("MAXD"));
}

TEST_F(DataBrowsingTest, TheSummaryRunShowsAllItsRowsInOneGrid)
{
    const QStringList fields{"RUN_NUMBER", "BIN_NUMBER", "MEASURE", "FREQUENCY"};
    test::addTables(home.paths(), {{"RUN3", db::StiffnessRunTable, fields, {{"3", "0", "2.5", "~"}, {"~", "1", "~", "100"}}},
                                   {"RUN21", db::StiffnessRunTable, fields, {{"21", "0", "~", "~"}, {"22", "1", "~", "~"}, {"23", "2", "~", "~"}}}});
    test::writeRegistry(home.paths(), SG2150, "RUN3 RUN21 ");
    start();
    show();

    click({"RUN3"});
    QCoreApplication::processEvents();
    EXPECT_TRUE(dataGrid()->isVisible());
    EXPECT_EQ(cell(infoGrid(), 0, "MEASURE"), "2.5");

    const int normalHeight = infoGrid()->height();
    click({"RUN21+"});
    QCoreApplication::processEvents();
    EXPECT_EQ(state.CurrentTable, "RUN21");
    EXPECT_FALSE(dataGrid()->isVisible());
    EXPECT_EQ(infoGrid()->model()->rowCount(), 3);
    EXPECT_EQ(cell(infoGrid(), 2, "RUN_NUMBER"), "23");
    EXPECT_GT(infoGrid()->height(), 2 * normalHeight);
    EXPECT_EQ(window->findChild<QLabel *>("What_report")->text(), "Stiffness Run Number 21+");

    click({"RUN3"});
    QCoreApplication::processEvents();
    EXPECT_TRUE(dataGrid()->isVisible());
    EXPECT_EQ(infoGrid()->height(), normalHeight);
}

TEST_F(DataBrowsingTest, ALoggerTestDrawsBothChannelCurvesAndWritesTheGraphPicture)
{
    test::addTables(home.paths(), {test::loggerTest("CBR_LBR1", {{0, 0, 0, 0}, {1.5, 0.1, 0.2, 0}, {3.0, 0.2, 0.35, 0}}, {"LOAD", "PEN", "DIAL", "AUX"}),
                                   test::loggerTest("UC1", {{5, 6, 7, 8}}, {"KN", "MM", "IN", "X"})});
    test::writeRegistry(home.paths(), LD4800, "CBR_LBR1 UC1 ");
    start();
    show();

    click({"CBR_LBR1"});
    EXPECT_TRUE(window->mainTab()->isTabEnabled(2));
    QChart *chart = window->graphView()->chart();
    ASSERT_EQ(chart->series().size(), 2);
    auto *first = static_cast<QLineSeries *>(chart->series()[0]);
    auto *second = static_cast<QLineSeries *>(chart->series()[1]);
    EXPECT_EQ(QStringList({chart->title(), first->name(), second->name(), chart->axes(Qt::Horizontal).first()->titleText(),
                           chart->axes(Qt::Vertical).first()->titleText(), chart->axes(Qt::Vertical).last()->titleText()}),
              QStringList({"LD4800 Results", "CH1 Vs. CH2", "CH1 Vs. CH3", "PEN", "LOAD", "DIAL"}));
    EXPECT_EQ(first->at(1), QPointF(double(0.1f), 1.5));
    EXPECT_EQ(second->at(2), QPointF(double(0.35f), 3.0));
    EXPECT_EQ(chart->legend()->alignment(), Qt::AlignBottom);

    const QImage picture(home.paths().graphImage(), "BMP");
    EXPECT_EQ(picture.size(), app::ChannelGraphData::pictureSizePixels());
    // The chart fills the picture: what is drawn spans most of its width, the title included.
    int left = picture.width();
    int right = -1;
    bool titleDrawn = false;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            titleDrawn = titleDrawn || picture.pixelColor(x, y) == QColor(50, 0, 255);
            if (picture.pixelColor(x, y) != Qt::white)
                std::tie(left, right) = std::pair(std::min(left, x), std::max(right, x));
        }
    }
    EXPECT_TRUE(titleDrawn);
    EXPECT_GT(right - left, picture.width() * 4 / 5);

    // A test of one reading: one point per curve, titles of that test, the chart keeps its size.
    const QSize before = window->graphView()->size();
    click({"UC1"});
    chart = window->graphView()->chart();
    for (QAbstractSeries *curve : chart->series())
        EXPECT_EQ(static_cast<QLineSeries *>(curve)->count(), 1);
    EXPECT_EQ(chart->axes(Qt::Horizontal).first()->titleText(), "MM");
    EXPECT_EQ(window->graphView()->size(), before);
}
