#include "support/HomeProjectState.h"

namespace valtrane::test {

HomeProjectState HomeProjectState::of(TempHome &home)
{
    return {ProjectSnapshot::of(home.paths()), home.readFile(QStringLiteral("info/DBTbles.vkt"))};
}

std::string projectStateDifference(TempHome &home, const HomeProjectState &expected)
{
    const HomeProjectState found = HomeProjectState::of(home);
    if (std::string rows = ProjectSnapshot::difference(found.rows, expected.rows); !rows.empty())
        return rows;
    if (found.registry != expected.registry)
        return "registry " + found.registry.toStdString() + " instead of " + expected.registry.toStdString();
    for (const char *left : {"info/MIRVAT.new.vkd", "info/DBTbles.new.vkt"}) {
        if (home.exists(QString::fromLatin1(left)))
            return std::string(left) + " left behind";
    }
    return {};
}

QByteArray sampleProjectFile(int deviceCode)
{
    static const char *const names[] = {"ld4800", "ng7700a", "ng7700b", "sg2150"};
    QFile file(testDataPath(QStringLiteral("writeout/%1.txt").arg(QString::fromLatin1(names[deviceCode]))));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace valtrane::test
