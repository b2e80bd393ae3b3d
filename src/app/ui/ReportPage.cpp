#include "app/ui/ReportPage.h"

#include "app/ProjectTree.h"
#include "report/ui/ReportTabView.h"

#include <QLabel>
#include <QVBoxLayout>

namespace valtrane::app {

ReportPage::ReportPage(report::ReportTab::Context context, QWidget *parent)
    : QWidget(parent)
    , m_line(new QLabel)
    , m_tab(new report::ReportTabView(context))
{
    m_line->setObjectName(QStringLiteral("What_report"));
    QFont font = m_line->font();
    font.setPointSizeF(font.pointSizeF() * 1.2);
    font.setBold(true);
    m_line->setFont(font);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_line);
    layout->addWidget(m_tab, 1);
}

void ReportPage::enter(const AppState &state)
{
    showSelection(state);
    m_tab->enter();
}

void ReportPage::showSelection(const AppState &state)
{
    m_line->setText(selectionLine(state));
}

QString ReportPage::selectionLine(const AppState &state)
{
    if (state.CurrentTable.isEmpty())
        return QStringLiteral("No Project Selected");
    switch (state.DeviceCode) {
    case NG7700A:
    case NG7700B:
        return QStringLiteral("Project %1, %2").arg(state.CurrentTable, state.CurrentSurface);
    case SG2150:
        return QStringLiteral("Stiffness Run Number ") + ProjectTree::tableText(state.CurrentTable).mid(3);
    default:
        return QStringLiteral("Test ") + state.CurrentTable;
    }
}

} // namespace valtrane::app
