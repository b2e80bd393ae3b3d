#pragma once

#include "common/FileChooser.h"

class QWidget;

namespace valtrane::app {

// File choices through the desktop's open and save dialogs, owned by a window.
class DialogFileChooser : public FileChooser {
public:
    explicit DialogFileChooser(QWidget *owner = nullptr) : m_owner(owner) {}
    void setOwner(QWidget *owner) { m_owner = owner; }

    std::optional<QString> openFile(const Request &request) override;
    std::optional<QString> saveFile(const Request &request) override;

private:
    QWidget *m_owner;
};

} // namespace valtrane::app
