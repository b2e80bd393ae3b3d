#include "wizard/DownloadRun.h"

#include "common/ProgramInfo.h"
#include "common/StatusCode.h"
#include "db/CreateDatabase.h"
#include "db/Database.h"
#include "db/DatabaseHold.h"
#include "db/DatabaseLock.h"
#include "db/DatabaseReplacement.h"
#include "db/TableRegistry.h"
#include "link/CaptureArchive.h"
#include "link/Communication.h"
#include "link/GaugeModels.h"
#include "report/InfoFile.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

namespace valtrane::wizard {

namespace {

constexpr int Connected = 0;
constexpr int CommunicationErrorPanel = 3;
constexpr int DownloadComplete = 4;
constexpr int NoTablesPanel = 6;
constexpr int DatabaseErrorPanel = 7;

QString rootCaption(int deviceCode)
{
    const QString date = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    const QString kind = deviceCode == LD4800   ? QStringLiteral("Tests")
                         : deviceCode == SG2150 ? QStringLiteral("Run Number")
                                                : QStringLiteral("Projects");
    return kind + QStringLiteral(" (Dwnld:") + date + QLatin1Char(')');
}

} // namespace

DownloadRun::StatusPanel DownloadRun::statusPanel(int code)
{
    switch (code) {
    case 0: return {QStringLiteral("Connected "), QStringLiteral("Connected.bmp")};
    case 1: return {QStringLiteral("Not Connected "), QStringLiteral("Unconnected.bmp")};
    case 2: return {QStringLiteral("Downloading Data "), QStringLiteral("Connected.bmp")};
    case 3: return {QStringLiteral("Communication Error "), QStringLiteral("Unconnected.bmp")};
    case 4: return {QStringLiteral("Download Complete "), QStringLiteral("Unconnected.bmp")};
    case 6: return {QStringLiteral("No Tables Created "), QStringLiteral("unconnected.bmp")};
    case 7: return {QStringLiteral("Database Connection Error "), QStringLiteral("unconnected.bmp")};
    default: return {};
    }
}

int DownloadRun::failureStatusCode(int lastStatus)
{
    switch (lastStatus) {
    case status::NoTablesCreated: return NoTablesPanel;
    case status::DatabaseLocked: return DatabaseErrorPanel;
    case status::StreamComplete: return DownloadComplete;
    // 99, 1978, 4545, 5555, 7272 and 9876; anything else a failed read may bring is as much a
    // communication error.
    default: return CommunicationErrorPanel;
    }
}

LinkSettings DownloadRun::linkSettings(int modelIndex, bool continuous, int stiffnessBaud)
{
    switch (modelIndex) {
    case LD4800:
        return continuous ? LinkSettings{19200, 3, 1, true} : LinkSettings{19200, 0, 0, false};
    case NG7700A: return {1200, 1, 0, false};
    case NG7700B: return {1200, 2, 0, false};
    case SG2150: return {stiffnessBaud, 4, 0, false};
    default: return {};
    }
}

DownloadRun::DownloadRun(const AppPaths &paths, AppState &state, link::Communication &communication,
                         link::SerialControl &control, Prompter &prompter, QObject *parent)
    : QObject(parent)
    , m_paths(paths)
    , m_state(state)
    , m_comm(communication)
    , m_control(control)
    , m_prompter(prompter)
{
}

void DownloadRun::closeMainConnection()
{
    if (m_closeMainConnection)
        m_closeMainConnection();
}

void DownloadRun::showStatus(int code)
{
    const StatusPanel panel = statusPanel(code);
    emit statusShown(code, panel.text, m_paths.image(panel.picture));
}

void DownloadRun::stopTimers()
{
    emit timerSwitched(Timer::FirstBlink, false);
    emit timerSwitched(Timer::SecondBlink, false);
    emit timerSwitched(Timer::Countdown, false);
}

int DownloadRun::askStiffnessBaud()
{
    const QString text = QStringLiteral("Did you receive your Vibrastat or has this Vibrastat been updated by Valtrane after "
                                        "January 1, 2007?\r\n\r\nClick Yes if this is true, otherwise click No.");
    const auto answer = m_prompter.ask(text, vibrastatTitle(), Prompter::Buttons::YesNo, Prompter::Icon::Question);
    return answer == Prompter::Answer::Yes ? 1200 : 4800;
}

bool DownloadRun::start(const DownloadChoice &choice)
{
    m_choice = choice;
    m_capturePath.clear();
    closeMainConnection();
    if (db::DatabaseLock::isLocked(m_paths.lockFile())) {
        m_state.LastStatus = status::DatabaseLocked;
        failureEnding();
        return false;
    }
    const QString database = m_paths.database();
    if (QFileInfo::exists(database) && m_state.Table_List.isEmpty())
        db::Database::removeFile(database);
    // The download builds its database beside the live one, which it replaces only on success.
    m_paths.ensureInfoFolder();
    db::DatabaseHold hold(m_paths);
    if (!hold.held()) {
        m_state.LastStatus = status::DatabaseLocked;
        failureEnding();
        return false;
    }
    db::DatabaseReplacement::discard(m_paths);
    m_comm.setDatabaseFile(m_paths.newDatabase());

    emit timePanelShown(true);
    emit timerSwitched(Timer::FirstBlink, true);
    emit timerSwitched(Timer::SecondBlink, false);
    emit receivingFrameShown(true);

    const bool continuous = choice.modelIndex == LD4800 && choice.downloadType == 1;
    const int stiffnessBaud = choice.modelIndex == SG2150 ? askStiffnessBaud() : 0;
    const LinkSettings settings = linkSettings(choice.modelIndex, continuous, stiffnessBaud);
    if (!openLink(settings))
        return false;
    readCaptured(settings);
    if (m_state.LastStatus == status::Ok)
        return successEnding();
    failureEnding();
    return false;
}

bool DownloadRun::openLink(const LinkSettings &settings)
{
    m_comm.Abort_Download = false;
    m_comm.setComm_Object(&m_control);
    m_comm.Serial_Port = m_choice.portIndex + 1;
    m_comm.Baud_Rate = settings.baudRate;
    m_comm.Stop_Download = false;
    m_state.LastStatus = m_comm.RunTest();
    if (m_state.LastStatus == status::PortTimeout) {
        // Nothing was touched yet: the user may pick another port and start again.
        showStatus(CommunicationErrorPanel);
        emit choicesEnabled();
        stopTimers();
        emit timePanelShown(false);
        m_prompter.tell(portErrorMessage(), program::title());
        return false;
    }
    if (m_state.LastStatus != status::Ok) {
        failureEnding();
        return false;
    }
    showStatus(Connected);
    closeMainConnection();
    for (int tab : {0, 1, 2})
        emit mainTabEnabled(tab, false);
    emit timerSwitched(Timer::SecondBlink, false);
    return true;
}

void DownloadRun::readCaptured(const LinkSettings &settings)
{
    m_comm.setFirstCharacterHandler([this](QChar c) { emit firstCharacterReceived(QString(c)); });
    if (!m_capturing) {
        read(settings);
    } else {
        link::CaptureArchive capture(m_paths, link::modelName(m_choice.modelIndex), settings.continuous);
        m_comm.setReceivedBytesSink([&capture](const QByteArray &bytes) { capture.write(bytes); });
        read(settings);
        m_comm.setReceivedBytesSink(nullptr);
        capture.close();
        m_capturePath = capture.path();
    }
    m_comm.setFirstCharacterHandler(nullptr);
}

void DownloadRun::read(const LinkSettings &settings)
{
    do {
        if (m_state.LastStatus != status::Ok)
            return;
        if (!settings.continuous) {
            emit secondButtonShown(false);
            emit timePanelText(QStringLiteral("Timeout in 29 Seconds "));
            emit timerSwitched(Timer::Countdown, true);
            m_state.LastStatus = m_comm.GetData(settings.downloadCode, settings.noTimeout);
            emit timerSwitched(Timer::Countdown, false);
        } else {
            emit timerSwitched(Timer::ContinuousState, true);
            m_state.LastStatus = m_comm.GetData(settings.downloadCode, settings.noTimeout);
            emit timerSwitched(Timer::ContinuousState, false);
        }
    } while (m_state.LastStatus == status::Ok && settings.continuous && !m_comm.Stop_Download);
}

bool DownloadRun::successEnding()
{
    m_comm.Close_Port();
    if (m_comm.Abort_Download) {
        db::DatabaseReplacement::discard(m_paths);
        keepPreviousDownload();
        return false;
    }
    if (m_comm.databaseWriteFailed()) {
        m_state.LastStatus = status::DatabaseNotCreated;
        failureEnding();
        return false;
    }
    if (m_state.Table_List.isEmpty()) {
        // Nothing arrived that makes a table: the previous download stays.
        db::DatabaseReplacement::discard(m_paths);
        keepPreviousDownload();
    } else if (!db::DatabaseReplacement::commit(m_paths, m_choice.modelIndex, m_state.Table_List)) {
        m_state.LastStatus = status::DatabaseNotCreated;
        failureEnding();
        return false;
    } else {
        m_state.DeviceCode = m_choice.modelIndex;
    }
    if (!m_comm.sharedTables().isEmpty())
        tellSharedTables();
    emit dataDownloaded();
    emit timerSwitched(Timer::FirstBlink, false);
    emit timerSwitched(Timer::SecondBlink, false);
    emit timePanelShown(false);
    emit timerSwitched(Timer::SecondBlink, true);
    emit receivingFrameShown(false);
    showStatus(DownloadComplete);
    emit choicesEnabled();
    m_state.TreeRootCaption = rootCaption(m_state.DeviceCode);
    report::InfoFile::write(m_paths, m_state);
    emit nextPageRequested();
    emit treeRebuildRequested();
    emit mainTabEnabled(0, true);
    return true;
}

void DownloadRun::failureEnding()
{
    m_comm.Close_Port();
    const int lastStatus = m_state.LastStatus;
    showStatus(failureStatusCode(lastStatus));
    if (m_comm.endedQuiet())
        tellLineWentQuiet();
    // Whatever began to arrive was built beside the live database and goes; the previous download
    // and its registry stay as a restart finds them, and the capture keeps what arrived.
    const bool keep = lastStatus == status::DatabaseLocked || lastStatus == status::PortTimeout
                      || lastStatus == status::CommEventWhileWaiting;
    if (lastStatus != status::DatabaseLocked)
        db::DatabaseReplacement::discard(m_paths);
    keepPreviousDownload();
    if (!keep)
        emit treeRebuildRequested();
    emit choicesEnabled();
    stopTimers();
    emit timePanelShown(false);
    if (m_comm.Abort_Download || lastStatus == status::AbortedWhileReceiving) {
        m_comm.Abort_Download = false;
        emit treeRebuildRequested();
        emit wizardCloseRequested();
    }
}

void DownloadRun::keepPreviousDownload()
{
    m_state.Table_List = db::Table_Registry(m_paths, m_state, 0);
}

void DownloadRun::tellSharedTables()
{
    QString text = QStringLiteral("The gauge holds projects whose identifiers differ only by a full stop; they would share the "
                                  "table(s) %1, so the readings of the later project were not stored.")
                       .arg(m_comm.sharedTables().join(QStringLiteral(", ")));
    if (!m_capturePath.isEmpty())
        text += QStringLiteral(" All that arrived is kept in %1.").arg(m_capturePath);
    m_prompter.tell(text, program::title(), Prompter::Icon::Warning);
}

void DownloadRun::tellLineWentQuiet()
{
    const qint64 readings = db::CreateDatabase::rowsOf(m_paths.newDatabase(), m_comm.quietTables());
    QString text = QStringLiteral("The line went quiet before the gauge's end mark: %1 readings arrived, and the download is "
                                  "not complete. The previous download is kept.")
                       .arg(readings);
    if (!m_capturePath.isEmpty())
        text += QStringLiteral(" What arrived is kept in %1; replaying it stores it.").arg(m_capturePath);
    m_prompter.tell(text, program::title(), Prompter::Icon::Warning);
}

} // namespace valtrane::wizard
