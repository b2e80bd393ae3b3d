#pragma once

#include <QString>

namespace valtrane {

// Message boxes and questions go through this, so the desktop program shows real boxes, the CLI
// asks on the terminal, and tests answer them without ever blocking.
class Prompter {
public:
    enum class Buttons { Ok, YesNo, YesNoCancel };
    enum class Answer { Ok, Yes, No, Cancel };
    enum class Icon { None, Information, Question, Warning, Critical };

    virtual ~Prompter() = default;

    virtual Answer ask(const QString &text, const QString &title, Buttons buttons, Icon icon) = 0;

    // A message with an OK button only.
    void tell(const QString &text, const QString &title, Icon icon = Icon::None) { ask(text, title, Buttons::Ok, icon); }
};

} // namespace valtrane
