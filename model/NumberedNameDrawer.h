#pragma once

#include "model/RandomSource.h"

#include <QSet>
#include <QString>

namespace talmo {

// Draws names of the form prefix + random number (0 to 9999998) that no name
// given to it before uses, ignoring letter case: generated section and disk
// names must not collide within a project.
class NumberedNameDrawer
{
public:
    NumberedNameDrawer(const QString &prefix, RandomSource &random);

    // A name the drawer must not hand out, such as a section the user named.
    void Reserve(const QString &name);
    QString Draw();

private:
    bool isTaken(int number) const;

    QString m_prefix;
    RandomSource &m_random;
    QSet<QString> m_taken;  // upper case
};

} // namespace talmo
