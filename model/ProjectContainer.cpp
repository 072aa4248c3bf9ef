#include "model/ProjectContainer.h"

#include "helpers/core/PathFolders.h"

namespace talmo {

namespace {

const QString defaultCompany = QStringLiteral("My Company");
const QString defaultSetupDescription = QStringLiteral("My Application Setup");
const QString defaultVersionInfo = QStringLiteral("0.0.0.0");
const QString defaultDesktopAppName = QStringLiteral("My Application");
const QString defaultDeviceCaption = QStringLiteral("CEDevice [ Default ]");
const QString defaultShortcutSection = QStringLiteral("def-1");

void dropTrailingEmptyLines(QStringList &lines)
{
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
}

} // namespace

TProjectContainer::TProjectContainer()
    : m_randomSource(std::make_shared<ClockSeededRandomSource>())
{
    Reset();
    Modified = false;
}

void TProjectContainer::SetRandomSource(std::shared_ptr<RandomSource> source)
{
    m_randomSource = source ? std::move(source) : std::make_shared<ClockSeededRandomSource>();
}

void TProjectContainer::Reset()
{
    StringPairs.Clear();
    CEDevices.Clear();
    ShortcutsSections.Clear();
    RegistrySections.Clear();
    CopyFilesSections.Clear();
    Languages.Clear();
    CabCollections.Clear();
    DirectCopyModules.Clear();
    Platforms.Clear();
    PalmSections.Clear();
    Win32Plugins.Clear();
    PluginContainers.Clear();
    CustomForms.Clear();

    Signature.clear();
    CESignature.clear();
    Provider = defaultCompany;
    InstallDir.clear();
    AppName.clear();
    VersionInfoCompany = defaultCompany;
    VersionInfoCopyright.clear();
    VersionInfoDescription = defaultSetupDescription;
    VersionInfoVersion = defaultVersionInfo;
    SetupIconFile.clear();
    CreateCABIcons = true;
    CreateCABIconsEnabledForHidden = false;
    Modified = false;
    OutputPath.clear();
    SetupExecName.clear();
    Description.clear();
    LegacyEulaFile.clear();
    LegacyReadmeFile.clear();
    Win32Only = false;
    FileName.clear();
    PublisherWebSite.clear();
    BuildCabsFirst = true;
    DefaultBuildMode = 0;
    BuilderDefaultDirName = QStringLiteral("{pf}\\%AppName%");
    BuilderWizardImageBackColor = QStringLiteral("$400000");
    BuilderWizardImageFile.clear();
    BuilderWizardImageStretch = QStringLiteral("yes");
    BuilderWizardSmallImageFile.clear();
    SetupCaption.clear();
    IconFile.clear();
    Win32AppName = defaultDesktopAppName;
    Win32Version = QStringLiteral("0.1");
    ShowComponentsDialog = true;
    CompressCab = false;
    ShowWelcomePage = true;
    ProjectVersion = CurrentProjectVersion;
    CreateUninstallRegKey = true;
    UpdateUninstallLogAppName = true;
    DCMRequired = false;
    BeaveledLabelText.clear();
    URL.clear();
    URLText.clear();
    AboutText.clear();
    WelcomeMessage.clear();
    SplashScreenImage.clear();
    SplashScreenTime = 0;
    SplashScreenWidth = 0;
    SplashScreenHeight = 0;
    SplashScreenCorners = 0;
    AppID.clear();
    AlwaysShowComponentsList = true;
    SkinCrafterSkinFileName.clear();
    SkinCrafterSupport = false;
    SkinName = QStringLiteral("Default");
    Uninstallable = true;
    UserInfoPage = false;
    DefaultUserInfoName = QStringLiteral("{sysuserinfoname}");
    DefaultUserInfoOrg = QStringLiteral("{sysuserinfoorg}");
    DefaultUserInfoSerial.clear();
    WaitBetweenCabs = false;
    CABOutputFilename.clear();

    InstallTypes = QStringList{ QStringLiteral("Full"), QStringLiteral("Compact"),
                                QStringLiteral("Custom") };
    InstallTypesDescriptions = QStringList{ QStringLiteral("Full installation"),
                                            QStringLiteral("Compact installation"),
                                            QStringLiteral("Custom installation") };
    InstallTypesIsCustom = 2;

    StandardForms.fill(true);
    CabCreatorModuleFlagFixed = false;
    CabCreatorModuleHiddenInstall = false;
    CabCreatorModuleLanguages.clear();
    CabCreatorModuleInstallTypes = InstallTypes;
    CommonCode.clear();

    InstallComponents.Clear();
    TInstallComponent &cabCreator = InstallComponents.AddNew(this);
    cabCreator.moduleType = ModuleType::CabCreator;
    cabCreator.moduleIndex = -1;
    cabCreator.parentIndex = -1;
}

void TProjectContainer::ApplyNewProjectTemplate()
{
    Reset();
    TCEDevice &device = CEDevices.AddNew();
    device.Caption = defaultDeviceCaption;

    Signature = QStringLiteral("$Chicago$");
    CESignature = QStringLiteral("$Windows CE$");
    InstallDir = QStringLiteral("%CE1%\\%AppName%");
    AppName = QStringLiteral("My Mobile Application");
    Win32AppName = defaultDesktopAppName;
    Provider = defaultCompany;
    VersionInfoCompany = defaultCompany;
    SetupIconFile.clear();
    CreateCABIcons = true;
    CreateCABIconsEnabledForHidden = false;
    VersionInfoCopyright.clear();
    VersionInfoDescription = defaultSetupDescription;
    VersionInfoVersion = defaultVersionInfo;
    SetupExecName = QStringLiteral("MySetup.exe");
    Description = QStringLiteral("My test application");

    FileName = GetMyDocumentsFolder() + QStringLiteral("/unknown.talmo");
    Modified = false;

    TShortcutSection &shortcuts = ShortcutsSections.AddNew();
    shortcuts.Caption = defaultShortcutSection;
    shortcuts.DefaultDestinationDir = TShortcutSection::DefaultFolder;
    device.Installation.defaultInstallShortcuts.append(defaultShortcutSection);
}

void TProjectContainer::CreateNewProject()
{
    Reset();
    ApplyNewProjectTemplate();
    Modified = false;
}

void TProjectContainer::TrimCodeLines()
{
    for (TCustomForm &page : CustomForms) {
        for (TFormCodeExecutionUnit &unit : page.ExecUnits)
            dropTrailingEmptyLines(unit.Code);
    }
    dropTrailingEmptyLines(CommonCode);
}

QString TProjectContainer::GetDeviceName(const QString &caption)
{
    return caption.mid(9).replace(QStringLiteral("[ Default ]"), QStringLiteral("Default"));
}

void TProjectContainer::SetAboutText(const QString &value) { setAndMarkModified(AboutText, value); }
void TProjectContainer::SetAppName(const QString &value) { setAndMarkModified(AppName, value); }
void TProjectContainer::SetBeaveledLabelText(const QString &value) { setAndMarkModified(BeaveledLabelText, value); }
void TProjectContainer::SetBuildCabsFirst(bool value) { setAndMarkModified(BuildCabsFirst, value); }
void TProjectContainer::SetBuilderDefaultDirName(const QString &value) { setAndMarkModified(BuilderDefaultDirName, value); }
void TProjectContainer::SetBuilderWizardImageBackColor(const QString &value) { setAndMarkModified(BuilderWizardImageBackColor, value); }
void TProjectContainer::SetBuilderWizardImageFile(const QString &value) { setAndMarkModified(BuilderWizardImageFile, value); }
void TProjectContainer::SetBuilderWizardImageStretch(const QString &value) { setAndMarkModified(BuilderWizardImageStretch, value); }
void TProjectContainer::SetBuilderWizardSmallImageFile(const QString &value) { setAndMarkModified(BuilderWizardSmallImageFile, value); }
void TProjectContainer::SetCESignature(const QString &value) { setAndMarkModified(CESignature, value); }
void TProjectContainer::SetDefaultBuildMode(int value) { setAndMarkModified(DefaultBuildMode, value); }
void TProjectContainer::SetDescription(const QString &value) { setAndMarkModified(Description, value); }
void TProjectContainer::SetIconFile(const QString &value) { setAndMarkModified(IconFile, value); }
void TProjectContainer::SetInstallDir(const QString &value) { setAndMarkModified(InstallDir, value); }
void TProjectContainer::SetOutputPath(const QString &value) { setAndMarkModified(OutputPath, value); }
void TProjectContainer::SetProvider(const QString &value) { setAndMarkModified(Provider, value); }
void TProjectContainer::SetPublisherWebSite(const QString &value) { setAndMarkModified(PublisherWebSite, value); }
void TProjectContainer::SetSetupCaption(const QString &value) { setAndMarkModified(SetupCaption, value); }
void TProjectContainer::SetSetupExecName(const QString &value) { setAndMarkModified(SetupExecName, value); }
void TProjectContainer::SetShowComponentsDialog(bool value) { setAndMarkModified(ShowComponentsDialog, value); }
void TProjectContainer::SetSignature(const QString &value) { setAndMarkModified(Signature, value); }
void TProjectContainer::SetSplashScreenCorners(int value) { setAndMarkModified(SplashScreenCorners, value); }
void TProjectContainer::SetSplashScreenHeight(int value) { setAndMarkModified(SplashScreenHeight, value); }
void TProjectContainer::SetSplashScreenImage(const QString &value) { setAndMarkModified(SplashScreenImage, value); }
void TProjectContainer::SetSplashScreenTime(int value) { setAndMarkModified(SplashScreenTime, value); }
void TProjectContainer::SetSplashScreenWidth(int value) { setAndMarkModified(SplashScreenWidth, value); }
void TProjectContainer::SetURL(const QString &value) { setAndMarkModified(URL, value); }
void TProjectContainer::SetURLText(const QString &value) { setAndMarkModified(URLText, value); }
void TProjectContainer::SetWin32AppName(const QString &value) { setAndMarkModified(Win32AppName, value); }
void TProjectContainer::SetWin32Only(bool value) { setAndMarkModified(Win32Only, value); }
void TProjectContainer::SetWin32Version(const QString &value) { setAndMarkModified(Win32Version, value); }

void TProjectContainer::SetFileName(const QString &value)
{
    FileName = value;
}

} // namespace talmo
