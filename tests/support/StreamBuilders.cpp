#include "support/StreamBuilders.h"

#include "common/TextFunctions.h"

namespace valtrane::test {

namespace {

QByteArray line(const QString &text)
{
    return text.toLatin1() + "\r\n";
}

QString fixedColumns(const QStringList &values, const QList<int> &widths)
{
    QString text;
    for (qsizetype i = 0; i < values.size(); ++i)
        text += QStringLiteral("  ") + RightAlign(values[i], widths.value(i, 6));
    return text;
}

} // namespace

QByteArray ng7700aReport(const QList<Ng7700aSection> &sections)
{
    static const QList<int> widths{4, 8, 6, 6, 6, 3, 3, 6, 5, 6, 5, 6, 5, 4, 3, 5, 5, 5, 4, 4, 5};
    QByteArray out;
    for (const Ng7700aSection &section : sections) {
        out += line(QStringLiteral("COMPACTION CONTROL DATA REPORT   NG-7700A SERIAL: %1   CALIBRATION DATE:%2")
                        .arg(section.serial, section.calibrationDate));
        out += line(QStringLiteral("   "));
        out += line(QStringLiteral("RD #    DATE     PROJ   STAT   OFFST  DPT S/A   KVAL  % ADJ   D STD M STD  D CNT M CNT   SPG %AV MAX D  WET D  DRY D   WAT  %WAT   %COMP"));
        out += line(QStringLiteral("----  --------  ------ ------ ------  --- ---  ------ -----  ------ ----- ------ -----  ---- --- -----  -----  -----  ----  ----   -----"));
        for (const QStringList &reading : section.readings)
            out += line(fixedColumns(reading, widths));
        out += line(QStringLiteral("   "));
        out += line(QString(78, QLatin1Char(' ')) + QStringLiteral("AVERAGE OF ALL DATA:      128.9  116.5  12.7  10.9    92.8"));
        out += line(QString(78, QLatin1Char(' ')) + QStringLiteral("SAMPLE DEVIATIONS:          2.8    3.3   0.7   0.8     0.5"));
        out += line(QStringLiteral("   "));
    }
    return out;
}

QByteArray ng7700bReading(const QStringList &columns)
{
    static const QList<int> widths{4, 6, 8, 6, 6, 6, 4, 3, 3, 6, 8, 8, 6, 6, 6, 6, 6, 6, 6};
    QStringList aligned;
    for (qsizetype i = 0; i < columns.size(); ++i)
        aligned.append(RightAlign(columns[i], widths.value(i, 6)));
    return line(aligned.join(QLatin1Char(',')));
}

QByteArray ng7700bReport(const QString &serial, const QString &calibrationDate, const QList<Ng7700bProject> &projects)
{
    QByteArray out = line(QStringLiteral("COMPACTION CONTROL DATA REPORT NG-7700B SERIAL: %1 CALIBRATION DATE: %2 ").arg(serial, calibrationDate));
    out += line(QString());
    for (const Ng7700bProject &p : projects) {
        out += line(QStringLiteral(" "));
        out += line(QStringLiteral("PROJECT ID: %1 DATE: %2 D STD=%3 M STD=%4 KVAL=%5  SPG=%6 MAXD=%7 LOWD=%8")
                        .arg(p.id, p.header.value(0), p.header.value(1), p.header.value(2), p.header.value(3), p.header.value(4),
                             p.header.value(5), p.header.value(6)));
        out += line(QStringLiteral(" "));
        out += ng7700bReading({"RD #", "TIME", "STAT1 TO", "STAT1", "OFFSET", "STAT2", "LANE", "DPT", "S/A", "%ADJ", "DC", "MC",
                               "%AV", "WD", "DD", "M", "%M", "%COMP", "VR"});
        for (const QStringList &reading : p.readings)
            out += ng7700bReading(reading);
        out += line(QString());
        out += line(QStringLiteral("AVERAGE OF ALL DATA:"));
        out += ng7700bReading({"", "", "", "", "", "", "", "", "", "", "", "", "", "131.2", "119.0", "12.3", "10.5", "92.8", ""});
    }
    out += line(QStringLiteral(" B   ."));
    return out;
}

QByteArray sg2150Report(const QList<Sg2150Run> &runs)
{
    QByteArray out;
    for (const Sg2150Run &run : runs) {
        out += line(QStringLiteral("Run#,  %1,Meas:, %2,CalFac:, %3,Date:, %4,Time:, %5")
                        .arg(run.header.value(0), run.header.value(1), run.header.value(2), run.header.value(3), run.header.value(4)));
        for (const QStringList &bin : run.bins) {
            QStringList columns;
            for (qsizetype i = 0; i < 12 && i < bin.size(); ++i)
                columns.append(RightAlign(bin[i], i < 2 ? 5 : 6));
            out += line(columns.join(QLatin1Char(',')) + QLatin1Char(',') + RightAlign(bin.value(12), 5) + QLatin1Char(' ') + bin.value(13));
        }
        out += line(QString());
    }
    return out;
}

QByteArray ld4800Report(const QList<Ld4800Test> &tests)
{
    QByteArray out;
    for (const Ld4800Test &test : tests) {
        out += line(test.heading);
        out += line(QString());
        QStringList names{QStringLiteral("RD #"), RightAlign(QStringLiteral("TIME"), 8)};
        for (const QString &name : test.channels)
            names.append(RightAlign(name, 10));
        out += line(names.join(QStringLiteral(", ")));
        for (const QStringList &reading : test.readings) {
            QStringList columns;
            for (qsizetype i = 0; i < reading.size(); ++i)
                columns.append(RightAlign(reading[i], i == 0 ? 4 : i == 1 ? 8 : 10));
            out += line(columns.join(QStringLiteral(", ")));
        }
        out += line(QStringLiteral("END"));
        out += line(QString());
    }
    return out;
}

QByteArray savedProject(int modelCode, const QByteArray &stream)
{
    return " " + QByteArray::number(modelCode) + " \r\n" + stream;
}

} // namespace valtrane::test
