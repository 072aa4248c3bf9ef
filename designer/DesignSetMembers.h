#pragma once

#include <QList>
#include <QMetaProperty>
#include <QString>
#include <QStringList>

class QObject;

namespace talmo {

// A set property seen as its members, each ticked or not, and written back
// from the members ticked. Its text is the members held, as "[a,b]".
class DesignSetMembers
{
public:
    struct Member
    {
        QString name;
        bool ticked = false;
    };

    // property names a property of owner or a dotted path from it ("Font.Style").
    DesignSetMembers(QObject *owner, const QString &property);

    bool isValid() const;
    QString text() const;
    QList<Member> members() const;
    // The set holds exactly the ticked members; a name that is none leaves it as it was.
    void setTicked(const QStringList &ticked);

private:
    QObject *m_object = nullptr;
    QMetaProperty m_property;
};

} // namespace talmo
