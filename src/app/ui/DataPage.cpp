#include "app/ui/DataPage.h"

#include "app/GridColumns.h"
#include "common/Twips.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QStyle>
#include <QTableView>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <utility>

namespace valtrane::app {

namespace {

constexpr int KeyRole = Qt::UserRole;
constexpr int LevelRole = Qt::UserRole + 1;
constexpr int InfoGridHeightTwips = 705;

QLabel *caption(const char *objectName)
{
    auto *label = new QLabel;
    label->setObjectName(QString::fromLatin1(objectName));
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QTableView *grid(const char *objectName)
{
    auto *view = new QTableView;
    view->setObjectName(QString::fromLatin1(objectName));
    view->setAlternatingRowColors(true);
    view->setSelectionBehavior(QAbstractItemView::SelectItems);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 8);
    view->verticalHeader()->setMinimumWidth(32);
    return view;
}

QPushButton *button(const char *objectName, QStyle::StandardPixmap icon)
{
    auto *b = new QPushButton;
    b->setObjectName(QString::fromLatin1(objectName));
    b->setIcon(QApplication::style()->standardIcon(icon));
    return b;
}

} // namespace

DataPage::DataPage(QWidget *parent)
    : QWidget(parent)
    , m_hint(new QLabel)
    , m_treeLabel(caption("TreeLabel"))
    , m_infoLabel(caption("InfoLabel"))
    , m_dataLabel(caption("DataLabel"))
    , m_tree(new QTreeWidget)
    , m_infoGrid(grid("DataGrid2"))
    , m_dataGrid(grid("DataGrid1"))
    , m_saveAll(button("Save_DB", QStyle::SP_DialogSaveButton))
    , m_saveSelected(button("save_selected", QStyle::SP_DialogSaveButton))
    , m_open(button("Load_DB", QStyle::SP_DialogOpenButton))
{
    m_hint->setObjectName(QStringLiteral("Data_Display_label"));
    m_hint->setWordWrap(true);

    auto *splitter = new QSplitter(Qt::Horizontal);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(buildTreePane());
    splitter->addWidget(buildGridPane());
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({220, 780});

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_open);
    buttons->addStretch();
    buttons->addWidget(m_saveSelected);
    buttons->addWidget(m_saveAll);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_hint);
    layout->addWidget(splitter, 1);
    layout->addLayout(buttons);

    m_infoGrid->setFixedHeight(oneRowGridHeight());
    m_infoGrid->installEventFilter(this);
    m_dataGrid->installEventFilter(this);
    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *item) { onCurrentItemChanged(item); });
    // A click on the node already chosen chooses it again (a surface is loaded afresh); the
    // change of node above covers every other click and the keyboard.
    m_tree->viewport()->installEventFilter(this);
    connect(m_tree, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) {
        if (std::exchange(m_pressedOnCurrent, false))
            onCurrentItemChanged(item);
    });
    setCaptions();
}

QWidget *DataPage::buildTreePane()
{
    m_tree->setObjectName(QStringLiteral("TreeView1"));
    m_tree->setHeaderHidden(true);
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tree->setMinimumWidth(160);

    auto *pane = new QWidget;
    auto *layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_treeLabel);
    layout->addWidget(m_tree, 1);
    return pane;
}

QWidget *DataPage::buildGridPane()
{
    auto *pane = new QWidget;
    auto *layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_infoLabel);
    layout->addWidget(m_infoGrid);
    layout->addSpacing(6);
    layout->addWidget(m_dataLabel);
    layout->addWidget(m_dataGrid, 1);
    return pane;
}

void DataPage::setCaptions()
{
    m_hint->setText(QStringLiteral("Click on the Project ID Pain to select data for viewing and reporting."));
    m_treeLabel->setText(QStringLiteral("Project ID Pane"));
    m_infoLabel->setText(QStringLiteral("Project Information"));
    m_dataLabel->setText(QStringLiteral("Project Data"));
    m_saveAll->setText(QStringLiteral("Save All Projects"));
    m_saveSelected->setText(QStringLiteral("Save Selected Project"));
    m_open->setText(QStringLiteral("Open Project(s)"));
}

void DataPage::setNodes(const std::vector<TreeNode> &nodes)
{
    const QSignalBlocker block(m_tree);
    m_tree->clear();
    std::vector<QTreeWidgetItem *> items;
    items.reserve(nodes.size());
    const QIcon folder = style()->standardIcon(QStyle::SP_DirIcon);
    const QIcon leaf = style()->standardIcon(QStyle::SP_FileIcon);
    for (const TreeNode &node : nodes) {
        QTreeWidgetItem *item = node.parent < 0 ? new QTreeWidgetItem(m_tree) : new QTreeWidgetItem(items[size_t(node.parent)]);
        item->setText(0, node.text);
        item->setData(0, KeyRole, node.key);
        item->setData(0, LevelRole, int(node.level));
        items.push_back(item);
    }
    for (QTreeWidgetItem *item : items)
        item->setIcon(0, item->childCount() > 0 || !item->parent() ? folder : leaf);
    if (!items.empty())
        items.front()->setExpanded(true);
}

void DataPage::onCurrentItemChanged(QTreeWidgetItem *item)
{
    if (!item)
        return;
    ClickedNode node;
    node.level = TreeNode::Level(item->data(0, LevelRole).toInt());
    node.text = item->text(0);
    if (item->parent())
        node.parentText = item->parent()->text(0);
    emit nodeChosen(node);
}

void DataPage::setModels(RecordsetTableModel *data, RecordsetTableModel *info)
{
    m_dataGrid->setModel(data);
    m_infoGrid->setModel(info);
}

void DataPage::showSingleGrid(bool single)
{
    m_singleGrid = single;
    m_dataGrid->setVisible(!single);
    m_dataLabel->setVisible(!single);
    if (single) {
        m_infoGrid->setMinimumHeight(0);
        m_infoGrid->setMaximumHeight(QWIDGETSIZE_MAX);
        m_infoGrid->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        static_cast<QVBoxLayout *>(m_infoGrid->parentWidget()->layout())->setStretchFactor(m_infoGrid, 1);
    } else {
        static_cast<QVBoxLayout *>(m_infoGrid->parentWidget()->layout())->setStretchFactor(m_infoGrid, 0);
        m_infoGrid->setFixedHeight(oneRowGridHeight());
    }
}

int DataPage::oneRowGridHeight() const
{
    // Room for the captions, one row and the scroll bar the wide columns bring, and never less
    // than the grid has always had.
    const int frame = 2 * m_infoGrid->frameWidth();
    const int rows = m_infoGrid->horizontalHeader()->sizeHint().height() + m_infoGrid->verticalHeader()->defaultSectionSize();
    const int scrollBar = m_infoGrid->horizontalScrollBar()->sizeHint().height();
    return std::max(twips::toPixels(InfoGridHeightTwips, logicalDpiY()), frame + rows + scrollBar);
}

void DataPage::applyColumns(int deviceCode)
{
    m_deviceCode = deviceCode;
    if (auto *info = qobject_cast<RecordsetTableModel *>(m_infoGrid->model()))
        info->setEditableField(GridColumns::editableField(GridColumns::Grid::Information, deviceCode));
    applyVisibility(m_infoGrid, true);
    applyWidths(m_infoGrid);
    applyDataColumns();
}

void DataPage::applyDataColumns()
{
    applyVisibility(m_dataGrid, false);
    applyWidths(m_dataGrid);
}

void DataPage::applyVisibility(QTableView *grid, bool information)
{
    auto *model = qobject_cast<RecordsetTableModel *>(grid->model());
    if (!model)
        return;
    const auto which = information ? GridColumns::Grid::Information : GridColumns::Grid::Data;
    for (int c = 0; c < model->columnCount(); ++c)
        grid->setColumnHidden(c, !GridColumns::isShown(which, model->fieldName(c)));
}

void DataPage::applyWidths(QTableView *grid)
{
    if (!grid->model())
        return;
    const auto which = grid == m_infoGrid ? GridColumns::Grid::Information : GridColumns::Grid::Data;
    const int columns = grid->model()->columnCount();
    const std::optional<int> width = GridColumns::columnWidth(which, m_deviceCode, grid->width(), columns);
    if (!width)
        return;
    for (int c = 0; c < columns; ++c)
        grid->setColumnWidth(c, *width);
}

bool DataPage::eventFilter(QObject *watched, QEvent *event)
{
    // Column widths follow the grid's width, so they are worked out again when it changes.
    if (event->type() == QEvent::Resize && (watched == m_infoGrid || watched == m_dataGrid))
        applyWidths(static_cast<QTableView *>(watched));
    if (event->type() == QEvent::MouseButtonPress && watched == m_tree->viewport()) {
        const QTreeWidgetItem *pressed = m_tree->itemAt(static_cast<QMouseEvent *>(event)->position().toPoint());
        m_pressedOnCurrent = pressed && pressed == m_tree->currentItem();
    }
    return QWidget::eventFilter(watched, event);
}

void DataPage::setCommandsEnabled(bool enabled)
{
    m_tree->setEnabled(enabled);
    m_saveAll->setEnabled(enabled);
    m_saveSelected->setEnabled(enabled);
    m_open->setEnabled(enabled);
}

} // namespace valtrane::app
