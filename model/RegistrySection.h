#pragma once

#include "model/OwningList.h"

#include <QString>

namespace talmo {

// One device registry value.
struct TRegistryEntry
{
    QString registry_root_string;
    QString subkey;
    QString value_name;
    QString flags;           // the value type's name, such as "TYPE_SZ"
    QString value;           // the data as text
    bool overwrite = false;  // set: an existing value is not overwritten
};

using TRegistryEntries = OwningList<TRegistryEntry>;

// A device registry section, included by configurations through its Caption.
struct TRegistrySection
{
    QString Caption;
    TRegistryEntries Entries;
};

using TRegistrySections = OwningList<TRegistrySection>;

} // namespace talmo
