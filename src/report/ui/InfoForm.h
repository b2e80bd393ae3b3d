#pragma once

#include "common/AppPaths.h"
#include "common/AppState.h"
#include "common/Prompter.h"
#include "report/ReportSet.h"

#include <QDialog>
#include <array>

class QLineEdit;
class QPushButton;

namespace valtrane::report {

// "Testing Lab Information": the company, address and contact lines, project name, machine number
// and tester printed at the top of every report. "Save Information" stores them and puts them on
// the reports; "Close" leaves without saving what was typed since.
class InfoForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int FieldCount = 9;

    InfoForm(const AppPaths &paths, AppState &state, ReportSet *reports, Prompter &prompter, QWidget *owner = nullptr);

    QLineEdit *field(int index) const { return m_fields.at(size_t(index)); }
    QPushButton *saveButton() const { return m_save; }
    QPushButton *closeButton() const { return m_close; }

signals:
    // The reports carry the saved information: the preview is to be refreshed.
    void informationSaved();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Save_info();

    const AppPaths &m_paths;
    AppState &m_state;
    ReportSet *m_reports;
    Prompter &m_prompter;
    std::array<QLineEdit *, FieldCount> m_fields{};
    QPushButton *m_save;
    QPushButton *m_close;
};

} // namespace valtrane::report
