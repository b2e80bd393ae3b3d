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

QString decimal(double value, int decimals) { return QString::number(value, 'f', decimals); }
QString whole(int value) { return QString::number(value); }
QString twoDigits(int value) { return QStringLiteral("%1").arg(value, 2, 10, QChar('0')); }

QByteArray ng7700aDownload()
{
    const QStringList projects{"12.4", "7", "15.2"};
    test::Ng7700aSection soil{"23817", "03/14/05", {}}, asphalt{"23817", "03/14/05", {}};
    for (int n = 1; n <= 500; ++n) {
        const bool isAsphalt = n % 5 == 0;
        QStringList r{whole(n), QStringLiteral("01/%1/06").arg(10 + n % 20), projects[(n / 40) % 3], whole(1000 + 7 * n), decimal((n % 9) - 4.0, 1),
                      isAsphalt ? "BS" : whole(4 + n % 8), isAsphalt ? "A" : "S", decimal((n % 5) * 0.5, 1), decimal(n % 3, 1), whole(2800 + n % 20),
                      whole(640 + n % 15), whole(1600 + n % 300), whole(90 + n % 40), decimal(2.6 + (n % 3) * 0.05, 2), whole(n % 7),
                      decimal(120 + (n % 30) * 0.5, 1)};
        if (isAsphalt)
            r << decimal(5 + (n % 10) * 0.1, 1) << decimal(140 + (n % 40) * 0.1, 1) << decimal(90 + (n % 80) * 0.1, 1);
        else
            r << decimal(120 + (n % 50) * 0.3, 1) << decimal(110 + (n % 40) * 0.3, 1) << decimal(10 + (n % 30) * 0.1, 1)
              << decimal(9 + (n % 20) * 0.1, 1) << decimal(90 + (n % 80) * 0.1, 1);
        (isAsphalt ? asphalt : soil).readings.append(r);
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
            {whole(r), whole(8 + r / 60) + ":" + twoDigits(r % 60), whole(n % 30) + "+00", whole(n % 40) + "+50", n % 3 ? whole(n % 12) + "R" : "CL",
             whole(n % 50) + "+00", whole(1 + n % 3), whole(4 + n % 8), n % 6 ? "S" : "A", decimal((n % 4) * 0.5, 1), whole(1700 + n % 250),
             whole(100 + n % 40), decimal(2 + (n % 20) * 0.1, 1), decimal(120 + (n % 50) * 0.3, 1), decimal(110 + (n % 40) * 0.3, 1),
             decimal(10 + (n % 30) * 0.1, 1), n % 9 ? decimal(9 + (n % 20) * 0.1, 1) : QString(), n % 11 ? decimal(90 + (n % 80) * 0.1, 1) : QString(),
             n % 4 ? "OK" : QString()});
    }
    return test::savedProject(NG7700B, test::ng7700bReport("31560", "06/21/05", projects));
}

QByteArray sg2150Download()
{
    QList<test::Sg2150Run> runs;
    for (int run = 1; run <= 23; ++run) {
        runs.append({{whole(run), decimal(1 + run * 0.25, 2), "0.9871", "01/16/06", "09:" + whole(10 + run) + ":12"}, {}});
        // Force ratios of one character are left out: the listing cannot carry them.
        for (int b = 1, n = run * 25 + 1; run <= 20 && b <= 25; ++b, ++n)
            runs.last().bins.append({whole(b), whole(96 + 4 * b), whole(-300 + n % 600), whole(-250 + n % 500), whole(-400 + n % 800),
                                     whole(-350 + n % 700), whole(8000 + n % 7000), whole(-17000 + n % 10000), whole(1100 + n % 1900),
                                     whole(-5800 + n % 4600), whole(n % 23 == 0), whole(n % 29 == 0), decimal(20 + (n % 200) * 0.1, 1),
                                     decimal(20 + (n % 190) * 0.1, 1)});
    }
    return test::savedProject(SG2150, test::sg2150Report(runs));
}

class RoundTrip : public ::testing::TestWithParam<int> {
protected:
    size_t roundTrip(const QByteArray &download)
    {
        home.writeFile(QStringLiteral("download.txt"), download);
        if (!open(QStringLiteral("download.txt")))
            return 0;
        const auto before = test::ProjectSnapshot::of(home.paths());
        const AppState opened = state;
        EXPECT_FALSE(opened.Table_List.isEmpty());
        db::Database connection;
        const auto saved = project::ProjectSave(home.paths(), state).saveAll(connection, home.path() + QStringLiteral("/saved.txt"), true);
        EXPECT_EQ(saved.outcome, project::ProjectSave::Outcome::Saved) << saved.message.toStdString();
        connection.close();
        EXPECT_TRUE(open(QStringLiteral("saved.txt")));
        EXPECT_EQ(std::pair(state.Table_List, state.DeviceCode), std::pair(opened.Table_List, opened.DeviceCode));
        EXPECT_EQ(test::ProjectSnapshot::difference(before, test::ProjectSnapshot::of(home.paths())), "");
        size_t rows = 0;
        for (const auto &table : before.tables)
            rows += table.second.size();
        return rows;
    }
    bool open(const QString &name)
    {
        const auto result = project::ProjectOpen::open(home.paths(), state, home.path() + QLatin1Char('/') + name);
        EXPECT_TRUE(result.opened) << name.toStdString() << ": " << result.error.toStdString();
        return result.opened;
    }

    test::TempHome home;
    AppState state;
};

TEST_P(RoundTrip, GaugeReportsAndLargeNuclearAndStiffnessDownloadsComeBackTheSame)
{
    const int model = GetParam();
    roundTrip(test::savedProject(model, parse::sampleStream(model)));
    const std::array<QByteArray (*)(), 4> downloads{nullptr, ng7700aDownload, ng7700bDownload, sg2150Download};
    // Besides the readings: the project header records of the NG7700B, the run header records of
    // the SG2150 and its three summary runs.
    const std::array<size_t, 4> rows{0, 500, 502, 523};
    EXPECT_EQ(downloads[size_t(model)] ? roundTrip(downloads[size_t(model)]()) : 0, rows[size_t(model)]);
}

INSTANTIATE_TEST_SUITE_P(EveryGaugeModel, RoundTrip, ::testing::Values(LD4800, NG7700A, NG7700B, SG2150),
                         [](const auto &info) { return std::string(std::array{"LD4800", "NG7700A", "NG7700B", "SG2150"}[info.param]); });

} // namespace
