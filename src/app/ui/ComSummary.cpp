#include "app/ui/ComSummary.h"

#include "common/ProgramInfo.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace valtrane::app {

ComSummary::ComSummary(const QStringList &portCaptions, QWidget *owner)
    : QDialog(owner)
    , m_owner(owner)
{
    setWindowTitle(program::title());
    setAttribute(Qt::WA_DeleteOnClose);

    auto *label = new QLabel(summaryText(portCaptions).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).trimmed());
    label->setObjectName(QStringLiteral("Label1"));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OKButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addSpacing(8);
    layout->addWidget(buttons);
    setMinimumWidth(280);
}

QString ComSummary::summaryText(const QStringList &portCaptions)
{
    QString text = QStringLiteral("Comm port information:\r\n\r\n");
    for (const QString &caption : portCaptions)
        text += caption + QStringLiteral("\r\n");
    return text;
}

// The owner's own controls are disabled, not the owner itself: a disabled window disables every
// window it owns, and a download running in the import wizard must keep its "Done" button.
void ComSummary::showEvent(QShowEvent *event)
{
    if (m_owner && m_disabled.isEmpty()) {
        for (QWidget *w : m_owner->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (!w->isWindow() && w->isEnabled()) {
                w->setEnabled(false);
                m_disabled.append(w);
            }
        }
    }
    QDialog::showEvent(event);
}

void ComSummary::hideEvent(QHideEvent *event)
{
    for (const QPointer<QWidget> &w : std::as_const(m_disabled)) {
        if (w)
            w->setEnabled(true);
    }
    m_disabled.clear();
    QDialog::hideEvent(event);
}

} // namespace valtrane::app
