#pragma once

#include "platform/CompilerLibraryApi.h"

#include <QLibrary>
#include <QString>

namespace talmo {

// The two entry points of an installer compiler: the real library or, in
// tests, functions of the test itself.
struct CompilerEngine
{
    TISDllGetVersionProc getVersion = nullptr;
    TISDllCompileScriptProc compileScript = nullptr;

    bool isComplete() const { return getVersion && compileScript; }
};

// The compiler library of the program folder, loaded on demand.
class CompilerLibrary
{
public:
    static QString filePath();

    // False with the reason when the library or one of its entries is missing.
    bool load(QString *error);
    CompilerEngine engine() const { return m_engine; }

private:
    QLibrary m_library;
    CompilerEngine m_engine;
};

} // namespace talmo
