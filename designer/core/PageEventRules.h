#pragma once

#include "model/CustomForm.h"

#include <QString>
#include <QStringList>

namespace talmo {

class ProcedureNames;

// The answer to enabling an event under a procedure name: done, or refused
// with the message to show (the entry then stays as it was).
struct EventEnableVerdict
{
    bool accepted = true;
    QString message;
};

// The rules on a page's event entries that the inspector and the code tab
// share: names, declarations, linking and the procedure an entry shows.
namespace PageEventRules {

inline const QString FormObject = QStringLiteral("Form");
inline const QString IncompatibleMessage = QStringLiteral("Error, Declarations are not compatible");
inline const QString DisabledTargetMessage = QStringLiteral("Error, Link To Disabled Event");

// The procedure line the code tab shows above the code, as
// "procedure CustomForm_Button1OnClick(Sender: TObject);".
QString DeclarationLine(const TFormCodeExecutionUnit &unit, const QString &pageName);

// Same first word and same parameter tail of the declaration templates.
bool SameKind(const TFormCodeExecutionUnit &a, const TFormCodeExecutionUnit &b);

// The entry whose procedure entry index uses: itself, or the entry it links to.
int ProcedureOwner(const TFormCodeExecutionUnits &units, int index);

// The entry that naming entry index's procedure name would link it to: the
// highest-indexed other enabled entry with its own procedure of exactly that
// name; -1 when there is none.
int LinkTarget(const TFormCodeExecutionUnits &units, int index, const QString &name);

// Enables the entry under name, linked by the linking rule; an entry with a
// procedure of its own and no code gets the default code. A name that only
// a disabled entry with its own procedure holds, or whose enabled owner is of
// another kind, is refused and the entry keeps what it had.
EventEnableVerdict EnableEvent(TFormCodeExecutionUnits &units, int index, const QString &name);

// The name "Create Event" gives: the page's name, "_", the object and the
// event, numbered when another entry of the project already holds it.
QString CreatedEventName(const TCustomForm &page, int index, const ProcedureNames &names);

// Enables the entry again from the code tab's "Add" menu: its own procedure,
// its old code (the default code when it has none), and a fresh number when
// another enabled entry now holds its old name.
void EnableFromAdd(TCustomForm &page, int index, const ProcedureNames &names);

// The entries of one object, in entry order, that are enabled (or disabled).
QList<int> EventsOf(const TFormCodeExecutionUnits &units, const QString &object, bool enabled);

// "Object.Event" of every enabled entry linked to owner, then of the owner
// itself; nothing when none links to it.
QStringList LinkedObjectLines(const TFormCodeExecutionUnits &units, int owner);

// The procedure names an event row offers besides "View Code" or "Create
// Event": every enabled owner of a procedure of the same kind as the entry.
QStringList ShareableProcedures(const TFormCodeExecutionUnits &units, int index);

// The entry an event row of that object and event stands for: the last one; -1 when none.
int EntryOf(const TFormCodeExecutionUnits &units, const QString &object, const QString &event);

} // namespace PageEventRules

} // namespace talmo
