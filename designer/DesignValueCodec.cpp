#include "designer/DesignValueCodec.h"

#include "designer/DesignValueNames.h"

#include <QMetaEnum>
#include <QStringList>

#include <limits>

namespace talmo {

namespace {

using Kind = ComponentTextValue::Kind;

ComponentTextValue writeSet(const QMetaEnum &flags, int value)
{
    QStringList members;
    for (int i = 0; i < flags.keyCount(); ++i) {
        const int bit = flags.value(i);
        if (bit != 0 && (value & bit) == bit)
            members << QString::fromLatin1(flags.key(i));
    }
    return ComponentTextValue::fromSet(members);
}

// Identifiers of enumerations and sets compare ignoring case, as the class
// library reads them.
std::optional<int> enumValue(const QMetaEnum &enumeration, const QString &name)
{
    for (int i = 0; i < enumeration.keyCount(); ++i) {
        if (name.compare(QLatin1String(enumeration.key(i)), Qt::CaseInsensitive) == 0)
            return enumeration.value(i);
    }
    return std::nullopt;
}

std::optional<QVariant> readSet(const QMetaEnum &flags, const ComponentTextValue &value)
{
    if (value.kind() != Kind::Set)
        return std::nullopt;
    int bits = 0;
    for (const QString &member : value.setMembers()) {
        const std::optional<int> bit = enumValue(flags, member);
        if (!bit)
            return std::nullopt;
        bits |= *bit;
    }
    return QVariant(bits);
}

std::optional<QVariant> readInteger(const ComponentTextValue &value)
{
    if (value.kind() != Kind::Integer || value.integer() < std::numeric_limits<int>::min()
        || value.integer() > std::numeric_limits<int>::max())
        return std::nullopt;
    return QVariant(int(value.integer()));
}

std::optional<QVariant> toVariant(const std::optional<int> &number)
{
    return number ? std::optional<QVariant>(QVariant(*number)) : std::nullopt;
}

} // namespace

ComponentTextValue DesignValueCodec::write(DesignValueForm form, const QMetaProperty &property, const QVariant &value)
{
    switch (form) {
    case DesignValueForm::Boolean:
        return ComponentTextValue::fromBoolean(value.toBool());
    case DesignValueForm::String:
        return ComponentTextValue::fromString(value.toString());
    case DesignValueForm::Enumeration: {
        const char *key = property.enumerator().valueToKey(value.toInt());
        return key ? ComponentTextValue::fromIdentifier(QLatin1String(key)) : ComponentTextValue::fromInteger(value.toInt());
    }
    case DesignValueForm::Set:
        return writeSet(property.enumerator(), value.toInt());
    case DesignValueForm::Color:
        return DesignValueNames::colorValue(value.toInt());
    case DesignValueForm::Cursor:
        return DesignValueNames::cursorValue(value.toInt());
    case DesignValueForm::Charset:
        return DesignValueNames::charsetValue(value.toInt());
    default:
        return ComponentTextValue::fromInteger(value.toLongLong());
    }
}

std::optional<QVariant> DesignValueCodec::read(DesignValueForm form, const QMetaProperty &property,
                                               const ComponentTextValue &value)
{
    switch (form) {
    case DesignValueForm::Integer:
        return readInteger(value);
    case DesignValueForm::Boolean:
        if (value.isIdentifier(QStringLiteral("True")))
            return QVariant(true);
        if (value.isIdentifier(QStringLiteral("False")))
            return QVariant(false);
        return std::nullopt;
    case DesignValueForm::String:
        if (value.kind() != Kind::String)
            return std::nullopt;
        return QVariant(value.text());
    case DesignValueForm::Enumeration:
        if (value.kind() != Kind::Identifier)
            return std::nullopt;
        return toVariant(enumValue(property.enumerator(), value.text()));
    case DesignValueForm::Set:
        return readSet(property.enumerator(), value);
    case DesignValueForm::Color:
        return toVariant(DesignValueNames::readColor(value));
    case DesignValueForm::Cursor:
        return toVariant(DesignValueNames::readCursor(value));
    case DesignValueForm::Charset:
        return toVariant(DesignValueNames::readCharset(value));
    default:
        return std::nullopt;
    }
}

bool DesignValueCodec::isDefault(DesignValueForm form, const QVariant &value, const QVariant &defaultValue)
{
    if (!defaultValue.isValid())
        return false;
    switch (form) {
    case DesignValueForm::Boolean:
        return value.toBool() == defaultValue.toBool();
    case DesignValueForm::String:
        return value.toString() == defaultValue.toString();
    default:
        return value.toLongLong() == defaultValue.toLongLong();
    }
}

} // namespace talmo
