#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Gauge streams written from the values they carry, to compare the parsed rows with those values.
namespace valtrane::test {

// NG7700A: one report section (title line, column headings, readings, averages). A soil reading has
// the 21 printed columns (RD # to %COMP), an asphalt reading 19 (RD # to MAX D, % AC, DENS, %COMP).
struct Ng7700aSection {
    QString serial;
    QString calibrationDate;
    QList<QStringList> readings;
};
QByteArray ng7700aReport(const QList<Ng7700aSection> &sections);

// NG7700B: one block a project. header: DATE, D STD, M STD, KVAL, SPG, MAXD, LOWD; readings RD # to VR.
struct Ng7700bProject {
    QString id;
    QStringList header;
    QList<QStringList> readings;
};
QByteArray ng7700bReport(const QString &serial, const QString &calibrationDate, const QList<Ng7700bProject> &projects);
QByteArray ng7700bReading(const QStringList &columns);

// SG2150: header: run, measurement, calibration factor, date, time; bins: 12 whole numbers, DSNR, FSNR.
struct Sg2150Run {
    QStringList header;
    QList<QStringList> bins;
};
QByteArray sg2150Report(const QList<Sg2150Run> &runs);

// LD4800: heading line, four channel names, readings of read number, time and four channels.
struct Ld4800Test {
    QString heading;
    QStringList channels;
    QList<QStringList> readings;
};
QByteArray ld4800Report(const QList<Ld4800Test> &tests);

// A project text file: the model code line, then the stream.
QByteArray savedProject(int modelCode, const QByteArray &stream);

} // namespace valtrane::test
