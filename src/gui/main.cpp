// valtrane: the desktop program.
#include "app/ui/MainWindow.h"
#include "common/AppPaths.h"
#include "common/AppState.h"
#include "common/ProgramInfo.h"

#include <QApplication>

using namespace valtrane;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(program::title());
    QApplication::setApplicationVersion(program::version());

    AppPaths paths(AppPaths::chooseProgramFolder(QApplication::arguments(), QApplication::applicationDirPath()));
    AppState state;
    state.LastFolder = paths.programFolder();

    app::MainWindow window(paths, state);
    window.show();
    return app.exec();
}
