#pragma once

#include <functional>

class QTabWidget;

namespace valtrane::app {

// The rules of the main window's three pages: their captions, and which of them can be chosen
// while downloads and project loads come and go.
class MainPages {
public:
    enum Page { DataPageIndex = 0, ReportPageIndex = 1, GraphPageIndex = 2 };

    // dataPageAvailable follows the data page: the file commands go with it.
    MainPages(QTabWidget &tabs, std::function<void(bool)> dataPageAvailable);

    // The captions of the three pages; the report page waits for data.
    void setCaptions();
    void setPageAvailable(int page, bool available);
    void setAllAvailable(bool available);

private:
    QTabWidget &m_tabs;
    std::function<void(bool)> m_dataPageAvailable;
};

} // namespace valtrane::app
