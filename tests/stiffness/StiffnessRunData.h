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

// One stored bin in the field order of a run table.
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
    static const std::vector<BinCounts> bins{
        {1, 100, 2052, 2054, 2045, 2045, 2455, 859, 2195, 1553, 0, 0},
        {2, 104, 2053, 2055, 2044, 2044, 2462, 870, 2192, 1558, 0, 0},
        {3, 108, 2054, 2056, 2046, 2045, 2469, 881, 2189, 1563, 0, 0},
        {4, 112, 2055, 2053, 2045, 2044, 2476, 892, 2186, 1568, 0, 0},
        {5, 116, 2051, 2054, 2044, 2045, 2483, 903, 2183, 1573, 0, 0},
        {6, 120, 2052, 2055, 2046, 2044, 2490, 914, 2180, 1578, 0, 0},
        {7, 124, 2053, 2056, 2045, 2045, 2497, 925, 2177, 1583, 0, 1},
        {8, 128, 2054, 2053, 2044, 2044, 2504, 936, 2174, 1588, 0, 0},
        {9, 132, 2055, 2054, 2046, 2045, 2511, 947, 2171, 1593, 0, 0},
        {10, 136, 2051, 2055, 2045, 2044, 2518, 958, 2168, 1598, 0, 0},
        {11, 140, 2052, 2056, 2044, 2045, 2525, 969, 2165, 1603, 0, 0},
        {12, 144, 2053, 2053, 2046, 2044, 2532, 980, 2162, 1608, 0, 0},
        {13, 148, 2054, 2054, 2045, 2045, 2539, 991, 2159, 1613, 0, 0},
        {14, 152, 2055, 2055, 2044, 2044, 2546, 1002, 2156, 1618, 0, 0},
        {15, 156, 2051, 2056, 2046, 2045, 2553, 1013, 2153, 1623, 0, 0},
        {16, 160, 2052, 2053, 2045, 2044, 2560, 1024, 2150, 1628, 0, 0},
        {17, 164, 2053, 2054, 2044, 2045, 2567, 1035, 2147, 1633, 0, 0},
        {18, 168, 2054, 2055, 2046, 2044, 2574, 1046, 2144, 1638, 1, 0},
        {19, 172, 2055, 2056, 2045, 2045, 2581, 1057, 2141, 1643, 0, 0},
        {20, 176, 2051, 2053, 2044, 2044, 2588, 1068, 2138, 1648, 0, 0},
        {21, 180, 2052, 2054, 2046, 2045, 2595, 1079, 2135, 1653, 0, 0},
        {22, 184, 2053, 2055, 2045, 2044, 2602, 1090, 2132, 1658, 0, 0},
        {23, 188, 2054, 2056, 2044, 2045, 2609, 1101, 2129, 1663, 0, 0},
        {24, 192, 2055, 2053, 2046, 2044, 2616, 1112, 2126, 1668, 0, 0},
        {25, 196, 2051, 2054, 2045, 2045, 2623, 1123, 2123, 1673, 0, 0},
    };
    return bins;
}

// Constants as a load from the file holds them.
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
    r.realDisplNd = b.realDisplNd;
    r.realForceNd = b.realForceNd;
    r.imagDisplNd = b.imagDisplNd;
    r.imagForceNd = b.imagForceNd;
    r.realDisplSd = b.realDisplSd;
    r.realForceSd = b.realForceSd;
    r.imagDisplSd = b.imagDisplSd;
    r.imagForceSd = b.imagForceSd;
    r.noiseOverload = b.noiseOverload;
    r.signalOverload = b.signalOverload;
    return r;
}

// Stores records as rows of a new run table name in the open database.
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
        for (const auto &[field, value] : fields) {
            if (value.isValid()) {
                ASSERT_TRUE(rs->setField(QStringView(field), value));
            }
        }
        ASSERT_TRUE(rs->update());
    }
}

// Run 3 with the 25 bins: measured stiffness 11.25 MN/m, calibration factor 2.5.
inline std::vector<stiffness::StiffnessRecord> runThreeRecords()
{
    std::vector<stiffness::StiffnessRecord> records{headerRecord(3, 11.25f, 2.5f)};
    for (const BinCounts &b : twentyFiveBins())
        records.push_back(binRecord(b));
    return records;
}

} // namespace valtrane::test
