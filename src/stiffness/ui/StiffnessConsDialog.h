#pragma once

#include "common/AppPaths.h"
#include "common/AppState.h"
#include "common/Prompter.h"

#include <QDialog>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace valtrane::stiffness {

// "Stiffness Constants": the seven stiffness constants in boxes that take numbers only. "Ok" and
// "Apply" store them in the constants file and set ConstantsChanged; "Cancel" leaves them.
class StiffnessConsDialog : public QDialog {
    Q_OBJECT
public:
    enum Button { Ok = 0, Cancel = 1, Apply = 2 };

    StiffnessConsDialog(const AppPaths &paths, AppState &state, Prompter &prompter, QWidget *owner = nullptr);

    QLineEdit *box(int index) const { return m_boxes.at(size_t(index)); }
    QPushButton *button(Button which) const { return m_buttons.at(size_t(which)); }
    // Says which box holds something that is not a number; hidden otherwise.
    QLabel *note() const { return m_note; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onKeyReleased(int index, QKeyEvent *event);
    void onButton(Button which);
    bool applyBoxes();

    const AppPaths &m_paths;
    AppState &m_state;
    Prompter &m_prompter;
    std::array<QLineEdit *, StiffnessConstantCount> m_boxes{};
    std::array<QPushButton *, 3> m_buttons{};
    QLabel *m_note = nullptr;
};

} // namespace valtrane::stiffness
