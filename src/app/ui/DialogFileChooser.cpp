#include "app/ui/DialogFileChooser.h"

#include <QFileDialog>
#include <QRegularExpression>

namespace valtrane::app {

namespace {

std::optional<QString> chosen(const QString &fileName)
{
    if (fileName.isEmpty())
        return std::nullopt;
    return fileName;
}

} // namespace

std::optional<QString> DialogFileChooser::openFile(const Request &request)
{
    // The caller tells the user about a name that does not exist, so the dialog accepts any name.
    QFileDialog dialog(m_owner, request.title, request.folder, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return chosen(dialog.selectedFiles().constFirst());
}

std::optional<QString> DialogFileChooser::saveFile(const Request &request)
{
    QFileDialog dialog(m_owner, request.title, request.folder, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    // A name typed without an extension gets the one of the filter, "txt" when it names none.
    static const QRegularExpression extension(QStringLiteral("\\*\\.(\\w+)"));
    const QString filterSuffix = extension.match(request.filter).captured(1);
    dialog.setDefaultSuffix(filterSuffix.isEmpty() ? QStringLiteral("txt") : filterSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return chosen(dialog.selectedFiles().constFirst());
}

} // namespace valtrane::app
