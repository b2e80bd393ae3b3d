#pragma once

#include <QString>

class QIODevice;

namespace valtrane::exporting {

// The lines of a project text file going out to a device: each line ended by carriage return and
// line feed, each character one byte.
class ReportLines {
public:
    explicit ReportLines(QIODevice &device) : m_device(device) {}

    void line(const QString &text);
    // A line holding nothing.
    void empty() { line(QString()); }

private:
    QIODevice &m_device;
};

} // namespace valtrane::exporting
