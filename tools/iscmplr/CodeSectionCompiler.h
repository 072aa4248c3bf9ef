#pragma once

#include "SourceLine.h"

#include <QStringList>

namespace talmo::iscmplr {

// Compiles the [Code] lines, exactly as the compile joined them, with the
// Pascal Script checker of the program folder (the folder of this library),
// which declares the installer's script API from the facts beside it.
class CodeSectionCompiler
{
public:
    static inline const QString ProgramName = QStringLiteral("pascalcheck");
    static inline const QString ApiFolderName = QStringLiteral("ScriptApi");
    static constexpr int TimeoutMs = 60000;

    explicit CodeSectionCompiler(QString programDir);

    // Throws CompileError at the first error the compiler reports, with the
    // file and line the code came from, or at header when the checker is
    // missing or fails. Returns the warnings and hints, each with its line.
    QStringList compile(const SourceLines &code, const SourceLine &header) const;

    QString programPath() const;

private:
    QString m_programDir;
};

} // namespace talmo::iscmplr
