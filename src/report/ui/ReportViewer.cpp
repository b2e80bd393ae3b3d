#include "report/ui/ReportViewer.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolBar>
#include <QVBoxLayout>

namespace valtrane::report {

ReportViewer::ReportViewer(QWidget *parent)
    : QWidget(parent), m_view(new ReportPageView(this)), m_page(new QSpinBox(this)), m_count(new QLabel(this)),
      m_zoom(new QComboBox(this))
{
    auto *bar = new QToolBar(this);
    bar->addAction(QStringLiteral("Print"), this, &ReportViewer::printRequested);
    bar->addSeparator();
    bar->addAction(QStringLiteral("|<"), this, [this] { m_view->showPage(1); })->setToolTip(QStringLiteral("First page"));
    bar->addAction(QStringLiteral("<"), this, [this] { m_view->showPage(m_view->currentPage() - 1); })
        ->setToolTip(QStringLiteral("Previous page"));
    bar->addWidget(m_page);
    bar->addWidget(m_count);
    bar->addAction(QStringLiteral(">"), this, [this] { m_view->showPage(m_view->currentPage() + 1); })
        ->setToolTip(QStringLiteral("Next page"));
    bar->addAction(QStringLiteral(">|"), this, [this] { m_view->showPage(m_view->pageCount()); })
        ->setToolTip(QStringLiteral("Last page"));
    bar->addSeparator();
    m_zoom->addItems({QStringLiteral("Page Width"), QStringLiteral("Whole Page"), QStringLiteral("100%")});
    bar->addWidget(m_zoom);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(m_view, 1);

    connect(m_zoom, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_view->setZoom(ReportPageView::Zoom(index)); });
    connect(m_page, &QSpinBox::valueChanged, this, [this](int page) {
        if (page != m_view->currentPage())
            m_view->showPage(page);
    });
    connect(m_view, &ReportPageView::currentPageChanged, this, &ReportViewer::updatePageControls);
    connect(m_view, &ReportPageView::clicked, this, &ReportViewer::clicked);
    updatePageControls();
}

void ReportViewer::setDocument(const ReportDocument *document)
{
    m_view->setDocument(document);
    updatePageControls();
}

void ReportViewer::refresh()
{
    m_view->refresh();
    updatePageControls();
}

void ReportViewer::updatePageControls()
{
    const QSignalBlocker block(m_page);
    m_page->setRange(m_view->pageCount() > 0 ? 1 : 0, m_view->pageCount());
    m_page->setValue(m_view->currentPage());
    m_count->setText(QStringLiteral(" of %1 ").arg(m_view->pageCount()));
}

} // namespace valtrane::report
