#include "engine/cab/CabBuildPlan.h"

#include "model/ProjectContainer.h"

namespace talmo {

namespace {

QString withUnderscores(QString text)
{
    return text.replace(u' ', u'_');
}

// The CAB file name without its extension: everything before the last ".".
QString withoutExtension(const QString &fileName)
{
    const qsizetype dot = fileName.lastIndexOf(u'.');
    return dot < 0 ? fileName : fileName.left(dot);
}

} // namespace

CabBuildPlan::CabBuildPlan(const TProjectContainer &project)
    : m_baseName(withUnderscores(project.AppName))
    , m_compress(project.CompressCab)
{
    m_renamed = !project.CABOutputFilename.isEmpty();
    if (m_renamed)
        m_cabBaseName = withUnderscores(withoutExtension(project.CABOutputFilename));
    for (int i = 1; i < project.CEDevices.Count(); ++i)
        m_cpuNames.append(TProjectContainer::GetDeviceName(project.CEDevices[i].Caption));
}

QStringList CabBuildPlan::CabwizArguments(const QString &infPath, const QString &outputFolder) const
{
    QStringList arguments{infPath, QStringLiteral("/dest"), outputFolder};
    if (!m_cpuNames.isEmpty())
        arguments << QStringLiteral("/cpu") << m_cpuNames;
    if (m_compress)
        arguments << QStringLiteral("/compress");
    return arguments;
}

QStringList CabBuildPlan::ProducedCabNames() const
{
    if (m_cpuNames.isEmpty())
        return {m_baseName + QStringLiteral(".CAB")};
    QStringList names;
    for (const QString &cpu : m_cpuNames)
        names.append(withUnderscores(m_baseName + u'.' + cpu + QStringLiteral(".CAB")));
    return names;
}

QStringList CabBuildPlan::FinalCabNames() const
{
    if (!m_renamed)
        return ProducedCabNames();
    QStringList names;
    for (const Rename &rename : Renames())
        names.append(rename.to);
    return names;
}

QList<CabBuildPlan::Rename> CabBuildPlan::Renames() const
{
    if (!m_renamed)
        return {};
    const QStringList produced = ProducedCabNames();
    if (m_cpuNames.isEmpty())
        return {Rename{produced.first(), m_cabBaseName + QStringLiteral(".CAB")}};
    QList<Rename> renames;
    for (qsizetype i = 0; i < m_cpuNames.size(); ++i) {
        const QString renamed = m_cabBaseName + u'.' + m_cpuNames[i] + QStringLiteral(".CAB");
        renames.append(Rename{produced[i], withUnderscores(renamed)});
    }
    return renames;
}

} // namespace talmo
