#pragma once

#include <QString>
#include <array>
#include <variant>

namespace valtrane {

// One stiffness constant as the program holds it: nothing yet, the text a load from the constants
// file gave it (already formatted), or the number the dialog applied.
class StiffnessConstant {
public:
    StiffnessConstant() = default;
    static StiffnessConstant fromText(QString text) { StiffnessConstant c; c.m_value = std::move(text); return c; }
    static StiffnessConstant fromNumber(double number) { StiffnessConstant c; c.m_value = number; return c; }

    bool isEmpty() const { return std::holds_alternative<std::monostate>(m_value); }
    // The value as a double: 0 for nothing, 0 for a text that is not a number.
    double toDouble() const;
    // The value as text: "" for nothing, the held text, or the number's plain text.
    QString text() const;

    bool operator==(const StiffnessConstant &) const = default;

private:
    std::variant<std::monostate, QString, double> m_value;
};

// The seven constants, in file order: MeasMs, Assmas, Poisra, Densit, Slopes, Interc, Densi2.
enum StiffnessConstantIndex { MeasMs = 0, Assmas, Poisra, Densit, Slopes, Interc, Densi2, StiffnessConstantCount };

using StiffnessConstants = std::array<StiffnessConstant, StiffnessConstantCount>;

} // namespace valtrane
