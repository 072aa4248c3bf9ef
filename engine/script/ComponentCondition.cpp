#include "engine/script/ComponentCondition.h"

#include "engine/script/ScriptGenerationError.h"
#include "model/ListIndexError.h"
#include "model/ProjectContainer.h"

namespace talmo {

ComponentCondition::ComponentCondition(TProjectContainer &project)
    : m_project(project)
{
}

bool ComponentCondition::IsHidden(int componentIndex) const
{
    return IsHiddenIn(m_project, componentIndex);
}

bool ComponentCondition::IsHiddenIn(const TProjectContainer &project, int componentIndex)
{
    const TInstallComponents &components = project.InstallComponents;
    int current = componentIndex;
    // A chain of distinct components has at most Count() members; more means a loop.
    for (int visited = 0; current != -1; ++visited) {
        if (visited >= components.Count()) {
            throw ListIndexError(QStringLiteral("The parents of installation component %1 form a loop")
                                     .arg(componentIndex));
        }
        const TInstallComponent &component = components.GetItem(current);
        if (component.GetHiddenInstall())
            return true;
        current = component.parentIndex;
    }
    return false;
}

bool ComponentCondition::namesComponent(int componentIndex) const
{
    return m_project.ShowComponentsDialog && !IsHidden(componentIndex);
}

QString ComponentCondition::Of(int componentIndex) const
{
    return ComponentPart(componentIndex) + LanguagePart(componentIndex);
}

QString ComponentCondition::ComponentPart(int componentIndex) const
{
    if (!namesComponent(componentIndex))
        return QString();
    return QStringLiteral(" components: ") + m_project.GetComponentName(componentIndex, true)
        + QLatin1Char(';');
}

QString ComponentCondition::LanguagePart(int componentIndex) const
{
    const QStringList *languages = m_project.GetComponentLanguages(componentIndex);
    if (!languages || languages->isEmpty())
        return QString();
    QString part = QStringLiteral(" languages:");
    for (const QString &wanted : *languages) {
        for (int j = 0; j < m_project.Languages.Count(); ++j) {
            if (m_project.Languages[j].LanguageID == wanted)
                part += QLatin1Char(' ') + LanguageName(j);
        }
    }
    return part + QLatin1Char(';');
}

QString ComponentCondition::DownloadModuleName(int componentIndex) const
{
    return namesComponent(componentIndex) ? m_project.GetComponentName(componentIndex, true) : QString();
}

int ComponentCondition::RequireComponent(int moduleType, int moduleIndex) const
{
    const int index = m_project.FindComponentIndex(moduleType, moduleIndex);
    if (index < 0) {
        throw ScriptGenerationError(
            QStringLiteral("Module %1 of type %2 has no entry in the installation component list")
                .arg(moduleIndex)
                .arg(moduleType));
    }
    return index;
}

QString ComponentCondition::LanguageName(int languageIndex)
{
    return QStringLiteral("lang") + QString::number(languageIndex);
}

} // namespace talmo
