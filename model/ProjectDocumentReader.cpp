#include "model/ProjectDocumentReader.h"

#include "model/ListIndexError.h"
#include "model/ProjectContainer.h"
#include "model/ProjectFileElements.h"

namespace talmo {

using namespace FileElements;

namespace {

QStringList defaultInstallTypes()
{
    return { QStringLiteral("Full"), QStringLiteral("Compact"), QStringLiteral("Custom") };
}

QStringList defaultInstallTypesDescriptions()
{
    return { QStringLiteral("Full installation"), QStringLiteral("Compact installation"),
             QStringLiteral("Custom installation") };
}

} // namespace

ProjectDocumentReader::ProjectDocumentReader(TProjectContainer &project, const XmlElement &root,
                                             const TProgramOptions *options)
    : m_project(project)
    , m_root(root)
    , m_options(options)
{
}

void ProjectDocumentReader::guarded(const std::function<void()> &read, const std::function<void()> &fallback)
{
    try {
        read();
    } catch (const ProjectFileReadError &) {
        fallback();
    } catch (const ListIndexError &) {
        fallback();
    }
}

const XmlElement &ProjectDocumentReader::top(const QString &name) const
{
    return Required(m_root, name);
}

void ProjectDocumentReader::readText(const QString &name, QString &field, const QString &fallback)
{
    guarded([&] { field = TextOf(top(name)); }, [&] { field = fallback; });
}

void ProjectDocumentReader::readBoolean(const QString &name, bool &field, bool fallback)
{
    guarded([&] { field = RequiredBoolean(m_root, name); }, [&] { field = fallback; });
}

void ProjectDocumentReader::readInteger(const QString &name, int &field, int fallback)
{
    guarded([&] { field = RequiredInteger(m_root, name); }, [&] { field = fallback; });
}

void ProjectDocumentReader::ReadAll()
{
    TProjectContainer &p = m_project;
    readInstallTypes();
    guarded(
        [&] {
            for (int i = 0; i < int(p.StandardForms.size()); ++i)
                p.StandardForms[std::size_t(i)] = RequiredBoolean(m_root, QStringLiteral("StandardForm") + QString::number(i));
        },
        [&] { p.StandardForms.fill(true); });
    readCabCreatorModule();
    guarded([&] { p.CommonCode = RequiredLines(m_root, QStringLiteral("CommonCode")); },
            [&] { p.CommonCode.clear(); });
    readIdentity();
    readDesktopSettings();
    readSetupAppearance();

    readLegacyRuntimeModule(QStringLiteral("NetModuleV2"), TPluginContainer::NetCF2Type, 9);
    readLegacyRuntimeModule(QStringLiteral("SQLModule"), TPluginContainer::SqlMobileType, 11);
    readPluginContainers();
    readWin32Plugins();
    readPalmSections();
    readDirectCopySections();
    readCustomForms();

    p.OutputPath = TextOf(top(QStringLiteral("output_path")));
    p.SetupExecName = TextOf(top(QStringLiteral("setup_exec_name")));
    p.Description = TextOf(top(QStringLiteral("description")));
    readStrings();
    readPlatforms();
    readLanguages();
    readLegacyLanguageFiles();

    readCEDevices();
    readSourceDisksNames();
    readCabCollections();
    readCopyFiles();
    readDefaultInstall();
    readShortcuts();
    readRegistry();
    readInstallComponents();
    readText(QStringLiteral("SetupCaption"), p.SetupCaption, QString());
}

void ProjectDocumentReader::readInstallTypes()
{
    TProjectContainer &p = m_project;
    guarded([&] { p.InstallTypes = RequiredCommaText(m_root, QStringLiteral("InstallTypes")); },
            [&] { p.InstallTypes = defaultInstallTypes(); });
    guarded([&] { p.InstallTypesDescriptions = RequiredCommaText(m_root, QStringLiteral("InstallTypesDescriptions")); },
            [&] { p.InstallTypesDescriptions = defaultInstallTypesDescriptions(); });
    // -1 stands for no custom type; any other value must name a type.
    guarded(
        [&] {
            const int index = RequiredInteger(m_root, QStringLiteral("InstallTypesIsCustom"));
            if (index < -1 || index >= p.InstallTypes.size())
                throw ListIndexError(index, int(p.InstallTypes.size()));
            p.InstallTypesIsCustom = index;
        },
        [&] { p.InstallTypesIsCustom = 2; });
}

void ProjectDocumentReader::readCabCreatorModule()
{
    TProjectContainer &p = m_project;
    guarded(
        [&] {
            p.CabCreatorModuleInstallTypes = RequiredCommaText(m_root, QStringLiteral("CabCreatorModule_InstallTypes"));
            p.CabCreatorModuleLanguages = RequiredCommaText(m_root, QStringLiteral("CabCreatorModule_Languages"));
            p.CabCreatorModuleHiddenInstall = RequiredBoolean(m_root, QStringLiteral("CabCreatorModule_HiddenInstall"));
            p.CabCreatorModuleFlagFixed = RequiredBoolean(m_root, QStringLiteral("CabCreatorModule_FlagFixed"));
        },
        [&] {
            p.CabCreatorModuleInstallTypes = p.InstallTypes;
            p.CabCreatorModuleLanguages.clear();
            p.CabCreatorModuleHiddenInstall = false;
            p.CabCreatorModuleFlagFixed = false;
        });
}

void ProjectDocumentReader::readIdentity()
{
    TProjectContainer &p = m_project;
    p.Signature = TextOf(top(QStringLiteral("Signature")));
    p.CESignature = TextOf(top(QStringLiteral("CESignature")));
    p.Provider = TextOf(top(QStringLiteral("Provider")));
    p.AppName = TextOf(top(QStringLiteral("AppName")));
    p.InstallDir = TextOf(top(QStringLiteral("InstallDir")));
    readText(QStringLiteral("Win32AppName"), p.Win32AppName, p.AppName);
    if (p.Provider.isEmpty())
        p.Provider = QStringLiteral("MyCompany");
    if (p.Win32AppName.isEmpty())
        p.Win32AppName = QStringLiteral("My Application");
    readText(QStringLiteral("VersionInfoCompany"), p.VersionInfoCompany, p.Provider);
    readText(QStringLiteral("SetupIconFile"), p.SetupIconFile, QString());
    readBoolean(QStringLiteral("CreateCABIconsEnabledForHidden"), p.CreateCABIconsEnabledForHidden, false);
    readBoolean(QStringLiteral("CreateCABIcons"), p.CreateCABIcons, true);
    readText(QStringLiteral("VersionInfoCopyright"), p.VersionInfoCopyright, QString());
    readText(QStringLiteral("VersionInfoDescription"), p.VersionInfoDescription,
             p.Win32AppName + QStringLiteral(" Setup"));
    readText(QStringLiteral("VersionInfoVersion"), p.VersionInfoVersion, QStringLiteral("0.0.0.0"));
    readText(QStringLiteral("builderDefaultDirName"), p.BuilderDefaultDirName, QStringLiteral("{pf}\\%AppName%"));
}

void ProjectDocumentReader::readDesktopSettings()
{
    TProjectContainer &p = m_project;
    readBoolean(QStringLiteral("Uninstallable"), p.Uninstallable, true);
    readBoolean(QStringLiteral("WaitBetweenCabs"), p.WaitBetweenCabs, false);
    readBoolean(QStringLiteral("AlwaysShowComponentsList"), p.AlwaysShowComponentsList, true);
    readBoolean(QStringLiteral("SkinCrafterSupport"), p.SkinCrafterSupport, false);
    readText(QStringLiteral("SkinCrafterSkinFileName"), p.SkinCrafterSkinFileName, QString());
    readText(QStringLiteral("SkinName"), p.SkinName, QStringLiteral("Default"));
    readBoolean(QStringLiteral("UserInfoPage"), p.UserInfoPage, false);
    readText(QStringLiteral("DefaultUserInfoName"), p.DefaultUserInfoName, QStringLiteral("{sysuserinfoname}"));
    readText(QStringLiteral("DefaultUserInfoOrg"), p.DefaultUserInfoOrg, QStringLiteral("{sysuserinfoorg}"));
    readText(QStringLiteral("DefaultUserInfoSerial"), p.DefaultUserInfoSerial, QString());
    readText(QStringLiteral("AppID"), p.AppID, QString());
    readText(QStringLiteral("Win32Version"), p.Win32Version, QString());
    readText(QStringLiteral("builderWizardImageBackColor"), p.BuilderWizardImageBackColor, QStringLiteral("$400000"));
    readText(QStringLiteral("builderWizardImageFile"), p.BuilderWizardImageFile, QString());
    readText(QStringLiteral("IconFile"), p.IconFile, QString());
    readBoolean(QStringLiteral("CompressCab"), p.CompressCab, false);
    readBoolean(QStringLiteral("ShowWelcomePage"), p.ShowWelcomePage, true);
    // A file without a version is older than every numbered one and is migrated.
    readInteger(QStringLiteral("ProjectVersion"), p.ProjectVersion, 0);
    readBoolean(QStringLiteral("CreateUninstallRegKey"), p.CreateUninstallRegKey, true);
    readBoolean(QStringLiteral("UpdateUninstallLogAppName"), p.UpdateUninstallLogAppName, true);
    readBoolean(QStringLiteral("DCMRequired"), p.DCMRequired, false);
    readText(QStringLiteral("CAB_Output_Filename"), p.CABOutputFilename, QString());
    readText(QStringLiteral("builderWizardImageStretch"), p.BuilderWizardImageStretch, QStringLiteral("yes"));
    readBoolean(QStringLiteral("Win32Only"), p.Win32Only, false);
    readBoolean(QStringLiteral("ShowComponentsDialog"), p.ShowComponentsDialog, true);
    readText(QStringLiteral("builderWizardSmallImageFile"), p.BuilderWizardSmallImageFile, QString());
    guarded(
        [&] {
            p.DefaultBuildMode = RequiredInteger(m_root, QStringLiteral("DefaultBuildMode"));
            p.BuildCabsFirst = RequiredBoolean(m_root, QStringLiteral("BuildCabsFirst"));
        },
        [&] {
            p.DefaultBuildMode = 0;
            p.BuildCabsFirst = true;
        });
}

void ProjectDocumentReader::readSetupAppearance()
{
    TProjectContainer &p = m_project;
    readText(QStringLiteral("PublisherWebSite"), p.PublisherWebSite, QString());
    readText(QStringLiteral("BeaveledLabelText"), p.BeaveledLabelText, QString());
    readText(QStringLiteral("URL"), p.URL, QString());
    readText(QStringLiteral("URLText"), p.URLText, QString());
    readText(QStringLiteral("AboutText"), p.AboutText, QString());
    readText(QStringLiteral("WelcomeMessage"), p.WelcomeMessage, QString());
    readText(QStringLiteral("SplashScreen_Image"), p.SplashScreenImage, QString());
    readInteger(QStringLiteral("SplashScreen_Time"), p.SplashScreenTime, 0);
    readInteger(QStringLiteral("SplashScreen_Width"), p.SplashScreenWidth, 0);
    readInteger(QStringLiteral("SplashScreen_Height"), p.SplashScreenHeight, 0);
    readInteger(QStringLiteral("SplashScreen_Corners"), p.SplashScreenCorners, 0);
}

} // namespace talmo
