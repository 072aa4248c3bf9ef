#pragma once

#include "engine/script/ScriptEnvironment.h"

namespace talmo {

class TProgramOptions;

// The built-in sets of the program options (element 0 of each kind) as the
// script generator reads them.
class ProgramOptionsRedistributables : public BuiltinRedistributables
{
public:
    explicit ProgramOptionsRedistributables(const TProgramOptions &options);
    QString BuiltinCabFile(int moduleType, int platform, int processor, int file) const override;

private:
    const TProgramOptions &m_options;
};

} // namespace talmo
