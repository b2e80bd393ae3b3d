#include "support/ui/MainWindowFixture.h"

#include "app/ui/DataPage.h"

#include <QTest>

namespace valtrane::test {

app::MainWindow &MainWindowFixture::start()
{
    const auto makeLink = [this] {
        auto communication = std::make_unique<link::Communication>(home.paths(), state);
        communication->setComm_Object(&serial);
        communication->setClock(serial.clock());
        return communication;
    };
    window = std::make_unique<app::MainWindow>(home.paths(), state, app::MainWindowServices{prompter, files, desktop, makeLink});
    window->startUp();
    return *window;
}

void MainWindowFixture::show()
{
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
}

QTreeWidgetItem *MainWindowFixture::node(const QStringList &path) const
{
    QTreeWidgetItem *item = window->dataPage()->tree()->topLevelItem(0);
    for (const QString &text : path) {
        QTreeWidgetItem *next = nullptr;
        for (int i = 0; item && i < item->childCount() && !next; ++i) {
            if (item->child(i)->text(0) == text)
                next = item->child(i);
        }
        item = next;
    }
    return item;
}

void MainWindowFixture::click(QTreeWidgetItem *item)
{
    ASSERT_TRUE(item);
    QTreeWidget *tree = window->dataPage()->tree();
    if (item->parent())
        item->parent()->setExpanded(true);
    tree->scrollToItem(item);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
}

QStringList MainWindowFixture::treeTexts() const
{
    QStringList out;
    QTreeWidget *tree = window->dataPage()->tree();
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        out.append((*it)->text(0));
    return out;
}

QString MainWindowFixture::cell(const QTableView *grid, int row, const QString &caption)
{
    for (int c = 0; c < grid->model()->columnCount(); ++c) {
        if (grid->model()->headerData(c, Qt::Horizontal).toString() == caption)
            return grid->model()->index(row, c).data().toString();
    }
    return QStringLiteral("<no column %1>").arg(caption);
}

} // namespace valtrane::test
