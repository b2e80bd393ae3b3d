#include "common/AppState.h"
#include "db/Database.h"
#include "project/ProjectOpen.h"
#include "project/ProjectSave.h"
#include "parse/SampleStreams.h"
#include "support/ProjectSnapshot.h"
#include "support/StreamBuilders.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using namespace valtrane;

namespace {

// A download kept as text, opened, saved and opened again, comes back the same, table for table
// and value for value.
class RoundTrip : public ::testing::TestWithParam<int> {
protected:
    bool open(const QString &name)
    {
        const auto result = project::ProjectOpen::open(home.paths(), state, home.path() + QLatin1Char('/') + name);
        EXPECT_TRUE(result.opened) << result.error.toStdString();
        return result.opened;
    }

    // Opens the download, saves it and opens the saved file; both databases are compared.
    void roundTrip(const QByteArray &download)
    {
        home.writeFile(QStringLiteral("download.txt"), download);
        ASSERT_TRUE(open(QStringLiteral("download.txt")));
        const auto before = test::ProjectSnapshot::of(home.paths());
        for (const auto &table : before.tables)
            downloadRows += table.second.size();
        const AppState opened = state;
        ASSERT_FALSE(opened.Table_List.isEmpty());
        db::Database connection;
        const auto saved = project::ProjectSave(home.paths(), state).saveAll(connection, home.path() + QStringLiteral("/saved.txt"), true);
        ASSERT_EQ(saved.outcome, project::ProjectSave::Outcome::Saved) << saved.message.toStdString();
        connection.close();
        ASSERT_TRUE(open(QStringLiteral("saved.txt")));
        EXPECT_EQ(state.Table_List, opened.Table_List);
        EXPECT_EQ(state.DeviceCode, opened.DeviceCode);
        EXPECT_EQ(test::ProjectSnapshot::difference(before, test::ProjectSnapshot::of(home.paths())), "");
    }

    test::TempHome home;
    AppState state;
    size_t downloadRows = 0;
};

// Downloads of 500 readings (bins for the stiffness gauge), with values that change from reading
// to reading.
QString decimal(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

QByteArray ld4800Download()
{
    QList<test::Ld4800Test> tests{{"CBR/LBR TEST", {"LOAD", "PENETRATN", "SWELL", "()"}, {}},
                                  {"TRIAXIAL TEST", {"LOAD", "DEFORM", "()", "PRESSURE"}, {}}};
    for (int n = 1; n <= 500; ++n) {
        const int r = n <= 300 ? n : n - 300;
        tests[n <= 300 ? 0 : 1].readings.append({QString::number(r), QStringLiteral("00:%1:%2").arg(r / 60, 2, 10, QChar('0')).arg(r % 60, 2, 10, QChar('0')),
                                                 decimal(r * 1.3125, 4), decimal(r * 0.0025, 4), decimal((n % 17) * 0.0125, 4), decimal(-(n % 5) * 0.5, 4)});
    }
    return test::savedProject(LD4800, test::ld4800Report(tests));
}

QStringList ng7700aReading(int n, const QString &project, bool asphalt)
{
    QStringList r{QString::number(n), QStringLiteral("01/%1/06").arg(10 + n % 20), project, QString::number(1000 + 7 * n), decimal((n % 9) - 4.0, 1),
                  asphalt ? QStringLiteral("BS") : QString::number(4 + n % 8), asphalt ? QStringLiteral("A") : QStringLiteral("S"),
                  decimal((n % 5) * 0.5, 1), decimal(n % 3, 1), QString::number(2800 + n % 20), QString::number(640 + n % 15),
                  QString::number(1600 + n % 300), QString::number(90 + n % 40), decimal(2.6 + (n % 3) * 0.05, 2), QString::number(n % 7),
                  decimal(120 + (n % 30) * 0.5, 1)};
    if (asphalt)
        r << decimal(5 + (n % 10) * 0.1, 1) << decimal(140 + (n % 40) * 0.1, 1) << decimal(90 + (n % 80) * 0.1, 1);
    else
        r << decimal(120 + (n % 50) * 0.3, 1) << decimal(110 + (n % 40) * 0.3, 1) << decimal(10 + (n % 30) * 0.1, 1)
          << decimal(9 + (n % 20) * 0.1, 1) << decimal(90 + (n % 80) * 0.1, 1);
    return r;
}

QByteArray ng7700aDownload()
{
    const QStringList projects{"12.4", "7", "15.2"};
    test::Ng7700aSection soil{"23817", "03/14/05", {}};
    test::Ng7700aSection asphalt{"23817", "03/14/05", {}};
    for (int n = 1; n <= 500; ++n) {
        const bool isAsphalt = n % 5 == 0;
        (isAsphalt ? asphalt : soil).readings.append(ng7700aReading(n, projects[(n / 40) % 3], isAsphalt));
    }
    return test::savedProject(NG7700A, test::ng7700aReport({soil, asphalt}));
}

QByteArray ng7700bDownload()
{
    QList<test::Ng7700bProject> projects{{"12.4", {"01/16/06", "2815", "652", "0", "2.7", "128.5", "95"}, {}},
                                         {"7", {"01/17/06", "2809", "649", "1.5", "2.65", "121", "90"}, {}}};
    for (int n = 1; n <= 500; ++n) {
        const int r = n <= 250 ? n : n - 250;
        projects[n <= 250 ? 0 : 1].readings.append(
            {QString::number(r), QStringLiteral("%1:%2").arg(8 + r / 60).arg(r % 60, 2, 10, QChar('0')), QStringLiteral("%1+00").arg(n % 30),
             QStringLiteral("%1+50").arg(n % 40), n % 3 ? QStringLiteral("%1R").arg(n % 12) : QStringLiteral("CL"), QStringLiteral("%1+00").arg(n % 50),
             QString::number(1 + n % 3), QString::number(4 + n % 8), n % 6 ? QStringLiteral("S") : QStringLiteral("A"), decimal((n % 4) * 0.5, 1),
             QString::number(1700 + n % 250), QString::number(100 + n % 40), decimal(2 + (n % 20) * 0.1, 1), decimal(120 + (n % 50) * 0.3, 1),
             decimal(110 + (n % 40) * 0.3, 1), decimal(10 + (n % 30) * 0.1, 1), n % 9 ? decimal(9 + (n % 20) * 0.1, 1) : QString(),
             n % 11 ? decimal(90 + (n % 80) * 0.1, 1) : QString(), n % 4 ? QStringLiteral("OK") : QString()});
    }
    return test::savedProject(NG7700B, test::ng7700bReport("31560", "06/21/05", projects));
}

QByteArray sg2150Download()
{
    QList<test::Sg2150Run> runs;
    for (int run = 1; run <= 23; ++run) {
        test::Sg2150Run r{{QString::number(run), decimal(1 + run * 0.25, 2), "0.9871", "01/16/06", QStringLiteral("09:%1:12").arg(10 + run)}, {}};
        for (int b = 1; run <= 20 && b <= 25; ++b) {
            const int n = run * 25 + b;
            // Force ratios of one character are left out: the listing cannot carry them.
            r.bins.append({QString::number(b), QString::number(96 + 4 * b), QString::number(-300 + n % 600), QString::number(-250 + n % 500),
                           QString::number(-400 + n % 800), QString::number(-350 + n % 700), QString::number(8000 + n % 7000),
                           QString::number(-17000 + n % 10000), QString::number(1100 + n % 1900), QString::number(-5800 + n % 4600),
                           QString::number(n % 23 == 0 ? 1 : 0), QString::number(n % 29 == 0 ? 1 : 0), decimal(20 + (n % 200) * 0.1, 1),
                           decimal(20 + (n % 190) * 0.1, 1)});
        }
        runs.append(r);
    }
    return test::savedProject(SG2150, test::sg2150Report(runs));
}

TEST_P(RoundTrip, DownloadOfFiveHundredReadingsComesBackTheSame)
{
    const std::array downloads{ld4800Download, ng7700aDownload, ng7700bDownload, sg2150Download};
    // Besides the readings: the project header records of the NG7700B, the run header records of
    // the SG2150 and its three summary runs.
    const std::array<size_t, 4> rows{500, 500, 502, 523};
    roundTrip(downloads[size_t(GetParam())]());
    EXPECT_EQ(downloadRows, rows[size_t(GetParam())]);
}

TEST_P(RoundTrip, GaugeReportComesBackTheSame)
{
    const int model = GetParam();
    roundTrip(test::savedProject(model, parse::sampleStream(model)));
}

INSTANTIATE_TEST_SUITE_P(EveryGaugeModel, RoundTrip, ::testing::Values(LD4800, NG7700A, NG7700B, SG2150),
                         [](const auto &info) { return std::string(std::array{"LD4800", "NG7700A", "NG7700B", "SG2150"}[info.param]); });

} // namespace
