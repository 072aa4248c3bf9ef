#pragma once

#include <QString>
#include <QStringList>

namespace talmo {

// What a control brings to a page's event entries: the events of its class,
// the declaration of each event and the code a new event starts with.
namespace PageEventTables {

// The default events of a palette class, by its exact class name; nothing for
// a class without events (bevel, bitmap image) or one the palette lacks.
QStringList DefaultControlEvents(const QString &className);

// The declaration template of a control event, "{}" where the procedure name
// goes; empty for an event no control has.
QString DeclarationTemplate(const QString &eventName);

// "begin", "// Your Code Here ...", "end;".
QStringList DefaultEventCode();

} // namespace PageEventTables

} // namespace talmo
