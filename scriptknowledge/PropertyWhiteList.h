#pragma once

#include <QList>
#include <QMetaProperty>
#include <QString>
#include <QStringList>

class QObject;

namespace talmo {

// Which published properties of the installer's page controls the page
// designer offers and the script generator writes. Each row is a class name
// followed by its allowed property names; row 0, "NullObject", allows nothing
// and serves every class without a row of its own. Fixed once built.
class PropertyWhiteList
{
public:
    // Builds the 19 rows (BuildDesignerPropertyWhiteList).
    PropertyWhiteList();

    qsizetype rowCount() const { return m_rows.size(); }
    const QStringList &row(qsizetype index) const { return m_rows.at(index); }

    // The first row whose class name equals className ignoring ASCII case; 0 when none does.
    int DesignClassIndex(const QString &className) const;
    // Whether a property line (a name or a dotted path such as "Font.Name") is
    // offered and scripted for the class. Beyond the class's row, a path
    // containing "Items" is always shown, else one containing "Charset" never,
    // else one containing "Font" always (case-sensitive substrings).
    bool IsDesignPropertyShown(const QString &propertyPath, const QString &className) const;

private:
    QList<QStringList> m_rows;
};

// True when text equals an element of list, ignoring ASCII case.
bool IsInStringArray(const QStringList &list, const QString &text);

// Counts the component's published properties whose name is in row. When
// properties is given, it receives exactly those, sorted by name ignoring ASCII
// case. The published properties of a QObject are the Q_PROPERTYs declared
// below Qt's own classes: a property that QObject, QWidget or any other class
// of Qt declares never counts, so a control publishes from its own base class
// downward.
int GetDesignPropList(const QObject *component, const QStringList &row, QList<QMetaProperty> *properties = nullptr);

} // namespace talmo
