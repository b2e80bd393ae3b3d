#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;

namespace valtrane::app {

// The port check's summary: the four port captions under a heading. Its owner window stays
// disabled while it is open.
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
};

} // namespace valtrane::app
