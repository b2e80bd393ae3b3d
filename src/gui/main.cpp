// valtrane: the desktop program.
#include "app/DesktopActions.h"
#include "app/ui/DialogFileChooser.h"
#include "app/ui/MainWindow.h"
#include "app/ui/MessageBoxPrompter.h"
#include "app/ui/Splash.h"
#include "common/AppPaths.h"
#include "common/AppState.h"
#include "common/ProgramInfo.h"
#include "link/ComPortMap.h"
#include "link/Communication.h"
#include "link/QtSerialControl.h"

#include <QApplication>
#include <QMessageBox>
#include <QTextStream>

using namespace valtrane;

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(program::title());
    QApplication::setApplicationVersion(program::version());

    const QStringList args = QApplication::arguments();
    // A --home without its folder would quietly work on another folder's database.
    if (const QString problem = AppPaths::homeOptionError(args); !problem.isEmpty()) {
        QTextStream(stderr) << "valtrane: " << problem << "\n";
        QMessageBox::critical(nullptr, program::title(), problem);
        return 2;
    }
    AppPaths paths(AppPaths::chooseProgramFolder(args, QApplication::applicationDirPath()));
    AppState state;
    state.LastFolder = paths.programFolder();

    link::ComPortMap ports(paths);
    link::QtSerialControl serial(ports);
    app::MessageBoxPrompter prompter;
    app::DialogFileChooser files;
    app::SystemDesktopActions desktop;
    const auto makeLink = [&] {
        auto communication = std::make_unique<link::Communication>(paths, state);
        communication->setComm_Object(&serial);
        communication->setYield([] { QApplication::processEvents(); });
        return communication;
    };
    app::MainWindow window(paths, state, {prompter, files, desktop, makeLink});
    prompter.setOwner(&window);
    files.setOwner(&window);

    app::Splash splash(paths);
    // The main window shows its loading status while it starts up, and any start-up message
    // appears over it rather than behind the splash.
    QObject::connect(&splash, &app::Splash::timeUp, &window, [&] {
        window.show();
        splash.close();
        QApplication::processEvents();
        window.startUp();
    });
    splash.start();
    return application.exec();
}
