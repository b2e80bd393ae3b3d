#include "app/ui/MainPages.h"

#include <QSignalBlocker>
#include <QTabWidget>

namespace valtrane::app {

MainPages::MainPages(QTabWidget &tabs, std::function<void(bool)> dataPageAvailable)
    : m_tabs(tabs)
    , m_dataPageAvailable(std::move(dataPageAvailable))
{
}

void MainPages::setCaptions()
{
    m_tabs.setTabText(GraphPageIndex, QStringLiteral("View Graph"));
    m_tabs.setTabText(ReportPageIndex, QStringLiteral("View Report"));
    m_tabs.setTabText(DataPageIndex, QStringLiteral("View Data"));
    m_tabs.setTabEnabled(ReportPageIndex, false);
}

void MainPages::setAllAvailable(bool available)
{
    for (int page : {DataPageIndex, ReportPageIndex, GraphPageIndex})
        setPageAvailable(page, available);
}

void MainPages::setPageAvailable(int page, bool available)
{
    const int shown = m_tabs.currentIndex();
    if (available) {
        m_tabs.setTabEnabled(page, true);
        // A page made available while a page that is not is on screen (a download took them all
        // away) comes to the front.
        if (!m_tabs.isTabEnabled(shown))
            m_tabs.setCurrentIndex(page);
    } else {
        // Taking a page away leaves it on screen, greyed, instead of moving to another page.
        const QSignalBlocker quiet(&m_tabs);
        m_tabs.setTabEnabled(page, false);
        m_tabs.setCurrentIndex(shown);
    }
    if (page == DataPageIndex && m_dataPageAvailable)
        m_dataPageAvailable(available);
}

} // namespace valtrane::app
