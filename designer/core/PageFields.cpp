#include "designer/core/PageFields.h"

#include "designer/core/CodeIdentifiers.h"
#include "model/ProjectContainer.h"
#include "model/StandardWizardPages.h"

namespace talmo {

PageFields::PageFields(TProjectContainer &project, int page) : m_project(project), m_page(page) {}

TCustomForm &PageFields::page() const
{
    return m_project.CustomForms[m_page];
}

template <typename Value>
void PageFields::store(Value TCustomForm::*field, const Value &value)
{
    page().*field = value;
    m_project.Modified = true;
}

QStringList PageFields::creationOrderChoices()
{
    QStringList names;
    for (const char *name : StandardWizardPageNames)
        names.append(QString::fromLatin1(name));
    return names;
}

QString PageFields::setName(const QString &name)
{
    const QString refusal = CodeIdentifiers(m_project.CustomForms, m_project.CommonCode).PageNameRefusal(m_page, name);
    if (refusal.isEmpty())
        store(&TCustomForm::Name, name);
    return refusal;
}

void PageFields::setCaption(const QString &caption)
{
    store(&TCustomForm::Caption, caption);
}

void PageFields::setDescription(const QString &description)
{
    store(&TCustomForm::Description, description);
}

void PageFields::setCreationOrder(const QString &standardPage)
{
    store(&TCustomForm::CreationOrder, std::max(0, int(creationOrderChoices().indexOf(standardPage))));
}

void PageFields::setEnabled(bool enabled)
{
    store(&TCustomForm::Enabled, enabled);
}

} // namespace talmo
