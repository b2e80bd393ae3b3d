#include "report/InfoFile.h"

#include "common/SettingsFile.h"

namespace valtrane::report {

bool InfoFile::write(const AppPaths &paths, const AppState &state)
{
    QStringList items;
    for (const QString &field : state.CInfo)
        items.append(field);
    items.append(state.TreeRootCaption);
    paths.ensureInfoFolder();
    return SettingsFile::writeQuotedRecord(paths.infoFile(), items);
}

void InfoFile::read(const AppPaths &paths, AppState &state)
{
    const auto lines = SettingsFile::readRecordLines(paths.infoFile());
    if (!lines)
        return;
    for (int i = 0; i < 10 && i < lines->size(); ++i) {
        const QString &line = lines->at(i);
        if (line.isEmpty())
            continue;
        if (i < 9)
            state.CInfo[size_t(i)] = line;
        else
            state.TreeRootCaption = line;
    }
}

} // namespace valtrane::report
