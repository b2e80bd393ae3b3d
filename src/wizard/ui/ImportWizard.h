#pragma once

#include "common/AppPaths.h"
#include "common/AppState.h"
#include "common/Prompter.h"
#include "wizard/DownloadRun.h"
#include "wizard/WizardPages.h"

#include <QDialog>
#include <QTimer>
#include <array>
#include <functional>

class QAbstractButton;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;

namespace valtrane::link {
class Communication;
}

namespace valtrane::wizard {

// The import wizard: walks the user through one gauge download (port, gauge model, download type,
// the gauge's instructions), runs it on "START" and shows how it went. It lets the owner work on
// while it is open, and cannot be closed while a download runs: a close then aborts the download,
// and the wizard closes once the read has ended.
class ImportWizard : public QDialog {
    Q_OBJECT
public:
    // Runs the owner's port scan and gives its result: a character per port, a digit when free.
    using ScanPorts = std::function<QString()>;

    ImportWizard(const AppPaths &paths, AppState &state, link::Communication &communication, Prompter &prompter,
                 ScanPorts scanPorts, QWidget *owner = nullptr);

    // The download START runs; the owner binds what the download asks of the main window.
    DownloadRun &downloadRun() { return m_run; }
    bool downloading() const { return m_downloading; }
    const WizardView &view() const { return m_view; }

    // Button 0 is "Next" ("Finished" on the last page), button 1 "Previous" ("Done" during a
    // continuous download).
    QPushButton *button(int index) const { return index == 0 ? m_next : m_previous; }
    QLabel *messageLine(int index) const { return index == 0 ? m_line0 : m_line1; }
    QAbstractButton *portButton(int index) const;
    QAbstractButton *modelButton(int index) const;
    QAbstractButton *typeButton(int index) const;
    QLabel *timePanel() const { return m_timePanel; }
    QLabel *connectionPanel() const { return m_connectionText; }

    // Every close comes here: the closing button, Escape, "Finished", or a download that ended
    // because the wizard was being closed.
    void done(int result) override;

private:
    QWidget *buildHeader();
    QGroupBox *buildGroup(const QString &title, const QString &name, const QStringList &captions, QButtonGroup *&group);
    QGroupBox *buildReceivingFrame();
    QStatusBar *buildStatusBar();
    void bindRun();
    void bindTimers();

    void onButton(int index);
    void onChosen(int &choice, int index);
    void render();
    void startDownload();
    void applyPortScan(const QString &scan);
    void showStatus(int code);
    void switchTimer(DownloadRun::Timer timer, bool running);
    void blink(int light);
    void showLight(int light);
    void countdownTick();
    void continuousStateTick();
    void setTimePanelShown(bool shown);

    const AppPaths &m_paths;
    link::Communication &m_comm;
    DownloadRun m_run;
    WizardChoices m_choices;
    WizardView m_view;
    QString m_portScan;
    bool m_downloading = false;
    bool m_closeWhenDone = false;
    int m_elapsedSeconds = 0;
    std::array<bool, 2> m_lit{};

    QLabel *m_line0 = nullptr;
    QLabel *m_line1 = nullptr;
    QPushButton *m_next = nullptr;
    QPushButton *m_previous = nullptr;
    QGroupBox *m_portFrame = nullptr;
    QGroupBox *m_modelFrame = nullptr;
    QGroupBox *m_typeFrame = nullptr;
    QGroupBox *m_receivingFrame = nullptr;
    QButtonGroup *m_ports = nullptr;
    QButtonGroup *m_models = nullptr;
    QButtonGroup *m_types = nullptr;
    std::array<QLabel *, 2> m_lights{};
    QLineEdit *m_receiveBox = nullptr;
    QStatusBar *m_statusBar = nullptr;
    QLabel *m_connectionPicture = nullptr;
    QLabel *m_connectionText = nullptr;
    QLabel *m_portPanel = nullptr;
    QLabel *m_devicePanel = nullptr;
    QLabel *m_typePanel = nullptr;
    QLabel *m_timePanel = nullptr;

    QTimer m_firstBlink{this};
    QTimer m_secondBlink{this};
    QTimer m_countdown{this};
    QTimer m_continuousState{this};
};

} // namespace valtrane::wizard
