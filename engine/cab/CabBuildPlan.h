#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace talmo {

class TProjectContainer;

// The names a CAB build works with, all drawn from the project: the .inf file
// and the CABs cabwiz writes, the names they are renamed to, and cabwiz's
// arguments. Blanks become "_" wherever a name comes from the project's texts.
class CabBuildPlan
{
public:
    // A produced CAB and the name it gets after the project's CAB file name;
    // both are file names inside the output folder.
    struct Rename
    {
        QString from;
        QString to;
    };

    explicit CabBuildPlan(const TProjectContainer &project);

    // N: the application name with blanks as "_"; the .inf file is N + ".inf".
    QString BaseName() const { return m_baseName; }
    QString InfFileName() const { return m_baseName + QStringLiteral(".inf"); }
    // B: the CAB file name without its extension, blanks as "_".
    QString CabBaseName() const { return m_cabBaseName; }
    // The configurations named after "/cpu": every one but the default, in
    // order; empty for a project with only one configuration.
    QStringList CpuNames() const { return m_cpuNames; }

    // "<inf> /dest <output> [/cpu n1 n2 ...] [/compress]"
    QStringList CabwizArguments(const QString &infPath, const QString &outputFolder) const;
    // The CAB names cabwiz leaves in the output folder, before renaming.
    QStringList ProducedCabNames() const;
    // The CAB names once the build is over: renamed when the project names a
    // CAB file. These are the names the setup's CAB list refers to.
    QStringList FinalCabNames() const;
    // Empty when the project names no CAB file. Blanks in the new names
    // become "_" as in the setup's CAB list, which names them.
    QList<Rename> Renames() const;

private:
    QString m_baseName;
    QString m_cabBaseName;
    QStringList m_cpuNames;
    bool m_renamed = false;
    bool m_compress = false;
};

} // namespace talmo
