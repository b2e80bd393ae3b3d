#include "common/ProgramInfo.h"
#include "stiffness/StiffnessConstantsFile.h"
#include "support/ScriptedPrompter.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using namespace valtrane;
using stiffness::StiffnessConstantsFile;

namespace {

QStringList texts(const StiffnessConstants &constants)
{
    QStringList list;
    for (const StiffnessConstant &c : constants)
        list.append(c.text());
    return list;
}

class StiffnessConstantsFileTest : public ::testing::Test {
protected:
    void load() { StiffnessConstantsFile(home.paths(), state, prompter).run(0); }

    test::TempHome home;
    AppState state;
    test::ScriptedPrompter prompter;
};

TEST_F(StiffnessConstantsFileTest, SavesSevenKeyLinesAndLoadsThemBackInTheirLoadFormats)
{
    const double values[] = {0.1234, 10.123456, 0.35, 110, 0.0625, 0.0625, 1762.04};
    for (int i = 0; i < StiffnessConstantCount; ++i)
        state.StiffnessConstants[size_t(i)] = StiffnessConstant::fromNumber(values[i]);
    ASSERT_TRUE(StiffnessConstantsFile(home.paths(), state, prompter).run(1));
    EXPECT_EQ(home.readFile("info/StiffnessCons.vkt"),
              QByteArray("MeasMs = 0.1234\r\nAssmas = 10.123456\r\nPoisra = 0.35\r\nDensit = 110\r\n"
                         "Slopes = 0.0625\r\nInterc = 0.0625\r\nDensi2 = 1762.04\r\n"));
    EXPECT_DOUBLE_EQ(state.StiffnessConstants[MeasMs].toDouble(), 0.1234);

    load();
    // 0.0625 ties at three decimals and goes to the even digit.
    EXPECT_EQ(texts(state.StiffnessConstants),
              QStringList({"0.12", "10.1235", "0.35", "110.0", "0.0625", "0.062", "1762.0"}));
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(StiffnessConstantsFileTest, EachLineLoadsItsKeyAndLeavesTheOthersAsTheyWere)
{
    // The constants before the load: MeasMs 0.15, Interc 0.100, Densi2 1700.0, the others empty.
    const std::vector<std::pair<QByteArray, QStringList>> cases{
        // Keys load in any order and only the first seven lines count.
        {"Densi2 = 1800\r\nPoisra = 0.3\r\nRemark = 5\r\nMeasMs = 0.2\r\nAssmas = 2\r\nDensit = 112\r\nSlopes = 0.5\r\n"
         "Interc = 9\r\n", {"0.20", "2.0000", "0.30", "112.0", "0.5000", "0.100", "1800.0"}},
        {"MeasMs = 0.12\r\nAssmas = 2", {"0.12", "2.0000", "", "", "", "0.100", "1700.0"}},
        // A value that is not a number loads as zero; "Densit =1" is not the key "Densit = ".
        {"MeasMs = abc\r\nPoisra = \r\nDensit =110\r\n", {"0.00", "", "0.00", "", "", "0.100", "1700.0"}},
        // An empty line sets all seven to zero, even those read before it.
        {"MeasMs = 0.12\r\nAssmas = 2\r\n\r\nDensit = 112\r\n", QStringList(StiffnessConstantCount, "0")},
    };
    for (const auto &[file, expected] : cases) {
        state.StiffnessConstants.fill(StiffnessConstant());
        state.StiffnessConstants[MeasMs] = StiffnessConstant::fromText("0.15");
        state.StiffnessConstants[Interc] = StiffnessConstant::fromText("0.100");
        state.StiffnessConstants[Densi2] = StiffnessConstant::fromText("1700.0");
        home.writeFile("info/StiffnessCons.vkt", file);
        load();
        EXPECT_EQ(texts(state.StiffnessConstants), expected) << file.constData();
    }
}

TEST_F(StiffnessConstantsFileTest, AMissingFileAsksAndNoGivesZerosWhileOtherModesDoNothing)
{
    state.StiffnessConstants[MeasMs] = StiffnessConstant::fromNumber(0.2);
    StiffnessConstantsFile(home.paths(), state, prompter).run(2);
    EXPECT_EQ(std::pair(prompter.shown.empty(), state.StiffnessConstants[MeasMs].toDouble()), std::pair(true, 0.2));

    load();
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(std::tuple(prompter.shown[0].text, prompter.shown[0].title, prompter.shown[0].buttons),
              std::tuple(QString("SG2150 Constants do not exist.  Do you want to setup constants now?"), program::title(), Prompter::Buttons::YesNo));
    for (const StiffnessConstant &c : state.StiffnessConstants)
        EXPECT_EQ(c, StiffnessConstant::fromNumber(0.0));
    EXPECT_FALSE(home.exists("info/StiffnessCons.vkt"));
}

TEST_F(StiffnessConstantsFileTest, YesRunsTheSetupAndKeepsWhatItAppliedOrGivesZerosWithoutAFile)
{
    test::ScriptedPrompter yes({Prompter::Answer::Yes, Prompter::Answer::Yes});
    int setups = 0;
    StiffnessConstantsFile file(home.paths(), state, yes, [&] {
        // The first setup applies and is cancelled; the second saves.
        state.StiffnessConstants.fill(StiffnessConstant::fromNumber(++setups == 1 ? 5 : 0.1234));
        if (setups == 2)
            StiffnessConstantsFile(home.paths(), state, yes).run(1);
    });
    file.run(0);
    for (const StiffnessConstant &c : state.StiffnessConstants)
        EXPECT_EQ(c.toDouble(), 0.0);
    file.run(0);
    // Held as applied, not as a load would format them.
    EXPECT_EQ(std::tuple(setups, state.StiffnessConstants[MeasMs].text(), home.exists("info/StiffnessCons.vkt")), std::tuple(2, QString("0.1234"), true));
}

} // namespace
