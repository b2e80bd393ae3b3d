#include "app/ui/ChannelGraphView.h"
#include "app/ui/DataPage.h"
#include "common/TextFunctions.h"
#include "db/Database.h"
#include "db/FieldValue.h"
#include "db/Recordset.h"
#include "parse/SampleStreams.h"
#include "support/ProjectTables.h"
#include "support/ui/MainWindowFixture.h"

#include <QChart>
#include <QGraphicsTextItem>
#include <QLineSeries>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QValueAxis>
#include <algorithm>
#include <functional>

using namespace valtrane;

namespace {

struct ModelCase {
    int model;
    const char *name;
    const char *root;
    QStringList information;   // the information grid's columns, in order
    QStringList firstData;     // the data grid's first columns
};

const std::vector<ModelCase> &modelCases()
{
    static const std::vector<ModelCase> cases{
        {LD4800, "LD4800", "Tests", {"TIME", "CH1NAME", "CH2NAME", "CH3NAME", "CH4NAME"}, {"READNUMBER", "CH1", "CH2", "CH3", "CH4"}},
        {NG7700A, "NG7700A", "Projects", {"ID", "SERNUM", "CDATE", "KVAL", "DSTD", "MSTD", "SPG", "MAXD"}, {"RDNUM", "RDATE", "STAT", "OFFSET"}},
        {NG7700B, "NG7700B", "Projects", {"ID", "SERNUM", "CDATE", "DATE", "DSTD", "MSTD", "KVAL", "SPG", "MAXD", "LOWD", "TIME"},
         {"RDNUM", "STAT1TO", "STAT1", "OFFSET"}},
        {SG2150, "SG2150", "Run Number", {"RUN_NUMBER", "MEASURE", "CALFACTOR", "DATE", "TIME"}, {"BIN_NUMBER", "FREQUENCY", "REAL_DISPL_ND"}},
    };
    return cases;
}

// A file chooser that looks at the window while its dialog is open.
struct WatchingChooser : test::ScriptedFileChooser {
    std::function<void()> onOpen;
    std::optional<QString> openFile(const Request &r) override { return onOpen(), ScriptedFileChooser::openFile(r); }
};

class ProjectFilesWindowTest : public test::MainWindowFixture {
protected:
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

class SavedProjectOfEachModel : public ProjectFilesWindowTest, public ::testing::WithParamInterface<ModelCase> {};

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
    EXPECT_EQ(visibleCaptions(window->dataPage()->infoGrid()), c.information);
    EXPECT_EQ(visibleCaptions(window->dataPage()->dataGrid()).mid(0, c.firstData.size()), c.firstData);

    QString sql = "Select * From " + (nuclear ? "P" + Strip_Char(table, '.') + " WHERE SA = 'S' AND RDNUM > 0" : table);
    if (c.model == SG2150)
        sql += " WHERE BIN_NUMBER > 0";
    const QStringList expectedRow = firstRow(sql);
    EXPECT_FALSE(expectedRow.isEmpty());
    EXPECT_EQ(gridRow(window->dataPage()->dataGrid()), expectedRow);
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

INSTANTIATE_TEST_SUITE_P(Models, SavedProjectOfEachModel, ::testing::ValuesIn(modelCases()),
                         [](const ::testing::TestParamInfo<ModelCase> &info) { return std::string(info.param.name); });

TEST_F(ProjectFilesWindowTest, WhileTheOpenDialogIsUpThePagesButtonsAndTreeAreUnavailable)
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

TEST_F(ProjectFilesWindowTest, OpeningEmptiesTheGridsButKeepsTheTableOnScreenAndSaveAllWritesTheProjects)
{
    start();
    show();
    open(projectFile(NG7700B, "NG7700B"));
    click({window->dataPage()->tree()->topLevelItem(0)->child(0)->text(0), "Soil"});
    ASSERT_GT(window->dataPage()->dataGrid()->model()->rowCount(), 0);
    const QString onScreen = state.CurrentTable;

    open(projectFile(SG2150, "SG2150"));
    EXPECT_EQ(window->dataPage()->dataGrid()->model()->columnCount(), 0);
    EXPECT_EQ(window->dataPage()->infoGrid()->model()->columnCount(), 0);
    EXPECT_EQ(state.CurrentTable, onScreen);
    EXPECT_EQ(state.TreeRootCaption, "Run Number (SG2150.txt)");
    EXPECT_FALSE(window->mainTab()->isTabEnabled(2));

    const QString saved = home.path() + "/projects/again.txt";
    files.choices = {saved};
    QTest::mouseClick(window->dataPage()->saveAllButton(), Qt::LeftButton);
    EXPECT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(home.readFile("projects/again.txt"), test::writtenText(home.paths(), SG2150, state.Table_List));
}
