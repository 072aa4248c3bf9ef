#pragma once

#include "model/OwningList.h"

#include <QString>
#include <QStringList>

namespace talmo {

// One event of one object on a custom wizard page, with the user's code.
struct TFormCodeExecutionUnit
{
    QString Object;        // the control's name, or "Form" for the page itself
    QString Event;         // such as "OnActivate"
    QStringList Code;      // the event procedure from its "begin" to its "end;"
    QStringList defCode;   // the event's default code
    bool Enabled = false;  // the event is hooked in the setup
    int linkTo = -1;       // -1: a procedure of its own, else the unit whose procedure it reuses
    QString eventNameInCode;  // the procedure's name in the script
    QString ShortHelp;        // declaration template, "{}" where the name prefix goes

    // The procedure name of an event: the page's name, "_", the object's name
    // and the event's name, as in CustomForm_FormOnActivate.
    static QString MakeEventNameInCode(const QString &pageName, const QString &objectName,
                                       const QString &eventName);
};

using TFormCodeExecutionUnits = OwningList<TFormCodeExecutionUnit>;

} // namespace talmo
