#include "link/Communication.h"

#include "common/StatusCode.h"
#include "db/Database.h"
#include "link/LiveParser.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <algorithm>
#include <initializer_list>

namespace valtrane::link {

namespace {

constexpr int EndByte = 253;
constexpr int OtherEndByte = 202;
constexpr int StreamComplete = 89;
constexpr int ContinuousLogger = 3;
constexpr int Stiffness = 4;
// After each test of a continuous download the logger sends four more characters that belong to
// no test.
constexpr int CharactersAfterTest = 4;
// The answer is awaited in short steps, each measured on the link's clock.
constexpr int ProbeWaitStepMs = 100;

bool passesToParser(int c)
{
    return c == '\r' || (c >= 32 && c <= 90);
}

// Runs the steps in order until one fails: its error, or 0 when all went well.
int firstError(std::initializer_list<std::function<int()>> steps)
{
    for (const auto &step : steps) {
        if (const int error = step())
            return error;
    }
    return SerialControl::NoError;
}

QChar probeFailure(int error)
{
    return error == SerialControl::PortAlreadyOpen ? QLatin1Char('o') : QLatin1Char('x');
}

} // namespace

Communication::Communication(const AppPaths &paths, AppState &state, std::unique_ptr<StreamParser> parser)
    : m_paths(paths)
    , m_state(state)
    , m_parser(parser ? std::move(parser) : std::make_unique<LiveParser>(paths, state))
    , m_databaseFile(paths.database())
{
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    m_clock = [started] { return started->elapsed(); };
    m_yield = [] {};
}

Communication::~Communication() = default;

QString Communication::AvailablePorts()
{
    // Probing moves the shared control to other ports, which would cut a running download off.
    if (m_portOpenForDownload || !m_comm)
        return m_lastScan;
    QString result;
    for (int port = 1; port <= 4; ++port)
        result += ProbePort(port);
    m_lastScan = result;
    return result;
}

QChar Communication::ProbePort(int port)
{
    int error = firstError({
        [this] { return m_comm->PortOpen() ? m_comm->setPortOpen(false) : SerialControl::NoError; },
        [this, port] { return m_comm->setCommPort(port); },
        [this] { return m_comm->setSettings(QStringLiteral("9600,N,8,1")); },
        [this] { return m_comm->setInputLen(0); },
        [this] { return m_comm->setPortOpen(true); },
        [this] { return m_comm->Output(QByteArrayLiteral("ATI1\r")); },
    });
    if (error)
        return probeFailure(error);

    // The wait does not yield: a scan holds the program for at most two seconds per open port.
    const qint64 sent = m_clock();
    while (m_comm->InBufferCount() < 1) {
        const qint64 left = ProbeAnswerWaitMs - (m_clock() - sent);
        if (left <= 0)
            break;
        m_comm->waitForInput(int(std::min<qint64>(left, ProbeWaitStepMs)));
    }
    QChar result = QChar(QLatin1Char('0').unicode() + port);
    if (m_comm->InBufferCount() >= 2) {
        result = QLatin1Char('m');
        error = m_comm->setInBufferCount(0);
    }
    if (!error && m_comm->PortOpen())
        error = m_comm->setPortOpen(false);
    return error ? probeFailure(error) : result;
}

std::int16_t Communication::RunTest()
{
    if (!m_comm)
        return status::PortTimeout;
    const int error = firstError({
        [this] { return m_comm->PortOpen() ? m_comm->setPortOpen(false) : SerialControl::NoError; },
        [this] { return m_comm->setCommPort(Serial_Port); },
        [this] { return m_comm->setSettings(QString::number(Baud_Rate) + QStringLiteral(",N,8,1")); },
        [this] { return m_comm->setInputLen(1); },
        [this] { return m_comm->setHandshaking(1); },  // XON/XOFF
        [this] { return m_comm->setInBufferSize(ReceiveBufferSize); },
        [this] { return m_comm->setPortOpen(true); },
    });
    if (error)
        return status::PortTimeout;
    Stop_Download = false;
    Abort_Download = false;
    Between_Tests = true;
    m_parserStarted = false;
    m_portOpenForDownload = m_comm->PortOpen();
    return m_portOpenForDownload ? status::Ok : status::PortTimeout;
}

void Communication::Close_Port()
{
    if (m_comm) {
        if (m_comm->PortOpen())
            m_comm->setPortOpen(false);
        m_comm->setInBufferCount(0);
    }
    m_parser->DeInit();
    m_portOpenForDownload = false;
}

std::int16_t Communication::CheckCommEvent()
{
    if (m_comm->CommEvent() != SerialControl::ReceiveBufferOverflow)
        return 0;
    // What arrived is incomplete: the listed tables go, and the database file starts anew.
    m_parser->DeInit();
    m_parser->Initit(m_state.Table_List);
    m_parser->DeInit();
    return status::CommunicationError;
}

int Communication::readChar()
{
    if (m_readWait > 0)
        m_comm->waitForInput(m_readWait);
    const QByteArray s = m_comm->Input();
    if (s.isEmpty())
        return NoChar;
    if (m_sink)
        m_sink(s);
    return static_cast<unsigned char>(s.at(0));
}

void Communication::discardWaiting()
{
    m_comm->setInBufferCount(0);
    while (!m_comm->Input().isEmpty()) {
    }
}

std::int16_t Communication::GetData(std::int32_t DownloadCode, std::int16_t NoTimeout)
{
    if (!m_comm)
        return status::PortTimeout;
    m_endedQuiet = false;
    m_quietTables.clear();
    discardWaiting();
    int c = NoChar;
    if (const auto ended = waitForFirstCharacter(NoTimeout, c))
        return *ended;
    if (!m_parserStarted) {
        m_state.LastStatus = m_parser->Initit(m_state.Table_List);
        m_parserStarted = true;
    }
    Between_Tests = false;
    if (m_onFirstCharacter)
        m_onFirstCharacter(QChar::fromLatin1(char(c)));
    return receive(DownloadCode, c);
}

std::optional<std::int16_t> Communication::waitForFirstCharacter(std::int16_t noTimeout, int &c)
{
    const qint64 started = m_clock();
    for (;;) {
        // Blank lines before the report are skipped.
        if (c != NoChar && c != '\n' && c != '\r')
            return std::nullopt;
        if (CheckCommEvent() > 0)
            return status::CommEventWhileWaiting;
        if ((noTimeout == 0 && m_clock() - started > FirstCharacterTimeoutMs) || Abort_Download)
            return status::PortTimeout;
        c = readChar();
        if (Stop_Download)
            return status::Ok;
        m_yield();
    }
}

std::int16_t Communication::receive(std::int32_t code, int c)
{
    int idleReads = 0;
    bool quiet = false;
    for (;;) {
        if (c == EndByte || c == OtherEndByte)
            return endOfStream();
        if (Abort_Download) {
            m_parserStarted = false;
            m_parser->DeInit();
            return status::AbortedWhileReceiving;
        }
        if (c > 127)
            return status::BadByte;
        if (c == NoChar) {
            if (!quiet) {
                // The line went quiet: what has arrived is kept even if the program dies now.
                m_parser->commit();
                quiet = true;
            }
            if (code != ContinuousLogger && ++idleReads > IdleReadLimit)
                return idleEnd(code);
        } else {
            idleReads = 0;
            quiet = false;
        }
        if (passesToParser(c)) {
            if (const auto ended = feedParser(code, c))
                return *ended;
        }
        if (Stop_Download)
            return endWithTableList();
        c = readChar();
        if (CheckCommEvent() > 0)
            return status::CommunicationError;
        m_yield();
    }
}

std::optional<std::int16_t> Communication::feedParser(std::int32_t code, int c)
{
    if (c != 'D')
        Between_Tests = false;
    const int result = m_parser->parse(code, c);
    if (code != ContinuousLogger) {
        if (result == StreamComplete)
            return endWithTableList();
        if (code == Stiffness && result == status::StiffnessParserError)
            return status::StiffnessParserError;
        return std::nullopt;
    }
    m_state.LastStatus = std::int16_t(result);
    if (result == StreamComplete) {
        if (Stop_Download)
            return endWithTableList();
        for (int i = 0; i < CharactersAfterTest; ++i)
            readChar();
        Between_Tests = true;
    }
    return std::nullopt;
}

std::int16_t Communication::endWithTableList()
{
    m_state.Table_List = m_parser->retrn_message();
    return status::Ok;
}

std::int16_t Communication::endOfStream()
{
    m_state.Table_List = m_parser->retrn_message();
    m_parser->DeInit();
    if (!m_state.Table_List.isEmpty()) {
        Between_Tests = true;
        return status::Ok;
    }
    if (QFileInfo::exists(m_databaseFile))
        db::Database::removeFile(m_databaseFile);
    return status::NoTablesCreated;
}

std::int16_t Communication::idleEnd(std::int32_t code)
{
    if (m_quietEndCompletes)
        return endWithTableList();
    // The line went quiet before the stream's end: what arrived is not the whole download.
    m_endedQuiet = true;
    m_quietTables = m_parser->retrn_message();
    m_parser->DeInit();
    return status::CommunicationError;
}

void Communication::setDatabaseFile(const QString &path)
{
    m_databaseFile = path;
    m_parser->setDatabaseFile(path);
}

} // namespace valtrane::link
