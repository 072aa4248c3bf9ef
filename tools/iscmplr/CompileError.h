#pragma once

#include "SourceLine.h"

#include <QString>

namespace talmo::iscmplr {

// A fault that a real compile would reject; reported with where it was found.
struct CompileError
{
    QString message;
    QString file; // empty for the main script
    int line = 0;

    static CompileError at(const SourceLine &where, const QString &message)
    {
        return {message, where.file, where.line};
    }
};

// The host asked to stop (a callback answered "abort").
struct CompileAborted
{
};

} // namespace talmo::iscmplr
