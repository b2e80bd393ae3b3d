#pragma once

#include "common/AppPaths.h"
#include "common/AppState.h"
#include "common/FileChooser.h"
#include "common/Prompter.h"
#include "export/ExportSelect.h"

#include <QDialog>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace valtrane::exporting {

// "Export Select": where, in which format, which pages and which data to export, and the file
// names. A view over ExportSelect, which holds the choices and rules; "Export" stores them in
// choices and sets ExportConfirmed, "Cancel" clears it. Either button closes the dialog.
class ExportForm : public QDialog {
    Q_OBJECT
public:
    ExportForm(const AppPaths &paths, AppState &state, ExportChoices &choices, Prompter &prompter, FileChooser &files,
               ReportOnScreen shown, QWidget *owner = nullptr);

    const ExportSelect &choices() const { return m_select; }
    QRadioButton *destOption(int index) const { return m_dest.at(size_t(index)); }
    QRadioButton *formatOption(int index) const { return m_format.at(size_t(index)); }
    QRadioButton *rangeOption(int index) const { return m_range.at(size_t(index)); }
    QRadioButton *whatOption(int index) const { return m_what.at(size_t(index)); }
    QLineEdit *rangeBox(int index) const { return m_rangeBoxes.at(size_t(index)); }
    QLineEdit *location(int index) const { return m_locations.at(size_t(index)); }
    QPushButton *browseButton(int index) const { return m_browse.at(size_t(index)); }
    QPushButton *exportButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *destinationFrame();
    QWidget *formatFrame();
    QWidget *rangeFrame();
    QWidget *dataFrame();
    QWidget *locationFrame(const AppPaths &paths);
    QLayout *buttonRow();
    void connectOptions();
    void showChoices();
    void onExport();
    void onCancel();

    AppState &m_state;
    ExportChoices &m_choices;
    Prompter &m_prompter;
    FileChooser &m_files;
    ExportSelect m_select;
    std::array<QRadioButton *, 2> m_dest{};
    std::array<QRadioButton *, 3> m_format{};
    std::array<QRadioButton *, 2> m_range{};
    std::array<QRadioButton *, 2> m_what{};
    std::array<QLineEdit *, 2> m_rangeBoxes{};
    std::array<QLineEdit *, 2> m_locations{};
    std::array<QPushButton *, 2> m_browse{};
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
};

} // namespace valtrane::exporting
