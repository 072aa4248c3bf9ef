#pragma once

#include "model/CustomForm.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace talmo {

class ProcedureNames;

// A control on the page as the event entries see it.
struct PageControlName
{
    QString name;
    QString className;
};

// Keeps a page's event entries in line with the controls on it.
namespace PageEventEntries {

// The Object of every entry, each once, in order of first appearance.
QStringList KnownObjects(const TFormCodeExecutionUnits &units);

// The default entries of a control, disabled, named after the page, the
// control and the event (numbered when the project already holds the name).
void AppendDefaultEntries(TCustomForm &page, const PageControlName &control, const ProcedureNames &names);

// Drops the entries of objects no longer on the page (handing their
// procedures over), then gives every control without entries its default
// ones, in the order of controls. Returns KnownObjects afterwards.
QStringList Sync(TCustomForm &page, const QList<PageControlName> &controls, const ProcedureNames &names);

// A control was renamed: its entries follow it. Procedure names stay.
void RenameObject(TFormCodeExecutionUnits &units, const QString &oldName, const QString &newName);

} // namespace PageEventEntries

} // namespace talmo
