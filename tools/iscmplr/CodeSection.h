#pragma once

#include "SourceLine.h"

#include <QSet>

namespace talmo::iscmplr {

// A library that an "external" declaration loads from the setup's own files.
struct FilesLibraryReference
{
    QString fileName;
    SourceLine where;
};

// What the checks of the other sections need of the [Code] section, which the
// Pascal Script compiler has accepted: the names of its routines and the
// "files:" libraries its external declarations bind. Comments and strings are
// skipped as Pascal has them.
class CodeSection
{
public:
    // Throws CompileError when a comment or string is left open.
    static CodeSection scan(const SourceLines &lines);

    bool declares(const QString &routine) const { return m_routines.contains(routine.toLower()); }
    const QList<FilesLibraryReference> &filesLibraries() const { return m_filesLibraries; }

private:
    QSet<QString> m_routines; // lower case
    QList<FilesLibraryReference> m_filesLibraries;
};

} // namespace talmo::iscmplr
