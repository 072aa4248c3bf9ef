#include "model/AdvancedBuilderValues.h"

#include "model/ProjectContainer.h"

namespace talmo {

namespace {

struct FlagSetting
{
    int tag;
    bool TProjectContainer::*field;
};

struct TextSetting
{
    int tag;
    QString TProjectContainer::*field;
    void (TProjectContainer::*setter)(const QString &);
};

using Values = AdvancedBuilderValues;

constexpr FlagSetting FlagSettings[] = {
    { Values::Uninstallable, &TProjectContainer::Uninstallable },
    { Values::CreateUninstallRegKey, &TProjectContainer::CreateUninstallRegKey },
    { Values::UpdateUninstallLogAppName, &TProjectContainer::UpdateUninstallLogAppName },
    { Values::AlwaysShowComponentsList, &TProjectContainer::AlwaysShowComponentsList },
    { Values::CompressCab, &TProjectContainer::CompressCab },
    { Values::DCMRequired, &TProjectContainer::DCMRequired },
    { Values::WaitBetweenCabs, &TProjectContainer::WaitBetweenCabs },
    { Values::CreateCABIcons, &TProjectContainer::CreateCABIcons },
    { Values::CreateCABIconsEnabledForHidden, &TProjectContainer::CreateCABIconsEnabledForHidden },
};

const TextSetting TextSettings[] = {
    { Values::DefaultDirName, &TProjectContainer::BuilderDefaultDirName, &TProjectContainer::SetBuilderDefaultDirName },
    { Values::AppID, &TProjectContainer::AppID, nullptr },
    { Values::DefaultUserInfoName, &TProjectContainer::DefaultUserInfoName, nullptr },
    { Values::DefaultUserInfoOrg, &TProjectContainer::DefaultUserInfoOrg, nullptr },
    { Values::DefaultUserInfoSerial, &TProjectContainer::DefaultUserInfoSerial, nullptr },
    { Values::ActiveSyncIcon, &TProjectContainer::IconFile, &TProjectContainer::SetIconFile },
    { Values::VersionInfoCompany, &TProjectContainer::VersionInfoCompany, nullptr },
    { Values::VersionInfoCopyright, &TProjectContainer::VersionInfoCopyright, nullptr },
    { Values::VersionInfoDescription, &TProjectContainer::VersionInfoDescription, nullptr },
    { Values::VersionInfoVersion, &TProjectContainer::VersionInfoVersion, nullptr },
    { Values::WizardIcon, &TProjectContainer::SetupIconFile, nullptr },
};

bool IsTextTag(int tag)
{
    return tag >= 0 && tag < Values::Count && !Values::IsFlag(tag);
}

} // namespace

bool AdvancedBuilderValues::IsFlag(int tag)
{
    for (const FlagSetting &setting : FlagSettings) {
        if (setting.tag == tag)
            return true;
    }
    return false;
}

AdvancedBuilderValues AdvancedBuilderValues::FromProject(const TProjectContainer &project)
{
    AdvancedBuilderValues values;
    for (const FlagSetting &setting : FlagSettings)
        values.m_flags[std::size_t(setting.tag)] = project.*setting.field;
    for (const TextSetting &setting : TextSettings)
        values.m_texts[std::size_t(setting.tag)] = project.*setting.field;
    return values;
}

void AdvancedBuilderValues::ApplyTo(TProjectContainer &project) const
{
    for (const FlagSetting &setting : FlagSettings)
        project.*setting.field = m_flags[std::size_t(setting.tag)];
    for (const TextSetting &setting : TextSettings) {
        const QString &value = m_texts[std::size_t(setting.tag)];
        if (setting.setter)
            (project.*setting.setter)(value);
        else
            project.*setting.field = value;
    }
    project.Modified = true;
}

bool AdvancedBuilderValues::flag(int tag) const
{
    return IsFlag(tag) && m_flags[std::size_t(tag)];
}

void AdvancedBuilderValues::setFlag(int tag, bool value)
{
    if (IsFlag(tag))
        m_flags[std::size_t(tag)] = value;
}

QString AdvancedBuilderValues::text(int tag) const
{
    return IsTextTag(tag) ? m_texts[std::size_t(tag)] : QString();
}

void AdvancedBuilderValues::setText(int tag, const QString &value)
{
    if (IsTextTag(tag))
        m_texts[std::size_t(tag)] = value;
}

} // namespace talmo
