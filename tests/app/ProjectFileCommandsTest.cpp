#include "app/ProjectFileCommands.h"
#include "support/BrowsingTables.h"
#include "support/ProjectTables.h"
#include "support/ScriptedFileChooser.h"
#include "support/ScriptedPrompter.h"
#include "support/TempHome.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace valtrane;
using Answer = Prompter::Answer;

namespace {

class ProjectFileCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::addTables(home.paths(), test::sampleProject(NG7700B));
        state.DeviceCode = NG7700B;
        state.Table_List = test::sampleTableList(NG7700B);
        test::writeRegistry(home.paths(), NG7700B, state.Table_List);
        state.LastFolder = home.path();
        home.writeFile("projects/site.txt", "old");
    }

    QByteArray written(const QString &list) { return test::writtenText(home.paths(), NG7700B, list); }

    test::TempHome home;
    AppState state;
    test::ScriptedPrompter prompter;
    test::ScriptedFileChooser chooser;
    app::ProjectFileCommands commands{home.paths(), state, prompter, chooser};
    const QString existing = home.path() + "/projects/site.txt";
    const QString fresh = home.path() + "/projects/new.txt";
};

} // namespace

TEST_F(ProjectFileCommandsTest, SavingWritesEveryProjectOrTheOneOnScreenAndSaysWhere)
{
    chooser.choices = {fresh};
    commands.save(false);
    ASSERT_EQ(chooser.shown.size(), 1u);
    EXPECT_TRUE(chooser.shown[0].save);
    EXPECT_EQ(chooser.shown[0].request.folder, home.path());
    EXPECT_EQ(chooser.shown[0].request.filter, "Text File (*.txt)");
    EXPECT_EQ(home.readFile("projects/new.txt"), written(state.Table_List));
    EXPECT_EQ(prompter.texts(), QStringList{"Project(s) Saved to " + fresh + "."});
    EXPECT_EQ(prompter.shown[0].title, "Valtrane Download Save Results");
    EXPECT_EQ(prompter.shown[0].buttons, Prompter::Buttons::Ok);
    EXPECT_EQ(state.LastFolder, home.path() + "/projects");

    // Saving the selected project with none on screen saves them all.
    chooser.choices = {home.path() + "/projects/all.txt"};
    commands.save(true);
    EXPECT_EQ(home.readFile("projects/all.txt"), written(state.Table_List));
    state.CurrentTable = "77";
    chooser.choices = {home.path() + "/projects/one.txt"};
    commands.save(true);
    const QByteArray one = home.readFile("projects/one.txt");
    EXPECT_EQ(one, written("7.7 "));
    EXPECT_NE(one, home.readFile("projects/all.txt"));
}

TEST_F(ProjectFileCommandsTest, CancelSavesNothingNoAtTheOverwriteQuestionShowsTheDialogAgainAndYesReplaces)
{
    commands.save(false);
    chooser.choices = {existing};
    prompter = test::ScriptedPrompter({Answer::Cancel});
    commands.save(true);
    EXPECT_EQ(chooser.shown.size(), 2u);
    EXPECT_EQ(prompter.texts(), QStringList{existing + " already exists.  Do you want to overwrite?"});
    EXPECT_EQ(prompter.shown[0].buttons, Prompter::Buttons::YesNoCancel);
    EXPECT_EQ(state.LastFolder, home.path() + "/projects");
    EXPECT_EQ(home.readFile("projects/site.txt"), "old");

    chooser.choices = {existing, existing};
    prompter = test::ScriptedPrompter({Answer::No, Answer::Yes});
    commands.save(false);
    EXPECT_EQ(chooser.shown.size(), 4u);
    ASSERT_EQ(prompter.shown.size(), 3u);
    EXPECT_EQ(home.readFile("projects/site.txt"), written(state.Table_List));
}

TEST_F(ProjectFileCommandsTest, ASaveThatFailsEndsQuietlyAndDoesNotClaimTheProjectsWereSaved)
{
    const QString folder = home.path() + "/projects/folder.txt";
    QDir().mkpath(folder);
    chooser.choices = {folder};
    prompter = test::ScriptedPrompter({Answer::Yes});
    commands.save(false);
    EXPECT_EQ(prompter.texts(), QStringList{folder + " already exists.  Do you want to overwrite?"});
    EXPECT_TRUE(QFileInfo(folder).isDir());
}

TEST_F(ProjectFileCommandsTest, OpeningChoosesNothingOnCancelAndSaysWhenAFileIsMissingAndAsksAgain)
{
    EXPECT_FALSE(commands.chooseOpenFile());
    EXPECT_EQ(state.LastFolder, home.path());

    chooser.choices = {home.path() + "/projects/gone.txt", existing};
    EXPECT_EQ(commands.chooseOpenFile(), existing);
    EXPECT_EQ(prompter.texts(), QStringList{"Selected File does not exist.  Check file name and path."});
    EXPECT_EQ(prompter.shown[0].title, "Valtrane IR Download");
    ASSERT_EQ(chooser.shown.size(), 3u);
    EXPECT_FALSE(chooser.shown[1].save);
    EXPECT_EQ(chooser.shown[2].request.folder, home.path() + "/projects");
}

TEST_F(ProjectFileCommandsTest, AFileThatIsNoSavedProjectIsRefusedWithAMessage)
{
    home.writeFile("projects/notes.txt", "Notes from the site visit\r\n 1 \r\n");
    EXPECT_FALSE(commands.openFile(home.path() + "/projects/notes.txt"));
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_TRUE(prompter.shown[0].text.contains("notes.txt"));
    EXPECT_EQ(state.Table_List, test::sampleTableList(NG7700B));
}
