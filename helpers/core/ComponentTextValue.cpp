#include "helpers/core/ComponentTextValue.h"

#include <utility>

namespace talmo {

ComponentTextValue::ComponentTextValue()
    : m_kind(Kind::Integer)
{
}

ComponentTextValue::ComponentTextValue(Kind kind)
    : m_kind(kind)
{
}

ComponentTextValue ComponentTextValue::fromInteger(qint64 value)
{
    ComponentTextValue result(Kind::Integer);
    result.m_integer = value;
    return result;
}

ComponentTextValue ComponentTextValue::fromFloat(double value, FloatType type)
{
    return fromFloatText(QString::number(value, 'f', 18), type);
}

ComponentTextValue ComponentTextValue::fromFloatText(const QString &number, FloatType type)
{
    ComponentTextValue result(Kind::Float);
    result.m_text = number;
    result.m_floatType = type;
    return result;
}

ComponentTextValue ComponentTextValue::fromIdentifier(const QString &identifier)
{
    ComponentTextValue result(Kind::Identifier);
    result.m_text = identifier;
    return result;
}

ComponentTextValue ComponentTextValue::fromBoolean(bool value)
{
    return fromIdentifier(value ? QStringLiteral("True") : QStringLiteral("False"));
}

ComponentTextValue ComponentTextValue::fromString(const QString &text)
{
    ComponentTextValue result(Kind::String);
    result.m_text = text;
    return result;
}

ComponentTextValue ComponentTextValue::fromSet(const QStringList &members)
{
    ComponentTextValue result(Kind::Set);
    result.m_members = members;
    return result;
}

ComponentTextValue ComponentTextValue::fromList(std::vector<ComponentTextValue> items)
{
    ComponentTextValue result(Kind::List);
    result.m_items = std::move(items);
    return result;
}

ComponentTextValue ComponentTextValue::fromStringList(const QStringList &strings)
{
    std::vector<ComponentTextValue> items;
    items.reserve(strings.size());
    for (const QString &string : strings)
        items.push_back(fromString(string));
    return fromList(std::move(items));
}

ComponentTextValue ComponentTextValue::fromBinary(const QByteArray &bytes)
{
    ComponentTextValue result(Kind::Binary);
    result.m_bytes = bytes;
    return result;
}

ComponentTextValue ComponentTextValue::fromCollection(std::vector<ComponentTextProperties> items)
{
    ComponentTextValue result(Kind::Collection);
    result.m_collection = std::move(items);
    return result;
}

double ComponentTextValue::toDouble() const
{
    if (m_kind == Kind::Integer)
        return double(m_integer);
    return m_kind == Kind::Float ? m_text.toDouble() : 0.0;
}

bool ComponentTextValue::isIdentifier(const QString &identifier) const
{
    return m_kind == Kind::Identifier && m_text.compare(identifier, Qt::CaseInsensitive) == 0;
}

QStringList ComponentTextValue::toStringList() const
{
    QStringList strings;
    for (const ComponentTextValue &item : m_items) {
        if (item.kind() == Kind::String)
            strings << item.text();
    }
    return strings;
}

bool operator==(const ComponentTextValue &a, const ComponentTextValue &b)
{
    return a.m_kind == b.m_kind && a.m_integer == b.m_integer && a.m_floatType == b.m_floatType
        && a.m_text == b.m_text && a.m_members == b.m_members && a.m_items == b.m_items
        && a.m_bytes == b.m_bytes && a.m_collection == b.m_collection;
}

bool operator==(const ComponentTextProperty &a, const ComponentTextProperty &b)
{
    return a.path == b.path && a.value == b.value;
}

const ComponentTextValue *findComponentTextProperty(const ComponentTextProperties &properties,
                                                    const QString &path)
{
    for (const ComponentTextProperty &property : properties) {
        if (property.path.compare(path, Qt::CaseInsensitive) == 0)
            return &property.value;
    }
    return nullptr;
}

void setComponentTextProperty(ComponentTextProperties &properties, const QString &path,
                              const ComponentTextValue &value)
{
    for (ComponentTextProperty &property : properties) {
        if (property.path.compare(path, Qt::CaseInsensitive) == 0) {
            property.value = value;
            return;
        }
    }
    properties.push_back({path, value});
}

} // namespace talmo
