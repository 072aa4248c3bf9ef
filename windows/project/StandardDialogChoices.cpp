#include "windows/project/StandardDialogChoices.h"

#include "model/ProjectContainer.h"

#include <array>

namespace talmo {

namespace {

constexpr std::array<const char *, 7> choiceCaptions = {
    "Select Destination Location", "Setup Completed ", "Select Start Menu Folder ", "Ready to Install ",
    "Components Selection",        "User Information", "Welcome Page",
};

// The project's fields in the order of the captions; const for a const project.
template <typename Project>
auto choiceFields(Project &project)
{
    return std::array{&project.StandardForms[0], &project.StandardForms[1], &project.StandardForms[2],
                      &project.StandardForms[3], &project.ShowComponentsDialog, &project.UserInfoPage,
                      &project.ShowWelcomePage};
}

} // namespace

QStringList StandardDialogChoices::captions()
{
    QStringList result;
    for (const char *caption : choiceCaptions)
        result.append(QString::fromLatin1(caption));
    return result;
}

QList<bool> StandardDialogChoices::read(const TProjectContainer &project)
{
    QList<bool> values;
    for (const bool *field : choiceFields(project))
        values.append(*field);
    return values;
}

bool StandardDialogChoices::write(TProjectContainer &project, const QList<bool> &values)
{
    bool changed = false;
    const auto fields = choiceFields(project);
    for (std::size_t i = 0; i < fields.size() && qsizetype(i) < values.size(); ++i) {
        changed = changed || *fields[i] != values.at(qsizetype(i));
        *fields[i] = values.at(qsizetype(i));
    }
    return changed;
}

} // namespace talmo
