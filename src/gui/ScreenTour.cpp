#include "gui/ScreenTour.h"

#include "app/DesktopActions.h"
#include "app/ui/DataPage.h"
#include "app/ui/MainWindow.h"
#include "common/AppPaths.h"
#include "common/AppState.h"
#include "link/Communication.h"
#include "link/FakeSerialControl.h"
#include "parse/SampleStreams.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTreeWidget>

namespace valtrane::gui {

namespace {

const char *const ModelNames[] = {"LD4800", "NG7700A", "NG7700B", "SG2150"};

// The tour answers every dialog itself: the project file when asked for one, Ok to messages.
class TourDialogs : public Prompter, public FileChooser {
public:
    explicit TourDialogs(QString projectFile) : m_projectFile(std::move(projectFile)) {}

    Answer ask(const QString &text, const QString &, Buttons, Icon) override
    {
        QTextStream(stderr) << "message: " << text << "\n";
        return Answer::Ok;
    }
    std::optional<QString> openFile(const Request &) override { return m_projectFile; }
    std::optional<QString> saveFile(const Request &) override { return std::nullopt; }

private:
    QString m_projectFile;
};

class NoDesktop : public app::DesktopActions {
public:
    bool openUrl(const QUrl &) override { return false; }
    bool startProgram(const QString &) override { return false; }
};

void settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

// The first table node, or for the nuclear gauges the first surface with readings.
void selectFirstTable(app::MainWindow &window)
{
    QTreeWidget *tree = window.dataPage()->tree();
    QTreeWidgetItem *root = tree->topLevelItem(0);
    if (!root || root->childCount() == 0)
        return;
    QTreeWidgetItem *table = root->child(0);
    if (table->childCount() == 0) {
        tree->setCurrentItem(table);
        return;
    }
    table->setExpanded(true);
    for (int i = 0; i < table->childCount(); ++i) {
        tree->setCurrentItem(table->child(i));
        if (window.dataPage()->dataGrid()->model()->rowCount() > 0)
            return;
    }
}

bool picture(QWidget &window, const QString &fileName)
{
    settle();
    const bool ok = window.grab().save(fileName);
    QTextStream(stdout) << fileName << "\n";
    return ok;
}

bool tour(int model, const QDir &out)
{
    QTemporaryDir home;
    AppPaths paths(home.path());
    AppState state;
    const QString name = QString::fromLatin1(ModelNames[model]);
    const QString projectFile = home.filePath(name + QStringLiteral(".txt"));
    QFile file(projectFile);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(QByteArrayLiteral(" ") + QByteArray::number(model) + QByteArrayLiteral(" \r\n") + parse::sampleStream(model));
    file.close();

    TourDialogs dialogs(projectFile);
    NoDesktop desktop;
    link::FakeSerialControl serial;
    const auto makeLink = [&] {
        auto communication = std::make_unique<link::Communication>(paths, state);
        communication->setComm_Object(&serial);
        communication->setClock(serial.clock());
        return communication;
    };
    app::MainWindow window(paths, state, {dialogs, dialogs, desktop, makeLink});
    window.show();
    window.startUp();
    // Start-up fits the window to the screen; the pictures show it at a usual desktop size.
    window.resize(1100, 720);
    window.dataPage()->openButton()->click();
    selectFirstTable(window);

    bool ok = picture(window, out.filePath(name + QStringLiteral("-data.png")));
    if (model == LD4800) {
        window.mainTab()->setCurrentIndex(app::MainWindow::GraphPageIndex);
        ok = picture(window, out.filePath(name + QStringLiteral("-graph.png"))) && ok;
    }
    window.close();
    return ok;
}

} // namespace

int ScreenTour::run(const QString &outputFolder)
{
    QDir out(outputFolder);
    if (!out.mkpath(QStringLiteral(".")))
        return 1;
    bool ok = true;
    for (int model : {LD4800, NG7700A, NG7700B, SG2150})
        ok = tour(model, out) && ok;
    return ok ? 0 : 1;
}

} // namespace valtrane::gui
