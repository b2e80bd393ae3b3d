#include "app/ProjectFileCommands.h"
#include "support/BrowsingTables.h"
#include "support/ScriptedFileChooser.h"
#include "support/ScriptedPrompter.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using namespace valtrane;
using Answer = Prompter::Answer;

namespace {

class ProjectFileCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::addTables(home.paths(), test::sampleProject(NG7700B));
        std::tie(state.DeviceCode, state.Table_List, state.LastFolder) = std::tuple(NG7700B, test::sampleTableList(NG7700B), home.path());
        test::writeRegistry(home.paths(), NG7700B, state.Table_List);
        home.writeFile("projects/site.txt", "old");
    }

    QByteArray written(const QString &list) { return test::writtenText(home.paths(), NG7700B, list); }
    QString file(const QString &name) const { return home.path() + "/projects/" + name; }

    test::TempHome home;
    AppState state;
    test::ScriptedPrompter prompter;
    test::ScriptedFileChooser chooser;
    app::ProjectFileCommands commands{home.paths(), state, prompter, chooser};
    const QString existing = file("site.txt");
};

} // namespace

TEST_F(ProjectFileCommandsTest, SaveAllWritesEveryProjectToTheChosenFileSayingWhere)
{
    chooser.choices = {file("new.txt")};
    commands.save(false);
    ASSERT_EQ(chooser.shown.size(), 1u);
    EXPECT_EQ(std::tuple(chooser.shown[0].save, chooser.shown[0].request.folder, chooser.shown[0].request.filter),
              std::tuple(true, home.path(), QString("Text File (*.txt)")));
    EXPECT_EQ(home.readFile("projects/new.txt"), written(state.Table_List));
    EXPECT_EQ(prompter.texts(), QStringList{"Project(s) Saved to " + file("new.txt") + "."});
    EXPECT_EQ(std::pair(prompter.shown[0].title, prompter.shown[0].buttons),
              std::pair(QString("Valtrane Download Save Results"), Prompter::Buttons::Ok));
    EXPECT_EQ(state.LastFolder, home.path() + "/projects");
}

TEST_F(ProjectFileCommandsTest, SaveSelectedWritesTheProjectOnScreenOrAllWhenNoneIs)
{
    chooser.choices = {file("all.txt"), file("one.txt")};
    commands.save(true);
    EXPECT_EQ(home.readFile("projects/all.txt"), written(state.Table_List));
    state.CurrentTable = "77";
    commands.save(true);
    EXPECT_EQ(home.readFile("projects/one.txt"), written("7.7 "));
    EXPECT_NE(written("7.7 "), written(state.Table_List));
}

TEST_F(ProjectFileCommandsTest, CancelInTheDialogOrAtTheQuestionSavesNothing)
{
    commands.save(false);
    chooser.choices = {existing};
    prompter = test::ScriptedPrompter({Answer::Cancel});
    commands.save(true);
    EXPECT_EQ(chooser.shown.size(), 2u);
    EXPECT_EQ(prompter.texts(), QStringList{existing + " already exists.  Do you want to overwrite?"});
    EXPECT_EQ(prompter.shown[0].buttons, Prompter::Buttons::YesNoCancel);
    EXPECT_EQ(std::pair(state.LastFolder, home.readFile("projects/site.txt")), std::pair(home.path() + "/projects", QByteArray("old")));
}

TEST_F(ProjectFileCommandsTest, OverwriteQuestionNoShowsTheDialogAgainUntilYesReplacesTheFile)
{
    chooser.choices = {existing, existing};
    prompter = test::ScriptedPrompter({Answer::No, Answer::Yes});
    commands.save(false);
    EXPECT_EQ(std::pair(chooser.shown.size(), prompter.shown.size()), std::pair(size_t(2), size_t(3)));
    EXPECT_EQ(home.readFile("projects/site.txt"), written(state.Table_List));
}

TEST_F(ProjectFileCommandsTest, ASaveThatFailsEndsQuietly)
{
    QDir().mkpath(file("folder.txt"));
    chooser.choices = {file("folder.txt")};
    prompter = test::ScriptedPrompter({Answer::Yes});
    commands.save(false);
    EXPECT_EQ(prompter.texts(), QStringList{file("folder.txt") + " already exists.  Do you want to overwrite?"});
    EXPECT_TRUE(QFileInfo(file("folder.txt")).isDir());
}

TEST_F(ProjectFileCommandsTest, CancelInTheOpenDialogChoosesNothing)
{
    EXPECT_FALSE(commands.chooseOpenFile());
    EXPECT_EQ(state.LastFolder, home.path());
}

TEST_F(ProjectFileCommandsTest, OpeningAMissingFileShowsTheDialogAgainAfterSayingSo)
{
    chooser.choices = {file("gone.txt"), existing};
    EXPECT_EQ(commands.chooseOpenFile(), existing);
    EXPECT_EQ(prompter.texts(), QStringList{"Selected File does not exist.  Check file name and path."});
    ASSERT_EQ(chooser.shown.size(), 2u);
    EXPECT_EQ(std::pair(chooser.shown[0].save, chooser.shown[1].request.folder), std::pair(false, home.path() + "/projects"));
}

TEST_F(ProjectFileCommandsTest, AFileThatIsNoSavedProjectIsRefusedWithAMessage)
{
    home.writeFile("projects/notes.txt", "Notes from the site visit\r\n 1 \r\n");
    EXPECT_FALSE(commands.openFile(file("notes.txt")));
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_TRUE(prompter.shown[0].text.contains("notes.txt"));
    EXPECT_EQ(state.Table_List, test::sampleTableList(NG7700B));
}
