#include "export/ui/ExportCommand.h"

#include "support/BrowsingTables.h"
#include "support/ui/MainWindowFixture.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace valtrane;

namespace {

using ExportCommandTest = test::MainWindowFixture;

TEST_F(ExportCommandTest, DoesNothingWithoutATableOnScreenAndExportsOnlyWhenConfirmedFromTheMenuOrTheReportTabButton)
{
    start();
    show();
    window->findChild<QAction *>("Export")->trigger();
    EXPECT_EQ(window->exportCommand()->form(), nullptr);

    test::addTables(home.paths(), test::sampleProject(NG7700A));
    test::writeRegistry(home.paths(), NG7700A, test::sampleTableList(NG7700A));
    start();
    show();
    click(node({"12.5"})->child(0));
    ASSERT_EQ(state.CurrentTable, "125");
    QSignalSpy ended(window->exportCommand(), &exporting::ExportCommand::exportEnded);

    window->findChild<QAction *>("Export")->trigger();
    exporting::ExportForm *form = window->exportCommand()->form();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(std::pair(form->parentWidget(), form->isModal()), std::pair(static_cast<QWidget *>(window.get()), false));
    QTest::mouseClick(form->cancelButton(), Qt::LeftButton);
    ASSERT_EQ(ended.count(), 1);
    EXPECT_FALSE(home.exists("DataRaw.csv"));

    window->mainTab()->setCurrentIndex(app::MainWindow::ReportPageIndex);
    QTest::mouseClick(window->findChild<QPushButton *>("Export"), Qt::LeftButton);
    form = window->exportCommand()->form();
    ASSERT_NE(form, nullptr);
    QTest::mouseClick(form->exportButton(), Qt::LeftButton);
    ASSERT_EQ(ended.count(), 2);
    EXPECT_TRUE(ended.at(1).at(0).toBool()) << prompter.texts().join('|').toStdString();
    EXPECT_TRUE(home.readFile("DataRaw.csv").startsWith(" 1 \r\n"));
}

} // namespace
