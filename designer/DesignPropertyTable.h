#pragma once

#include <QMetaObject>
#include <QMetaProperty>
#include <QString>
#include <QVariant>

#include <functional>
#include <optional>
#include <vector>

class QObject;

namespace talmo {

class DesignPropertyTable;

// How a published property's value stands in page text.
enum class DesignValueForm {
    Integer,     // decimal
    Boolean,     // True, False
    String,      // quoted
    Enumeration, // the enumeration's identifier (alClient)
    Set,         // [akLeft, akTop]
    Color,       // an identifier the script also declares, else decimal
    Cursor,      // likewise
    Charset,     // the GDI name, else decimal
    Reference,   // the referenced component's name
    Strings,     // a TDesignStrings, its items under "<name>.Strings"
    Bitmap,      // a TDesignBitmap, its bytes under "<name>.Data"
    Object,      // a sub-object written property by property ("Font.Name")
};

// One stored property of a class: its Q_PROPERTY name, value form, default
// (a value equal to it is not written; no default: always written) and
// stored test (a property of an object that fails it is not written).
struct DesignProperty
{
    using StoredTest = std::function<bool(const QObject &)>;

    DesignProperty(QString name, DesignValueForm form, QVariant defaultValue = {}, StoredTest stored = {},
                   const DesignPropertyTable *objectTable = nullptr);

    static bool neverStored(const QObject &) { return false; }

    QString name;
    DesignValueForm form;
    QVariant defaultValue;
    StoredTest stored;
    // The sub-object's properties, for the Object form.
    const DesignPropertyTable *objectTable;

    bool isStored(const QObject &object) const { return !stored || stored(object); }
};

// A property path of page text ("Left", "Font.Name", "Lines.Strings") as
// steps through a table.
struct DesignPropertyPath
{
    // The object-valued steps before the property, each in the table of the one before.
    std::vector<const DesignProperty *> objects;
    const DesignProperty *property = nullptr;
    // The table that holds property.
    const DesignPropertyTable *table = nullptr;
};

// The stored properties of a class in write order, its ancestors' first.
// Every name must be a Q_PROPERTY of the class: a table that names another
// is a programming error and throws std::logic_error when built.
class DesignPropertyTable
{
public:
    DesignPropertyTable(const QMetaObject &meta, std::vector<DesignProperty> own);
    DesignPropertyTable(const QMetaObject &meta, const DesignPropertyTable &ancestor, std::vector<DesignProperty> own);

    const QMetaObject &metaObject() const { return *m_meta; }
    const std::vector<DesignProperty> &properties() const { return m_properties; }
    // The property of that name, ignoring ASCII case; nullptr when the table has none.
    const DesignProperty *find(const QString &name) const;
    QMetaProperty metaProperty(const DesignProperty &property) const;
    // The path's steps; nothing when the path is not one this table writes
    // (string lists end in ".Strings", pictures in ".Data").
    std::optional<DesignPropertyPath> resolve(const QString &path) const;

private:
    void append(std::vector<DesignProperty> own);

    const QMetaObject *m_meta;
    std::vector<DesignProperty> m_properties;
};

} // namespace talmo
