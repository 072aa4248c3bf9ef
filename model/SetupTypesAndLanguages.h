#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace talmo {

class TProjectContainer;

// Every list of setup-type or language names a module keeps: each
// component's own, each module record's of every kind, and the CAB creator's.
QList<QStringList *> ModuleSetupTypeLists(TProjectContainer &project);
QList<QStringList *> ModuleLanguageLists(TProjectContainer &project);

// The desktop setup's setup types, with the module lists kept in step. None
// of these marks the project modified; an index outside the list raises
// ListIndexError.
struct SetupTypes
{
    // The first type of an empty list becomes the custom one.
    static void Add(TProjectContainer &project, const QString &name, const QString &description);
    // Renames the type in every module list that holds its old name.
    static void Edit(TProjectContainer &project, int index, const QString &name, const QString &description);
    // The custom mark stays on its type; deleting the custom type makes the
    // first remaining one custom (none when no type is left). Module lists
    // lose every name that is no longer a setup type.
    static void Delete(TProjectContainer &project, int index);
    // The type becomes the custom one, or stops being it.
    static void ToggleCustom(TProjectContainer &project, int index);
    // Exchanges the type with the one delta (-1 or 1) places on; the custom
    // mark moves with its type. Returns the moved type's index.
    static int Move(TProjectContainer &project, int index, int delta);
};

struct SetupLanguages
{
    // The names of all, in order, that no language of the project has.
    static QStringList Offered(const QStringList &all, const TProjectContainer &project);
    // Module lists lose every name that is no longer a project language.
    static void Delete(TProjectContainer &project, int index);
};

} // namespace talmo
