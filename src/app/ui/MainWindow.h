#pragma once

#include "common/AppPaths.h"
#include "common/AppState.h"

#include <QMainWindow>

namespace valtrane::app {

// The program's one main window.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(AppPaths &paths, AppState &state, QWidget *parent = nullptr);

private:
    AppPaths &m_paths;
    AppState &m_state;
};

} // namespace valtrane::app
