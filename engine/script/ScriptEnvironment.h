#pragma once

#include <QString>

#include <functional>

namespace talmo {

// The CAB files of the program's built-in SQL Mobile and .NET CF2 sets
// ("Builtin Distribution"), addressed like a runtime module's tree:
// platform, processor and file position. The program options satisfy it.
class BuiltinRedistributables
{
public:
    virtual ~BuiltinRedistributables() = default;
    // moduleType is ModuleType::SqlMobile or ModuleType::NetCF2. A position the
    // set does not have raises ScriptGenerationError.
    virtual QString BuiltinCabFile(int moduleType, int platform, int processor, int file) const = 0;
};

// What the script generator needs of the machine it runs on; injected so that
// the generated text does not depend on where the program is installed.
struct ScriptEnvironment
{
    // The folder of the program and the data beside it, with its trailing separator.
    QString programFolder;
    // Tells whether a file exists; given paths as the script names them.
    std::function<bool(const QString &)> fileExists;
    // The built-in redistributable sets; required only by projects that use them.
    const BuiltinRedistributables *redistributables = nullptr;

    // The real program folder and file system.
    static ScriptEnvironment OfThisProgram(const BuiltinRedistributables *redistributables);
    // The file system of this machine, for paths joined with "\" or "/".
    static bool HostFileExists(const QString &path);
};

} // namespace talmo
