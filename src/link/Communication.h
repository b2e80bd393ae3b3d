#pragma once

#include "common/AppPaths.h"
#include "common/AppState.h"
#include "link/SerialControl.h"
#include "link/StreamParser.h"

#include <QByteArray>
#include <QChar>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace valtrane::link {

// The gauge link: opens the port with a gauge model's settings, reads the gauge's stream one
// character at a time into the parse run, decides when the stream is over and closes the port. It
// also probes COM1 to COM4 for the availability scan. One object serves the whole program run.
//
// The read loop yields after every character and every empty read (the desktop program passes
// processEvents, so the wizard's timers and buttons work during a download); they act on the link
// only through Stop_Download and Abort_Download. An empty read first waits a little for a byte,
// blocked on the port, so a quiet line costs next to no processor.
class Communication {
public:
    using Clock = std::function<qint64()>;   // milliseconds, never going back
    using Yield = std::function<void()>;

    static constexpr int FirstCharacterTimeoutMs = 30000;
    static constexpr int IdleReadLimit = 30000;
    static constexpr int ProbeAnswerWaitMs = 2000;
    static constexpr int ReceiveBufferSize = 20242;
    // 30000 empty reads of 1 ms each make the 30 seconds after which an idle download ends.
    static constexpr int DefaultReadWaitMs = 1;

    // The grammars of the parse run are the gauges' own unless a parser is given.
    Communication(const AppPaths &paths, AppState &state, std::unique_ptr<StreamParser> parser = nullptr);
    ~Communication();
    Communication(const Communication &) = delete;
    Communication &operator=(const Communication &) = delete;

    // Set by the wizard before a download; read by its timers and buttons.
    int Serial_Port = 1;
    int Baud_Rate = 19200;
    bool Stop_Download = false;
    bool Abort_Download = false;
    bool Between_Tests = false;

    void setComm_Object(SerialControl *control) { m_comm = control; }
    SerialControl *Comm_Object() const { return m_comm; }

    void setClock(Clock clock) { m_clock = std::move(clock); }
    void setYield(Yield yield) { m_yield = std::move(yield); }
    void setReadWait(int msecs) { m_readWait = msecs; }
    // Every byte read from the gauge during a download, as it arrives, unfiltered.
    void setReceivedBytesSink(std::function<void(const QByteArray &)> sink) { m_sink = std::move(sink); }
    // The database file the download builds: info/MIRVAT.vkd unless another is given.
    void setDatabaseFile(const QString &path);
    // A stream that went quiet before its end mark is complete only when it is a replayed
    // capture, whose end is all there is; live, the line may have dropped.
    void setQuietEndCompletes(bool completes) { m_quietEndCompletes = completes; }
    // The last stream ended because the line went quiet before its end mark; what had arrived is
    // in quietTables().
    bool endedQuiet() const { return m_endedQuiet; }
    const QString &quietTables() const { return m_quietTables; }
    // A row of the download did not reach the database file (full disk, disk error).
    bool databaseWriteFailed() const { return m_parser->writeFailed(); }
    // Tables two project identifiers of the download would share; the later project got none.
    QStringList sharedTables() const { return m_parser->sharedTables(); }
    // The first character of a stream, for the wizard's receive box.
    void setFirstCharacterHandler(std::function<void(QChar)> handler) { m_onFirstCharacter = std::move(handler); }

    // One character per port 1 to 4: the digit (free), "m" (a modem answered), "o" (held by another
    // program) or "x" (any other failure).
    QString AvailablePorts();
    // Opens Serial_Port at Baud_Rate for a download: 0, or 99 when the port cannot be opened.
    std::int16_t RunTest();
    // Reads one stream with the grammar of DownloadCode (0 LD4800 single, 1 NG7700A, 2 NG7700B,
    // 3 LD4800 continuous, 4 SG2150): 0, 99, 1978, 4545, 5454, 5555, 7272 or 9876.
    std::int16_t GetData(std::int32_t DownloadCode, std::int16_t NoTimeout);
    void Close_Port();

private:
    static constexpr int NoChar = -1;

    QChar ProbePort(int port);
    std::int16_t CheckCommEvent();
    void discardWaiting();
    std::optional<std::int16_t> waitForFirstCharacter(std::int16_t noTimeout, int &c);
    std::int16_t receive(std::int32_t code, int c);
    std::optional<std::int16_t> feedParser(std::int32_t code, int c);
    std::int16_t endOfStream();
    std::int16_t idleEnd(std::int32_t code);
    std::int16_t endWithTableList();
    int readChar();

    const AppPaths &m_paths;
    AppState &m_state;
    std::unique_ptr<StreamParser> m_parser;
    SerialControl *m_comm = nullptr;
    Clock m_clock;
    Yield m_yield;
    int m_readWait = DefaultReadWaitMs;
    std::function<void(const QByteArray &)> m_sink;
    std::function<void(QChar)> m_onFirstCharacter;
    bool m_parserStarted = false;
    QString m_databaseFile;
    bool m_quietEndCompletes = false;
    bool m_endedQuiet = false;
    QString m_quietTables;
    bool m_portOpenForDownload = false;
    QString m_lastScan = QStringLiteral("xxxx");
};

} // namespace valtrane::link
