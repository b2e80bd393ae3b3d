#include "report/ui/AddInfo.h"

#include "report/ReportTab.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace valtrane::report {

AddInfo::AddInfo(ReportTab &tab, int itemCode, const QString &remarksObject, int remarksLine, QWidget *owner)
    : QDialog(owner)
    , m_editor(tab.reports(), tab.logo(), tab.state(), itemCode, remarksObject, remarksLine)
    , m_text(new QPlainTextEdit)
    , m_apply(new QPushButton(QStringLiteral("Apply")))
    , m_ok(new QPushButton(QStringLiteral("Ok")))
    , m_cancel(new QPushButton(QStringLiteral("Cancel")))
{
    setObjectName(QStringLiteral("Add_Info"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(m_editor.caption());

    m_text->setObjectName(QStringLiteral("New_label_TB"));
    m_text->setPlainText(m_editor.text());
    m_text->setReadOnly(!m_editor.textEditable());
    m_text->setFixedHeight(itemCode == ReportTextEditor::CompanyInfo ? 110 : 56);
    auto *textFrame = new QGroupBox(QStringLiteral("Edit Text"));
    textFrame->setObjectName(QStringLiteral("New_label_frame"));
    (new QVBoxLayout(textFrame))->addWidget(m_text);

    auto *alignFrame = new QGroupBox(QStringLiteral("Horizontal Allignment"));
    alignFrame->setObjectName(QStringLiteral("Allignment_Frame"));
    auto *alignLayout = new QHBoxLayout(alignFrame);
    auto *group = new QButtonGroup(this);
    const QString names[] = {QStringLiteral("Left"), QStringLiteral("Center"), QStringLiteral("Right")};
    for (int i = 0; i < 3; ++i) {
        m_alignments[size_t(i)] = new QRadioButton(names[i]);
        m_alignments[size_t(i)]->setObjectName(QStringLiteral("Allignment_Select"));
        group->addButton(m_alignments[size_t(i)], i + 1);
        alignLayout->addWidget(m_alignments[size_t(i)]);
    }
    if (QRadioButton *current = alignmentButton(m_editor.alignment()))
        current->setChecked(true);

    m_apply->setObjectName(QStringLiteral("Apply_B"));
    m_ok->setObjectName(QStringLiteral("OK_B"));
    m_cancel->setObjectName(QStringLiteral("Cancel_B"));
    m_ok->setDefault(true);
    m_apply->setEnabled(false);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *b : {m_apply, m_ok, m_cancel})
        buttons->addWidget(b);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(textFrame);
    layout->addWidget(alignFrame);
    layout->addLayout(buttons);
    setMinimumWidth(380);

    connect(m_text, &QPlainTextEdit::textChanged, this, [this] {
        m_editor.setText(m_text->toPlainText());
        m_apply->setEnabled(m_editor.applyEnabled());
    });
    connect(group, &QButtonGroup::idClicked, this, [this](int alignment) {
        m_editor.setAlignment(alignment);
        m_apply->setEnabled(m_editor.applyEnabled());
    });
    connect(m_apply, &QPushButton::clicked, this, &AddInfo::onApply);
    connect(m_ok, &QPushButton::clicked, this, &AddInfo::onOk);
    connect(m_cancel, &QPushButton::clicked, this, &AddInfo::onCancel);
}

QRadioButton *AddInfo::alignmentButton(int alignment) const
{
    return alignment >= 1 && alignment <= 3 ? m_alignments[size_t(alignment - 1)] : nullptr;
}

void AddInfo::onApply()
{
    m_editor.apply();
    m_apply->setEnabled(false);
    emit reportChanged();
}

void AddInfo::onOk()
{
    m_editor.ok();
    m_finished = true;
    emit reportChanged();
    close();
}

void AddInfo::onCancel()
{
    m_editor.cancel();
    m_finished = true;
    emit cancelled();
    close();
}

void AddInfo::cancelAndClose()
{
    if (!m_finished)
        onCancel();
}

// Closing the window by its frame is a cancel.
void AddInfo::closeEvent(QCloseEvent *event)
{
    if (!m_finished) {
        m_editor.cancel();
        m_finished = true;
        emit cancelled();
    }
    QDialog::closeEvent(event);
}

} // namespace valtrane::report
