#include "editors/core/device/CustomStringEdits.h"

#include "model/ProjectContainer.h"

namespace talmo {

CustomStringEdits::CustomStringEdits(TProjectContainer &project)
    : m_project(project)
{
}

int CustomStringEdits::Add(const QString &name, const QString &value)
{
    m_project.StringPairs.AddNew(TStringPair{ name, value });
    m_project.Modified = true;
    return m_project.StringPairs.Count() - 1;
}

void CustomStringEdits::Replace(int index, const QString &name, const QString &value)
{
    m_project.StringPairs[index] = TStringPair{ name, value };
    m_project.Modified = true;
}

void CustomStringEdits::Delete(int index)
{
    m_project.StringPairs.Delete(index);
    m_project.Modified = true;
}

} // namespace talmo
