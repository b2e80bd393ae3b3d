#include "stiffness/ConstantsEntry.h"

#include "common/VbConvert.h"
#include "stiffness/StiffnessConstantsFile.h"

namespace valtrane::stiffness {

namespace {

bool accepted(int code)
{
    return code == ConstantsEntry::Left || code == ConstantsEntry::Right
           || (code >= ConstantsEntry::Digit0 && code <= ConstantsEntry::Digit9)
           || (code >= ConstantsEntry::Keypad0 && code <= ConstantsEntry::Keypad9) || code == ConstantsEntry::KeypadPoint
           || code == ConstantsEntry::Period;
}

} // namespace

int ConstantsEntry::keyCode(int qtKey, Qt::KeyboardModifiers modifiers)
{
    const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return (keypad ? Keypad0 : Digit0) + (qtKey - Qt::Key_0);
    switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return Enter;
    case Qt::Key_Left: return Left;
    case Qt::Key_Up: return Up;
    case Qt::Key_Right: return Right;
    case Qt::Key_Down: return Down;
    case Qt::Key_Period: return keypad ? KeypadPoint : Period;
    // Keypads of some layouts put a comma on the decimal key.
    case Qt::Key_Comma: return keypad ? KeypadPoint : 0;
    default: return 0;
    }
}

ConstantsEntry::KeyOutcome ConstantsEntry::keyReleased(int box, int keyCode, Qt::KeyboardModifiers modifiers)
{
    const Qt::KeyboardModifiers held = modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (held == Qt::ShiftModifier)
        keyCode = 0;
    if (keyCode == Enter || keyCode == Down)
        return {box + 1 < BoxCount ? std::optional<int>(box + 1) : std::nullopt, false};
    if (keyCode == Up)
        return {box > 0 ? std::optional<int>(box - 1) : std::nullopt, false};
    return {std::nullopt, !accepted(keyCode)};
}

QString ConstantsEntry::cleaned(const QString &text)
{
    if (text.size() < 2)
        return QString();
    QString kept;
    for (const QChar c : text) {
        if ((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.'))
            kept.append(c);
    }
    return kept;
}

std::optional<double> ConstantsEntry::value(const QString &text)
{
    if (text.isEmpty())
        return 0.0;
    return vb::toDouble(text);
}

std::optional<int> ConstantsEntry::apply(const QStringList &boxes, const AppPaths &paths, AppState &state, Prompter &prompter)
{
    StiffnessConstants applied = state.StiffnessConstants;
    for (int i = 0; i < BoxCount; ++i) {
        const std::optional<double> number = value(boxes.value(i));
        if (!number)
            return i;
        applied[size_t(i)] = StiffnessConstant::fromNumber(*number);
    }
    state.StiffnessConstants = applied;
    StiffnessConstantsFile(paths, state, prompter).run(1);
    state.ConstantsChanged = true;
    return std::nullopt;
}

} // namespace valtrane::stiffness
