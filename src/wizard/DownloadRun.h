#pragma once

#include "common/AppPaths.h"
#include "common/AppState.h"
#include "common/Prompter.h"

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>

namespace valtrane::link {
class Communication;
class SerialControl;
}

namespace valtrane::wizard {

// The wizard's choices for one download.
struct DownloadChoice {
    int portIndex = 0;     // 0 to 3: COM1 to COM4
    int modelIndex = 0;    // DeviceModel: 0 LD4800, 1 NG7700A, 2 NG7700B, 3 SG2150
    int downloadType = 0;  // 0 single, 1 continuous (LD4800 only)
};

// How the link runs for one model.
struct LinkSettings {
    int baudRate = 0;
    std::int32_t downloadCode = 0;
    std::int16_t noTimeout = 0;
    bool continuous = false;
};

// One download, from START to its ending, without a window: prepares the database folder, opens
// the link with the model's settings, reads until the stream ends, and then registers the new
// tables or removes what a failed download left. Everything the wizard shows leaves as signals;
// the wizard window binds them and the CLI prints them. Runs on the caller's thread; the link
// yields while it reads, so timers and buttons bound to these signals keep working.
class DownloadRun : public QObject {
    Q_OBJECT
public:
    enum class Timer { FirstBlink, SecondBlink, Countdown, ContinuousState };
    Q_ENUM(Timer)

    // The wizard's connection panel: its text and the picture below the program folder.
    struct StatusPanel {
        QString text;
        QString picture;
    };
    static StatusPanel statusPanel(int code);
    // The panel code a failed download shows for its LastStatus.
    static int failureStatusCode(int lastStatus);
    // The link settings of a model; stiffnessBaud is the answer to the Vibrastat question.
    static LinkSettings linkSettings(int modelIndex, bool continuous, int stiffnessBaud = 1200);

    static QString vibrastatTitle() { return QStringLiteral("Vibrastat Question"); }
    static QString portErrorMessage() { return QStringLiteral("Error with Port"); }

    DownloadRun(const AppPaths &paths, AppState &state, link::Communication &communication,
                link::SerialControl &control, Prompter &prompter, QObject *parent = nullptr);

    // The desktop program closes the main window's database connection through this.
    void setCloseMainConnection(std::function<void()> close) { m_closeMainConnection = std::move(close); }
    // Live downloads keep a capture of what they received; a replay does not.
    void setCapturing(bool capturing) { m_capturing = capturing; }

    // START pressed: runs the download to its end. True when it succeeded and was registered.
    bool start(const DownloadChoice &choice);

    // The capture of the last download, empty when nothing was received or capturing is off.
    const QString &capturePath() const { return m_capturePath; }

signals:
    void statusShown(int code, const QString &text, const QString &picture);
    // Shown: the time panel appears and the elapsed time counts from 0 again.
    void timePanelShown(bool shown);
    void timePanelText(const QString &text);
    void timerSwitched(valtrane::wizard::DownloadRun::Timer timer, bool running);
    void receivingFrameShown(bool shown);
    void secondButtonShown(bool shown);
    // The wizard's buttons and its port, model and download-type choices work again.
    void choicesEnabled();
    void mainTabEnabled(int tab, bool enabled);
    // The first character of the stream, for the receive box.
    void firstCharacterReceived(const QString &character);
    // The database holds a new download (the downloaded-data and new-download flags).
    void dataDownloaded();
    void nextPageRequested();
    void treeRebuildRequested();
    void wizardCloseRequested();

private:
    void closeMainConnection();
    void showStatus(int code);
    void stopTimers();
    int askStiffnessBaud();
    bool openLink(const LinkSettings &settings);
    void read(const LinkSettings &settings);
    void readCaptured(const LinkSettings &settings);
    bool successEnding();
    void failureEnding();
    // Table_List and DeviceCode as the registry of the download still in place has them.
    void keepPreviousDownload();
    void tellLineWentQuiet();
    void tellSharedTables();

    const AppPaths &m_paths;
    AppState &m_state;
    link::Communication &m_comm;
    link::SerialControl &m_control;
    Prompter &m_prompter;
    std::function<void()> m_closeMainConnection;
    bool m_capturing = true;
    DownloadChoice m_choice;
    QString m_capturePath;
};

} // namespace valtrane::wizard
