#include "project/ProjectOpen.h"

#include "support/CliRunner.h"
#include "support/HomeProjectState.h"

#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

using namespace valtrane;

namespace {

#ifdef Q_OS_UNIX

QByteArray largeProject()
{
    QByteArray test = "CBR/LBR TEST\r\n\r\nRD #,     TIME,       LOAD,         PEN,        NONE,           CH 4\r\n";
    for (int reading = 1; reading <= 4000; ++reading)
        test += QByteArray::number(reading).rightJustified(4, ' ') + ",    00:30,    12.3456,       0.125,           0,           -1.5\r\n";
    return " 0 \r\n" + (test + "END\r\n\r\n").repeated(12);
}

class ProjectOpenFaults : public ::testing::Test {
protected:
    void SetUp() override
    {
        home.writeFile("previous.txt", test::sampleProjectFile(SG2150));
        static const QByteArray large = largeProject();
        home.writeFile("large.txt", large);
        AppState state;
        ASSERT_TRUE(project::ProjectOpen::open(home.paths(), state, home.path() + "/previous.txt").opened);
        previous = test::HomeProjectState::of(home);
    }

    std::string afterRestart(const test::HomeProjectState &expected)
    {
        const auto tables = test::runCli(home.path(), {"tables"});
        EXPECT_EQ(tables.exitCode, 0) << tables.err.constData();
        return test::projectStateDifference(home, expected);
    }

    test::TempHome home;
    test::HomeProjectState previous;
};

TEST_F(ProjectOpenFaults, KilledAtAnyPointTheNextStartFindsThePreviousProjectOrTheWholeNewOne)
{
    test::TempHome whole;
    whole.writeFile("large.txt", home.readFile("large.txt"));
    AppState state;
    ASSERT_TRUE(project::ProjectOpen::open(whole.paths(), state, whole.path() + "/large.txt").opened);
    const auto opened = test::HomeProjectState::of(whole);
    const QString newDatabase = home.paths().newDatabase();
    bool sawPrevious = false;
    // Bytes of the new database written when the program is killed; past the end, after the open.
    for (qint64 writtenBytes : {qint64(1), qint64(1024 * 1024), qint64(1) << 40}) {
        SetUp();
        QProcess open;
        open.start(test::cliPath(), {"--home", home.path(), "open", home.path() + "/large.txt"});
        ASSERT_TRUE(open.waitForStarted());
        while (!open.waitForFinished(1) && QFileInfo(newDatabase).size() + QFileInfo(newDatabase + "-wal").size() < writtenBytes) {
        }
        if (const qint64 pid = open.processId(); pid > 0)
            ::kill(pid_t(pid), SIGKILL);
        open.waitForFinished();
        const bool wasPrevious = afterRestart(previous).empty();
        sawPrevious = sawPrevious || wasPrevious;
        EXPECT_TRUE(wasPrevious || afterRestart(opened).empty()) << "killed after " << writtenBytes << " bytes";
        EXPECT_EQ(test::runCli(home.path(), {"save", home.path() + "/again.txt", "--force"}).exitCode, 0) << writtenBytes;
    }
    EXPECT_TRUE(sawPrevious);
}

TEST_F(ProjectOpenFaults, AFullDiskRefusesTheOpenAndKeepsThePreviousProject)
{
    QProcess open;
    open.setChildProcessModifier([] {
        // Files of the open cannot grow past a megabyte, as on a nearly full disk.
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{1024 * 1024, 1024 * 1024};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    });
    open.start(test::cliPath(), {"--home", home.path(), "open", home.path() + "/large.txt"});
    ASSERT_TRUE(open.waitForFinished(120000));
    EXPECT_EQ(open.exitCode(), 1);
    EXPECT_TRUE(open.readAllStandardError().contains("status 909"));
    EXPECT_EQ(afterRestart(previous), "");
}

#endif

} // namespace
