#include "designer/core/PageEventTables.h"

#include <QHash>

namespace talmo::PageEventTables {

namespace {

struct ClassEvents
{
    const char *classes;
    const char *events;
};

constexpr ClassEvents classEvents[] = {
    { "TCheckBox TButton", "OnClick" },
    { "TLabel TPanel TRadioButton TNewStaticText", "OnClick OnDblClick" },
    { "TEdit TMemo TRichEditViewer TPasswordEdit", "OnChange OnClick OnDblClick OnKeyDown OnKeyPress OnKeyUp" },
    { "TNewCheckListBox TListBox", "OnClick OnDblClick OnKeyDown OnKeyPress OnKeyUp" },
    { "TComboBox", "OnChange OnClick OnDblClick OnDropDown OnKeyDown OnKeyPress OnKeyUp" },
    { "TFolderTreeView TStartMenuFolderTreeView", "OnChange OnRename" },
};

const char *const notifyTail = "(Sender: TObject);";
const char *const keyTail = "(Sender: TObject; var Key: Word; Shift: TShiftState);";

struct EventTemplate
{
    const char *event;
    const char *tail;
};

constexpr EventTemplate eventTemplates[] = {
    { "OnClick", notifyTail },
    { "OnDblClick", notifyTail },
    { "OnChange", notifyTail },
    { "OnKeyDown", keyTail },
    { "OnKeyPress", "(Sender: TObject; var Key: Char);" },
    { "OnKeyUp", keyTail },
    { "OnDropDown", notifyTail },
    { "OnRename", "(Sender: TCustomFolderTreeView; var NewName: String; var Accept: Boolean);" },
};

QHash<QString, QStringList> eventsByClass()
{
    QHash<QString, QStringList> table;
    for (const ClassEvents &row : classEvents) {
        const QStringList events = QString::fromLatin1(row.events).split(u' ');
        for (const QString &className : QString::fromLatin1(row.classes).split(u' '))
            table.insert(className, events);
    }
    return table;
}

} // namespace

QStringList DefaultControlEvents(const QString &className)
{
    static const QHash<QString, QStringList> table = eventsByClass();
    return table.value(className);
}

QString DeclarationTemplate(const QString &eventName)
{
    for (const EventTemplate &row : eventTemplates) {
        if (eventName == QLatin1String(row.event))
            return QStringLiteral("procedure {}") + eventName + QLatin1String(row.tail);
    }
    return {};
}

QStringList DefaultEventCode()
{
    return { QStringLiteral("begin"), QStringLiteral("// Your Code Here ..."), QStringLiteral("end;") };
}

} // namespace talmo::PageEventTables
