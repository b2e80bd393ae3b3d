#include "app/ui/ReportPage.h"

#include "app/ProjectTree.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace valtrane::app {

ReportPage::ReportPage(QWidget *parent)
    : QWidget(parent)
    , m_line(new QLabel)
    , m_export(new QPushButton(QStringLiteral("Export...")))
{
    m_line->setObjectName(QStringLiteral("What_report"));
    QFont font = m_line->font();
    font.setPointSizeF(font.pointSizeF() * 1.2);
    font.setBold(true);
    m_line->setFont(font);

    m_export->setObjectName(QStringLiteral("ExportButton"));
    auto *top = new QHBoxLayout;
    top->addWidget(m_line, 1);
    top->addWidget(m_export);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addStretch();
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
