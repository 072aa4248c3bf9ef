#include "engine/setup/CompilerLibrary.h"

#include "platform/ProgramFolder.h"

namespace talmo {

QString CompilerLibrary::filePath()
{
    return ProgramFolder::path() + QStringLiteral("libISCmplr.so");
}

bool CompilerLibrary::load(QString *error)
{
    m_library.setFileName(filePath());
    if (!m_library.load()) {
        *error = m_library.errorString();
        return false;
    }
    m_engine.getVersion = reinterpret_cast<TISDllGetVersionProc>(m_library.resolve("ISDllGetVersion"));
    m_engine.compileScript = reinterpret_cast<TISDllCompileScriptProc>(m_library.resolve("ISDllCompileScript"));
    if (!m_engine.isComplete()) {
        *error = QStringLiteral("the library lacks ISDllGetVersion or ISDllCompileScript");
        return false;
    }
    return true;
}

} // namespace talmo
