#include "stiffness/ConstantsEntry.h"
#include "support/ScriptedPrompter.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using namespace valtrane;
using stiffness::ConstantsEntry;

namespace {
constexpr Qt::KeyboardModifiers None = Qt::NoModifier;
} // namespace

TEST(ConstantsEntry, KeysGetTheCodesTheRulesNameThemBy)
{
    constexpr Qt::KeyboardModifiers Pad = Qt::KeypadModifier;
    const std::tuple<int, Qt::KeyboardModifiers, int> cases[] = {
        {Qt::Key_Return, None, 13}, {Qt::Key_Enter, Pad, 13}, {Qt::Key_Up, None, 38}, {Qt::Key_Down, None, 40},
        {Qt::Key_Left, None, 37}, {Qt::Key_Right, None, 39}, {Qt::Key_0, None, 48}, {Qt::Key_7, None, 55}, {Qt::Key_7, Pad, 103},
        {Qt::Key_Period, None, 190}, {Qt::Key_Period, Pad, 110}, {Qt::Key_Comma, Pad, 110}, {Qt::Key_Comma, None, 0}, {Qt::Key_A, None, 0}};
    for (const auto &[key, modifiers, code] : cases)
        EXPECT_EQ(ConstantsEntry::keyCode(key, modifiers), code) << key;
}

TEST(ConstantsEntry, EnterAndTheArrowsMoveBetweenBoxesButNotPastTheEnds)
{
    const std::tuple<int, int, std::optional<int>> cases[] = {
        {0, ConstantsEntry::Enter, 1}, {5, ConstantsEntry::Down, 6}, {6, ConstantsEntry::Enter, std::nullopt},
        {6, ConstantsEntry::Down, std::nullopt}, {3, ConstantsEntry::Up, 2}, {0, ConstantsEntry::Up, std::nullopt}};
    for (const auto &[box, code, focus] : cases) {
        const auto outcome = ConstantsEntry::keyReleased(box, code, None);
        EXPECT_EQ(std::pair(outcome.focusBox, outcome.clean), std::pair(focus, false)) << box << " " << code;
    }
}

TEST(ConstantsEntry, DigitsPeriodsAndSidewaysArrowsStandAnyOtherKeyCleansTheBox)
{
    for (int code : {48, 57, 96, 105, 110, 190, 37, 39})
        EXPECT_FALSE(ConstantsEntry::keyReleased(2, code, None).clean) << code;
    for (int code : {0, 8, 46, 189, 65})
        EXPECT_TRUE(ConstantsEntry::keyReleased(2, code, None).clean) << code;
    // With Shift alone a digit key types a sign, and Enter does not move on.
    EXPECT_TRUE(ConstantsEntry::keyReleased(2, 56, Qt::ShiftModifier).clean);
    EXPECT_FALSE(ConstantsEntry::keyReleased(2, 13, Qt::ShiftModifier).focusBox);
    EXPECT_FALSE(ConstantsEntry::keyReleased(2, 56, Qt::ShiftModifier | Qt::ControlModifier).clean);
}

TEST(ConstantsEntry, CleaningKeepsDigitsAndPeriodsAndEmptiesABoxOfOneCharacter)
{
    const std::pair<const char *, const char *> cases[] = {{"-12.5", "12.5"}, {"1a2b", "12"}, {"1..2", "1..2"}, {"7", ""}, {"-", ""}, {"ab", ""}};
    for (const auto &[typed, kept] : cases)
        EXPECT_EQ(ConstantsEntry::cleaned(typed), kept) << typed;
}

class ConstantsEntryApply : public ::testing::Test {
protected:
    std::optional<int> apply(const QStringList &boxes)
    {
        const auto refused = ConstantsEntry::apply(boxes, home.paths(), state, prompter);
        return refused ? std::optional<int>(refused->box) : std::nullopt;
    }

    test::TempHome home;
    AppState state;
    test::ScriptedPrompter prompter;
};

TEST_F(ConstantsEntryApply, StoresEveryBoxAsANumberWithEmptyBoxesAsZero)
{
    ASSERT_EQ(apply({"0.1234", "10.5", "", "110", ".5", "7.", "1762.04"}), std::nullopt);
    EXPECT_TRUE(state.ConstantsChanged);
    EXPECT_EQ(home.readFile("info/StiffnessCons.vkt"),
              "MeasMs = 0.1234\r\nAssmas = 10.5\r\nPoisra = 0\r\nDensit = 110\r\nSlopes = 0.5\r\nInterc = 7\r\nDensi2 = 1762.04\r\n");
    EXPECT_DOUBLE_EQ(state.StiffnessConstants[MeasMs].toDouble(), 0.1234);
}

TEST_F(ConstantsEntryApply, ABoxThatIsNoNumberOrOutOfItsRangeStoresNothing)
{
    state.StiffnessConstants[Poisra] = StiffnessConstant::fromText("0.35");
    EXPECT_EQ(apply({"0.12", "10", "0.3", "1..2", "0.5", "1", "1800"}), 3);
    EXPECT_EQ(apply({"0.12", "10", "0.51", "110", "0.5", "1", "1800"}), 2);
    EXPECT_EQ(apply({"0.12", "10", "0.3", "110", "0.5", "1", "99999999999999999999"}), 6);
    EXPECT_EQ(ConstantsEntry::check(Poisra, "0.6").refusal, "\"Poisson's Ratio\" must be between 0 and 0.5.");
    EXPECT_EQ(std::tuple(state.ConstantsChanged, state.StiffnessConstants[Poisra].text(), home.exists("info/StiffnessCons.vkt")),
              std::tuple(false, QString("0.35"), false));
}
