#include "app/ChannelGraphData.h"
#include "app/ui/ChannelGraphView.h"
#include "app/ui/DataPage.h"
#include "common/TextFunctions.h"
#include "db/Database.h"
#include "db/FieldValue.h"
#include "db/Recordset.h"
#include "db/TableKinds.h"
#include "parse/SampleStreams.h"
#include "support/BrowsingTables.h"
#include "support/ProjectTables.h"
#include "support/TableRows.h"
#include "support/ui/MainWindowFixture.h"

#include <QChart>
#include <QGraphicsTextItem>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QValueAxis>
#include <algorithm>
#include <functional>

using namespace valtrane;

namespace {

const QStringList ProjectFields{"RDNUM", "ID", "SERNUM", "DATE", "MAXD", "LOWD", "SA", "DD", "WD", "PERC_COMP", "STAT1"};

QStringList reading(int rdnum, const char *sa, const char *dd, const char *wd)
{
    return {QString::number(rdnum), "~", "~", "~", "~", "~", sa, dd, wd, "0", QString("10+%1").arg(rdnum)};
}

struct ModelCase {
    int model;
    const char *name;
    const char *root;
    QStringList information;   // the information grid's columns, in order
    QStringList firstData;     // the data grid's first columns
};

const ModelCase ModelCases[] = {
    {LD4800, "LD4800", "Tests", {"TIME", "CH1NAME", "CH2NAME", "CH3NAME", "CH4NAME"}, {"READNUMBER", "CH1", "CH2", "CH3", "CH4"}},
    {NG7700A, "NG7700A", "Projects", {"ID", "SERNUM", "CDATE", "KVAL", "DSTD", "MSTD", "SPG", "MAXD"}, {"RDNUM", "RDATE", "STAT", "OFFSET"}},
    {NG7700B, "NG7700B", "Projects", {"ID", "SERNUM", "CDATE", "DATE", "DSTD", "MSTD", "KVAL", "SPG", "MAXD", "LOWD", "TIME"},
     {"RDNUM", "STAT1TO", "STAT1", "OFFSET"}},
    {SG2150, "SG2150", "Run Number", {"RUN_NUMBER", "MEASURE", "CALFACTOR", "DATE", "TIME"}, {"BIN_NUMBER", "FREQUENCY", "REAL_DISPL_ND"}},
};

// A file chooser that looks at the window while its dialog is open.
struct WatchingChooser : test::ScriptedFileChooser {
    std::function<void()> onOpen;
    std::optional<QString> openFile(const Request &r) override { return onOpen(), ScriptedFileChooser::openFile(r); }
};

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

    QString projectFile(int model, const char *name)
    {
        const QString relative = QStringLiteral("projects/%1.txt").arg(QString::fromLatin1(name));
        home.writeFile(relative, " " + QByteArray::number(model) + " \r\n" + parse::sampleStream(model));
        return home.path() + "/" + relative;
    }

    void open(const QString &file)
    {
        files.choices = {file};
        QTest::mouseClick(window->dataPage()->openButton(), Qt::LeftButton);
    }

    // The text of every field of a table's first row that the query gives.
    QStringList firstRow(const QString &sql)
    {
        db::Database database;
        EXPECT_TRUE(database.open(home.paths().database()));
        auto set = database.openRecordset(sql);
        QStringList out;
        for (const QString &field : set && set->moveFirst() ? set->fieldNames() : QStringList())
            out.append(db::fieldText(set->field(field)));
        return out;
    }

    // Pages 0 to 2, the tree, Save All, Save Selected and Open: which can be used.
    std::vector<bool> available() const
    {
        app::DataPage *page = window->dataPage();
        return {window->mainTab()->isTabEnabled(0), window->mainTab()->isTabEnabled(1), window->mainTab()->isTabEnabled(2),
                page->tree()->isEnabled(), page->saveAllButton()->isEnabled(), page->saveSelectedButton()->isEnabled(),
                page->openButton()->isEnabled()};
    }

    QStringList gridRow(const QTableView *grid)
    {
        QStringList out;
        for (int c = 0; c < grid->model()->columnCount(); ++c)
            out.append(grid->model()->index(0, c).data().toString());
        return out;
    }
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
    EXPECT_EQ(QStringList({chart->title(), first->name(), second->name()}), QStringList({"LD4800 Results", "CH1 Vs. CH2", "CH1 Vs. CH3"}));
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

class SavedProjectOfEachModel : public DataBrowsingTest, public ::testing::WithParamInterface<ModelCase> {};

TEST_P(SavedProjectOfEachModel, OpensIntoTheTreeAndItsFirstTableShowsInTheGridsAndALoggerTestInTheGraph)
{
    const ModelCase &c = GetParam();
    start();
    show();
    open(projectFile(c.model, c.name));
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(state.DeviceCode, c.model);

    QStringList expectedTree{QStringLiteral("%1 (%2.txt)").arg(c.root, c.name)};
    for (const QString &table : tableListNames(state.Table_List))
        expectedTree.append(table == "RUN21" ? "RUN21+" : table);
    QStringList tree = treeTexts();
    tree.removeIf([](const QString &text) { return QStringList{"Asphalt", "Soil", "Thin"}.contains(text); });
    EXPECT_EQ(tree, expectedTree);
    ASSERT_GE(tree.size(), 2);
    EXPECT_EQ(window->mainTab()->isTabEnabled(2), c.model == LD4800);

    const bool nuclear = c.model == NG7700A || c.model == NG7700B;
    const QString table = tree.at(1);
    click(nuclear ? QStringList{table, "Soil"} : QStringList{table});
    EXPECT_EQ(visibleCaptions(infoGrid()), c.information);
    EXPECT_EQ(visibleCaptions(dataGrid()).mid(0, c.firstData.size()), c.firstData);

    QString sql = "Select * From " + (nuclear ? "P" + Strip_Char(table, '.') + " WHERE SA = 'S' AND RDNUM > 0" : table);
    if (c.model == SG2150)
        sql += " WHERE BIN_NUMBER > 0";
    const QStringList expectedRow = firstRow(sql);
    EXPECT_FALSE(expectedRow.isEmpty());
    EXPECT_EQ(gridRow(dataGrid()), expectedRow);
    if (c.model != LD4800)
        return;

    // While it has no data the chart shows axes of its own, scaled 0 to 1; once a test is drawn,
    // even when chosen again, only the three axes of the graph may be left on it.
    click(QStringList{table});
    window->mainTab()->setCurrentIndex(app::MainWindow::GraphPageIndex);
    QCoreApplication::processEvents();
    const QChart *chart = window->graphView()->chart();
    const QList<QAbstractAxis *> axes = chart->axes();
    ASSERT_EQ(axes.size(), 3);
    const auto *series = static_cast<const QLineSeries *>(chart->series().first());
    const QPointF last = series->at(series->count() - 1);
    const std::tuple<Qt::Alignment, const char *, double> expected[] = {   // side, title, a reading the axis must reach
        {Qt::AlignBottom, "PENETRATN", last.x()}, {Qt::AlignLeft, "LOAD", last.y()}, {Qt::AlignRight, "NONE", last.y()}};
    int tickLabels = 0;
    for (const auto &[side, title, value] : expected) {
        SCOPED_TRACE(title);
        const auto found = std::find_if(axes.begin(), axes.end(), [&](QAbstractAxis *a) { return a->alignment() == side; });
        ASSERT_NE(found, axes.end());
        const auto *axis = qobject_cast<const QValueAxis *>(*found);
        ASSERT_NE(axis, nullptr);
        EXPECT_EQ(axis->titleText(), title);
        EXPECT_TRUE(axis->min() <= value && value <= axis->max()) << value;
        tickLabels += axis->tickCount();
    }
    // What is drawn: the tick labels of those three axes and no others.
    QStringList numbersDrawn;
    for (const QGraphicsItem *item : window->graphView()->scene()->items()) {
        const auto *text = dynamic_cast<const QGraphicsTextItem *>(item);
        bool number = false;
        if (text && text->isVisible() && (text->toPlainText().toDouble(&number), number))
            numbersDrawn.append(text->toPlainText());
    }
    EXPECT_EQ(numbersDrawn.size(), tickLabels) << numbersDrawn.join(' ').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Models, SavedProjectOfEachModel, ::testing::ValuesIn(ModelCases),
                         [](const ::testing::TestParamInfo<ModelCase> &info) { return std::string(info.param.name); });

TEST_F(DataBrowsingTest, WhileTheOpenDialogIsUpThePagesButtonsAndTreeAreUnavailable)
{
    WatchingChooser chooser;
    window = std::make_unique<app::MainWindow>(home.paths(), state, app::MainWindowServices{prompter, chooser, desktop, {}});
    window->startUp();
    std::vector<bool> whileOpen;
    chooser.onOpen = [&] { whileOpen = available(); };
    window->dataPage()->openButton()->click();
    EXPECT_EQ(whileOpen, std::vector<bool>(7, false));
    // Cancelled: everything is back on the page it was, and the graph only for logger tests.
    EXPECT_EQ(available(), std::vector<bool>(7, true));
    EXPECT_EQ(window->mainTab()->currentIndex(), 0);

    state.DeviceCode = NG7700B;
    window->dataPage()->openButton()->click();
    EXPECT_FALSE(window->mainTab()->isTabEnabled(2));
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(DataBrowsingTest, OpeningEmptiesTheGridsButKeepsTheTableOnScreenAndSaveAllWritesTheProjects)
{
    start();
    show();
    open(projectFile(NG7700B, "NG7700B"));
    click({window->dataPage()->tree()->topLevelItem(0)->child(0)->text(0), "Soil"});
    ASSERT_GT(dataGrid()->model()->rowCount(), 0);
    const QString onScreen = state.CurrentTable;

    open(projectFile(SG2150, "SG2150"));
    EXPECT_EQ(dataGrid()->model()->columnCount(), 0);
    EXPECT_EQ(infoGrid()->model()->columnCount(), 0);
    EXPECT_EQ(state.CurrentTable, onScreen);
    EXPECT_EQ(state.TreeRootCaption, "Run Number (SG2150.txt)");
    EXPECT_FALSE(window->mainTab()->isTabEnabled(2));

    const QString saved = home.path() + "/projects/again.txt";
    files.choices = {saved};
    QTest::mouseClick(window->dataPage()->saveAllButton(), Qt::LeftButton);
    EXPECT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(home.readFile("projects/again.txt"), test::writtenText(home.paths(), SG2150, state.Table_List));
}
