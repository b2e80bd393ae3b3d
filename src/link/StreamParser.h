#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

namespace valtrane::link {

// What the read loop needs of a parse run: start and end it, feed it one character of the stream
// (the download code picks the gauge's grammar), read its table list, and have it commit the rows
// received so far. The read loop's rules hold whichever grammar sits behind it.
class StreamParser {
public:
    virtual ~StreamParser() = default;

    virtual std::int16_t Initit(const QString &tableList) = 0;
    virtual void DeInit() = 0;
    virtual QString retrn_message() const = 0;
    // 89: the stream is complete; 9876: the stiffness grammar met an error; else 0.
    virtual int parse(std::int32_t downloadCode, int ch) = 0;
    virtual void commit() = 0;
    // The database file the runs build (see Parse); grammars without a database ignore it.
    virtual void setDatabaseFile(const QString &path) { Q_UNUSED(path); }
    // A row of the run did not reach the database file (full disk, disk error).
    virtual bool writeFailed() const { return false; }
    // Tables two project identifiers of the run would share; the later project got none.
    virtual QStringList sharedTables() const { return {}; }
};

} // namespace valtrane::link
