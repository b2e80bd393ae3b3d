#include "app/ui/MainMenus.h"

#include "common/ProgramInfo.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace valtrane::app {

namespace {

// The commands, wherever in the window they are, that wait while the constants dialog is open.
const char *const CommandsLockedByConstants[] = {"ImportWizard", "Information", "COM_DES"};

QAction *addCommand(QMenu *menu, const QString &text, const std::function<void()> &run, const char *name = nullptr)
{
    QAction *action = menu->addAction(text);
    if (name)
        action->setObjectName(QString::fromLatin1(name));
    if (run)
        QObject::connect(action, &QAction::triggered, menu, [run] { run(); });
    return action;
}

} // namespace

MainMenus::MainMenus(QMenuBar *bar, const MainMenuCommands &commands, const QIcon &openIcon, const QIcon &saveIcon)
    : QObject(bar)
    , m_bar(bar)
{
    buildFileMenu(bar, commands, openIcon, saveIcon);
    buildGaugeMenu(bar, commands);
    QAction *labInfo = bar->addAction(QStringLiteral("&Lab Info"));
    labInfo->setObjectName(QStringLiteral("Information"));
    if (commands.labInformation)
        connect(labInfo, &QAction::triggered, this, [run = commands.labInformation] { run(); });
    buildPortsMenu(bar, commands);
    buildHelpMenu(bar, commands);
}

void MainMenus::buildFileMenu(QMenuBar *bar, const MainMenuCommands &commands, const QIcon &openIcon, const QIcon &saveIcon)
{
    QMenu *file = bar->addMenu(QStringLiteral("&File"));
    m_fileActions = {addCommand(file, QStringLiteral("&Open Project(s)..."), commands.openProjects),
                     addCommand(file, QStringLiteral("Save &All Projects..."), commands.saveAllProjects),
                     addCommand(file, QStringLiteral("Save &Selected Project..."), commands.saveSelectedProject)};
    m_fileActions[0]->setIcon(openIcon);
    m_fileActions[0]->setShortcut(QKeySequence::Open);
    m_fileActions[1]->setIcon(saveIcon);
    m_fileActions[1]->setShortcut(QKeySequence::Save);
    file->addSeparator();
    addCommand(file, QStringLiteral("&Export..."), commands.exportData, "Export");
    file->addSeparator();
    addCommand(file, QStringLiteral("E&xit"), commands.exit, "File_Exit")->setShortcut(QKeySequence::Quit);
}

void MainMenus::buildGaugeMenu(QMenuBar *bar, const MainMenuCommands &commands)
{
    QMenu *gauge = bar->addMenu(QStringLiteral("&Gauge"));
    QAction *import = addCommand(gauge, QStringLiteral("&Import Data..."), commands.importData, "ImportWizard");
    import->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    gauge->addSeparator();
    addCommand(gauge, QStringLiteral("Stiffness &Constants..."), commands.stiffnessConstants, "SCons");
}

void MainMenus::buildPortsMenu(QMenuBar *bar, const MainMenuCommands &commands)
{
    QMenu *ports = bar->addMenu(QStringLiteral("&Ports"));
    ports->menuAction()->setObjectName(QStringLiteral("COM_DES"));
    addCommand(ports, QStringLiteral("&Check Ports"), commands.checkPorts, "Check_Ports");
    ports->addSeparator();
    for (int i = 0; i < int(m_comStat.size()); ++i) {
        m_comStat[size_t(i)] = ports->addAction(QStringLiteral("COM%1:").arg(i + 1));
        m_comStat[size_t(i)]->setObjectName(QStringLiteral("COM_STAT%1").arg(i));
    }
}

void MainMenus::buildHelpMenu(QMenuBar *bar, const MainMenuCommands &commands)
{
    QMenu *help = bar->addMenu(QStringLiteral("&Help"));
    addCommand(help, QStringLiteral("&Contents"), commands.helpContents, "Contents")->setShortcut(QKeySequence::HelpContents);
    addCommand(help, QStringLiteral("Valtrane on the &Web"), commands.webLink, "Weblink");
    help->addSeparator();
    addCommand(help, QStringLiteral("&About ") + program::title(), commands.about, "About");
}

void MainMenus::setPortCaptions(const QStringList &captions)
{
    for (int i = 0; i < int(m_comStat.size()) && i < captions.size(); ++i)
        m_comStat[size_t(i)]->setText(captions.at(i));
}

QStringList MainMenus::portCaptions() const
{
    QStringList captions;
    for (const QAction *a : m_comStat)
        captions.append(a->text());
    return captions;
}

void MainMenus::setFileCommandsEnabled(bool enabled)
{
    for (QAction *a : m_fileActions)
        a->setEnabled(enabled);
}

void MainMenus::setLockedByConstants(bool locked)
{
    for (const char *name : CommandsLockedByConstants) {
        if (auto *command = m_bar->window()->findChild<QAction *>(QString::fromLatin1(name)))
            command->setEnabled(!locked);
    }
}

} // namespace valtrane::app
