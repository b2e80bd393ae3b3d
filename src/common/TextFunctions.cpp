#include "common/TextFunctions.h"

#include <QStringList>

namespace valtrane {

QString RightAlign(const QString &text, int width)
{
    if (text.size() >= width)
        return text;
    return QString(width - text.size(), QLatin1Char(' ')) + text;
}

QString Strip_Char(const QString &text, QChar c)
{
    QString out = text;
    out.remove(c);
    return out;
}

QStringList tableListNames(const QString &tableList)
{
    QStringList names;
    QString current;
    for (QChar c : tableList) {
        if (c == QLatin1Char(' ')) {
            names.append(current);
            current.clear();
        } else {
            current.append(c);
        }
    }
    return names;
}

} // namespace valtrane
