#pragma once

#include "app/DesktopActions.h"
#include "app/ui/MainWindow.h"
#include "link/FakeSerialControl.h"
#include "support/ScriptedFileChooser.h"
#include "support/ScriptedPrompter.h"
#include "support/TempHome.h"

#include <QTableView>
#include <QTreeWidget>
#include <QUrl>
#include <gtest/gtest.h>
#include <memory>

namespace valtrane::test {

class RecordingDesktop : public app::DesktopActions {
public:
    bool openUrl(const QUrl &url) override { urls.push_back(url); return true; }
    bool startProgram(const QString &) override { return true; }

    std::vector<QUrl> urls;
};

class MainWindowFixture : public ::testing::Test {
protected:
    app::MainWindow &start();
    void show();

    // The tree item reached by node texts from the root down, e.g. {"12.5", "Soil"}.
    QTreeWidgetItem *node(const QStringList &path) const;
    void click(QTreeWidgetItem *item);
    void click(const QStringList &path) { click(node(path)); }

    QStringList treeTexts() const;
    static QString cell(const QTableView *grid, int row, const QString &caption);

    TempHome home;
    AppState state;
    ScriptedPrompter prompter;
    ScriptedFileChooser files;
    RecordingDesktop desktop;
    // The ports the window scans; its clock makes the scan's waits pass at once.
    link::FakeSerialControl serial;
    std::unique_ptr<app::MainWindow> window;
};

} // namespace valtrane::test
