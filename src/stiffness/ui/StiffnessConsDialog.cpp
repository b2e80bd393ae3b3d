#include "stiffness/ui/StiffnessConsDialog.h"

#include "stiffness/ConstantsEntry.h"
#include "stiffness/StiffnessConstantsFile.h"

#include <QClipboard>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace valtrane::stiffness {

StiffnessConsDialog::StiffnessConsDialog(const AppPaths &paths, AppState &state, Prompter &prompter, QWidget *owner)
    : QDialog(owner)
    , m_paths(paths)
    , m_state(state)
    , m_prompter(prompter)
{
    setObjectName(QStringLiteral("StiffnessCons"));
    setWindowTitle(QStringLiteral("Stiffness Constants"));
    setWindowIcon(QIcon(paths.image(QStringLiteral("iricon.ico"))));

    auto *frame = new QGroupBox(QStringLiteral("Stiffness Constant Values"));
    frame->setObjectName(QStringLiteral("Scons_Frame"));
    auto *grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(8);
    for (int i = 0; i < StiffnessConstantCount; ++i) {
        auto *label = new QLabel(StiffnessConstantsFile::info(i).label);
        label->setObjectName(QStringLiteral("SInfo%1").arg(i));
        auto *box = new QLineEdit(state.StiffnessConstants[size_t(i)].text());
        box->setObjectName(QStringLiteral("SInfoTxt%1").arg(i));
        box->setAlignment(Qt::AlignRight);
        box->setMinimumWidth(120);
        box->installEventFilter(this);
        label->setBuddy(box);
        grid->addWidget(label, i, 0);
        grid->addWidget(box, i, 1);
        m_boxes[size_t(i)] = box;
    }
    grid->setColumnStretch(0, 1);

    m_note = new QLabel;
    m_note->setObjectName(QStringLiteral("EntryNote"));
    m_note->setWordWrap(true);
    m_note->setStyleSheet(QStringLiteral("color: #b3261e;"));
    m_note->hide();

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    const char *captions[] = {"Ok", "Cancel", "Apply"};
    for (int i = 0; i < 3; ++i) {
        auto *b = new QPushButton(QString::fromLatin1(captions[i]));
        b->setObjectName(QStringLiteral("SInfoB%1").arg(i));
        // Enter moves between the boxes; it never presses a button.
        b->setAutoDefault(false);
        b->setMinimumWidth(88);
        connect(b, &QPushButton::clicked, this, [this, i] { onButton(Button(i)); });
        buttons->addWidget(b);
        m_buttons[size_t(i)] = b;
    }

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(12);
    layout->addWidget(frame);
    layout->addWidget(m_note);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    button(Apply)->setEnabled(false);
    QGuiApplication::clipboard()->clear();
    m_state.ConstantsChanged = false;
}

bool StiffnessConsDialog::eventFilter(QObject *watched, QEvent *event)
{
    const auto at = std::find(m_boxes.begin(), m_boxes.end(), watched);
    if (at != m_boxes.end()) {
        if (event->type() == QEvent::FocusIn) {
            // After the click that brought the focus has placed the caret.
            QTimer::singleShot(0, *at, &QLineEdit::selectAll);
        } else if (event->type() == QEvent::KeyRelease) {
            onKeyReleased(int(at - m_boxes.begin()), static_cast<QKeyEvent *>(event));
        }
    }
    return QDialog::eventFilter(watched, event);
}

void StiffnessConsDialog::onKeyReleased(int index, QKeyEvent *event)
{
    // Tab moves the focus before any box sees the key, and a held key counts once.
    if (event->isAutoRepeat() || event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)
        return;
    button(Apply)->setEnabled(true);
    const auto outcome = ConstantsEntry::keyReleased(index, ConstantsEntry::keyCode(event->key(), event->modifiers()),
                                                     event->modifiers());
    if (outcome.focusBox) {
        box(*outcome.focusBox)->setFocus(Qt::OtherFocusReason);
    } else if (outcome.clean) {
        QLineEdit *edit = box(index);
        edit->setText(ConstantsEntry::cleaned(edit->text()));
        edit->setCursorPosition(int(edit->text().size()));
    }
}

void StiffnessConsDialog::onButton(Button which)
{
    if (which != Cancel && !applyBoxes())
        return;
    button(Apply)->setEnabled(false);
    if (which == Ok)
        accept();
    else if (which == Cancel)
        reject();
}

bool StiffnessConsDialog::applyBoxes()
{
    QStringList texts;
    for (const QLineEdit *b : m_boxes)
        texts.append(b->text());
    // A box the key rules let through but that is no number ("1.2.", ".") or out of its range stops
    // Ok and Apply: the note says why and nothing is stored until it is corrected or emptied
    // (empty stands for 0).
    const std::optional<ConstantsEntry::Refused> bad = ConstantsEntry::apply(texts, m_paths, m_state, m_prompter);
    if (bad) {
        m_note->setText(bad->refusal + QStringLiteral(" Correct it, or empty the box to use 0; nothing has been saved."));
        m_note->show();
        box(bad->box)->setFocus(Qt::OtherFocusReason);
        return false;
    }
    m_note->hide();
    return true;
}

} // namespace valtrane::stiffness
