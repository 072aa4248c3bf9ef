#include "editors/core/regimport/RegImportValue.h"

#include <QtEndian>

namespace talmo {

QString importedText(const RegImportEvent &event)
{
    if (const auto *text = std::get_if<QString>(&event.value))
        return *text;
    const QByteArray bytes = event.data.value_or(QByteArray());
    const QString text = QString::fromUtf16(reinterpret_cast<const char16_t *>(bytes.constData()), bytes.size() / 2);
    return text.left(text.indexOf(QChar(0)));
}

quint32 importedNumber(const RegImportEvent &event)
{
    if (const auto *number = std::get_if<quint32>(&event.value))
        return *number;
    const QByteArray bytes = event.data.value_or(QByteArray()).leftJustified(4, '\0');
    return qFromLittleEndian<quint32>(bytes.constData());
}

QStringList importedStrings(const RegImportEvent &event)
{
    const auto *strings = std::get_if<QStringList>(&event.value);
    return strings ? *strings : QStringList();
}

bool IsEmptyDefaultValue(const RegImportEvent &event)
{
    if (event.valueName.has_value() && !event.valueName->isEmpty())
        return false;
    if (!event.data.has_value() || event.data->isEmpty())
        return true;
    if (event.type == RegValueType::String || event.type == RegValueType::ExpandString)
        return importedText(event).isEmpty();
    if (const auto *strings = std::get_if<QStringList>(&event.value))
        return strings->isEmpty() || strings->front().isEmpty();
    return false;
}

} // namespace talmo
