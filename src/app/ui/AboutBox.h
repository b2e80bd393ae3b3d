#pragma once

#include "app/DesktopActions.h"
#include "common/AppPaths.h"
#include "common/Prompter.h"

#include <QDialog>

namespace valtrane::app {

// "About Valtrane IR Download": the program's name, version and icon, and a button that starts
// the system information tool.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    AboutBox(const AppPaths &paths, Prompter &prompter, DesktopActions &desktop, QWidget *parent = nullptr);

private:
    void startSystemInfo();

    Prompter &m_prompter;
    DesktopActions &m_desktop;
};

} // namespace valtrane::app
