#pragma once

#include "model/CustomForm.h"

#include <QList>
#include <QStringList>

namespace talmo {

class ProcedureNames;

// The event entries of the controls the last cut took off a page, so that
// pasting a control back under its old name brings its code back instead of
// fresh default entries.
class CutEventStash
{
public:
    // Replaces what was kept by the entries of these objects (run before the
    // entries leave the page).
    void keep(const TFormCodeExecutionUnits &units, const QStringList &cutObjects);
    bool holds(const QString &object) const;

    // Appends the kept entries of object to the page and forgets them: code,
    // enabled state and procedure name come back; an enabled entry links by
    // the linking rule (to the entry that took its procedure over when the cut
    // handed it on), and a name another entry of the project holds otherwise
    // is replaced by a fresh one. False when nothing of object was kept.
    bool restore(TCustomForm &page, const QString &object, const ProcedureNames &names);

private:
    struct Kept
    {
        TFormCodeExecutionUnit unit;
        bool linked = false;
    };

    void resolve(TCustomForm &page, int index, const QList<int> &pending, const ProcedureNames &names) const;

    QList<Kept> m_kept;
};

} // namespace talmo
