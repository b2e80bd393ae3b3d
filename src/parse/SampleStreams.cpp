#include "parse/SampleStreams.h"

#include "common/AppState.h"

namespace valtrane::parse {

namespace {

constexpr char EndByte = char(253);

// The load-frame logger prints each test as it finishes: a heading, the channel names and one line
// per reading, closed by END and an empty line (a continuous download skips the four characters
// after END). After its last test the logger sends the end byte.
QByteArray ld4800Report()
{
    return QByteArray(
        "CBR/LBR TEST\r\n"
        "\r\n"
        "RD #,     TIME,       LOAD,   PENETRATN,          (),             ()\r\n"
        "   1, 00:00:00,     0.0000,      0.0000,      0.0000,         0.0000\r\n"
        "   2, 00:00:30,    41.2500,      0.0250,      0.0000,         0.0000\r\n"
        "   3, 00:01:00,    97.7500,      0.0500,      0.0000,         0.0000\r\n"
        "   4, 00:01:30,   162.5000,      0.0750,      0.0000,         0.0000\r\n"
        "   5, 00:02:00,   231.0000,      0.1000,      0.0000,         0.0000\r\n"
        "   6, 00:03:00,   352.2500,      0.1500,      0.0000,         0.0000\r\n"
        "   7, 00:04:00,   455.5000,      0.2000,      0.0000,         0.0000\r\n"
        "   8, 00:06:00,   611.7500,      0.3000,      0.0000,         0.0000\r\n"
        "END\r\n"
        "\r\n"
        "MARSHALL TEST\r\n"
        "\r\n"
        "RD #,     TIME,       LOAD,        FLOW,          (),             ()\r\n"
        "   1, 00:00:00,     0.0000,      0.0000,      0.0000,         0.0000\r\n"
        "   2, 00:00:05,   812.0000,      0.0310,      0.0000,         0.0000\r\n"
        "   3, 00:00:10,  1655.5000,      0.0590,      0.0000,         0.0000\r\n"
        "   4, 00:00:15,  2410.2500,      0.0870,      0.0000,         0.0000\r\n"
        "   5, 00:00:20,  2689.7500,      0.1120,      0.0000,         0.0000\r\n"
        "   6, 00:00:25,  2512.0000,      0.1430,      0.0000,         0.0000\r\n"
        "END\r\n"
        "\r\n"
        "CBR/LBR TEST\r\n"
        "\r\n"
        "RD #,     TIME,       LOAD,   PENETRATN,       SWELL,             ()\r\n"
        "   1, 00:00:00,     0.0000,      0.0000,      0.0125,         0.0000\r\n"
        "   2, 00:00:30,    38.5000,      0.0250,      0.0125,         0.0000\r\n"
        "   3, 00:01:00,    90.2500,      0.0500,      0.0125,         0.0000\r\n"
        "   4, 00:01:30,   150.0000,      0.0750,      0.0125,         0.0000\r\n"
        "   5, 00:02:00,   214.7500,      0.1000,      0.0125,         0.0000\r\n"
        "END\r\n"
        "\r\n"
    ) + EndByte;
}

// The nuclear gauge NG7700A prints a fixed-column compaction control report per surface: soil
// readings first, then asphalt readings, each with its averages and sample deviations. It has no
// end line of its own, so it sends the end byte after the report.
QByteArray ng7700aReport()
{
    return QByteArray(
        "COMPACTION CONTROL DATA REPORT   NG-7700A SERIAL: 23817   CALIBRATION DATE:03/14/05\r\n"
        "   \r\n"
        "RD #    DATE     PROJ   STAT   OFFST  DPT S/A   KVAL  % ADJ   D STD M STD  D CNT M CNT   SPG %AV MAX D  WET D  DRY D   WAT  %WAT   %COMP\r\n"
        "----  --------  ------ ------ ------  --- ---  ------ -----  ------ ----- ------ -----  ---- --- -----  -----  -----  ----  ----   -----\r\n"
        "   1  01/16/06   12.4    1250    5.0    6   S     0.0   0.0    2815   652   1854   112  2.70   3 128.5  131.2  118.9  12.3  10.3    92.5\r\n"
        "   2  01/16/06   12.4    1300   -5.0    6   S     0.0   0.0    2815   652   1822   118  2.70   3 128.5  132.4  119.6  12.8  10.7    93.1\r\n"
        "   3  01/16/06   12.4    1350    0.0    8   S     0.0   0.0    2815   652   1876   109  2.70   4 128.5  130.1  118.4  11.7   9.9    92.1\r\n"
        "   4  01/17/06      7     120    2.5    4   S     1.5   0.0    2809   649   1901   121  2.65   3 121.0  125.7  112.8  12.9  11.4    93.2\r\n"
        "   5  01/17/06      7     180   -2.5    4   S     1.5   0.0    2809   649   1889   125  2.65   2 121.0  126.3  112.6  13.7  12.2    93.1\r\n"
        "   \r\n"
        "                                                                              AVERAGE OF ALL DATA:      128.9  116.5  12.7  10.9    92.8\r\n"
        "                                                                              SAMPLE DEVIATIONS:          2.8    3.3   0.7   0.8     0.5\r\n"
        "   \r\n"
        "COMPACTION CONTROL DATA REPORT   NG-7700A SERIAL: 23817   CALIBRATION DATE:03/14/05\r\n"
        "   \r\n"
        "RD #    DATE     PROJ   STAT   OFFST  DPT S/A   KVAL  % ADJ   D STD M STD  D CNT M CNT   SPG %AV MAX D   % AC   DENS   %COMP\r\n"
        "----  --------  ------ ------ ------  --- ---  ------ -----  ------ ----- ------ -----  ---- --- -----  -----  -----   -----\r\n"
        "   6  01/18/06   12.4    1400    3.0   BS   A    -2.0   0.0    2811   655   1625    98  2.45   6 151.2    5.5  143.9    95.2\r\n"
        "   7  01/18/06   15.2      88    0.0   BS   A    -2.0   0.0    2811   655   1611    96  2.45   6 151.2    5.5  144.6    95.6\r\n"
        "   \r\n"
        "                                                                              AVERAGE OF ALL DATA:        5.5  144.3    95.4\r\n"
        "                                                                              SAMPLE DEVIATIONS:          0.0    0.5     0.3\r\n"
        "   \r\n"
    ) + EndByte;
}

// The nuclear gauge NG7700B prints its readings comma-separated, one block per project, and closes
// the report with the line " B   ." that ends the download; it sends no end byte.
QByteArray ng7700bReport()
{
    return QByteArray(
        "COMPACTION CONTROL DATA REPORT NG-7700B SERIAL: 31560 CALIBRATION DATE: 06/21/05 \r\n"
        "\r\n"
        " \r\n"
        "PROJECT ID: 12.4 DATE: 01/16/06 D STD=2815 M STD=652 KVAL=0  SPG=2.7 MAXD=128.5 LOWD=95\r\n"
        " \r\n"
        "RD #,  TIME, STAT1 TO,  STAT1, OFFSET,  STAT2, LANE, DPT, S/A,   %ADJ,       DC,       MC,    %AV,     WD,     DD,      M,     %M,  %COMP,     VR\r\n"
        "   1, 09:12,     0+00,  10+50,     5R,  12+00,    1,   6,   S,    0.0,     1854,      112,    3.1,  131.2,  118.9,   12.3,   10.3,   92.5,     OK\r\n"
        "   2, 09:20,     0+00,  11+00,     5L,  12+00,    1,   6,   S,    0.0,     1822,      118,    2.9,  132.4,  119.6,   12.8,   10.7,   93.1,     OK\r\n"
        "   3, 09:31,     0+00,  11+50,     CL,  12+00,    2,   8,   S,    0.0,     1876,      109,    3.4,  130.1,  118.4,   11.7,       ,       ,     RT\r\n"
        "\r\n"
        "AVERAGE OF ALL DATA:\r\n"
        "    ,      ,         ,       ,       ,       ,     ,    ,    ,       ,         ,         ,       ,  131.2,  119.0,   12.3,   10.5,   92.8,       \r\n"
        " \r\n"
        "PROJECT ID: 7 DATE: 01/17/06 D STD=2809 M STD=649 KVAL=1.5  SPG=2.65 MAXD=121 LOWD=90\r\n"
        " \r\n"
        "RD #,  TIME, STAT1 TO,  STAT1, OFFSET,  STAT2, LANE, DPT, S/A,   %ADJ,       DC,       MC,    %AV,     WD,     DD,      M,     %M,  %COMP,     VR\r\n"
        "   4, 13:05,     3+00,   3+25,    10R,   4+00,    1,   4,   S,    1.5,     1901,      121,    2.7,  125.7,  112.8,   12.9,   11.4,   93.2,     OK\r\n"
        "   5, 13:14,     3+00,   3+75,    10L,   4+00,    2,   4,   S,    1.5,     1889,      125,    2.5,  126.3,  112.6,   13.7,   12.2,   93.1,     OK\r\n"
        "\r\n"
        "AVERAGE OF ALL DATA:\r\n"
        "    ,      ,         ,       ,       ,       ,     ,    ,    ,       ,         ,         ,       ,  126.0,  112.7,   13.3,   11.8,   93.2,       \r\n"
        " \r\n"
        "PROJECT ID: 15.2 DATE: 01/18/06 D STD=2811 M STD=655 KVAL=0  SPG=2.7 MAXD=131.4 LOWD=95\r\n"
        " \r\n"
        "RD #,  TIME, STAT1 TO,  STAT1, OFFSET,  STAT2, LANE, DPT, S/A,   %ADJ,       DC,       MC,    %AV,     WD,     DD,      M,     %M,  %COMP,     VR\r\n"
        "   6, 10:02,    21+00,  21+40,     2R,  22+00,    1,  12,   S,    0.0,     1798,      131,    2.2,  133.0,  120.7,   12.3,   10.2,   91.9,     OK\r\n"
        "\r\n"
        "AVERAGE OF ALL DATA:\r\n"
        "    ,      ,         ,       ,       ,       ,     ,    ,    ,       ,         ,         ,       ,  133.0,  120.7,   12.3,   10.2,   91.9,       \r\n"
        " B   .\r\n");
}

// The stiffness gauge sends one line per run and one line per frequency bin, in mixed case (the
// lower-case letters never reach the parser), and the end byte after its last run.
QByteArray sg2150Report()
{
    return QByteArray(
        "Run#,  1,Meas:, 1,CalFac:, 0.9871,Date:, 01/16/06,Time:, 09:45:12\r\n"
        "   1,  100,   -69,  -246,     4,   266,  8395,-17112,  2681, -1612, 0, 0, 21.9 31.7\r\n"
        "   2,  104,   119,  -181,  -362,  -312, 11552,-12864,  1143, -4032, 0, 0, 21.8 28.5\r\n"
        "   3,  108,   179,  -274,  -172,   245, 13139,-10839,  2940, -5496, 0, 0, 31.5 27.9\r\n"
        "   4,  112,  -174,  -353,   170,  -264, 10372,-12852,  1295, -1572, 0, 0, 22.4 26.2\r\n"
        "   5,  116,   298,  -215,  -295,   195, 12679,-10152,  1384, -2952, 0, 0, 21.9 34.2\r\n"
        "   6,  120,   177,  -339,   233,  -190, 12066, -9642,  2088, -2500, 0, 0, 35.5 29.3\r\n"
        "   7,  124,    64,   -30,   -94,  -146, 14507,-15792,  2431, -4004, 0, 0, 21.6 26.0\r\n"
        "   8,  128,   106,   -49,   346,    59, 10358,-10518,  1149, -5036, 0, 0, 30.2 23.3\r\n"
        "\r\n"
        "Run#,  2,Meas:, 1,CalFac:, 0.9871,Date:, 01/16/06,Time:, 09:52:40\r\n"
        "   1,  100,   -50,  -245,   100,    31,  8321, -6180,  2368, -5368, 0, 0, 35.3 31.5\r\n"
        "   2,  104,   -79,   -52,   311,   -42, 12869,-11898,  2187, -2264, 0, 0, 21.4 21.9\r\n"
        "   3,  108,  -124,    85,   313,   280,  8532,-17256,  2497, -3464, 0, 0, 32.9 39.9\r\n"
        "   4,  112,    56,  -109,   333,    -5, 15266, -9786,  1710, -5816, 0, 0, 38.8 27.1\r\n"
        "   5,  116,   225,  -281,   105,  -340,  9787, -8562,  1588, -4944, 0, 0, 34.8 28.0\r\n"
        "   6,  120,   108,  -318,  -230,    59, 11290,-11250,  1569, -4880, 0, 0, 36.4 37.3\r\n"
        "   7,  124,  -115,   323,    25,   -33, 13592, -7137,  1779, -4112, 0, 0, 23.0 23.5\r\n"
        "   8,  128,  -163,   274,  -162,  -388, 11972, -7788,  2206, -4508, 0, 0, 25.3 20.1\r\n"
        "\r\n"
        "Run#,  3,Meas:, 2,CalFac:, 0.9871,Date:, 01/16/06,Time:, 10:07:03\r\n"
        "   1,  100,    29,   147,   -22,   224, 12639,-14085,  2951, -4972, 0, 0, 33.8 30.3\r\n"
        "   2,  104,   232,   270,   292,   357,  8442,-12390,  2842, -1420, 0, 0, 27.8 28.0\r\n"
        "   3,  108,  -294,    93,   249,    10,  8509,-15660,  1137, -4292, 0, 0, 28.8 22.2\r\n"
        "   4,  112,   215,  -347,  -296,  -400, 12643,-16143,  2098, -5172, 0, 0, 39.0 32.3\r\n"
        "   5,  116,  -328,  -188,   228,   -15,  9216,-10206,  1516, -3156, 0, 0, 32.0 29.5\r\n"
        "   6,  120,  -282,    99,    77,    91, 11963,-14169,  1175, -4820, 0, 0, 22.0 26.9\r\n"
        "   7,  124,  -129,    90,   308,  -235, 12229,-17718,  1420, -1676, 0, 0, 27.2 33.8\r\n"
        "   8,  128,  -373,   376,   140,   -95, 13266, -7392,  1186, -3864, 0, 1, 30.4 38.2\r\n"
        "\r\n"
    ) + EndByte;
}

} // namespace

QByteArray sampleStream(int deviceCode)
{
    switch (deviceCode) {
    case LD4800: return ld4800Report();
    case NG7700A: return ng7700aReport();
    case NG7700B: return ng7700bReport();
    case SG2150: return sg2150Report();
    default: return QByteArray();
    }
}

} // namespace valtrane::parse
