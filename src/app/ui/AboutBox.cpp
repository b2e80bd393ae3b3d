#include "app/ui/AboutBox.h"

#include "app/SystemInfoTool.h"
#include "common/ProgramInfo.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace valtrane::app {

AboutBox::AboutBox(const AppPaths &paths, Prompter &prompter, DesktopActions &desktop, QWidget *parent)
    : QDialog(parent)
    , m_prompter(prompter)
    , m_desktop(desktop)
{
    setWindowTitle(QStringLiteral("About ") + program::title());

    auto *icon = new QLabel;
    icon->setPixmap(QIcon(paths.image(QStringLiteral("iricon.ico"))).pixmap(48, 48));
    icon->setAlignment(Qt::AlignTop);

    auto *title = new QLabel(program::title());
    title->setObjectName(QStringLiteral("lblTitle"));
    QFont font = title->font();
    font.setPointSizeF(font.pointSizeF() * 1.5);
    font.setBold(true);
    title->setFont(font);
    auto *version = new QLabel(QStringLiteral("Version ") + program::version());
    version->setObjectName(QStringLiteral("lblVersion"));

    auto *text = new QVBoxLayout;
    text->addWidget(title);
    text->addWidget(version);
    text->addStretch();

    auto *top = new QHBoxLayout;
    top->addWidget(icon);
    top->addSpacing(12);
    top->addLayout(text, 1);

    auto *buttons = new QDialogButtonBox;
    QPushButton *ok = buttons->addButton(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("cmdOK"));
    QPushButton *sysInfo = buttons->addButton(QStringLiteral("&System Info..."), QDialogButtonBox::ActionRole);
    sysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    connect(ok, &QPushButton::clicked, this, &QDialog::close);
    connect(sysInfo, &QPushButton::clicked, this, &AboutBox::startSystemInfo);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(16);
    layout->addWidget(buttons);
    setMinimumWidth(360);
}

void AboutBox::startSystemInfo()
{
    const QString tool = SystemInfoTool::path();
    if (tool.isEmpty() || !m_desktop.startProgram(tool))
        m_prompter.tell(SystemInfoTool::unavailableMessage(), program::title());
}

} // namespace valtrane::app
