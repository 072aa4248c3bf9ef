#include "widgets/NxPropertyBinding.h"

#include "platform/AnsiCodec.h"
#include "widgets/NxCheckBoxItem.h"
#include "widgets/NxColorItem.h"
#include "widgets/NxDateTimeItems.h"
#include "widgets/NxPropertyItems.h"

#include <QMetaEnum>
#include <QStringList>

namespace talmo {

namespace {

QString classInfoTag(const QObject *object, const QMetaProperty &property)
{
    const QMetaObject *meta = object->metaObject();
    const int at = meta->indexOfClassInfo(QByteArray("talmo:") + property.name());
    return at < 0 ? QString() : QString::fromLatin1(meta->classInfo(at).value());
}

QString enumName(const QMetaProperty &property, const QVariant &value)
{
    return QString::fromLatin1(property.enumerator().valueToKey(value.toInt()));
}

// Date and time properties are Qt's own types or day numbers.
QDateTime toDateTime(const QVariant &value)
{
    switch (value.metaType().id()) {
    case QMetaType::QDate:
        return QDateTime(value.toDate(), QTime(0, 0));
    case QMetaType::QTime:
        return DayNumber::toDateTime(0).addMSecs(value.toTime().msecsSinceStartOfDay());
    case QMetaType::QDateTime:
        return value.toDateTime();
    default:
        return DayNumber::toDateTime(value.toDouble());
    }
}

QVariant fromDateTime(const QDateTime &value, QMetaType type)
{
    switch (type.id()) {
    case QMetaType::QDate:
        return value.date();
    case QMetaType::QTime:
        return value.time();
    case QMetaType::QDateTime:
        return value;
    default:
        return DayNumber::fromDateTime(value);
    }
}

} // namespace

TNxResolvedProperty NxPropertyBinding::resolve(QObject *start, const QString &path)
{
    TNxResolvedProperty result;
    const QStringList segments = path.split(u'.');
    result.name = segments.last();
    QObject *current = start;
    for (int i = 0; current && i < segments.size() - 1; ++i) {
        const QMetaObject *meta = current->metaObject();
        const int at = meta->indexOfProperty(segments[i].toLatin1().constData());
        if (at < 0 || !(meta->property(at).metaType().flags() & QMetaType::PointerToQObject))
            return result;
        current = meta->property(at).read(current).value<QObject *>();
    }
    if (!current)
        return result;
    const int at = current->metaObject()->indexOfProperty(result.name.toLatin1().constData());
    if (at >= 0) {
        result.object = current;
        result.property = current->metaObject()->property(at);
    }
    return result;
}

TNxPropertyType NxPropertyBinding::typeOf(const QObject *object, const QMetaProperty &property)
{
    const QString tag = classInfoTag(object, property);
    if (tag == u"TColor")
        return TNxPropertyType::Color;
    if (tag == u"TDate")
        return TNxPropertyType::Date;
    if (tag == u"TTime")
        return TNxPropertyType::Time;
    if (tag == u"TDateTime")
        return TNxPropertyType::DateTime;
    if (tag == u"TFont")
        return TNxPropertyType::Font;
    if (property.isFlagType())
        return TNxPropertyType::Set;
    if (property.isEnumType())
        return TNxPropertyType::Enumeration;
    const QMetaType type = property.metaType();
    if (type.flags() & QMetaType::PointerToQObject)
        return TNxPropertyType::Object;
    switch (type.id()) {
    case QMetaType::Bool:
        return TNxPropertyType::Boolean;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::UChar:
    case QMetaType::SChar:
        return TNxPropertyType::Integer;
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return TNxPropertyType::Int64;
    case QMetaType::Double:
    case QMetaType::Float:
        return TNxPropertyType::Float;
    case QMetaType::QString:
    case QMetaType::QByteArray:
        return TNxPropertyType::String;
    case QMetaType::QDate:
        return TNxPropertyType::Date;
    case QMetaType::QTime:
        return TNxPropertyType::Time;
    case QMetaType::QDateTime:
        return TNxPropertyType::DateTime;
    default:
        return TNxPropertyType::Unsupported;
    }
}

QString NxPropertyBinding::setToText(const QMetaProperty &property, const QVariant &value)
{
    const QMetaEnum flags = property.enumerator();
    QStringList names;
    for (int i = 0; i < flags.keyCount(); ++i) {
        const int bit = flags.value(i);
        if (bit != 0 && (value.toInt() & bit) == bit)
            names << QString::fromLatin1(flags.key(i));
    }
    return names.join(u',');
}

std::optional<int> NxPropertyBinding::textToSet(const QMetaProperty &property, const QString &text)
{
    QString inner = text.trimmed();
    if (inner.startsWith(u'[') && inner.endsWith(u']'))
        inner = inner.mid(1, inner.size() - 2);
    int value = 0;
    const QMetaEnum flags = property.enumerator();
    for (const QString &part : inner.split(u',', Qt::SkipEmptyParts)) {
        bool ok = false;
        const int bit = flags.keyToValue(part.trimmed().toLatin1().constData(), &ok);
        if (!ok)
            return std::nullopt;
        value |= bit;
    }
    return value;
}

QObject *NxPropertyBinding::startObject(const TNxPropertyItem &item)
{
    if (!item.items() || item.mapProperty().isEmpty() || !item.items()->associate())
        return nullptr;
    return item.mapObject() ? item.mapObject() : item.items()->associate();
}

void NxPropertyBinding::read(TNxPropertyItem &item)
{
    QObject *start = startObject(item);
    if (!start)
        return;
    const TNxResolvedProperty target = resolve(start, item.mapProperty());
    if (target.isValid()) {
        const QVariant value = target.property.read(target.object);
        auto *colorItem = dynamic_cast<TNxColorItem *>(&item);
        const bool checkBox = dynamic_cast<TNxCheckBoxItem *>(&item) != nullptr;
        item.m_reading = true;
        switch (typeOf(target.object, target.property)) {
        case TNxPropertyType::Integer:
        case TNxPropertyType::Int64:
        case TNxPropertyType::Color:
            if (colorItem)
                item.setAsString(colorItem->textOfColor(TColor(value.toInt())));
            else
                item.setAsInteger(value.toInt());
            break;
        case TNxPropertyType::Boolean:
            if (checkBox)
                item.setAsBoolean(value.toBool());
            else
                item.setAsString(value.toBool() ? QStringLiteral("True") : QStringLiteral("False"));
            break;
        case TNxPropertyType::Enumeration:
            if (checkBox)
                item.setAsBoolean(enumName(target.property, value) == u"True");
            else
                item.setAsString(enumName(target.property, value));
            break;
        case TNxPropertyType::Float:
            item.setAsFloat(value.toDouble());
            break;
        case TNxPropertyType::Date:
        case TNxPropertyType::Time:
        case TNxPropertyType::DateTime:
            item.setAsDateTime(toDateTime(value));
            break;
        case TNxPropertyType::String:
            item.setAsString(value.metaType().id() == QMetaType::QByteArray ? AnsiCodec::decode(value.toByteArray())
                                                                            : value.toString());
            break;
        case TNxPropertyType::Set:
            item.setAsString(setToText(target.property, value));
            break;
        case TNxPropertyType::Font:
        case TNxPropertyType::Object:
        case TNxPropertyType::Unsupported:
            break;
        }
        item.m_reading = false;
    }
    if (item.caption().isEmpty())
        item.setCaption(target.name);
}

void NxPropertyBinding::write(TNxPropertyItem &item)
{
    QObject *start = startObject(item);
    if (!start)
        return;
    const TNxResolvedProperty target = resolve(start, item.mapProperty());
    if (!target.isValid() || !target.property.isWritable())
        return;
    const QMetaProperty &property = target.property;
    const bool checkBox = dynamic_cast<TNxCheckBoxItem *>(&item) != nullptr;
    // Text the property cannot take (an unknown enumeration name, a colour
    // that does not read) leaves the property as it is.
    switch (typeOf(target.object, property)) {
    case TNxPropertyType::Integer:
    case TNxPropertyType::Int64:
    case TNxPropertyType::Color:
        if (auto *colorItem = dynamic_cast<TNxColorItem *>(&item)) {
            if (auto color = colorItem->colorOfText(item.asString()))
                property.write(target.object, *color);
        } else {
            property.write(target.object, item.asInteger());
        }
        break;
    case TNxPropertyType::Boolean:
        property.write(target.object, checkBox ? item.asBoolean() : item.asString() == u"True");
        break;
    case TNxPropertyType::Enumeration: {
        const QString name = checkBox ? (item.asBoolean() ? QStringLiteral("True") : QStringLiteral("False"))
                                      : item.asString();
        bool ok = false;
        const int value = property.enumerator().keyToValue(name.toLatin1().constData(), &ok);
        if (ok)
            property.write(target.object, value);
        break;
    }
    case TNxPropertyType::Float:
        property.write(target.object, item.asFloat());
        break;
    case TNxPropertyType::Date:
    case TNxPropertyType::Time:
    case TNxPropertyType::DateTime:
        property.write(target.object, fromDateTime(item.asDateTime(), property.metaType()));
        break;
    case TNxPropertyType::String:
        if (property.metaType().id() == QMetaType::QByteArray)
            property.write(target.object, AnsiCodec::encode(item.asString()));
        else
            property.write(target.object, item.asString());
        break;
    case TNxPropertyType::Set:
        if (auto value = textToSet(property, item.asString()))
            property.write(target.object, *value);
        break;
    case TNxPropertyType::Font:
    case TNxPropertyType::Object:
    case TNxPropertyType::Unsupported:
        break;
    }
}

} // namespace talmo
