#pragma once

#include "model/CabCollection.h"
#include "model/CEDevice.h"
#include "model/CopyFilesSection.h"
#include "model/CustomForm.h"
#include "model/DirectCopyModule.h"
#include "model/InstallComponent.h"
#include "model/Language.h"
#include "model/PalmSection.h"
#include "model/Platform.h"
#include "model/PluginContainer.h"
#include "model/RandomSource.h"
#include "model/RegistrySection.h"
#include "model/ShortcutSection.h"
#include "model/StringPair.h"
#include "model/Win32Plugin.h"

#include <QString>
#include <QStringList>

#include <array>
#include <memory>

class QIODevice;

namespace talmo {

// One project: every setting of the device CABs and of the desktop setup and
// every list of items the editors, the project file and the builders work on.
//
// Editors change the fields and items in place and then set Modified; the
// setters below store a value and set Modified themselves, also when the
// value does not change. The lists exist for the container's whole life:
// Reset empties them but never replaces them, so references stay valid.
class TProjectContainer
{
public:
    // The model version this program writes.
    static constexpr int CurrentProjectVersion = 24;

    TProjectContainer();
    TProjectContainer(const TProjectContainer &) = delete;
    TProjectContainer &operator=(const TProjectContainer &) = delete;

    // Every field to its default, every list emptied, one CAB creator component.
    void Reset();
    // Reset followed by the settings of a new project.
    void ApplyNewProjectTemplate();
    // A new project, not modified.
    void CreateNewProject();

    // The numbers of generated disk and CopyFiles names come from here.
    void SetRandomSource(std::shared_ptr<RandomSource> source);

    // Device files: rebuild the disks, CopyFiles sections and CopyFiles name
    // lists of every configuration from the flat file lists, and the inverse.
    void RebuildCopyFilesSections();
    void BuildDeviceFileLists();
    int MaxDiskId() const;
    // The configuration name of a caption: "Default" for "CEDevice [ Default ]",
    // the processor name for "CEDevice." and a processor name.
    static QString GetDeviceName(const QString &caption);

    // The component tree. An index that leads nowhere (a component, its
    // module or one of its parents) raises ListIndexError, and so does a
    // parent chain that loops.
    QString GetComponentName(int componentIndex, bool withPath) const;
    QString GetComponentCaption(int componentIndex) const;
    // The list object itself; null for an unknown module type.
    QStringList *GetComponentLanguages(int componentIndex);
    QStringList *GetComponentInstallTypes(int componentIndex);
    // The first component of that module, -1 when there is none; module
    // containers are addressed by their component index, so type 6 gives -1.
    int FindComponentIndex(int moduleType, int moduleIndex) const;
    // The module record a module type and index stand for; null for the CAB
    // creator, a module container and unknown types.
    TInstallModule *GetModule(int moduleType, int moduleIndex);
    const TInstallModule *GetModule(int moduleType, int moduleIndex) const;

    // Drops the empty lines at the end of every event unit's code and of CommonCode.
    void TrimCodeLines();

    // The project file (ProjectFileWriter, ProjectFileReader): into or from
    // the stream when one is given, else the file; either way the project
    // takes fileName. False when it could not be saved or loaded.
    bool SaveToFile(const QString &fileName, QIODevice *stream = nullptr);
    bool LoadFromFile(const QString &fileName, QIODevice *stream = nullptr);

    QString GetAppName() const { return AppName; }
    QString GetCESignature() const { return CESignature; }
    QString GetDescription() const { return Description; }
    QString GetFileName() const { return FileName; }
    QString GetIconFile() const { return IconFile; }
    QString GetInstallDir() const { return InstallDir; }
    QString GetOutputPath() const { return OutputPath; }
    QString GetProvider() const { return Provider; }
    QString GetPublisherWebSite() const { return PublisherWebSite; }
    QString GetSetupExecName() const { return SetupExecName; }
    QString GetSignature() const { return Signature; }

    void SetAboutText(const QString &value);
    void SetAppName(const QString &value);
    void SetBeaveledLabelText(const QString &value);
    void SetBuildCabsFirst(bool value);
    void SetBuilderDefaultDirName(const QString &value);
    void SetBuilderWizardImageBackColor(const QString &value);
    void SetBuilderWizardImageFile(const QString &value);
    void SetBuilderWizardImageStretch(const QString &value);
    void SetBuilderWizardSmallImageFile(const QString &value);
    void SetCESignature(const QString &value);
    void SetDefaultBuildMode(int value);
    void SetDescription(const QString &value);
    void SetIconFile(const QString &value);
    void SetInstallDir(const QString &value);
    void SetOutputPath(const QString &value);
    void SetProvider(const QString &value);
    void SetPublisherWebSite(const QString &value);
    void SetSetupCaption(const QString &value);
    void SetSetupExecName(const QString &value);
    void SetShowComponentsDialog(bool value);
    void SetSignature(const QString &value);
    void SetSplashScreenCorners(int value);
    void SetSplashScreenHeight(int value);
    void SetSplashScreenImage(const QString &value);
    void SetSplashScreenTime(int value);
    void SetSplashScreenWidth(int value);
    void SetURL(const QString &value);
    void SetURLText(const QString &value);
    void SetWin32AppName(const QString &value);
    void SetWin32Only(bool value);
    void SetWin32Version(const QString &value);
    // Stores the file name and leaves Modified alone.
    void SetFileName(const QString &value);

    QString Signature;
    QString CESignature;
    QString Provider;
    QString InstallDir;
    QString AppName;
    QString VersionInfoCompany;
    QString VersionInfoCopyright;
    QString VersionInfoDescription;
    QString VersionInfoVersion;
    QString SetupIconFile;
    bool CreateCABIcons = true;
    bool CreateCABIconsEnabledForHidden = false;
    TStringPairs StringPairs;
    bool Modified = false;
    QString OutputPath;  // absolute or relative to the project file's folder
    QString SetupExecName;
    QString Description;
    QString LegacyEulaFile;    // only while an old project file is read
    QString LegacyReadmeFile;  // only while an old project file is read
    TCEDevices CEDevices;
    TShortcutsSections ShortcutsSections;
    TRegistrySections RegistrySections;
    TCopyFilesSections CopyFilesSections;
    bool Win32Only = false;  // desktop-only: no CABs and no CAB creator component
    QString FileName;
    QString PublisherWebSite;
    TLanguagesSection Languages;
    TCabCollections CabCollections;
    TDirectCopyModules DirectCopyModules;
    bool BuildCabsFirst = true;
    int DefaultBuildMode = 0;  // 0 CABs, then the setup; 1 CABs only
    TPlatforms Platforms;
    QString BuilderDefaultDirName;
    QString BuilderWizardImageBackColor;
    QString BuilderWizardImageFile;
    QString BuilderWizardImageStretch;  // "yes" or "no"
    QString BuilderWizardSmallImageFile;
    TPluginContainers PluginContainers;
    QString SetupCaption;  // caption of the CAB creator component; empty: AppName
    QString IconFile;
    TWin32Plugins Win32Plugins;
    TPalmSections PalmSections;
    QString Win32AppName;
    QString Win32Version;
    bool ShowComponentsDialog = true;
    TCustomForms CustomForms;
    TInstallComponents InstallComponents;
    QStringList CommonCode;  // the project's global script code, one line per item
    bool CompressCab = false;
    bool ShowWelcomePage = true;
    int ProjectVersion = CurrentProjectVersion;
    bool CreateUninstallRegKey = true;
    bool UpdateUninstallLogAppName = true;
    bool DCMRequired = false;
    QString BeaveledLabelText;
    QString URL;
    QString URLText;
    QString AboutText;
    QString WelcomeMessage;
    QString SplashScreenImage;
    int SplashScreenTime = 0;
    int SplashScreenWidth = 0;
    int SplashScreenHeight = 0;
    int SplashScreenCorners = 0;
    QStringList InstallTypes;
    QStringList InstallTypesDescriptions;
    int InstallTypesIsCustom = 2;
    QString AppID;
    bool AlwaysShowComponentsList = true;
    QString SkinCrafterSkinFileName;
    bool SkinCrafterSupport = false;
    QString SkinName;
    bool Uninstallable = true;
    bool UserInfoPage = false;
    QString DefaultUserInfoName;
    QString DefaultUserInfoOrg;
    QString DefaultUserInfoSerial;
    bool WaitBetweenCabs = false;
    QString CABOutputFilename;  // base name of the built CABs; empty keeps cabwiz's names
    // The destination-folder, finished, start-menu-folder and ready pages.
    std::array<bool, 4> StandardForms = { true, true, true, true };
    bool CabCreatorModuleFlagFixed = false;
    QStringList CabCreatorModuleLanguages;
    bool CabCreatorModuleHiddenInstall = false;
    QStringList CabCreatorModuleInstallTypes;

private:
    template <typename Value>
    void setAndMarkModified(Value &field, const Value &value)
    {
        field = value;
        Modified = true;
    }
    QString ownComponentName(int componentIndex) const;
    QStringList *componentList(int componentIndex, QStringList TProjectContainer::*cabCreatorList,
                               QStringList TInstallModule::*moduleList,
                               QStringList TInstallComponent::*containerList);

    std::shared_ptr<RandomSource> m_randomSource;
};

} // namespace talmo
