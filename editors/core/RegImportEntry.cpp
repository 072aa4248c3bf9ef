#include "editors/core/RegImportEntry.h"

#include "editors/core/RegValueText.h"

#include <QtEndian>

namespace talmo {

namespace {

struct TypedText
{
    QString flags;
    QString value;
};

// hex(1) and hex(4) lists carry only their bytes; the other forms come read.
QString stringOf(const RegImportEvent &event)
{
    if (const auto *text = std::get_if<QString>(&event.value))
        return *text;
    const QByteArray bytes = event.data.value_or(QByteArray());
    const QString text = QString::fromUtf16(reinterpret_cast<const char16_t *>(bytes.constData()), bytes.size() / 2);
    return text.left(text.indexOf(QChar(0)));
}

quint32 numberOf(const RegImportEvent &event)
{
    if (const auto *number = std::get_if<quint32>(&event.value))
        return *number;
    const QByteArray bytes = event.data.value_or(QByteArray()).leftJustified(4, '\0');
    return qFromLittleEndian<quint32>(bytes.constData());
}

TypedText typedText(const RegImportEvent &event)
{
    switch (event.type) {
    case RegValueType::String:
    case RegValueType::ExpandString:
        return {QStringLiteral("TYPE_SZ"), stringOf(event)};
    case RegValueType::Dword:
        return {QStringLiteral("TYPE_DWORD"), RegValueText::dword(numberOf(event))};
    case RegValueType::MultiString: {
        const auto *strings = std::get_if<QStringList>(&event.value);
        return {QStringLiteral("TYPE_MULTI_SZ"), RegValueText::multiString(strings ? *strings : QStringList())};
    }
    case RegValueType::Binary:
        return {QStringLiteral("TYPE_BINARY"), RegValueText::binary(event.data.value_or(QByteArray()))};
    default:
        return {QStringLiteral("TYPE_SZ"), QString()};
    }
}

bool isEmptyDefault(const RegImportEvent &event)
{
    if (event.valueName.has_value() && !event.valueName->isEmpty())
        return false;
    if (!event.data.has_value() || event.data->isEmpty())
        return true;
    if (event.type == RegValueType::String || event.type == RegValueType::ExpandString)
        return stringOf(event).isEmpty();
    if (const auto *strings = std::get_if<QStringList>(&event.value))
        return strings->isEmpty() || strings->front().isEmpty();
    return false;
}

} // namespace

std::optional<TRegistryEntry> registryEntryFromImport(const RegImportEvent &event, bool overwrite)
{
    if (event.kind != RegImportKind::Value || isEmptyDefault(event))
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
