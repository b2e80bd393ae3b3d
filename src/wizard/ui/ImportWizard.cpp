#include "wizard/ui/ImportWizard.h"

#include "common/Twips.h"
#include "link/Communication.h"
#include "link/PortScan.h"
#include "wizard/ReceiveTimers.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace valtrane::wizard {

namespace {

constexpr int FirstBlinkMs = 150;
constexpr int SecondBlinkMs = 500;
constexpr int CountdownMs = 1000;
constexpr int ContinuousStateMs = 100;
constexpr int TimePanelMinimumTwips = 2500;
constexpr int NotConnected = 1;
constexpr int DownloadingData = 2;
constexpr int PictureSize = 16;

QString lightStyle(bool lit)
{
    return QStringLiteral("border-radius: 6px; border: 1px solid %1; background: %2;")
        .arg(lit ? QStringLiteral("#1f8a3b") : QStringLiteral("#a9b1ba"), lit ? QStringLiteral("#34c759") : QStringLiteral("#d5dae0"));
}

// A timer that is on stays on as it is: switching it on again does not restart its interval.
void enable(QTimer &timer, bool on)
{
    if (!on)
        timer.stop();
    else if (!timer.isActive())
        timer.start();
}

QLabel *panel(const QString &name)
{
    auto *label = new QLabel;
    label->setObjectName(name);
    label->setContentsMargins(6, 0, 6, 0);
    return label;
}

} // namespace

ImportWizard::ImportWizard(const AppPaths &paths, AppState &state, link::Communication &communication, Prompter &prompter,
                           ScanPorts scanPorts, QWidget *owner)
    : QDialog(owner)
    , m_paths(paths)
    , m_comm(communication)
    , m_run(paths, state, communication, *communication.Comm_Object(), prompter)
{
    setObjectName(QStringLiteral("ImportWizard"));
    setWindowTitle(QStringLiteral("Import Wizard"));
    setWindowIcon(QIcon(paths.image(QStringLiteral("iricon.ico"))));
    setModal(false);

    m_line0 = new QLabel;
    m_line0->setObjectName(QStringLiteral("Message0"));
    m_line1 = new QLabel;
    m_line1->setObjectName(QStringLiteral("Message1"));
    for (QLabel *line : {m_line0, m_line1}) {
        line->setWordWrap(true);
        line->setTextInteractionFlags(Qt::TextSelectableByMouse);
        line->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    QFont big = m_line0->font();
    big.setPointSizeF(big.pointSizeF() * 1.15);
    m_line0->setFont(big);

    m_portFrame = buildGroup(QStringLiteral("COM Port"), QStringLiteral("PortFrame"),
                             {WizardPages::portCaption(0), WizardPages::portCaption(1), WizardPages::portCaption(2),
                              WizardPages::portCaption(3)},
                             m_ports);
    m_modelFrame = buildGroup(QStringLiteral("Gauge Model"), QStringLiteral("ModelFrame"),
                              {WizardPages::modelCaption(LD4800), WizardPages::modelCaption(NG7700A),
                               WizardPages::modelCaption(NG7700B), WizardPages::modelCaption(SG2150)},
                              m_models);
    m_typeFrame = buildGroup(QStringLiteral("Download Type"), QStringLiteral("TypeFrame"),
                             {WizardPages::typeCaption(0), WizardPages::typeCaption(1)}, m_types);
    connect(m_ports, &QButtonGroup::idClicked, this, [this](int id) { onChosen(m_choices.port, id); });
    connect(m_models, &QButtonGroup::idClicked, this, [this](int id) { onChosen(m_choices.model, id); });
    connect(m_types, &QButtonGroup::idClicked, this, [this](int id) { onChosen(m_choices.type, id); });
    m_receivingFrame = buildReceivingFrame();

    m_next = new QPushButton;
    m_next->setObjectName(QStringLiteral("WizardButton0"));
    m_next->setDefault(true);
    m_previous = new QPushButton;
    m_previous->setObjectName(QStringLiteral("WizardButton1"));
    for (QPushButton *b : {m_previous, m_next})
        b->setMinimumWidth(96);
    connect(m_next, &QPushButton::clicked, this, [this] { onButton(0); });
    connect(m_previous, &QPushButton::clicked, this, [this] { onButton(1); });
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_previous);
    buttons->addWidget(m_next);

    auto *content = new QVBoxLayout;
    content->setContentsMargins(24, 18, 24, 12);
    content->setSpacing(14);
    content->addWidget(m_line0);
    for (QGroupBox *frame : {m_portFrame, m_modelFrame, m_typeFrame, m_receivingFrame})
        content->addWidget(frame);
    content->addWidget(m_line1);
    content->addStretch(1);
    content->addLayout(buttons);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildHeader());
    layout->addLayout(content, 1);
    layout->addWidget(buildStatusBar());
    // Wide enough for the status bar with its time panel, so the pages keep one size.
    resize(720, 420);

    bindRun();
    bindTimers();
    showStatus(NotConnected);
    m_view = WizardPages::show(0, m_choices, m_view);
    applyPortScan(scanPorts ? scanPorts() : QString());
}

QWidget *ImportWizard::buildHeader()
{
    auto *header = new QWidget;
    header->setObjectName(QStringLiteral("Header"));
    header->setAttribute(Qt::WA_StyledBackground);
    header->setStyleSheet(QStringLiteral("#Header { background: palette(base); border-bottom: 1px solid palette(mid); }"));
    auto *icon = new QLabel;
    icon->setPixmap(windowIcon().pixmap(40, 40));
    auto *title = new QLabel(QStringLiteral("Import Wizard"));
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.4);
    title->setFont(bold);
    auto *subtitle = new QLabel(QStringLiteral("Download the data stored in a Valtrane gauge"));
    subtitle->setForegroundRole(QPalette::PlaceholderText);
    auto *texts = new QVBoxLayout;
    texts->setSpacing(2);
    texts->addWidget(title);
    texts->addWidget(subtitle);
    auto *row = new QHBoxLayout(header);
    row->setContentsMargins(20, 12, 20, 12);
    row->setSpacing(14);
    row->addWidget(icon);
    row->addLayout(texts, 1);
    return header;
}

QGroupBox *ImportWizard::buildGroup(const QString &title, const QString &name, const QStringList &captions, QButtonGroup *&group)
{
    auto *frame = new QGroupBox(title);
    frame->setObjectName(name);
    group = new QButtonGroup(frame);
    auto *row = new QHBoxLayout(frame);
    row->setContentsMargins(14, 10, 14, 10);
    row->setSpacing(24);
    for (int i = 0; i < captions.size(); ++i) {
        auto *option = new QRadioButton(captions.at(i));
        option->setObjectName(name.chopped(5) + QString::number(i));
        group->addButton(option, i);
        row->addWidget(option);
    }
    row->addStretch(1);
    return frame;
}

QGroupBox *ImportWizard::buildReceivingFrame()
{
    auto *frame = new QGroupBox(QStringLiteral("Receiving"));
    frame->setObjectName(QStringLiteral("ReceivingFrame"));
    auto *row = new QHBoxLayout(frame);
    row->setContentsMargins(14, 10, 14, 10);
    row->setSpacing(8);
    for (int i = 0; i < 2; ++i) {
        auto *light = new QLabel;
        light->setObjectName(QStringLiteral("Indicator%1").arg(i));
        light->setFixedSize(12, 12);
        row->addWidget(light);
        m_lights[size_t(i)] = light;
        showLight(i);
    }
    row->addSpacing(8);
    row->addWidget(new QLabel(QStringLiteral("Line activity")));
    row->addStretch(1);
    row->addWidget(new QLabel(QStringLiteral("First character received:")));
    m_receiveBox = new QLineEdit;
    m_receiveBox->setObjectName(QStringLiteral("ReceiveBox"));
    m_receiveBox->setReadOnly(true);
    m_receiveBox->setAlignment(Qt::AlignCenter);
    m_receiveBox->setFixedWidth(44);
    row->addWidget(m_receiveBox);
    return frame;
}

QStatusBar *ImportWizard::buildStatusBar()
{
    m_statusBar = new QStatusBar;
    m_statusBar->setSizeGripEnabled(false);
    m_statusBar->setStyleSheet(QStringLiteral("QStatusBar { border-top: 1px solid palette(mid); }"));
    auto *connection = new QWidget;
    auto *row = new QHBoxLayout(connection);
    row->setContentsMargins(6, 0, 6, 0);
    row->setSpacing(6);
    m_connectionPicture = new QLabel;
    m_connectionPicture->setObjectName(QStringLiteral("ConnectionPicture"));
    m_connectionPicture->setFixedSize(PictureSize, PictureSize);
    m_connectionText = new QLabel;
    m_connectionText->setObjectName(QStringLiteral("ConnectionPanel"));
    row->addWidget(m_connectionPicture);
    row->addWidget(m_connectionText);
    m_portPanel = panel(QStringLiteral("PortPanel"));
    m_devicePanel = panel(QStringLiteral("DevicePanel"));
    m_typePanel = panel(QStringLiteral("TypePanel"));
    m_timePanel = panel(QStringLiteral("Time_Status"));
    m_timePanel->setAlignment(Qt::AlignCenter);
    m_timePanel->setMinimumWidth(twips::toPixels(TimePanelMinimumTwips, logicalDpiX()));
    m_statusBar->addWidget(connection);
    for (QLabel *label : {m_portPanel, m_devicePanel, m_typePanel})
        m_statusBar->addWidget(label);
    m_statusBar->addWidget(m_timePanel, 1);
    m_timePanel->hide();
    return m_statusBar;
}

QAbstractButton *ImportWizard::portButton(int index) const
{
    return m_ports->button(index);
}

QAbstractButton *ImportWizard::modelButton(int index) const
{
    return m_models->button(index);
}

QAbstractButton *ImportWizard::typeButton(int index) const
{
    return m_types->button(index);
}

void ImportWizard::bindRun()
{
    connect(&m_run, &DownloadRun::statusShown, this, [this](int code) { showStatus(code); });
    connect(&m_run, &DownloadRun::timePanelShown, this, &ImportWizard::setTimePanelShown);
    connect(&m_run, &DownloadRun::timePanelText, m_timePanel, &QLabel::setText);
    connect(&m_run, &DownloadRun::timerSwitched, this, &ImportWizard::switchTimer);
    connect(&m_run, &DownloadRun::receivingFrameShown, this, [this](bool shown) {
        m_view.receivingFrame = shown;
        render();
    });
    connect(&m_run, &DownloadRun::secondButtonShown, this, [this](bool shown) {
        m_view.previousShown = shown;
        render();
    });
    connect(&m_run, &DownloadRun::choicesEnabled, this, [this] {
        m_view = WizardPages::downloadEnded(m_view);
        render();
    });
    connect(&m_run, &DownloadRun::firstCharacterReceived, this, [this](const QString &character) {
        m_receiveBox->setText(character);
        // The panel's "Downloading Data " belongs to the time the gauge's characters arrive.
        showStatus(DownloadingData);
    });
    connect(&m_run, &DownloadRun::nextPageRequested, this, [this] {
        m_view = WizardPages::next(m_view, m_choices);
        render();
    });
    connect(&m_run, &DownloadRun::wizardCloseRequested, this, [this] { m_closeWhenDone = true; });
}

void ImportWizard::bindTimers()
{
    m_firstBlink.setObjectName(QStringLiteral("BlinkTimer0"));
    m_secondBlink.setObjectName(QStringLiteral("BlinkTimer1"));
    m_countdown.setObjectName(QStringLiteral("CountdownTimer"));
    m_continuousState.setObjectName(QStringLiteral("ContinuousStateTimer"));
    m_firstBlink.setInterval(FirstBlinkMs);
    m_secondBlink.setInterval(SecondBlinkMs);
    m_countdown.setInterval(CountdownMs);
    m_continuousState.setInterval(ContinuousStateMs);
    // The two lights take turns: each blink hands over to the other timer.
    connect(&m_firstBlink, &QTimer::timeout, this, [this] { blink(0); });
    connect(&m_secondBlink, &QTimer::timeout, this, [this] { blink(1); });
    connect(&m_countdown, &QTimer::timeout, this, &ImportWizard::countdownTick);
    connect(&m_continuousState, &QTimer::timeout, this, &ImportWizard::continuousStateTick);
}

void ImportWizard::switchTimer(DownloadRun::Timer timer, bool running)
{
    switch (timer) {
    case DownloadRun::Timer::FirstBlink: enable(m_firstBlink, running); break;
    case DownloadRun::Timer::SecondBlink: enable(m_secondBlink, running); break;
    case DownloadRun::Timer::Countdown: enable(m_countdown, running); break;
    case DownloadRun::Timer::ContinuousState: enable(m_continuousState, running); break;
    }
}

void ImportWizard::blink(int light)
{
    m_lit[size_t(light)] = !m_lit[size_t(light)];
    showLight(light);
    QTimer &self = light == 0 ? m_firstBlink : m_secondBlink;
    QTimer &other = light == 0 ? m_secondBlink : m_firstBlink;
    self.stop();
    enable(other, true);
}

void ImportWizard::showLight(int light)
{
    m_lights[size_t(light)]->setStyleSheet(lightStyle(m_lit[size_t(light)]));
}

void ImportWizard::countdownTick()
{
    ReceiveTexts texts{m_timePanel->text(), m_view.line1, m_elapsedSeconds};
    ReceiveTimers::countdownTick(texts, m_comm.Between_Tests);
    m_timePanel->setText(texts.timePanel);
    m_elapsedSeconds = texts.elapsedSeconds;
    m_view.line1 = texts.message;
    render();
}

void ImportWizard::continuousStateTick()
{
    ReceiveTexts texts{m_timePanel->text(), m_view.line1, m_elapsedSeconds};
    const bool receiving = ReceiveTimers::continuousStateTick(texts, m_comm.Between_Tests);
    m_timePanel->setText(texts.timePanel);
    m_view.line1 = texts.message;
    enable(m_countdown, receiving);
    // "Done" waits for the end of the test that is arriving.
    m_view.previousEnabled = !receiving;
    render();
}

void ImportWizard::setTimePanelShown(bool shown)
{
    if (shown)
        m_elapsedSeconds = 0;
    m_timePanel->setVisible(shown);
}

void ImportWizard::showStatus(int code)
{
    const DownloadRun::StatusPanel status = DownloadRun::statusPanel(code);
    m_connectionText->setText(status.text);
    const QPixmap picture(m_paths.image(status.picture));
    m_connectionPicture->setPixmap(picture.isNull() ? picture
                                                    : picture.scaled(PictureSize, PictureSize, Qt::KeepAspectRatio,
                                                                     Qt::SmoothTransformation));
}

void ImportWizard::applyPortScan(const QString &scan)
{
    m_portScan = scan;
    const QStringList captions = link::PortScan::captions(scan);
    for (int i = 0; i < 4; ++i)
        portButton(i)->setToolTip(captions.value(i));
    render();
}

void ImportWizard::onChosen(int &choice, int index)
{
    choice = index;
    m_view = WizardPages::chosen(m_view);
    render();
}

void ImportWizard::onButton(int index)
{
    if (index == 1 && m_downloading) {
        // "Done": the continuous download ends at its next step.
        m_comm.Stop_Download = true;
        return;
    }
    m_view = index == 0 ? WizardPages::next(m_view, m_choices) : WizardPages::previous(m_view, m_choices);
    if (m_view.page >= WizardView::ClosePage) {
        done(Accepted);
        return;
    }
    render();
    if (m_view.startsDownload)
        startDownload();
}

void ImportWizard::startDownload()
{
    m_receiveBox->clear();
    m_downloading = true;
    m_run.start(m_choices.downloadChoice());
    m_downloading = false;
    // A close asked for during the download happens now that the read has ended.
    if (m_closeWhenDone || m_comm.Abort_Download) {
        m_closeWhenDone = false;
        done(Rejected);
    }
}

void ImportWizard::render()
{
    m_line0->setText(m_view.line0);
    m_line1->setText(m_view.line1);
    m_next->setText(m_view.nextCaption);
    m_next->setEnabled(m_view.nextEnabled);
    m_previous->setText(m_view.previousCaption);
    m_previous->setVisible(m_view.previousShown);
    m_previous->setEnabled(m_view.previousEnabled);
    m_portFrame->setVisible(m_view.portFrame);
    m_modelFrame->setVisible(m_view.modelFrame);
    m_typeFrame->setVisible(m_view.typeFrame);
    m_receivingFrame->setVisible(m_view.receivingFrame);
    for (int i = 0; i < 4; ++i) {
        const QChar scanned = i < m_portScan.size() ? m_portScan.at(i) : QLatin1Char('x');
        portButton(i)->setEnabled(m_view.choicesEnabled && link::PortScan::selectable(scanned));
        modelButton(i)->setEnabled(m_view.choicesEnabled);
    }
    for (int i = 0; i < 2; ++i)
        typeButton(i)->setEnabled(m_view.choicesEnabled);
    m_portPanel->setText(m_view.portPanel);
    m_devicePanel->setText(m_view.devicePanel);
    m_typePanel->setText(m_view.typePanel);
}

void ImportWizard::done(int result)
{
    // Whatever is being read ends; a download that runs ends first and then closes the wizard.
    m_comm.Abort_Download = true;
    if (m_downloading)
        return;
    for (QTimer *timer : {&m_firstBlink, &m_secondBlink, &m_countdown, &m_continuousState})
        timer->stop();
    QDialog::done(result);
}

} // namespace valtrane::wizard
