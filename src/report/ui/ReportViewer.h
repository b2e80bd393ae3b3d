#pragma once

#include "report/ui/ReportPageView.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QSpinBox;

namespace valtrane::report {

// The report preview: a tool bar (page navigation, zoom, print) over the pages. Printing is only
// asked for here; the report tab answers printRequested with the printer dialog.
class ReportViewer : public QWidget {
    Q_OBJECT
public:
    explicit ReportViewer(QWidget *parent = nullptr);

    void setDocument(const ReportDocument *document);
    void refresh();
    ReportPageView *pageView() const { return m_view; }

signals:
    void clicked(int page, const QPoint &twips, const QString &objectName, const QPoint &globalPos);
    void printRequested();

private:
    void updatePageControls();

    ReportPageView *m_view;
    QSpinBox *m_page;
    QLabel *m_count;
    QComboBox *m_zoom;
};

} // namespace valtrane::report
