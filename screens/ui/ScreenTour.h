#pragma once

#include <QDir>
#include <QString>
#include <QStringList>

namespace valtrane::screens {

// One set of pictures: a function that drives the windows as a user would and writes its
// pictures into the folder, true when every one was written.
struct PictureSet {
    const char *name;
    const char *what;
    bool (*take)(const QDir &out);
};

// valtrane-screens DIR [SET...]: pictures of the program's windows for people to look at.
class ScreenTour {
public:
    static const std::vector<PictureSet> &sets();
    // The named sets, or all of them; 0 when every picture was written, 2 for an unknown set.
    static int run(const QString &outputFolder, const QStringList &setNames = {});
};

} // namespace valtrane::screens
