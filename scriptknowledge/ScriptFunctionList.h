#pragma once

#include <QList>
#include <QString>

namespace talmo {

struct ScriptFunctionEntry
{
    QString name;
    QString declaration;
};

// The support routines and named constants of the installer's script
// language, for completion: the 210 routines with their prototypes, then the
// 217 constants as "const <name>" (names shared by two groups stand twice).
class ScriptFunctionList
{
public:
    static const QList<ScriptFunctionEntry> &entries();
    static constexpr int RoutineCount = 210;
    static constexpr int ConstantCount = 217;
};

} // namespace talmo
