#pragma once

#include "common/Prompter.h"

class QWidget;

namespace valtrane::app {

// Messages and questions as the desktop's message boxes, owned by a window.
class MessageBoxPrompter : public Prompter {
public:
    explicit MessageBoxPrompter(QWidget *owner = nullptr) : m_owner(owner) {}
    void setOwner(QWidget *owner) { m_owner = owner; }

    Answer ask(const QString &text, const QString &title, Buttons buttons, Icon icon) override;

private:
    QWidget *m_owner;
};

} // namespace valtrane::app
