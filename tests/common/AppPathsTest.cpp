#include "common/AppPaths.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using namespace valtrane;

TEST(AppPaths, NamesMatchFilesOnDiskWithoutRegardToCase)
{
    test::TempHome home;
    home.writeFile("info/DBTBLES.VKT", "1\r\n");
    home.writeFile("Images/IRICON.ICO", "x");
    EXPECT_EQ((QStringList{home.paths().tableRegistry(), home.paths().image("iricon.ico")}),
              (QStringList{home.path() + "/info/DBTBLES.VKT", home.path() + "/Images/IRICON.ICO"}));
    // Each model keeps its own grid layouts; a code that is no model has none.
    EXPECT_EQ((QStringList{home.paths().columnLayout(0), home.paths().headerLayout(2), home.paths().columnLayout(7)}),
              (QStringList{home.path() + "/info/LayoutM.vkt", home.path() + "/info/LayoutZhdr.vkt", ""}));
}

TEST(AppPaths, HomeOptionWinsOverEnvironmentAndExecutableFolderAndNeedsAFolder)
{
    qputenv("VALTRANE_HOME", "/from/env");
    EXPECT_EQ(AppPaths::chooseProgramFolder({"prog", "--home", "/a"}, "/exe"), "/a");
    EXPECT_EQ(AppPaths::chooseProgramFolder({"prog", "--home=/b", "tables"}, "/exe"), "/b");
    EXPECT_EQ(AppPaths::chooseProgramFolder({"prog", "tables"}, "/exe"), "/from/env");
    qunsetenv("VALTRANE_HOME");
    EXPECT_EQ(AppPaths::chooseProgramFolder({"prog", "tables"}, "/exe"), "/exe");

    const std::pair<QStringList, bool> cases[] = {
        {{"prog", "tables", "--home"}, false}, {{"prog", "--home=", "tables"}, false}, {{"prog", "--home", "", "tables"}, false},
        {{"prog", "--home", "/a", "tables", "--home="}, false}, {{"prog", "tables"}, true}, {{"prog", "--home", "/a", "tables"}, true},
        {{"prog", "--home=/b", "tables"}, true}};
    for (const auto &[args, right] : cases)
        EXPECT_EQ(AppPaths::homeOptionError(args).isEmpty(), right) << qPrintable(args.join(' '));
}
