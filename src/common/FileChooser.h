#pragma once

#include <QString>
#include <optional>

namespace valtrane {

// File open and save dialogs go through this, so the desktop program shows real dialogs and tests
// choose files without ever blocking. nullopt means the user cancelled.
class FileChooser {
public:
    struct Request {
        QString title;
        QString folder;   // where the dialog opens
        QString filter;   // "Text File (*.txt)"
    };

    virtual ~FileChooser() = default;

    virtual std::optional<QString> openFile(const Request &request) = 0;
    // Asks nothing about an existing file: the caller asks its own overwrite question.
    virtual std::optional<QString> saveFile(const Request &request) = 0;
};

} // namespace valtrane
