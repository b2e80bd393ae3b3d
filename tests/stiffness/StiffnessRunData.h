#pragma once

#include "common/StiffnessConstants.h"
#include "db/CreateDatabase.h"
#include "db/Database.h"
#include "db/Recordset.h"
#include "db/TableKinds.h"
#include "stiffness/ComputeStiffnessRun.h"

#include <QString>
#include <QVariant>
#include <gtest/gtest.h>
#include <vector>

namespace valtrane::test {

struct BinCounts {
    int bin, frequency;
    int realDisplNd, realForceNd, imagDisplNd, imagForceNd;
    int realDisplSd, realForceSd, imagDisplSd, imagForceSd;
    int noiseOverload, signalOverload;
};

// A run of 25 bins at 100 to 196 Hz: noise a few counts off the 2048 midpoint, signal displacement
// about +1 V, signal force about -3 V. Bin 7 has its signal overload flag set, bin 18 its noise flag.
inline const std::vector<BinCounts> &twentyFiveBins()
{
    static const std::vector<BinCounts> bins = [] {
        std::vector<BinCounts> list;
        for (int n = 1; n <= 25; ++n)
            list.push_back({n, 96 + 4 * n, 2051 + n % 5, 2053 + n % 4, 2046 - n % 3, 2044 + n % 2, 2448 + 7 * n,
                            848 + 11 * n, 2198 - 3 * n, 1548 + 5 * n, n == 18, n == 7});
        return list;
    }();
    return bins;
}

inline StiffnessConstants loadedConstants()
{
    StiffnessConstants c;
    const char *texts[] = {"0.12", "0.8000", "0.35", "110.0", "0.2500", "0.500", "1762.0"};
    for (int i = 0; i < StiffnessConstantCount; ++i)
        c[size_t(i)] = StiffnessConstant::fromText(QString::fromLatin1(texts[i]));
    return c;
}

inline stiffness::StiffnessRecord headerRecord(int run, float measure, float calFactor)
{
    stiffness::StiffnessRecord r;
    r.binNumber = run > 20 ? run : 0;
    r.runNumber = run;
    r.measure = measure;
    r.calFactor = calFactor;
    r.date = QStringLiteral("04/12/03");
    r.time = QStringLiteral("10:15:00");
    return r;
}

inline stiffness::StiffnessRecord binRecord(const BinCounts &b)
{
    stiffness::StiffnessRecord r;
    r.binNumber = b.bin;
    r.frequency = b.frequency;
    r.realDisplNd = b.realDisplNd, r.realForceNd = b.realForceNd, r.imagDisplNd = b.imagDisplNd, r.imagForceNd = b.imagForceNd;
    r.realDisplSd = b.realDisplSd, r.realForceSd = b.realForceSd, r.imagDisplSd = b.imagDisplSd, r.imagForceSd = b.imagForceSd;
    r.noiseOverload = b.noiseOverload, r.signalOverload = b.signalOverload;
    return r;
}

inline void storeRun(const AppPaths &paths, db::Database &database, QString name, const std::vector<stiffness::StiffnessRecord> &records)
{
    db::CreateDatabase creator(paths);
    ASSERT_EQ(creator.AddTable(name, db::StiffnessRunTable, &database), 0);
    auto rs = database.openRecordset(QStringLiteral("SELECT * FROM ") + name);
    ASSERT_TRUE(rs);
    for (const stiffness::StiffnessRecord &r : records) {
        ASSERT_TRUE(rs->addNew());
        const std::pair<const char16_t *, QVariant> fields[] = {
            {u"RUN_NUMBER", r.runNumber}, {u"MEASURE", r.measure}, {u"CALFACTOR", r.calFactor}, {u"DATE", r.date},
            {u"TIME", r.time}, {u"BIN_NUMBER", r.binNumber}, {u"FREQUENCY", r.frequency},
            {u"REAL_DISPL_ND", r.realDisplNd}, {u"REAL_FORCE_ND", r.realForceNd}, {u"IMAG_DISPL_ND", r.imagDisplNd},
            {u"IMAG_FORCE_ND", r.imagForceNd}, {u"REAL_DISPL_SD", r.realDisplSd}, {u"REAL_FORCE_SD", r.realForceSd},
            {u"IMAG_DISPL_SD", r.imagDisplSd}, {u"IMAG_FORCE_SD", r.imagForceSd}, {u"NOISE_OL_FLAG", r.noiseOverload},
            {u"SIGNL_OL_FLAG", r.signalOverload}};
        for (const auto &[field, value] : fields)
            ASSERT_TRUE(!value.isValid() || rs->setField(QStringView(field), value)) << QString::fromUtf16(field).toStdString();
        ASSERT_TRUE(rs->update());
    }
}

inline std::vector<stiffness::StiffnessRecord> runThreeRecords()
{
    std::vector<stiffness::StiffnessRecord> records{headerRecord(3, 11.25f, 2.5f)};
    for (const BinCounts &b : twentyFiveBins())
        records.push_back(binRecord(b));
    return records;
}

} // namespace valtrane::test
