#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace talmo {

struct ScriptClassMember
{
    QString declaration; // "property Name: String; read write;"
    QString insertText;  // "Name"
};

struct ScriptClass
{
    QString name;
    int parent = -1; // index in the table; -1 only for TObject
    QList<ScriptClassMember> members;
};

// The script classes of the installer's Pascal Script with their parents and
// own member declarations, in table order (63 classes, TObject first). Each
// class's parent stands before it, so every chain ends at TObject.
class ScriptClassTable
{
public:
    // Reads the compiled-in class table; throws std::logic_error on a malformed one.
    ScriptClassTable();
    explicit ScriptClassTable(const QStringList &lines);

    qsizetype size() const { return m_classes.size(); }
    const ScriptClass &at(qsizetype index) const { return m_classes.at(index); }
    // The class named name ignoring ASCII case, or -1.
    int indexOf(const QString &name) const;

    // The member filler: appends the class's own members, then those of its
    // parent and so on up to TObject, to both lists in step.
    void AppendMembers(int index, QStringList &insertTexts, QStringList &declarations) const;

private:
    void addClass(const QString &header);
    void addMember(const QString &declaration);

    QList<ScriptClass> m_classes;
};

} // namespace talmo
