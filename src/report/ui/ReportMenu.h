#pragma once

#include "report/ReportTab.h"

#include <QMenu>

namespace valtrane::report {

// The report menu "Modify Report" a left click on the preview pops up: the stiffness report
// switch, "Edit Text", "Logo Options" and "Report Font". Built again at every click, so its
// captions and enabled entries follow the report.
class ReportMenu : public QMenu {
    Q_OBJECT
public:
    explicit ReportMenu(QWidget *parent = nullptr);

    // remarks: the remarks column's line under the click, when the click was on it.
    void rebuild(ReportTab &tab, const ReportTab::RemarksPlace &remarks);

    QAction *entry(const QString &objectName) const;

signals:
    void editRequested(int itemCode, const QString &remarksObject, int remarksLine);
    void fontChosen(int size);
    void insertLogo();
    void logoLeft();
    void logoRight();
    void deleteLogo();
    void stiffyToggle();

private:
    void addEditText(const ReportTab::RemarksPlace &remarks);
    void addLogoOptions(ReportTab &tab);
    void addFonts(ReportTab &tab);
    QAction *named(QMenu *menu, const QString &text, const QString &name);
};

} // namespace valtrane::report
