#pragma once

#include "common/AppState.h"
#include "report/ReportLogo.h"
#include "report/ReportSet.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace valtrane::report {

// The rules of the small text editor Add_Info: one header item of the reports (or the remarks on
// the clicked line), its text and horizontal alignment shown at once with "Apply", kept with "Ok"
// or put back as they were with "Cancel".
class ReportTextEditor {
public:
    enum ItemCode { CompanyName = 0, CompanyInfo = 1, DateItem = 2, MachineNumber = 3, ProjectName = 4, TestedBy = 5,
                    TestedByDate = 6, Remarks = 7 };

    struct Item {
        int code;
        QString menuName;   // the report menu entry's object name
        QString menuText;
        QString caption;    // the editor window's caption
        QStringList objects;
        int infoField;      // CInfo copied on "Ok", -1 for none
    };
    // The header items of the report menu's "Edit Text", in menu order.
    static const std::vector<Item> &items();
    static const Item *item(int code);
    static QString notModifiable() { return QStringLiteral("Text can not be modified."); }
    static QString remarksCaption() { return QStringLiteral("Edit/Add Remarks"); }

    // The remarks column text with remark on line `line` (from 0): lines are counted by carriage
    // returns, empty lines are added when the column is shorter.
    static QString FORMAT_REMARK(const QString &columnText, int line, const QString &remark);
    static QString remarkAt(const QString &columnText, int line);

    // remarksObject and remarksLine: where a remark goes (the remarks column's data object and the
    // clicked line); only used for the remarks item.
    ReportTextEditor(ReportSet &reports, ReportLogo &logo, AppState &state, int itemCode,
                     const QString &remarksObject = QString(), int remarksLine = 0);

    const QString &caption() const { return m_caption; }
    bool textEditable() const { return m_editable; }
    // The text box's text, lines separated by line feeds.
    const QString &text() const { return m_text; }
    int alignment() const { return m_alignment; }
    bool applyEnabled() const { return m_applyEnabled; }

    void setText(const QString &text);
    void setAlignment(int alignment);

    void apply();
    // Applies, and for the company name, machine number, project name and tester copies the text
    // into the lab information and marks it changed.
    void ok();
    // Puts back the text and alignment the item had when the editor opened.
    void cancel();

private:
    QStringList targets() const;
    void write(const QString &text, int alignment);
    QString reportText() const;

    ReportSet &m_reports;
    ReportLogo &m_logo;
    AppState &m_state;
    const Item *m_item;
    QString m_caption;
    bool m_editable = false;
    QString m_remarksObject;
    int m_remarksLine;
    QString m_text;
    int m_alignment = DefaultAlign;
    QString m_openedText;  // the object's text as the editor found it (remarks: the whole column)
    int m_openedAlignment = DefaultAlign;
    bool m_applyEnabled = false;
};

} // namespace valtrane::report
