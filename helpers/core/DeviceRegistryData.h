#pragma once

#include <QString>

namespace talmo {

// The data of a device registry value as the CAB build takes it: a DWORD is
// a whole number in decimal or in hex after "0x" that fits 32 bits (signed or
// not); binary data is bytes of one or two hex digits separated by commas.
// Empty data is taken for either: the value is being filled in.
class DeviceRegistryData
{
public:
    static bool IsDword(const QString &data);
    static bool IsBinary(const QString &data);
    // Why the data cannot be kept for the type text ("TYPE_DWORD" or
    // "TYPE_BINARY"; any other takes any data); empty when it can.
    static QString Problem(const QString &typeText, const QString &data);
};

} // namespace talmo
