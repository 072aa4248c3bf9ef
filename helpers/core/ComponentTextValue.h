#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace talmo {

struct ComponentTextProperty;
using ComponentTextProperties = std::vector<ComponentTextProperty>;

// One property value of component text, of any kind the notation has.
class ComponentTextValue
{
public:
    enum class Kind {
        Integer,    // 42, -7
        Float,      // 1.500000000000000000, with an optional type suffix
        Identifier, // True, alClient, clBtnFace, Edit1
        String,     // 'Next'#39's'
        Set,        // [akLeft, akTop]
        List,       // ( ... ), string lists under a path ending in ".Strings"
        Binary,     // {0A0B...}
        Collection, // < item ... end >
    };
    // The suffix a float carries: none, "s", "c" or "d".
    enum class FloatType { Extended, Single, Currency, Date };

    ComponentTextValue(); // the integer 0

    static ComponentTextValue fromInteger(qint64 value);
    // Written in fixed notation with 18 digits after the point.
    static ComponentTextValue fromFloat(double value, FloatType type = FloatType::Extended);
    // A number exactly as it stands in a text ("-1.25", "2.5E3"), kept as it is.
    static ComponentTextValue fromFloatText(const QString &number, FloatType type = FloatType::Extended);
    static ComponentTextValue fromIdentifier(const QString &identifier);
    static ComponentTextValue fromBoolean(bool value);
    static ComponentTextValue fromString(const QString &text);
    static ComponentTextValue fromSet(const QStringList &members);
    static ComponentTextValue fromList(std::vector<ComponentTextValue> items);
    static ComponentTextValue fromStringList(const QStringList &strings);
    static ComponentTextValue fromBinary(const QByteArray &bytes);
    static ComponentTextValue fromCollection(std::vector<ComponentTextProperties> items);

    Kind kind() const { return m_kind; }
    qint64 integer() const { return m_integer; }
    // A float's or an integer's numeric value.
    double toDouble() const;
    FloatType floatType() const { return m_floatType; }
    // The identifier, the string, or the number text of a float.
    const QString &text() const { return m_text; }
    // Case-insensitive test of an identifier value ("True", "true").
    bool isIdentifier(const QString &identifier) const;
    const QStringList &setMembers() const { return m_members; }
    const std::vector<ComponentTextValue> &items() const { return m_items; }
    // The texts of a list's string items.
    QStringList toStringList() const;
    const QByteArray &bytes() const { return m_bytes; }
    const std::vector<ComponentTextProperties> &collectionItems() const { return m_collection; }

    friend bool operator==(const ComponentTextValue &a, const ComponentTextValue &b);

private:
    explicit ComponentTextValue(Kind kind);

    Kind m_kind;
    qint64 m_integer = 0;
    FloatType m_floatType = FloatType::Extended;
    QString m_text;
    QStringList m_members;
    std::vector<ComponentTextValue> m_items;
    QByteArray m_bytes;
    std::vector<ComponentTextProperties> m_collection;
};

// One property line: a path such as "Left" or "Font.Name" and its value.
struct ComponentTextProperty
{
    QString path;
    ComponentTextValue value;

    friend bool operator==(const ComponentTextProperty &a, const ComponentTextProperty &b);
};

// Property paths compare ignoring the case of ASCII letters.
const ComponentTextValue *findComponentTextProperty(const ComponentTextProperties &properties,
                                                    const QString &path);
// Replaces the value of an existing path or appends the property.
void setComponentTextProperty(ComponentTextProperties &properties, const QString &path,
                              const ComponentTextValue &value);

} // namespace talmo
