#pragma once

#include <QDialog>
#include <QList>
#include <QPointer>
#include <QStringList>

class QLabel;

namespace valtrane::app {

// The port check's summary: the four port captions under a heading. Its owner window's controls
// stay disabled while it is open.
class ComSummary : public QDialog {
    Q_OBJECT
public:
    ComSummary(const QStringList &portCaptions, QWidget *owner);

    // "Comm port information:", a blank line, then each caption on its own line (CR LF).
    static QString summaryText(const QStringList &portCaptions);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QWidget *m_owner;
    QList<QPointer<QWidget>> m_disabled;
};

} // namespace valtrane::app
