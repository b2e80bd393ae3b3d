#pragma once

#include <QIcon>
#include <QObject>
#include <QStringList>
#include <array>
#include <functional>

class QAction;
class QMenuBar;

namespace valtrane::app {

// What each menu command runs; the main window fills it with its own handlers.
struct MainMenuCommands {
    std::function<void()> openProjects;
    std::function<void()> saveAllProjects;
    std::function<void()> saveSelectedProject;
    std::function<void()> exportData;
    std::function<void()> exit;
    std::function<void()> importData;
    std::function<void()> stiffnessConstants;
    std::function<void()> labInformation;
    std::function<void()> checkPorts;
    std::function<void()> helpContents;
    std::function<void()> webLink;
    std::function<void()> about;
};

// The main window's menu bar: the File and Gauge menus, the Lab Info command, the Ports and Help menus, the four port status items and
// the file commands that go with the data page.
class MainMenus : public QObject {
    Q_OBJECT
public:
    // Icons of the file commands are those of the data page's buttons.
    MainMenus(QMenuBar *bar, const MainMenuCommands &commands, const QIcon &openIcon, const QIcon &saveIcon);

    void setPortCaptions(const QStringList &captions);
    QStringList portCaptions() const;

    // The menu's file commands act on the data page and are available with it.
    void setFileCommandsEnabled(bool enabled);
    // While the stiffness constants dialog is open, import, information and the ports menu wait.
    void setLockedByConstants(bool locked);

private:
    void buildFileMenu(QMenuBar *bar, const MainMenuCommands &commands, const QIcon &openIcon, const QIcon &saveIcon);
    void buildGaugeMenu(QMenuBar *bar, const MainMenuCommands &commands);
    void buildPortsMenu(QMenuBar *bar, const MainMenuCommands &commands);
    void buildHelpMenu(QMenuBar *bar, const MainMenuCommands &commands);

    std::array<QAction *, 4> m_comStat{};
    std::array<QAction *, 3> m_fileActions{};
    QMenuBar *m_bar;
};

} // namespace valtrane::app
