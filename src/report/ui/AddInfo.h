#pragma once

#include "report/ReportTextEditor.h"

#include <QDialog>
#include <array>

class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace valtrane::report {

class ReportTab;

// Add_Info: the small window that edits one header item of the reports (or a remark) from the
// preview. The rules are ReportTextEditor's; this window shows them.
class AddInfo : public QDialog {
    Q_OBJECT
public:
    AddInfo(ReportTab &tab, int itemCode, const QString &remarksObject, int remarksLine, QWidget *owner);

    ReportTextEditor &editor() { return m_editor; }
    QPlainTextEdit *textBox() const { return m_text; }
    QRadioButton *alignmentButton(int alignment) const;  // 1 left, 2 centre, 3 right
    QPushButton *applyButton() const { return m_apply; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }

    // Another item is being opened, or the tab is entered again: nothing of this edit is kept.
    void cancelAndClose();

signals:
    void reportChanged();
    void cancelled();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void onApply();
    void onOk();
    void onCancel();

    ReportTextEditor m_editor;
    QPlainTextEdit *m_text;
    std::array<QRadioButton *, 3> m_alignments{};
    QPushButton *m_apply;
    QPushButton *m_ok;
    QPushButton *m_cancel;
    bool m_finished = false;
};

} // namespace valtrane::report
