#pragma once

#include "common/FileChooser.h"

#include <deque>
#include <vector>

namespace valtrane::test {

// Chooses files from a script (nullopt, or the script used up, is Cancel) and records every request.
class ScriptedFileChooser : public FileChooser {
public:
    std::optional<QString> openFile(const Request &request) override { return next(request, false); }
    std::optional<QString> saveFile(const Request &request) override { return next(request, true); }

    struct Shown {
        Request request;
        bool save;
    };

    std::deque<std::optional<QString>> choices;
    std::vector<Shown> shown;

private:
    std::optional<QString> next(const Request &request, bool save)
    {
        shown.push_back({request, save});
        if (choices.empty())
            return std::nullopt;
        const std::optional<QString> c = choices.front();
        choices.pop_front();
        return c;
    }
};

} // namespace valtrane::test
