#include "export/ui/ExportForm.h"

#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

namespace valtrane::exporting {

namespace {

template <size_t N>
QGroupBox *optionFrame(const QString &caption, const QString &name, std::array<QRadioButton *, N> &options,
                       const std::array<const char *, N> &captions)
{
    auto *frame = new QGroupBox(caption);
    auto *layout = new QVBoxLayout(frame);
    for (size_t i = 0; i < N; ++i) {
        options[i] = new QRadioButton(QString::fromLatin1(captions[i]));
        options[i]->setObjectName(name + QString::number(i));
        layout->addWidget(options[i]);
    }
    layout->addStretch(1);
    return frame;
}

// The program's icons where they are installed; a window without them still works.
QIcon pictureOr(const AppPaths &paths, const QString &picture, const QString &fallback)
{
    const QString file = paths.image(picture);
    return QIcon(QFileInfo::exists(file) ? file : paths.image(fallback));
}

} // namespace

ExportForm::ExportForm(const AppPaths &paths, AppState &state, ExportChoices &choices, Prompter &prompter, FileChooser &files,
                       ReportOnScreen shown, QWidget *owner)
    : QDialog(owner)
    , m_state(state)
    , m_choices(choices)
    , m_prompter(prompter)
    , m_files(files)
    , m_select(state.DeviceCode, state.LastFolder, shown)
{
    setObjectName(QStringLiteral("ExportForm"));
    setWindowTitle(QStringLiteral("Export Select"));
    setWindowIcon(pictureOr(paths, QStringLiteral("iriconf.ico"), QStringLiteral("iricon.ico")));
    state.ExportConfirmed = false;

    auto *grid = new QGridLayout;
    grid->addWidget(destinationFrame(), 0, 0);
    grid->addWidget(formatFrame(), 0, 1);
    grid->addWidget(rangeFrame(), 1, 0);
    grid->addWidget(dataFrame(), 1, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(12);
    layout->addLayout(grid);
    layout->addWidget(locationFrame(paths));
    layout->addLayout(buttonRow());
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connectOptions();
    showChoices();
}

QWidget *ExportForm::destinationFrame()
{
    return optionFrame<2>(QStringLiteral("Export Destination"), QStringLiteral("ExportDest"), m_dest, {"Application", "Disk"});
}

QWidget *ExportForm::formatFrame()
{
    return optionFrame<3>(QStringLiteral("Export Format"), QStringLiteral("ExportFormat"), m_format,
                          {"Comma-Seperated Values (CSV)", "Rich Text (Exact) Format", "Acrobat Format (PDF)"});
}

QWidget *ExportForm::rangeFrame()
{
    QGroupBox *frame = optionFrame<2>(QStringLiteral("Page Range"), QStringLiteral("ExportRange"), m_range, {"All Pages", "Range"});
    auto *row = new QHBoxLayout;
    const char *names[] = {"RangeStart", "RangeFinish"};
    for (int i = 0; i < 2; ++i) {
        m_rangeBoxes[size_t(i)] = new QLineEdit;
        m_rangeBoxes[size_t(i)]->setObjectName(QLatin1String(names[i]));
        m_rangeBoxes[size_t(i)]->setMaximumWidth(60);
        m_rangeBoxes[size_t(i)]->installEventFilter(this);
        auto *label = new QLabel(i == 0 ? QStringLiteral("From") : QStringLiteral("To"));
        label->setBuddy(m_rangeBoxes[size_t(i)]);
        row->addWidget(label);
        row->addWidget(m_rangeBoxes[size_t(i)]);
    }
    row->addStretch(1);
    qobject_cast<QVBoxLayout *>(frame->layout())->insertLayout(2, row);
    return frame;
}

QWidget *ExportForm::dataFrame()
{
    QGroupBox *frame = optionFrame<2>(QStringLiteral("Export Data"), QStringLiteral("ExportWhat"), m_what, {"Export All Data", ""});
    m_what[1]->setText(m_select.whatCurrentCaption());
    return frame;
}

QWidget *ExportForm::locationFrame(const AppPaths &paths)
{
    auto *frame = new QGroupBox(QStringLiteral("Export File Location and Name"));
    auto *grid = new QGridLayout(frame);
    const QString picture = paths.image(QStringLiteral("pficonf.gif"));
    const bool hasPicture = QFileInfo::exists(picture);
    const char *labels[] = {"Raw Data Export File Name", "Stiffness Data Export File Name"};
    for (int i = 0; i < 2; ++i) {
        auto *label = new QLabel(QLatin1String(labels[i]));
        m_locations[size_t(i)] = new QLineEdit;
        m_locations[size_t(i)]->setObjectName(QStringLiteral("ExportLocation%1").arg(i));
        m_locations[size_t(i)]->setMinimumWidth(420);
        label->setBuddy(m_locations[size_t(i)]);
        // The picture stands for the button's text when it is installed.
        m_browse[size_t(i)] = hasPicture ? new QPushButton(QIcon(picture), QString()) : new QPushButton(QStringLiteral("..."));
        m_browse[size_t(i)]->setObjectName(QStringLiteral("FileBrowseButton%1").arg(i));
        m_browse[size_t(i)]->setToolTip(QStringLiteral("Browse"));
        m_browse[size_t(i)]->setAutoDefault(false);
        grid->addWidget(label, 2 * i, 0, 1, 2);
        grid->addWidget(m_locations[size_t(i)], 2 * i + 1, 0);
        grid->addWidget(m_browse[size_t(i)], 2 * i + 1, 1);
    }
    return frame;
}

QLayout *ExportForm::buttonRow()
{
    m_ok = new QPushButton(QStringLiteral("Export"));
    m_ok->setObjectName(QStringLiteral("ExportOk"));
    m_cancel = new QPushButton(QStringLiteral("Cancel"));
    m_cancel->setObjectName(QStringLiteral("ExportCancel"));
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    for (QPushButton *b : {m_ok, m_cancel}) {
        b->setAutoDefault(false);
        b->setMinimumWidth(88);
        row->addWidget(b);
    }
    return row;
}

void ExportForm::connectOptions()
{
    for (int i = 0; i < 2; ++i) {
        connect(m_dest[size_t(i)], &QRadioButton::clicked, this, [this, i] { m_select.clickDest(i); showChoices(); });
        connect(m_range[size_t(i)], &QRadioButton::clicked, this, [this, i] { m_select.clickRange(i); showChoices(); });
        connect(m_what[size_t(i)], &QRadioButton::clicked, this, [this, i] { m_select.clickWhat(i); showChoices(); });
        connect(m_rangeBoxes[size_t(i)], &QLineEdit::textChanged, this, [this, i](const QString &text) {
            m_select.editRange(i, text);
            showChoices();
        });
        connect(m_locations[size_t(i)], &QLineEdit::textEdited, this,
                [this, i](const QString &text) { m_select.editLocation(i, text); });
        connect(m_browse[size_t(i)], &QPushButton::clicked, this, [this, i] {
            if (m_select.browse(i, m_files, m_state.LastFolder))
                showChoices();
        });
    }
    for (int i = 0; i < 3; ++i)
        connect(m_format[size_t(i)], &QRadioButton::clicked, this, [this, i] { m_select.clickFormat(i); showChoices(); });
    connect(m_ok, &QPushButton::clicked, this, &ExportForm::onExport);
    connect(m_cancel, &QPushButton::clicked, this, &ExportForm::onCancel);
}

void ExportForm::showChoices()
{
    const auto show = [](QRadioButton *option, bool checked, bool enabled) {
        const QSignalBlocker blocker(option);
        option->setChecked(checked);
        option->setEnabled(enabled);
    };
    for (int i = 0; i < 2; ++i) {
        show(m_dest[size_t(i)], m_select.dest() == i, true);
        show(m_range[size_t(i)], m_select.range() == i, true);
        show(m_what[size_t(i)], m_select.what() == i, m_select.whatEnabled());
        QLineEdit *range = m_rangeBoxes[size_t(i)];
        if (range->text() != m_select.rangeText(i)) {
            const QSignalBlocker blocker(range);
            range->setText(m_select.rangeText(i));
        }
        range->setEnabled(m_select.rangeBoxesEnabled());
        QLineEdit *location = m_locations[size_t(i)];
        if (location->text() != m_select.location(i))
            location->setText(m_select.location(i));
        location->setEnabled(m_select.locationEnabled(i));
        m_browse[size_t(i)]->setEnabled(m_select.browseEnabled(i));
    }
    for (int i = 0; i < 3; ++i)
        show(m_format[size_t(i)], m_select.format() == i, i != ExportSelect::Csv || m_select.csvEnabled());
}

bool ExportForm::eventFilter(QObject *watched, QEvent *event)
{
    // Entering a range box selects its text, so a page number typed replaces it.
    if (event->type() == QEvent::FocusIn) {
        for (QLineEdit *box : m_rangeBoxes) {
            if (watched == box)
                QTimer::singleShot(0, box, &QLineEdit::selectAll);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ExportForm::onExport()
{
    if (!m_select.confirm(m_choices, m_state, m_prompter))
        return;
    accept();
}

void ExportForm::onCancel()
{
    ExportSelect::cancel(m_state);
    reject();
}

} // namespace valtrane::exporting
