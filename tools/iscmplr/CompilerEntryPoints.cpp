// The two C entry points of the library. No exception may leave them.
#include "ScriptCompiler.h"
#include "platform/CompilerLibraryApi.h"

#include <QFileInfo>

#include <dlfcn.h>

namespace {

QString libraryFolder()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<void *>(&ISDllGetVersion), &info) == 0 || !info.dli_fname)
        return QString();
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absolutePath();
}

} // namespace

extern "C" {

__attribute__((visibility("default"))) const TCompilerVersionInfo *ISDllGetVersion(void)
{
    static const TCompilerVersionInfo info = {"Talmo Setup Compiler", "5.4.2", 0x05040200u};
    return &info;
}

__attribute__((visibility("default"))) int32_t ISDllCompileScript(const TCompileScriptParamsEx *params)
{
    if (!params || params->Size < sizeof(TCompileScriptParamsEx))
        return TCompilerResultInvalidParams;
    try {
        return talmo::iscmplr::ScriptCompiler::compile(*params, libraryFolder());
    } catch (...) {
        return TCompilerResultFailed;
    }
}

} // extern "C"
