#pragma once

#include "platform/RegistryStore.h"
#include "platform/ScopedCurrent.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace talmo {

// A redistributable set: a named tree of platforms, their processors and
// each processor's CAB files (full paths). SQL Mobile and .NET CF2 sets share
// the layout.
struct TMSQL_Processors
{
    QString Caption;  // such as "armv4"
    QStringList CabFiles;
};

struct TMSQL_Platforms
{
    QString Caption;  // such as "WCE400"
    std::vector<TMSQL_Processors> Processors;
};

struct TMSQL_CustomSet
{
    QString Caption;
    std::vector<TMSQL_Platforms> Platforms;
};

using TNETCF2_CustomSet = TMSQL_CustomSet;

// The redistributable sets the runtime modules of every project are made
// from: for each kind the built-in set (CABs in the program's "redist"
// folder) first, then the user's sets, kept as values of the key
// "Software\Talmo" of the current registry store.
class TProgramOptions
{
public:
    static inline const QString BuiltinSetCaption = QStringLiteral("Builtin Distribution");
    // What the user is told when the sets cannot be saved.
    static inline const QString RegistryErrorMessage = QStringLiteral(
        "Error while accessing Registry.\r"
        "Please close program, and check the security settings for key\r"
        "HKEY_CURRENT_USER\\Software\\Talmo");

    // Loads at once.
    TProgramOptions();

    // Builds both lists anew: the built-in set, then the user's sets. Never
    // fails; missing values take their defaults. The sets, platforms,
    // processors and CAB files read are together no more than the values the
    // key holds, whatever its counts say.
    void Load();
    // Writes the user's sets (not the built-in ones). A failure carries
    // RegistryErrorMessage; values written before it stay written.
    RegistryStatus Save() const;

    // Element 0 is the built-in set; the options window never changes it.
    std::vector<TMSQL_CustomSet> MSQLSets;
    std::vector<TNETCF2_CustomSet> NETCF2Sets;

    // The built-in sets, their paths in the current program folder.
    static TMSQL_CustomSet BuiltinSqlMobileSet();
    static TNETCF2_CustomSet BuiltinNetCF2Set();

    // The program-wide options main() creates; null until then.
    static TProgramOptions *current();
    // Returns the options that were current before.
    static TProgramOptions *setCurrent(TProgramOptions *options);
};

using ScopedCurrentProgramOptions = ScopedCurrent<TProgramOptions>;

} // namespace talmo
