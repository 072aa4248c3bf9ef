#include "model/CustomPages.h"

#include "model/ProjectContainer.h"

namespace talmo {

QString CustomPages::FreeName(const TProjectContainer &project)
{
    const QString base = QStringLiteral("CustomForm");
    auto taken = [&project](const QString &name) {
        for (const TCustomForm &page : project.CustomForms) {
            if (page.Name.compare(name, Qt::CaseInsensitive) == 0)
                return true;
        }
        return false;
    };
    QString name = base;
    for (int number = 2; taken(name); ++number)
        name = base + QString::number(number);
    return name;
}

int CustomPages::Add(TProjectContainer &project)
{
    const QString name = FreeName(project);
    TCustomForm &page = project.CustomForms.AddNew(false);
    page.Name = name;
    for (TFormCodeExecutionUnit &unit : page.ExecUnits)
        unit.eventNameInCode = TFormCodeExecutionUnit::MakeEventNameInCode(name, unit.Object, unit.Event);
    return project.CustomForms.Count() - 1;
}

} // namespace talmo
