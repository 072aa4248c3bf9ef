#include "editors/core/device/CabGeneralOptions.h"

#include "model/ProjectContainer.h"

namespace talmo {

namespace {

struct OptionEntry
{
    CabGeneralOption option;
    QString (*text)(const TProjectContainer &);
    void (*store)(TProjectContainer &, const QString &);
    bool namesModule;
};

const OptionEntry options[] = {
    { CabGeneralOption::ModuleName, [](const TProjectContainer &p) { return p.SetupCaption; },
      [](TProjectContainer &p, const QString &text) { p.SetSetupCaption(text); }, true },
    { CabGeneralOption::AppName, [](const TProjectContainer &p) { return p.GetAppName(); },
      [](TProjectContainer &p, const QString &text) { p.SetAppName(text); }, true },
    { CabGeneralOption::Description, [](const TProjectContainer &p) { return p.GetDescription(); },
      [](TProjectContainer &p, const QString &text) { p.SetDescription(text); }, false },
    { CabGeneralOption::CabOutputFilename, [](const TProjectContainer &p) { return p.CABOutputFilename; },
      [](TProjectContainer &p, const QString &text) {
          p.CABOutputFilename = text;
          p.Modified = true;
      },
      false },
    { CabGeneralOption::InstallDir, [](const TProjectContainer &p) { return p.GetInstallDir(); },
      [](TProjectContainer &p, const QString &text) { p.SetInstallDir(text); }, false },
};

const OptionEntry &entryOf(CabGeneralOption option)
{
    for (const OptionEntry &entry : options) {
        if (entry.option == option)
            return entry;
    }
    return options[0];
}

} // namespace

QString CabGeneralOptionText(const TProjectContainer &project, CabGeneralOption option)
{
    return entryOf(option).text(project);
}

bool StoreCabGeneralOption(TProjectContainer &project, CabGeneralOption option, const QString &text)
{
    const OptionEntry &entry = entryOf(option);
    entry.store(project, text);
    return entry.namesModule;
}

std::optional<QString> UnnamedCabModuleName(const TProjectContainer &project)
{
    if (!project.SetupCaption.isEmpty())
        return std::nullopt;
    return project.GetAppName();
}

} // namespace talmo
