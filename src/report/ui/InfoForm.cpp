#include "report/ui/InfoForm.h"

#include "common/ProgramInfo.h"
#include "report/LabInformation.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace valtrane::report {

namespace {

const char *const FieldLabels[InfoForm::FieldCount] = {"Company", "Address", "City, State Zip", "Phone", "Fax",
                                                       "Email",   "Project Name", "Machine Number", "Tested By"};

} // namespace

InfoForm::InfoForm(const AppPaths &paths, AppState &state, ReportSet *reports, Prompter &prompter, QWidget *owner)
    : QDialog(owner)
    , m_paths(paths)
    , m_state(state)
    , m_reports(reports)
    , m_prompter(prompter)
{
    setObjectName(QStringLiteral("InfoForm"));
    setWindowTitle(QStringLiteral("Testing Lab Information"));
    auto *layout = new QVBoxLayout(this);
    auto *heading = new QLabel(QStringLiteral("Enter Company Information to be placed at the top of the Report."));
    heading->setObjectName(QStringLiteral("Tab4Label0"));
    layout->addWidget(heading);

    auto *grid = new QGridLayout;
    for (int i = 0; i < FieldCount; ++i) {
        auto *label = new QLabel(QString::fromLatin1(FieldLabels[i]));
        label->setObjectName(QStringLiteral("Tab4Label%1").arg(i + 1));
        m_fields[size_t(i)] = new QLineEdit(m_state.CInfo[size_t(i)]);
        m_fields[size_t(i)]->setObjectName(QStringLiteral("CInfo%1").arg(i));
        m_fields[size_t(i)]->setMinimumWidth(320);
        m_fields[size_t(i)]->installEventFilter(this);
        label->setBuddy(m_fields[size_t(i)]);
        grid->addWidget(label, i, 0);
        grid->addWidget(m_fields[size_t(i)], i, 1);
    }
    layout->addLayout(grid);

    auto *buttons = new QHBoxLayout;
    m_save = new QPushButton(QStringLiteral("Save Information"));
    m_save->setObjectName(QStringLiteral("Save_info"));
    m_close = new QPushButton(QStringLiteral("Close"));
    m_close->setObjectName(QStringLiteral("CloseInfo"));
    buttons->addStretch();
    buttons->addWidget(m_save);
    buttons->addWidget(m_close);
    layout->addLayout(buttons);
    connect(m_save, &QPushButton::clicked, this, &InfoForm::Save_info);
    connect(m_close, &QPushButton::clicked, this, &QDialog::close);
}

bool InfoForm::eventFilter(QObject *watched, QEvent *event)
{
    // Focus selects the whole text, so typing replaces it; the click that gave the focus would
    // place the cursor afterwards, so the selection waits for it.
    if (event->type() == QEvent::FocusIn)
        if (auto *edit = qobject_cast<QLineEdit *>(watched))
            QTimer::singleShot(0, edit, [edit] { edit->setSelection(0, int(edit->text().size())); });
    return QDialog::eventFilter(watched, event);
}

void InfoForm::Save_info()
{
    for (int i = 0; i < FieldCount; ++i)
        m_state.CInfo[size_t(i)] = m_fields[size_t(i)]->text();
    const bool saved = LabInformation::save(m_paths, m_state, m_reports);
    emit informationSaved();
    m_prompter.tell(saved ? LabInformation::savedMessage() : LabInformation::notSavedMessage(), program::title(),
                    saved ? Prompter::Icon::None : Prompter::Icon::Critical);
}

} // namespace valtrane::report
