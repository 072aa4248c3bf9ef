#include "helpers/core/PathFolders.h"
#include "model/ProjectContainer.h"

#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

#include <functional>

using namespace talmo;

namespace {

struct TextDefault
{
    const char *field;
    QString TProjectContainer::*member;
    const char *value;
};

const TextDefault textDefaults[] = {
    { "Signature", &TProjectContainer::Signature, "" },
    { "CESignature", &TProjectContainer::CESignature, "" },
    { "Provider", &TProjectContainer::Provider, "My Company" },
    { "InstallDir", &TProjectContainer::InstallDir, "" },
    { "AppName", &TProjectContainer::AppName, "" },
    { "VersionInfoCompany", &TProjectContainer::VersionInfoCompany, "My Company" },
    { "VersionInfoCopyright", &TProjectContainer::VersionInfoCopyright, "" },
    { "VersionInfoDescription", &TProjectContainer::VersionInfoDescription, "My Application Setup" },
    { "VersionInfoVersion", &TProjectContainer::VersionInfoVersion, "0.0.0.0" },
    { "SetupIconFile", &TProjectContainer::SetupIconFile, "" },
    { "OutputPath", &TProjectContainer::OutputPath, "" },
    { "SetupExecName", &TProjectContainer::SetupExecName, "" },
    { "Description", &TProjectContainer::Description, "" },
    { "LegacyEulaFile", &TProjectContainer::LegacyEulaFile, "" },
    { "LegacyReadmeFile", &TProjectContainer::LegacyReadmeFile, "" },
    { "FileName", &TProjectContainer::FileName, "" },
    { "PublisherWebSite", &TProjectContainer::PublisherWebSite, "" },
    { "BuilderDefaultDirName", &TProjectContainer::BuilderDefaultDirName, "{pf}\\%AppName%" },
    { "BuilderWizardImageBackColor", &TProjectContainer::BuilderWizardImageBackColor, "$400000" },
    { "BuilderWizardImageFile", &TProjectContainer::BuilderWizardImageFile, "" },
    { "BuilderWizardImageStretch", &TProjectContainer::BuilderWizardImageStretch, "yes" },
    { "BuilderWizardSmallImageFile", &TProjectContainer::BuilderWizardSmallImageFile, "" },
    { "SetupCaption", &TProjectContainer::SetupCaption, "" },
    { "IconFile", &TProjectContainer::IconFile, "" },
    { "Win32AppName", &TProjectContainer::Win32AppName, "My Application" },
    { "Win32Version", &TProjectContainer::Win32Version, "0.1" },
    { "BeaveledLabelText", &TProjectContainer::BeaveledLabelText, "" },
    { "URL", &TProjectContainer::URL, "" },
    { "URLText", &TProjectContainer::URLText, "" },
    { "AboutText", &TProjectContainer::AboutText, "" },
    { "WelcomeMessage", &TProjectContainer::WelcomeMessage, "" },
    { "SplashScreenImage", &TProjectContainer::SplashScreenImage, "" },
    { "AppID", &TProjectContainer::AppID, "" },
    { "SkinCrafterSkinFileName", &TProjectContainer::SkinCrafterSkinFileName, "" },
    { "SkinName", &TProjectContainer::SkinName, "Default" },
    { "DefaultUserInfoName", &TProjectContainer::DefaultUserInfoName, "{sysuserinfoname}" },
    { "DefaultUserInfoOrg", &TProjectContainer::DefaultUserInfoOrg, "{sysuserinfoorg}" },
    { "DefaultUserInfoSerial", &TProjectContainer::DefaultUserInfoSerial, "" },
    { "CABOutputFilename", &TProjectContainer::CABOutputFilename, "" },
};

struct FlagDefault
{
    const char *field;
    bool TProjectContainer::*member;
    bool value;
};

const FlagDefault flagDefaults[] = {
    { "CreateCABIcons", &TProjectContainer::CreateCABIcons, true },
    { "CreateCABIconsEnabledForHidden", &TProjectContainer::CreateCABIconsEnabledForHidden, false },
    { "Modified", &TProjectContainer::Modified, false },
    { "Win32Only", &TProjectContainer::Win32Only, false },
    { "BuildCabsFirst", &TProjectContainer::BuildCabsFirst, true },
    { "ShowComponentsDialog", &TProjectContainer::ShowComponentsDialog, true },
    { "CompressCab", &TProjectContainer::CompressCab, false },
    { "ShowWelcomePage", &TProjectContainer::ShowWelcomePage, true },
    { "CreateUninstallRegKey", &TProjectContainer::CreateUninstallRegKey, true },
    { "UpdateUninstallLogAppName", &TProjectContainer::UpdateUninstallLogAppName, true },
    { "DCMRequired", &TProjectContainer::DCMRequired, false },
    { "AlwaysShowComponentsList", &TProjectContainer::AlwaysShowComponentsList, true },
    { "SkinCrafterSupport", &TProjectContainer::SkinCrafterSupport, false },
    { "Uninstallable", &TProjectContainer::Uninstallable, true },
    { "UserInfoPage", &TProjectContainer::UserInfoPage, false },
    { "WaitBetweenCabs", &TProjectContainer::WaitBetweenCabs, false },
    { "CabCreatorModuleFlagFixed", &TProjectContainer::CabCreatorModuleFlagFixed, false },
    { "CabCreatorModuleHiddenInstall", &TProjectContainer::CabCreatorModuleHiddenInstall, false },
};

struct NumberDefault
{
    const char *field;
    int TProjectContainer::*member;
    int value;
};

const NumberDefault numberDefaults[] = {
    { "DefaultBuildMode", &TProjectContainer::DefaultBuildMode, 0 },
    { "ProjectVersion", &TProjectContainer::ProjectVersion, 24 },
    { "SplashScreenTime", &TProjectContainer::SplashScreenTime, 0 },
    { "SplashScreenWidth", &TProjectContainer::SplashScreenWidth, 0 },
    { "SplashScreenHeight", &TProjectContainer::SplashScreenHeight, 0 },
    { "SplashScreenCorners", &TProjectContainer::SplashScreenCorners, 0 },
    { "InstallTypesIsCustom", &TProjectContainer::InstallTypesIsCustom, 2 },
};

const QStringList setupTypes{ "Full", "Compact", "Custom" };

void expectDefaults(const TProjectContainer &project)
{
    for (const TextDefault &d : textDefaults)
        EXPECT_EQ(project.*d.member, QString::fromLatin1(d.value)) << d.field;
    for (const FlagDefault &d : flagDefaults)
        EXPECT_EQ(project.*d.member, d.value) << d.field;
    for (const NumberDefault &d : numberDefaults)
        EXPECT_EQ(project.*d.member, d.value) << d.field;

    EXPECT_EQ(project.InstallTypes, setupTypes);
    EXPECT_EQ(project.InstallTypesDescriptions,
              QStringList({ "Full installation", "Compact installation", "Custom installation" }));
    EXPECT_EQ(project.CabCreatorModuleInstallTypes, setupTypes);
    EXPECT_TRUE(project.CabCreatorModuleLanguages.isEmpty());
    EXPECT_TRUE(project.CommonCode.isEmpty());
    EXPECT_EQ(project.StandardForms, (std::array<bool, 4>{ true, true, true, true }));

    EXPECT_EQ(project.StringPairs.Count(), 0);
    EXPECT_EQ(project.CEDevices.Count(), 0);
    EXPECT_EQ(project.ShortcutsSections.Count(), 0);
    EXPECT_EQ(project.RegistrySections.Count(), 0);
    EXPECT_EQ(project.CopyFilesSections.Count(), 0);
    EXPECT_EQ(project.Languages.Count(), 0);
    EXPECT_EQ(project.CabCollections.Count(), 0);
    EXPECT_EQ(project.DirectCopyModules.Count(), 0);
    EXPECT_EQ(project.Platforms.Count(), 0);
    EXPECT_EQ(project.PluginContainers.Count(), 0);
    EXPECT_EQ(project.Win32Plugins.Count(), 0);
    EXPECT_EQ(project.PalmSections.Count(), 0);
    EXPECT_EQ(project.CustomForms.Count(), 0);

    ASSERT_EQ(project.InstallComponents.Count(), 1);
    const TInstallComponent &cabCreator = project.InstallComponents[0];
    EXPECT_EQ(cabCreator.moduleType, ModuleType::CabCreator);
    EXPECT_EQ(cabCreator.moduleIndex, -1);
    EXPECT_EQ(cabCreator.parentIndex, -1);
    EXPECT_EQ(cabCreator.Project, &project);
}

// Puts something into every list and changes every kind of setting.
void fill(TProjectContainer &project)
{
    project.CreateNewProject();
    project.StringPairs.AddNew().Name = "Dir";
    project.RegistrySections.AddNew().Caption = "reg";
    project.CopyFilesSections.AddNew();
    project.Languages.AddNew();
    project.CabCollections.AddNew();
    project.DirectCopyModules.AddNew();
    project.Platforms.AddNew();
    project.PluginContainers.AddNew();
    project.Win32Plugins.AddNew();
    project.PalmSections.AddNew();
    project.CustomForms.AddNew(false);
    project.InstallComponents.AddNew(&project).parentIndex = 0;
    project.CommonCode << "begin" << "end;";
    project.CabCreatorModuleLanguages << "lang";
    project.InstallTypes << "Minimal";
    project.CabCreatorModuleInstallTypes.removeFirst();
    project.StandardForms[2] = false;
    project.ProjectVersion = 7;
    project.SetSplashScreenTime(5);
    project.SkinName = "Blue";
    project.Win32Only = true;
    project.FileName = "/tmp/x.talmo";
}

} // namespace

TEST(ProjectContainer, NewContainerHoldsTheDefaults)
{
    TProjectContainer project;
    expectDefaults(project);
}

TEST(ProjectContainer, ResetRestoresTheDefaultsInTheSameListObjects)
{
    TProjectContainer project;
    fill(project);
    const TCEDevices *devices = &project.CEDevices;
    const QStringList *commonCode = &project.CommonCode;
    const TInstallComponents *components = &project.InstallComponents;
    ASSERT_TRUE(project.Modified);

    project.Reset();

    expectDefaults(project);
    EXPECT_EQ(&project.CEDevices, devices);
    EXPECT_EQ(&project.CommonCode, commonCode);
    EXPECT_EQ(&project.InstallComponents, components);
}

TEST(ProjectContainer, SetupTypeListsOfTheCabCreatorAreACopy)
{
    TProjectContainer project;
    project.InstallTypes[0] = "Everything";
    EXPECT_EQ(project.CabCreatorModuleInstallTypes, setupTypes);
}

TEST(ProjectContainer, NewProjectTemplate)
{
    SetMyDocumentsFolderOverride("/home/user/Documents");
    TProjectContainer project;
    project.Modified = true;
    project.CreateNewProject();
    ClearMyDocumentsFolderOverride();

    EXPECT_FALSE(project.Modified);
    ASSERT_EQ(project.CEDevices.Count(), 1);
    const TCEDevice &device = project.CEDevices[0];
    EXPECT_EQ(device.Caption, "CEDevice [ Default ]");
    EXPECT_EQ(device.BuildMax, 0);
    EXPECT_TRUE(device.ProcessorType.isEmpty());
    EXPECT_EQ(device.Installation.defaultInstallShortcuts, QStringList{ "def-1" });
    EXPECT_TRUE(device.Installation.defaultInstallCopyFiles.isEmpty());
    ASSERT_EQ(project.ShortcutsSections.Count(), 1);
    EXPECT_EQ(project.ShortcutsSections[0].Caption, "def-1");
    EXPECT_EQ(project.ShortcutsSections[0].DefaultDestinationDir, "%CE11%");
    EXPECT_EQ(project.ShortcutsSections[0].Entries.Count(), 0);
    EXPECT_EQ(project.InstallComponents.Count(), 1);

    EXPECT_EQ(project.Signature, "$Chicago$");
    EXPECT_EQ(project.CESignature, "$Windows CE$");
    EXPECT_EQ(project.InstallDir, "%CE1%\\%AppName%");
    EXPECT_EQ(project.AppName, "My Mobile Application");
    EXPECT_EQ(project.Win32AppName, "My Application");
    EXPECT_EQ(project.Provider, "My Company");
    EXPECT_EQ(project.SetupExecName, "MySetup.exe");
    EXPECT_EQ(project.Description, "My test application");
    EXPECT_EQ(project.VersionInfoDescription, "My Application Setup");
    EXPECT_EQ(project.FileName, "/home/user/Documents/unknown.talmo");
}

TEST(ProjectContainer, SettersMarkModifiedEvenWithoutChangeButTheFileNameDoesNot)
{
    using Setter = std::function<void(TProjectContainer &)>;
    const std::pair<const char *, Setter> setters[] = {
        { "AppName", [](TProjectContainer &p) { p.SetAppName(p.AppName); } },
        { "Win32Only", [](TProjectContainer &p) { p.SetWin32Only(p.Win32Only); } },
        { "SplashScreenTime", [](TProjectContainer &p) { p.SetSplashScreenTime(3); } },
        { "OutputPath", [](TProjectContainer &p) { p.SetOutputPath("out"); } },
    };
    for (const auto &[name, set] : setters) {
        TProjectContainer project;
        set(project);
        EXPECT_TRUE(project.Modified) << name;
    }

    TProjectContainer project;
    project.SetFileName("/work/a.talmo");
    EXPECT_EQ(project.GetFileName(), "/work/a.talmo");
    EXPECT_FALSE(project.Modified);
    project.SetOutputPath("out");
    EXPECT_EQ(project.GetOutputPath(), "out");
}
