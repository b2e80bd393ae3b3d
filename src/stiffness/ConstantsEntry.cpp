#include "stiffness/ConstantsEntry.h"

#include "common/VbConvert.h"
#include "stiffness/StiffnessConstantsFile.h"

#include <algorithm>

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

ConstantsEntry::Checked ConstantsEntry::check(int index, const QString &text)
{
    const StiffnessConstantInfo &info = StiffnessConstantsFile::info(index);
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return {0.0, QString()};
    // The dialog's boxes hold digits and periods only; anything else is no number here either.
    const bool digitsAndPoint = std::all_of(trimmed.begin(), trimmed.end(), [](QChar c) { return c.isDigit() || c == QLatin1Char('.'); });
    const std::optional<double> number = vb::toDouble(trimmed);
    if (number && (*number < info.lowest || *number > info.highest))
        return {std::nullopt, QStringLiteral("\"%1\" must be between %2 and %3.").arg(info.label).arg(info.lowest).arg(info.highest)};
    if (!number || !digitsAndPoint)
        return {std::nullopt, QStringLiteral("\"%1\" is not a number.").arg(info.label)};
    return {number, QString()};
}

std::optional<ConstantsEntry::Refused> ConstantsEntry::apply(const QStringList &boxes, const AppPaths &paths, AppState &state,
                                                             Prompter &prompter)
{
    StiffnessConstants applied = state.StiffnessConstants;
    for (int i = 0; i < BoxCount; ++i) {
        const Checked checked = check(i, boxes.value(i));
        if (!checked.number)
            return Refused{i, checked.refusal};
        applied[size_t(i)] = StiffnessConstant::fromNumber(*checked.number);
    }
    state.StiffnessConstants = applied;
    StiffnessConstantsFile(paths, state, prompter).run(1);
    state.ConstantsChanged = true;
    return std::nullopt;
}

} // namespace valtrane::stiffness
