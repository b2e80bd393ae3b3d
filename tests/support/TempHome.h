#pragma once

#include "common/AppPaths.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace valtrane::test {

// A program folder of its own for one test, with an empty info/ folder; removed afterwards.
class TempHome {
public:
    TempHome();

    const QString &path() const { return m_path; }
    AppPaths &paths() { return m_paths; }

    void writeFile(const QString &relativePath, const QByteArray &bytes) const;
    QByteArray readFile(const QString &relativePath) const;
    bool exists(const QString &relativePath) const;

private:
    QTemporaryDir m_dir;
    QString m_path;
    AppPaths m_paths;
};

QString testDataPath(const QString &name);
QString cliPath();

} // namespace valtrane::test
