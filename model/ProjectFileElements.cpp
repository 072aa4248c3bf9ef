#include "model/ProjectFileElements.h"

#include "model/ProjectFileEncoding.h"

namespace talmo {

ProjectFileReadError::ProjectFileReadError(const QString &message)
    : std::runtime_error(message.toStdString())
{
}

namespace FileElements {

namespace {

const QString countName = QStringLiteral("count");

[[noreturn]] void fail(const QString &message)
{
    throw ProjectFileReadError(message);
}

} // namespace

const XmlElement &Required(const XmlElement &parent, const QString &name)
{
    const XmlElement *child = parent.child(name);
    if (!child)
        fail(QStringLiteral("Element \"%1\" is missing in \"%2\"").arg(name, parent.name()));
    return *child;
}

QString TextOf(const XmlElement &element)
{
    if (!element.children().empty())
        fail(QStringLiteral("Element \"%1\" holds elements, not text").arg(element.name()));
    return element.text();
}

QString RequiredText(const XmlElement &parent, const QString &name)
{
    return TextOf(Required(parent, name));
}

QString OptionalText(const XmlElement &parent, const QString &name)
{
    const XmlElement *child = parent.child(name);
    return child ? TextOf(*child) : QString();
}

bool DecodeBooleanOrFail(const QString &text, const QString &name)
{
    const std::optional<bool> value = DecodeBoolean(text);
    if (!value)
        fail(QStringLiteral("Element \"%1\" is not a boolean: \"%2\"").arg(name, text));
    return *value;
}

int DecodeIntegerOrFail(const QString &text, const QString &name)
{
    const std::optional<int> value = DecodeInteger(text);
    if (!value)
        fail(QStringLiteral("Element \"%1\" is not a number: \"%2\"").arg(name, text));
    return *value;
}

bool RequiredBoolean(const XmlElement &parent, const QString &name)
{
    return DecodeBooleanOrFail(RequiredText(parent, name), name);
}

bool OptionalBoolean(const XmlElement &parent, const QString &name)
{
    return DecodeBooleanOrFail(OptionalText(parent, name), name);
}

int RequiredInteger(const XmlElement &parent, const QString &name)
{
    return DecodeIntegerOrFail(RequiredText(parent, name), name);
}

int OptionalInteger(const XmlElement &parent, const QString &name)
{
    return DecodeIntegerOrFail(OptionalText(parent, name), name);
}

QStringList RequiredCommaText(const XmlElement &parent, const QString &name)
{
    return DecodeCommaText(RequiredText(parent, name));
}

QStringList OptionalCommaText(const XmlElement &parent, const QString &name)
{
    return DecodeCommaText(OptionalText(parent, name));
}

QStringList RequiredLines(const XmlElement &parent, const QString &name)
{
    return DecodeLines(RequiredText(parent, name));
}

void ForEachAfterCount(const XmlElement &list, const ItemReader &read)
{
    if (RequiredInteger(list, countName) == 0)
        return;
    const auto &children = list.children();
    for (std::size_t i = 1; i < children.size(); ++i)
        read(*children[i]);
}

void ForEachByCount(const XmlElement &list, const ItemReader &read)
{
    const int count = OptionalInteger(list, countName);
    const auto &children = list.children();
    if (count > 0 && std::size_t(count) >= children.size())
        fail(QStringLiteral("\"%1\" counts %2 items but holds fewer").arg(list.name()).arg(count));
    for (int i = 1; i <= count; ++i)
        read(*children[std::size_t(i)]);
}

void ForEachChild(const XmlElement &list, const ItemReader &read)
{
    for (const auto &child : list.children())
        read(*child);
}

void ForEachByName(const XmlElement &parent, const QString &prefix, const ItemReader &read)
{
    const int count = RequiredInteger(parent, countName);
    for (int i = 0; i < count; ++i)
        read(Required(parent, prefix + QString::number(i)));
}

} // namespace FileElements

} // namespace talmo
