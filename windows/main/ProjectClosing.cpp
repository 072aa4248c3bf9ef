#include "windows/main/ProjectClosing.h"

namespace talmo {

QString ProjectClosing::AboutProject(const QString &question, const QString &projectFileName)
{
    return projectFileName.isEmpty() ? question : question + QStringLiteral("\n\n") + projectFileName;
}

UiButton ProjectClosing::CloseOne(bool modified, const QString &question, const Ask &ask,
                                  const std::function<bool()> &save)
{
    if (!modified)
        return UiButton::Yes;
    const UiButton answer = ask(question);
    if (answer == UiButton::Cancel || (answer == UiButton::Yes && !save()))
        return UiButton::Cancel;
    return answer;
}

bool ProjectClosing::CloseAll(const QList<bool> &modified, const Ask &ask, const std::function<bool(int index)> &save)
{
    if (!modified.contains(true))
        return true;
    const UiButton answer = ask(ProjectsQuestion);
    if (answer == UiButton::Cancel)
        return false;
    for (int index = 0; answer == UiButton::Yes && index < modified.size(); ++index) {
        if (modified.at(index) && !save(index))
            return false;
    }
    return true;
}

} // namespace talmo
