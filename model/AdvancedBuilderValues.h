#pragma once

#include <QString>

#include <array>

namespace talmo {

class TProjectContainer;

// The less common settings of the desktop setup and the CAB build that the
// advanced options dialog edits, by the number of their inspector row
// (0 to 19). The dialog works on these values only; the caller copies them
// from the project before and back into it after OK.
class AdvancedBuilderValues
{
public:
    enum Tag {
        Uninstallable = 0,
        DefaultDirName = 1,
        CreateUninstallRegKey = 2,
        UpdateUninstallLogAppName = 3,
        AppID = 4,
        DefaultUserInfoName = 5,
        DefaultUserInfoOrg = 6,
        DefaultUserInfoSerial = 7,
        AlwaysShowComponentsList = 8,
        CompressCab = 9,
        DCMRequired = 10,
        WaitBetweenCabs = 11,
        ActiveSyncIcon = 12,
        VersionInfoCompany = 13,
        VersionInfoCopyright = 14,
        VersionInfoDescription = 15,
        VersionInfoVersion = 16,
        WizardIcon = 17,
        CreateCABIcons = 18,
        CreateCABIconsEnabledForHidden = 19,
    };
    static constexpr int Count = 20;

    // Whether the value of the tag is yes/no rather than text; false outside 0 .. 19.
    static bool IsFlag(int tag);

    static AdvancedBuilderValues FromProject(const TProjectContainer &project);
    // Every value into the project (the folder and the ActiveSync icon
    // through their setters); the project is marked modified.
    void ApplyTo(TProjectContainer &project) const;

    // Tags outside 0 .. 19, and text tags asked for a flag (or the other way
    // round), read as false or empty and are not stored.
    bool flag(int tag) const;
    void setFlag(int tag, bool value);
    QString text(int tag) const;
    void setText(int tag, const QString &value);

private:
    std::array<bool, Count> m_flags{};
    std::array<QString, Count> m_texts;
};

} // namespace talmo
