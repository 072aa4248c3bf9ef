#pragma once

#include <QString>

#include <optional>

namespace talmo {

// The data of a desktop registry value in the forms the installer's script
// takes. Projects keep the data as the user or an import gave it (binary data
// from a .reg file as comma-separated pairs); only the script line changes.
class RegistryValueData
{
public:
    // Binary data as blank-separated pairs of upper-case hex digits, from
    // pairs separated by commas and/or blanks in either case; nothing when an
    // item is not exactly two hex digits.
    static std::optional<QString> binaryPairs(const QString &data);
    // A dword's data: a signed 32-bit decimal number or one written in hex
    // ("$1F", "0x1F"), or text that starts with a constant.
    static bool isDword(const QString &data);
    // The data as a script line carries it: binary data re-spaced where it
    // can be, everything else unchanged.
    static QString scriptForm(const QString &valueType, const QString &data);
    // Why typed data cannot be kept for the value type; empty when it can.
    // Empty data is always kept: the value is being filled in.
    static QString typedDataProblem(const QString &valueType, const QString &data);
};

} // namespace talmo
