#pragma once

#include <QMetaProperty>
#include <QObject>
#include <QString>

#include <optional>

namespace talmo {

class TNxPropertyItem;

// What a published property holds, as the inspector's rows see it. Qt's own
// types give the plain kinds; a class names the others with class info whose
// key is "talmo:" and the property name and whose value is the type tag:
// "TColor", "TDate", "TTime", "TDateTime" or "TFont" (an object property
// holding a font), e.g. Q_CLASSINFO("talmo:Color", "TColor").
enum class TNxPropertyType {
    Unsupported,
    Integer,
    Int64,
    Float,
    String,
    Boolean,
    Enumeration,
    Set,
    Color,
    Date,
    Time,
    DateTime,
    Font,
    Object,
};

struct TNxResolvedProperty
{
    QObject *object = nullptr;
    QMetaProperty property;
    QString name; // the last segment of the path
    bool isValid() const { return object && property.isValid(); }
};

// Binding of a row to a property of a QObject by name or dotted path
// ("Font.Name": every segment before the last names an object property).
class NxPropertyBinding
{
public:
    static TNxResolvedProperty resolve(QObject *start, const QString &path);
    static TNxPropertyType typeOf(const QObject *object, const QMetaProperty &property);
    // The element names of a set value joined by commas, without brackets.
    static QString setToText(const QMetaProperty &property, const QVariant &value);
    // Comma-separated element names (brackets and spaces allowed); nothing
    // when a name is not an element of the set.
    static std::optional<int> textToSet(const QMetaProperty &property, const QString &text);

    // Shows the bound property's value in the row.
    static void read(TNxPropertyItem &item);
    // Writes the row's value into the bound property.
    static void write(TNxPropertyItem &item);

private:
    static QObject *startObject(const TNxPropertyItem &item);
};

} // namespace talmo
