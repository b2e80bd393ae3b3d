#include "report/ui/ReportMenu.h"

#include "report/ReportTextEditor.h"

namespace valtrane::report {

ReportMenu::ReportMenu(QWidget *parent)
    : QMenu(QStringLiteral("Modify Report"), parent)
{
    setObjectName(QStringLiteral("Logo"));
}

QAction *ReportMenu::named(QMenu *menu, const QString &text, const QString &name)
{
    QAction *action = menu->addAction(text);
    action->setObjectName(name);
    return action;
}

QAction *ReportMenu::entry(const QString &objectName) const
{
    return findChild<QAction *>(objectName);
}

void ReportMenu::rebuild(ReportTab &tab, const ReportTab::RemarksPlace &remarks)
{
    clear();
    for (QMenu *sub : findChildren<QMenu *>(Qt::FindDirectChildrenOnly))
        delete sub;
    if (tab.stiffnessSwitchShown()) {
        QAction *toggle = named(this, ReportTab::stiffyToggleCaption(tab.showingStiffy()), QStringLiteral("StiffyToggle"));
        connect(toggle, &QAction::triggered, this, &ReportMenu::stiffyToggle);
        addSeparator();
    }
    addEditText(remarks);
    addLogoOptions(tab);
    addFonts(tab);
}

void ReportMenu::addEditText(const ReportTab::RemarksPlace &remarks)
{
    QMenu *edit = addMenu(QStringLiteral("Edit Text"));
    edit->setObjectName(QStringLiteral("Edit_text"));
    for (const ReportTextEditor::Item &item : ReportTextEditor::items()) {
        if (item.code == ReportTextEditor::Remarks)
            continue;
        const int code = item.code;
        connect(named(edit, item.menuText, item.menuName), &QAction::triggered, this,
                [this, code] { emit editRequested(code, QString(), 0); });
    }
    if (remarks.object.isEmpty())
        return;
    edit->addSeparator();
    const ReportTextEditor::Item *item = ReportTextEditor::item(ReportTextEditor::Remarks);
    connect(named(edit, item->menuText, item->menuName), &QAction::triggered, this,
            [this, remarks] { emit editRequested(ReportTextEditor::Remarks, remarks.object, remarks.line); });
}

void ReportMenu::addLogoOptions(ReportTab &tab)
{
    QMenu *logo = addMenu(QStringLiteral("Logo Options"));
    logo->setObjectName(QStringLiteral("LogoOptions"));
    const bool has = tab.logo().hasLogo();
    connect(named(logo, QStringLiteral("Insert Logo"), QStringLiteral("Ins_Logo")), &QAction::triggered, this,
            &ReportMenu::insertLogo);
    QAction *left = named(logo, QStringLiteral("Left Justified"), QStringLiteral("LJ"));
    QAction *right = named(logo, QStringLiteral("Right Justified"), QStringLiteral("LR"));
    QAction *remove = named(logo, QStringLiteral("Delete Logo"), QStringLiteral("DLogo"));
    left->setCheckable(true);
    right->setCheckable(true);
    left->setChecked(has && !tab.logo().atRight());
    right->setChecked(has && tab.logo().atRight());
    for (QAction *action : {left, right, remove})
        action->setEnabled(has);
    connect(left, &QAction::triggered, this, &ReportMenu::logoLeft);
    connect(right, &QAction::triggered, this, &ReportMenu::logoRight);
    connect(remove, &QAction::triggered, this, &ReportMenu::deleteLogo);
}

void ReportMenu::addFonts(ReportTab &tab)
{
    QMenu *fonts = addMenu(QStringLiteral("Report Font"));
    fonts->setObjectName(QStringLiteral("ReportFont"));
    for (int size = 9; size <= 12; ++size) {
        QAction *font = named(fonts, ReportTab::fontEntryCaption(size, tab.fontSize()), QStringLiteral("Font%1").arg(size));
        connect(font, &QAction::triggered, this, [this, size] { emit fontChosen(size); });
    }
}

} // namespace valtrane::report
