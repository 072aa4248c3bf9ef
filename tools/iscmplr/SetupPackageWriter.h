#pragma once

#include "CheckedScript.h"

namespace talmo::iscmplr {

class CompilerHost;

// Writes <OutputDir>/<OutputBaseFilename>.exe: the package of the preprocessed
// script, a manifest and the payload files. The file appears only when it is
// complete; a failure or an abort leaves nothing behind (and an older package
// of that name untouched).
//
// Layout: the 12 bytes "TALMOSETUP" 0x1A 0x01, then entries of
// [name length: u32 LE][name: UTF-8][data length: u64 LE][data], in the order
// "script.iss", "manifest.txt", "files/0", "files/1", ...
class SetupPackageWriter
{
public:
    explicit SetupPackageWriter(CompilerHost &host);

    // Returns the package's path; throws CompileError or CompileAborted.
    QString write(const CheckedScript &script);

    static QByteArray manifest(const CheckedScript &script);

private:
    CompilerHost &m_host;
};

} // namespace talmo::iscmplr
