#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

namespace valtrane {

// text preceded by as many blanks as make it width characters long; a text of width characters or
// more comes back unchanged.
QString RightAlign(const QString &text, int width);

// text with every occurrence of c removed.
QString Strip_Char(const QString &text, QChar c);

// The names of a table list, walked as every reader of the list walks it: each blank ends a name
// (two blanks in a row give an empty name); characters after the last blank are not a name.
QStringList tableListNames(const QString &tableList);

} // namespace valtrane
