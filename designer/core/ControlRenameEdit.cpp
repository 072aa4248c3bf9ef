#include "designer/core/ControlRenameEdit.h"

#include "designer/core/PageEventEntries.h"
#include "model/ProjectContainer.h"

namespace talmo {

ControlRenameEdit::ControlRenameEdit(TProjectContainer &project, int page) : m_project(project), m_page(page) {}

void ControlRenameEdit::select(const QString &name)
{
    m_name = name;
}

std::optional<QString> ControlRenameEdit::apply(const QString &nameNow, const QString &wanted,
                                                const Refusal &refusalOf)
{
    if (nameNow != wanted)
        return refusalOf(wanted);
    PageEventEntries::RenameObject(m_project.CustomForms[m_page].ExecUnits, m_name, wanted);
    m_name = wanted;
    m_project.Modified = true;
    return std::nullopt;
}

} // namespace talmo
