#pragma once

#include "common/AppPaths.h"
#include "common/AppState.h"
#include "common/Prompter.h"

#include <QString>
#include <QStringList>
#include <Qt>
#include <optional>

namespace valtrane::stiffness {

// The rules of the constants dialog's seven boxes, without a window: what a released key does,
// how a box is cleaned, and what "Ok" and "Apply" store.
class ConstantsEntry {
public:
    static constexpr int BoxCount = StiffnessConstantCount;

    // Key codes as the rules name them.
    enum KeyCode {
        Enter = 13,
        Left = 37,
        Up = 38,
        Right = 39,
        Down = 40,
        Digit0 = 48,
        Digit9 = 57,
        Keypad0 = 96,
        Keypad9 = 105,
        KeypadPoint = 110,
        Period = 190,
    };

    // What a released key does to box i: the box the focus moves to, or a clean-up of the box.
    struct KeyOutcome {
        std::optional<int> focusBox;
        bool clean = false;
    };

    // The code of a key as the rules name it; 0 for any key they do not name.
    static int keyCode(int qtKey, Qt::KeyboardModifiers modifiers);
    // A key held with Shift alone counts as 0.
    static KeyOutcome keyReleased(int box, int keyCode, Qt::KeyboardModifiers modifiers);
    // A box of two or more characters keeps its digits and periods; a shorter one is emptied.
    static QString cleaned(const QString &text);

    // What the text for constant `index` comes to, in the dialog's box as on the command line:
    // its number, or the sentence that says why it is refused. Empty text stands for 0.
    struct Checked {
        std::optional<double> number;
        QString refusal;
    };
    static Checked check(int index, const QString &text);

    // A box whose text is refused, and why.
    struct Refused {
        int box;
        QString refusal;
    };
    // "Ok" and "Apply": every constant becomes the number in its box, the constants file is
    // written and ConstantsChanged is set. When a box is refused nothing changes.
    static std::optional<Refused> apply(const QStringList &boxes, const AppPaths &paths, AppState &state, Prompter &prompter);
};

} // namespace valtrane::stiffness
