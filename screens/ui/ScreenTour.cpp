#include "screens/ui/ScreenTour.h"

#include "app/DesktopActions.h"
#include "app/ui/DataPage.h"
#include "app/ui/MainWindow.h"
#include "app/ui/ReportPage.h"
#include "common/AppPaths.h"
#include "common/AppState.h"
#include "export/ui/ExportCommand.h"
#include "export/ui/ExportForm.h"
#include "screens/ui/ReportPictures.h"
#include "link/Communication.h"
#include "link/FakeSerialControl.h"
#include "parse/SampleStreams.h"
#include "report/ReportTextEditor.h"
#include "report/ui/AddInfo.h"
#include "report/ui/ReportMenu.h"
#include "report/ui/ReportTabView.h"
#include "stiffness/ui/StiffnessConsDialog.h"
#include "wizard/ui/ImportWizard.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTreeWidget>
#include <algorithm>

namespace valtrane::screens {

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

// The program's pictures, from beside the executable, so the windows show them as installed.
void copyPictures(const AppPaths &paths)
{
    const QDir installed(QApplication::applicationDirPath() + QStringLiteral("/images"));
    QDir().mkpath(paths.imagesFolder());
    for (const QString &name : installed.entryList(QDir::Files))
        QFile::copy(installed.filePath(name), paths.imagesFolder() + QLatin1Char('/') + name);
}

// A main window started up on a folder of its own, its dialogs answered by the tour and its ports
// those of a scripted serial control.
struct TourWindow {
    explicit TourWindow(const QString &projectFile = QString())
        : dialogs(projectFile)
    {
        copyPictures(paths);
        window.show();
        window.startUp();
    }

    QTemporaryDir home;
    AppPaths paths{home.path()};
    AppState state;
    TourDialogs dialogs;
    NoDesktop desktop;
    link::FakeSerialControl serial;
    app::MainWindow window{paths, state, {dialogs, dialogs, desktop, [this] {
                                              auto communication = std::make_unique<link::Communication>(paths, state);
                                              communication->setComm_Object(&serial);
                                              communication->setClock(serial.clock());
                                              communication->setYield([] { QApplication::processEvents(); });
                                              return communication;
                                          }}};
};

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

// The report tab with a few columns placed; for the NG7700A also the report menu, the text editor
// and the lab information form.
bool reportTour(app::MainWindow &window, int model, const QString &name, const QDir &out)
{
    static const std::vector<std::vector<const char *>> columns{
        {"Time", "CH1", "CH2", "CH3"},
        {"Stat", "Depth", "Wet Dens", "Dry Dens", "%Wat", "%Comp"},
        {"Stat1", "Offset", "Wet Dens", "Dry Dens", "%Comp"},
        {"Frequency", "Noise Data", "Signal Data"},
    };
    window.mainTab()->setCurrentIndex(app::MainWindow::ReportPageIndex);
    report::ReportTabView *view = window.reportPage()->tabView();
    for (const char *object : columns[size_t(model)])
        view->tab().placeColumnObject(QString::fromLatin1(object));
    view->refreshPreview();
    bool ok = picture(window, out.filePath(name + QStringLiteral("-report-tab.png")));
    if (model != NG7700A)
        return ok;
    view->openReportMenu(1, QPoint(6000, 3000), QString(), window.mapToGlobal(QPoint(500, 300)));
    ok = picture(*view->reportMenu(), out.filePath(QStringLiteral("report-menu.png"))) && ok;
    view->reportMenu()->close();
    view->openEditor(report::ReportTextEditor::CompanyInfo);
    ok = picture(*view->editor(), out.filePath(QStringLiteral("add-info.png"))) && ok;
    view->editor()->cancelAndClose();
    window.findChild<QAction *>(QStringLiteral("Information"))->trigger();
    settle();
    if (QWidget *form = window.findChild<QWidget *>(QStringLiteral("InfoForm"))) {
        ok = picture(*form, out.filePath(QStringLiteral("info-form.png"))) && ok;
        form->close();
    }
    return ok;
}

// A saved project of the model, opened from the data page as a user would.
bool projectPictures(int model, const QDir &out)
{
    QTemporaryDir files;
    const QString name = QString::fromLatin1(ModelNames[model]);
    const QString projectFile = files.filePath(name + QStringLiteral(".txt"));
    QFile file(projectFile);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(QByteArrayLiteral(" ") + QByteArray::number(model) + QByteArrayLiteral(" \r\n") + parse::sampleStream(model));
    file.close();

    TourWindow tour(projectFile);
    app::MainWindow &window = tour.window;
    // Start-up fits the window to the screen; the pictures show it at a usual desktop size.
    window.resize(1100, 720);
    window.dataPage()->openButton()->click();
    selectFirstTable(window);

    bool ok = picture(window, out.filePath(name + QStringLiteral("-data.png")));
    ok = reportTour(window, model, name, out) && ok;
    if (model == LD4800) {
        window.mainTab()->setCurrentIndex(app::MainWindow::GraphPageIndex);
        ok = picture(window, out.filePath(name + QStringLiteral("-graph.png"))) && ok;
        // The graph picture the reports show, as the program wrote it.
        ok = QImage(tour.paths.graphImage(), "BMP").save(out.filePath(name + QStringLiteral("-graph-picture.png"))) && ok;
    }
    if (model == NG7700B || model == SG2150) {
        window.findChild<QAction *>(QStringLiteral("Export"))->trigger();
        exporting::ExportForm *form = window.exportCommand()->form();
        ok = form && picture(*form, out.filePath(name + QStringLiteral("-export.png"))) && ok;
        if (form)
            form->close();
    }
    window.close();
    return writeReportPictures(tour.paths, tour.state, name, out) && ok;
}

bool projectsOfEveryModel(const QDir &out)
{
    bool ok = true;
    for (int model : {LD4800, NG7700A, NG7700B, SG2150})
        ok = projectPictures(model, out) && ok;
    return ok;
}

// Lets the wizard's timers run for a while, as they do while a gauge sends.
void runFor(int msecs)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < msecs)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

// A single LD4800 download through the import wizard, a picture of every page on the way.
bool wizardPages(const QDir &out)
{
    TourWindow tour;
    tour.serial.setOpenError(2, link::SerialControl::PortAlreadyOpen);
    tour.serial.setOpenError(4, link::SerialControl::InvalidPortNumber);
    tour.window.scanPorts();
    tour.window.findChild<QAction *>(QStringLiteral("ImportWizard"))->trigger();
    wizard::ImportWizard *wizard = tour.window.importWizard();
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
    tour.serial.queueBytes(report.left(200));
    tour.serial.queueAction([&] {
        runFor(1200);
        shot(6);
    });
    tour.serial.queueBytes(report.mid(200));
    next();
    shot(7);
    next();
    tour.window.close();
    return ok;
}

bool constantsDialog(const QDir &out)
{
    TourWindow tour;
    tour.window.findChild<QAction *>(QStringLiteral("SCons"))->trigger();
    stiffness::StiffnessConsDialog *constants = tour.window.constantsDialog();
    const char *values[] = {"0.12", "10.2500", "0.35", "112.0", "0.0625", "0.150", "1794.1"};
    for (int i = 0; i < StiffnessConstantCount; ++i)
        constants->box(i)->setText(QString::fromLatin1(values[i]));
    const bool ok = picture(*constants, out.filePath(QStringLiteral("constants.png")));
    constants->close();
    tour.window.close();
    return ok;
}

} // namespace

const std::vector<PictureSet> &ScreenTour::sets()
{
    static const std::vector<PictureSet> all{
        {"projects", "the main window with a saved project of each gauge model open", projectsOfEveryModel},
        {"wizard", "every import wizard page along an LD4800 download", wizardPages},
        {"constants", "the stiffness constants dialog", constantsDialog},
    };
    return all;
}

int ScreenTour::run(const QString &outputFolder, const QStringList &setNames)
{
    for (const QString &name : setNames) {
        if (std::none_of(sets().begin(), sets().end(), [&](const PictureSet &set) { return name == QLatin1String(set.name); })) {
            QTextStream(stderr) << "valtrane-screens: no picture set '" << name << "'\n";
            return 2;
        }
    }
    QDir out(outputFolder);
    if (!out.mkpath(QStringLiteral(".")))
        return 1;
    bool ok = true;
    for (const PictureSet &set : sets()) {
        if (setNames.isEmpty() || setNames.contains(QLatin1String(set.name)))
            ok = set.take(out) && ok;
    }
    return ok ? 0 : 1;
}

} // namespace valtrane::screens
