#pragma once

#include "app/NodeSelection.h"
#include "app/ProjectTree.h"
#include "app/RecordsetTableModel.h"

#include <QWidget>
#include <vector>

class QLabel;
class QPushButton;
class QTableView;
class QTreeWidget;
class QTreeWidgetItem;

namespace valtrane::app {

// The "View Data" page: the project tree beside the information grid (a table's header values)
// and the data grid (its readings), and the save and open buttons.
class DataPage : public QWidget {
    Q_OBJECT
public:
    explicit DataPage(QWidget *parent = nullptr);

    // The hint, tree and grid captions and the button texts.
    void setCaptions();
    void setNodes(const std::vector<TreeNode> &nodes);
    void setModels(RecordsetTableModel *data, RecordsetTableModel *info);

    // The summary run shows its rows in the information grid alone, which then takes the room
    // of both grids.
    void showSingleGrid(bool single);
    // Column visibility, widths and the editable column of both grids for the model.
    void applyColumns(int deviceCode);
    void applyDataColumns();

    // The tree and the three buttons.
    void setCommandsEnabled(bool enabled);

    QTreeWidget *tree() const { return m_tree; }
    QTableView *dataGrid() const { return m_dataGrid; }
    QTableView *infoGrid() const { return m_infoGrid; }
    QPushButton *saveAllButton() const { return m_saveAll; }
    QPushButton *saveSelectedButton() const { return m_saveSelected; }
    QPushButton *openButton() const { return m_open; }

signals:
    void nodeChosen(const app::ClickedNode &node);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildTreePane();
    QWidget *buildGridPane();
    void onCurrentItemChanged(QTreeWidgetItem *item);
    void applyVisibility(QTableView *grid, bool information);
    void applyWidths(QTableView *grid);
    int oneRowGridHeight() const;

    QLabel *m_hint;
    QLabel *m_treeLabel;
    QLabel *m_infoLabel;
    QLabel *m_dataLabel;
    QTreeWidget *m_tree;
    QTableView *m_infoGrid;
    QTableView *m_dataGrid;
    QPushButton *m_saveAll;
    QPushButton *m_saveSelected;
    QPushButton *m_open;
    int m_deviceCode = -1;
    bool m_singleGrid = false;
    bool m_pressedOnCurrent = false;
};

} // namespace valtrane::app
