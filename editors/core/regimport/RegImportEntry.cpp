#include "editors/core/regimport/RegImportEntry.h"

#include "editors/core/regimport/RegImportValue.h"
#include "editors/core/regimport/RegValueText.h"

namespace talmo {

namespace {

struct TypedText
{
    QString flags;
    QString value;
};

TypedText typedText(const RegImportEvent &event)
{
    switch (event.type) {
    case RegValueType::String:
    case RegValueType::ExpandString:
        return {QStringLiteral("TYPE_SZ"), importedText(event)};
    case RegValueType::Dword:
        return {QStringLiteral("TYPE_DWORD"), RegValueText::dword(importedNumber(event))};
    case RegValueType::MultiString:
        return {QStringLiteral("TYPE_MULTI_SZ"), RegValueText::multiString(importedStrings(event))};
    case RegValueType::Binary:
        return {QStringLiteral("TYPE_BINARY"), RegValueText::binary(event.data.value_or(QByteArray()))};
    default:
        return {QStringLiteral("TYPE_SZ"), QString()};
    }
}

} // namespace

std::optional<TRegistryEntry> registryEntryFromImport(const RegImportEvent &event, bool overwrite)
{
    if (event.kind != RegImportKind::Value || IsEmptyDefaultValue(event))
        return std::nullopt;
    const TypedText typed = typedText(event);
    TRegistryEntry entry;
    entry.registry_root_string = event.rootName;
    entry.subkey = event.keyPath;
    entry.value_name = event.valueName.value_or(QString());
    entry.flags = typed.flags;
    entry.value = typed.value;
    entry.overwrite = overwrite;
    return entry;
}

} // namespace talmo
