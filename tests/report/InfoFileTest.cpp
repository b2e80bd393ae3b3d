#include "report/InfoFile.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using namespace valtrane;

TEST(InfoFile, AllEmptyFieldsWriteNineEmptyLinesAndTheRootCaption)
{
    test::TempHome home;
    AppState written;
    written.TreeRootCaption = "Projects (site.txt)";
    ASSERT_TRUE(report::InfoFile::write(home.paths(), written));
    EXPECT_EQ(home.readFile("info/Info.vkt"), QByteArray("\"Empty\rEmpty\rEmpty\rEmpty\rEmpty\rEmpty\rEmpty\rEmpty\rEmpty\rProjects (site.txt)\r\"\r\n"));
}

TEST(InfoFile, FilledFieldsAndTheRootCaptionReadBack)
{
    test::TempHome home;
    AppState written;
    written.TreeRootCaption = "Projects (site.txt)";
    written.CInfo = {"Acme Soil Lab", "12 Main St", "Gainesville, FL 32601", "352-555-0100", "352-555-0101", "lab@acme.test", "SR 26 widening", "NG-1234", "J. Smith"};
    ASSERT_TRUE(report::InfoFile::write(home.paths(), written));
    AppState read;
    report::InfoFile::read(home.paths(), read);
    EXPECT_EQ(read.CInfo, written.CInfo);
    EXPECT_EQ(read.TreeRootCaption, written.TreeRootCaption);
}

TEST(InfoFile, AMissingOrShortFileFillsOnlyTheFieldsItHas)
{
    test::TempHome home;
    AppState state;
    state.CInfo[1] = "kept";
    report::InfoFile::read(home.paths(), state);
    EXPECT_EQ(state.CInfo[0], "Empty");
    home.writeFile("info/Info.vkt", "\"Acme\r\rGainesville\r\"\r\n");
    state.TreeRootCaption = "Projects";
    report::InfoFile::read(home.paths(), state);
    EXPECT_EQ(state.CInfo, (decltype(state.CInfo){"Acme", "kept", "Gainesville", "Empty", "Empty", "Empty", "Empty", "Empty", "Empty"}));
    EXPECT_EQ(state.TreeRootCaption, "Projects");
}
