#include "project/ProjectSave.h"

#include "db/Database.h"
#include "export/Writeout.h"

#include <QFileInfo>

namespace valtrane::project {

ProjectSave::Result ProjectSave::saveAll(Database &connection, const QString &fileName, bool overwrite)
{
    return save(connection, fileName, QString(), overwrite);
}

ProjectSave::Result ProjectSave::saveSelected(Database &connection, const QString &fileName, bool overwrite)
{
    return save(connection, fileName, m_state.CurrentTable, overwrite);
}

ProjectSave::Result ProjectSave::save(Database &connection, const QString &fileName, const QString &singleTable, bool overwrite)
{
    const QFileInfo file(fileName);
    // The file dialogs open next time where this file was chosen.
    m_state.LastFolder = file.absolutePath();
    if (file.exists() && !overwrite)
        return {Outcome::FileExists, QStringLiteral("%1 already exists").arg(fileName)};
    if (m_state.Table_List.isEmpty())
        return {Outcome::NothingToSave, QStringLiteral("there are no tables to save")};
    exporting::Writeout writer(m_paths);
    if (!writer.writeout(connection, fileName, m_state.Table_List, m_state.DeviceCode, singleTable, m_state))
        return {Outcome::Failed, writer.errorText()};
    return {Outcome::Saved, savedMessage(fileName)};
}

QString ProjectSave::overwriteQuestion(const QString &fileName)
{
    return fileName + QStringLiteral(" already exists.  Do you want to overwrite?");
}

QString ProjectSave::savedMessage(const QString &fileName)
{
    return QStringLiteral("Project(s) Saved to ") + fileName + QLatin1Char('.');
}

QString ProjectSave::savedTitle()
{
    return QStringLiteral("Valtrane Download Save Results");
}

} // namespace valtrane::project
