#include "report/ui/ReportTabView.h"

#include "report/ReportTextEditor.h"
#include "report/ui/AddInfo.h"
#include "report/ui/ReportMenu.h"
#include "report/ui/ReportPrinter.h"
#include "report/ui/ReportViewer.h"

#include <QApplication>
#include <QEventLoop>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTimer>
#include <QVBoxLayout>

namespace valtrane::report {

namespace {

QGroupBox *frame(const QString &caption, QWidget *content)
{
    auto *box = new QGroupBox(caption);
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(8, 6, 8, 8);
    layout->addWidget(content);
    return box;
}

QPushButton *commandButton(const QString &text, const QString &name)
{
    auto *button = new QPushButton(text);
    button->setObjectName(name);
    return button;
}

} // namespace

ReportTabView::ReportTabView(ReportTab::Context context, QWidget *parent)
    : QWidget(parent)
    , m_tab(context)
    , m_instruction(new QLabel(ReportTab::instruction()))
    , m_help(new QLabel)
    , m_columnList(new QListWidget)
    , m_columnObjects(new QListWidget)
    , m_subTabs(new QTabBar)
    , m_viewer(new ReportViewer)
    , m_menu(new ReportMenu(this))
{
    m_instruction->setObjectName(QStringLiteral("Instruction"));
    QFont bold = m_instruction->font();
    bold.setBold(true);
    m_instruction->setFont(bold);
    m_help->setObjectName(QStringLiteral("Tab2Label"));
    m_help->setWordWrap(true);
    m_help->setStyleSheet(QStringLiteral("color: palette(mid);"));
    m_viewer->setObjectName(QStringLiteral("CRViewer1"));

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buildSidePanel());
    layout->addWidget(buildPreviewPanel(), 1);

    connect(m_columnObjects, &QListWidget::itemClicked, this, &ReportTabView::onColumnObjectClicked);
    connect(m_columnList, &QListWidget::currentRowChanged, this, [this](int row) { m_tab.setColumnSelection(row); });
    connect(m_subTabs, &QTabBar::currentChanged, this, &ReportTabView::onSubTab);
    connect(m_viewer, &ReportViewer::clicked, this, &ReportTabView::openReportMenu);
    connect(m_viewer, &ReportViewer::printRequested, this, &ReportTabView::onPrintRequested);
    connectMenu();
    setExportAvailable(false);
}

void ReportTabView::connectMenu()
{
    connect(m_menu, &ReportMenu::editRequested, this, &ReportTabView::openEditor);
    connect(m_menu, &ReportMenu::fontChosen, this, &ReportTabView::onFont);
    connect(m_menu, &ReportMenu::stiffyToggle, this, [this] { m_subTabs->setCurrentIndex(m_tab.showingStiffy() ? 0 : 1); });
    connect(m_menu, &ReportMenu::insertLogo, this, [this] {
        if (m_tab.insertLogo())
            refreshPreview();
    });
    connect(m_menu, &ReportMenu::logoLeft, this, [this] {
        m_tab.logoLeft();
        refreshPreview();
    });
    connect(m_menu, &ReportMenu::logoRight, this, [this] {
        m_tab.logoRight();
        refreshPreview();
    });
    connect(m_menu, &ReportMenu::deleteLogo, this, [this] {
        m_tab.deleteLogo();
        refreshPreview();
    });
}

QWidget *ReportTabView::buildSidePanel()
{
    m_columnList->setObjectName(QStringLiteral("ColumnList"));
    m_columnObjects->setObjectName(QStringLiteral("ColumnObject"));
    for (QListWidget *list : {m_columnList, m_columnObjects})
        list->setAlternatingRowColors(true);

    auto *commands = new QWidget;
    auto *grid = new QVBoxLayout(commands);
    grid->setContentsMargins(0, 0, 0, 0);
    QPushButton *clear = commandButton(QStringLiteral("Clear Preview"), QStringLiteral("ClearPreview"));
    QPushButton *save = commandButton(QStringLiteral("Save Layout"), QStringLiteral("SaveLayout"));
    QPushButton *load = commandButton(QStringLiteral("Load Layout"), QStringLiteral("LoadLayout"));
    QPushButton *exportButton = commandButton(QStringLiteral("Export"), QStringLiteral("Export"));
    for (QPushButton *b : {clear, save, load, exportButton})
        grid->addWidget(b);
    connect(clear, &QPushButton::clicked, this, [this] {
        m_tab.clearPreview();
        showLists();
        refreshPreview();
    });
    connect(save, &QPushButton::clicked, this, [this] { m_tab.saveLayout(); });
    connect(load, &QPushButton::clicked, this, &ReportTabView::onLoadLayout);
    connect(exportButton, &QPushButton::clicked, this, &ReportTabView::exportRequested);

    auto *lists = new QWidget;
    auto *listLayout = new QHBoxLayout(lists);
    listLayout->setContentsMargins(0, 0, 0, 0);
    listLayout->addWidget(frame(QStringLiteral("Column List"), m_columnList));
    listLayout->addWidget(frame(QStringLiteral("Column Object"), m_columnObjects));

    auto *options = new QWidget;
    auto *optionsLayout = new QVBoxLayout(options);
    optionsLayout->setContentsMargins(0, 0, 0, 0);
    optionsLayout->addWidget(lists, 1);
    optionsLayout->addWidget(commands);
    QGroupBox *box = frame(QStringLiteral("Preview Options"), options);
    box->setFixedWidth(340);
    return box;
}

QWidget *ReportTabView::buildPreviewPanel()
{
    m_subTabs->setObjectName(QStringLiteral("ReportTab"));
    m_subTabs->addTab(QStringLiteral("Report"));
    m_subTabs->addTab(QStringLiteral("Stiffness Results"));
    m_subTabs->setDrawBase(false);

    auto *content = new QWidget;
    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(m_instruction);
    layout->addWidget(m_help);
    layout->addWidget(m_subTabs);
    layout->addWidget(m_viewer, 1);
    return frame(QStringLiteral("Print Preview"), content);
}

QPushButton *ReportTabView::button(const QString &objectName) const
{
    return findChild<QPushButton *>(objectName);
}

void ReportTabView::setExportAvailable(bool available)
{
    button(QStringLiteral("Export"))->setEnabled(available);
}

void ReportTabView::enter()
{
    if (m_editor)
        m_editor->cancelAndClose();
    emit statusMessage(ReportTab::settingUpStatus());
    const bool shown = m_tab.enter();
    m_help->setText(QString(ReportTab::helpText(m_tab.deviceCode())).replace(QChar(13), QLatin1Char('\n')));
    {
        const QSignalBlocker block(m_subTabs);
        m_subTabs->setCurrentIndex(0);
        m_subTabs->setTabVisible(1, m_tab.stiffnessSwitchShown());
        m_subTabs->setVisible(m_tab.stiffnessSwitchShown());
    }
    showLists();
    m_viewer->setDocument(shown ? &m_tab.shownReport() : nullptr);
    emit statusMessage(ReportTab::okStatus());
}

void ReportTabView::showLists()
{
    const QSignalBlocker blockList(m_columnList);
    m_columnList->clear();
    m_columnList->addItems(m_tab.columnList());
    m_columnList->setCurrentRow(m_tab.columnSelection());
    if (m_columnObjects->count() != m_tab.columnObjects().size() || m_columnObjects->item(1) == nullptr
        || m_columnObjects->item(1)->text() != m_tab.columnObjects().value(1)) {
        m_columnObjects->clear();
        m_columnObjects->addItems(m_tab.columnObjects());
    }
    m_columnList->setEnabled(m_tab.listsEnabled());
    m_columnObjects->setEnabled(m_tab.listsEnabled());
}

void ReportTabView::refreshPreview()
{
    // At once, not later: the preview keeps views into the report's texts, which a change replaces.
    m_viewer->setDocument(m_tab.hasReport() ? &m_tab.shownReport() : nullptr);
    m_viewer->refresh();
}

void ReportTabView::onColumnObjectClicked()
{
    QListWidgetItem *item = m_columnObjects->currentItem();
    if (!item)
        return;
    if (m_columnList->currentRow() < 0)
        m_tab.setColumnSelection(-1);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_tab.placeColumnObject(item->text());
    QApplication::restoreOverrideCursor();
    const QSignalBlocker block(m_columnList);
    m_columnList->setCurrentRow(m_tab.columnSelection());
    refreshPreview();
}

void ReportTabView::onSubTab(int index)
{
    m_tab.setSubTab(index);
    showLists();
    refreshPreview();
}

void ReportTabView::onFont(int size)
{
    m_tab.applyFont(size);
    showLists();
    refreshPreview();
}

void ReportTabView::onLoadLayout()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_tab.loadLayout([this] {
        refreshPreview();
        if (m_fillPause > 0) {
            QEventLoop pause;
            QTimer::singleShot(m_fillPause, &pause, &QEventLoop::quit);
            pause.exec();
        }
    });
    QApplication::restoreOverrideCursor();
    showLists();
    refreshPreview();
}

void ReportTabView::openReportMenu(int page, const QPoint &twips, const QString &objectName, const QPoint &globalPos)
{
    if (!m_tab.hasReport())
        return;
    m_menu->rebuild(m_tab, m_tab.remarksPlaceAt(page, twips, objectName));
    m_menu->popup(globalPos);
}

void ReportTabView::openEditor(int itemCode, const QString &remarksObject, int remarksLine)
{
    if (m_editor)
        m_editor->cancelAndClose();
    m_editor = new AddInfo(m_tab, itemCode, remarksObject, remarksLine, window());
    connect(m_editor, &AddInfo::reportChanged, this, &ReportTabView::refreshPreview);
    // Cancel puts texts back: the preview is drawn again once the window has gone.
    connect(m_editor, &AddInfo::cancelled, this, [this] { QTimer::singleShot(1, this, &ReportTabView::refreshPreview); });
    m_editor->show();
}

bool ReportTabView::printOn(QPrinter &printer)
{
    m_tab.beginPrint();
    printer.setPageOrientation(ReportTab::paperOrientation(m_tab.deviceCode()) == Landscape ? QPageLayout::Landscape
                                                                                             : QPageLayout::Portrait);
    const bool printed = printReport(m_tab.shownReport(), printer);
    m_tab.endPrint();
    refreshPreview();
    return printed;
}

// "Print to File" gives a PDF drawn at the printer's full resolution, as sharp as the preview.
void ReportTabView::onPrintRequested()
{
    if (!m_tab.hasReport())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(ReportTab::paperOrientation(m_tab.deviceCode()) == Landscape ? QPageLayout::Landscape
                                                                                             : QPageLayout::Portrait);
    QPrintDialog dialog(&printer, this);
    dialog.setOptions(QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintToFile);
    dialog.setMinMax(1, std::max(1, m_tab.shownReport().pageCount()));
    if (dialog.exec() != QDialog::Accepted)
        return;
    printOn(printer);
}

} // namespace valtrane::report
