#include "app/ui/MainWindow.h"

#include "common/ProgramInfo.h"

#include <QStatusBar>

namespace valtrane::app {

MainWindow::MainWindow(AppPaths &paths, AppState &state, QWidget *parent)
    : QMainWindow(parent)
    , m_paths(paths)
    , m_state(state)
{
    setWindowTitle(program::title());
    statusBar()->showMessage(QStringLiteral("Status: Ok"));
    resize(800, 600);
}

} // namespace valtrane::app
