#include "gui/ScreenTour.h"

#include "app/DesktopActions.h"
#include "app/ui/DataPage.h"
#include "app/ui/MainWindow.h"
#include "common/AppPaths.h"
#include "common/AppState.h"
#include "export/ui/ExportCommand.h"
#include "export/ui/ExportForm.h"
#include "link/Communication.h"
#include "link/FakeSerialControl.h"
#include "parse/SampleStreams.h"
#include "stiffness/ui/StiffnessConsDialog.h"
#include "wizard/ui/ImportWizard.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
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
    if (model == NG7700B || model == SG2150) {
        window.findChild<QAction *>(QStringLiteral("Export"))->trigger();
        exporting::ExportForm *form = window.exportCommand()->form();
        ok = form && picture(*form, out.filePath(name + QStringLiteral("-export.png"))) && ok;
        if (form)
            form->close();
    }
    window.close();
    return ok;
}

// The program's pictures, from beside the executable, so the windows show them as installed.
void copyPictures(const AppPaths &paths)
{
    const QDir installed(QApplication::applicationDirPath() + QStringLiteral("/images"));
    QDir().mkpath(paths.imagesFolder());
    for (const QString &name : installed.entryList(QDir::Files))
        QFile::copy(installed.filePath(name), paths.imagesFolder() + QLatin1Char('/') + name);
}

// Lets the wizard's timers run for a while, as they do while a gauge sends.
void runFor(int msecs)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < msecs)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

// A single LD4800 download through the import wizard, a picture of every page on the way; then
// the stiffness constants dialog.
bool wizardTour(const QDir &out)
{
    QTemporaryDir home;
    AppPaths paths(home.path());
    AppState state;
    copyPictures(paths);
    TourDialogs dialogs{QString()};
    NoDesktop desktop;
    link::FakeSerialControl serial;
    serial.setOpenError(2, link::SerialControl::PortAlreadyOpen);
    serial.setOpenError(4, link::SerialControl::InvalidPortNumber);
    const auto makeLink = [&] {
        auto communication = std::make_unique<link::Communication>(paths, state);
        communication->setComm_Object(&serial);
        communication->setClock(serial.clock());
        communication->setYield([] { QApplication::processEvents(); });
        return communication;
    };
    app::MainWindow window(paths, state, {dialogs, dialogs, desktop, makeLink});
    window.show();
    window.startUp();
    window.findChild<QAction *>(QStringLiteral("ImportWizard"))->trigger();
    wizard::ImportWizard *wizard = window.importWizard();
    bool ok = true;
    const auto shot = [&](int page) {
        ok = picture(*wizard, out.filePath(QStringLiteral("wizard-page%1.png").arg(page))) && ok;
    };
    const auto next = [&] { wizard->button(0)->click(); };

    shot(0);
    next();
    wizard->portButton(0)->click();
    shot(1);
    next();
    wizard->modelButton(LD4800)->click();
    shot(2);
    next();
    wizard->typeButton(0)->click();
    shot(3);
    next();
    shot(4);
    next();
    shot(5);
    const QByteArray report = parse::sampleStream(LD4800);
    serial.queueBytes(report.left(200));
    serial.queueAction([&] {
        runFor(1200);
        shot(6);
    });
    serial.queueBytes(report.mid(200));
    next();
    shot(7);
    next();

    window.findChild<QAction *>(QStringLiteral("SCons"))->trigger();
    stiffness::StiffnessConsDialog *constants = window.constantsDialog();
    const char *values[] = {"0.12", "10.2500", "0.35", "112.0", "0.0625", "0.150", "1794.1"};
    for (int i = 0; i < StiffnessConstantCount; ++i)
        constants->box(i)->setText(QString::fromLatin1(values[i]));
    ok = picture(*constants, out.filePath(QStringLiteral("constants.png"))) && ok;
    constants->close();
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
    return wizardTour(out) && ok ? 0 : 1;
}

} // namespace valtrane::gui
