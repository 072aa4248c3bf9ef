#include "engine/script/SetupSectionWriter.h"

#include "engine/script/ScriptEnvironment.h"
#include "engine/script/ScriptPaths.h"
#include "engine/script/ScriptQuoting.h"
#include "helpers/core/PathHelpers.h"
#include "model/PathMacros.h"
#include "model/ProjectContainer.h"

namespace talmo {

namespace {

QString defineLine(const char *name, const QString &value)
{
    return QStringLiteral("#define ") + QLatin1String(name) + QLatin1Char(' ') + ScriptQuoted(value);
}

QString yesNo(const char *directive, bool value)
{
    return QLatin1String(directive) + (value ? QStringLiteral("=yes") : QStringLiteral("=no"));
}

void appendUnlessEmpty(QStringList &lines, const char *directive, const QString &value)
{
    if (!value.isEmpty())
        lines.append(QLatin1String(directive) + value);
}

// The appearance page also stores colour names the installer's compiler does
// not know; the script gives those as the numbers they stand for.
QString installerColor(const QString &stored)
{
    static const std::pair<const char *, const char *> numbers[] = {
        { "clMoneyGreen", "$C0DCC0" },     { "clSkyBlue", "$F0CAA6" },
        { "clCream", "$F0FBFF" },          { "clMedGray", "$A4A0A0" },
        { "clDefault", "$20000000" },      { "clHotLight", "$8000001A" },
        { "clGradientActiveCaption", "$8000001B" }, { "clGradientInactiveCaption", "$8000001C" },
        { "clMenuHighlight", "$8000001D" }, { "clMenuBar", "$8000001E" },
    };
    for (const auto &[name, number] : numbers) {
        if (stored.trimmed().compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return QLatin1String(number);
    }
    return stored;
}

// Every {async} constant, in any letter case, becomes the code constant that
// finds the application manager's folder; "{{" is a brace, not a constant.
QString withAsyncPath(const QString &folder)
{
    const QString async = QStringLiteral("{async}");
    QString result;
    for (qsizetype i = 0; i < folder.size(); ++i) {
        if (QStringView(folder).mid(i, 2) == QLatin1String("{{")) {
            result += QLatin1String("{{");
            ++i;
        } else if (QStringView(folder).mid(i, async.size()).compare(async, Qt::CaseInsensitive) == 0) {
            result += QLatin1String("{code:GetAsyncPath}");
            i += async.size() - 1;
        } else {
            result += folder.at(i);
        }
    }
    return result;
}

} // namespace

SetupSectionWriter::SetupSectionWriter(const TProjectContainer &project, const ScriptEnvironment &environment)
    : m_project(project)
    , m_environment(environment)
{
}

void SetupSectionWriter::WriteDefines(QStringList &lines) const
{
    lines.append(defineLine("ISSI_IncludePath", m_environment.programFolder + QStringLiteral("issi")));
    if (m_project.Languages.IsEmpty())
        lines.append(QStringLiteral("#define ISSI_English"));
    if (!m_project.BeaveledLabelText.isEmpty())
        lines.append(defineLine("ISSI_BeveledLabel", m_project.BeaveledLabelText));
    if (m_project.SplashScreenImage.isEmpty())
        return;
    lines.append(defineLine("ISSI_SplashScreen", m_project.SplashScreenImage));
    lines.append(defineLine("ISSI_SplashScreen_T", QString::number(m_project.SplashScreenTime)));
    lines.append(defineLine("ISSI_SplashScreen_X", QString::number(m_project.SplashScreenWidth)));
    lines.append(defineLine("ISSI_SplashScreen_Y", QString::number(m_project.SplashScreenHeight)));
    if (m_project.SplashScreenCorners != 0)
        lines.append(defineLine("ISSI_Splash_Corner", QString::number(m_project.SplashScreenCorners)));
}

QString SetupSectionWriter::DefaultDirName() const
{
    if (m_project.BuilderDefaultDirName.isEmpty())
        return QStringLiteral("{pf}\\") + InstallerLiteral(m_project.Win32AppName);
    // The folder is installer text, its constants meant; the names its macros
    // stand for are plain text.
    return withAsyncPath(ExpandPathMacros(m_project, m_project.BuilderDefaultDirName, true, false, &InstallerLiteral));
}

void SetupSectionWriter::WriteSetupSection(const QString &outputFolder, QStringList &lines) const
{
    const TProjectContainer &p = m_project;
    lines.append(QStringLiteral("[Setup]"));
    // Names, versions and web sites are plain text; the installer expands constants in them.
    const QString name = InstallerLiteral(p.Win32AppName);
    const QString version = InstallerLiteral(p.Win32Version);
    lines.append(QStringLiteral("AppName=") + name);
    lines.append(QStringLiteral("AppVerName=") + name + QLatin1Char(' ') + version);
    appendUnlessEmpty(lines, "AppVersion=", version);
    lines.append(yesNo("Uninstallable", p.Uninstallable));
    lines.append(yesNo("CreateUninstallRegKey", p.CreateUninstallRegKey));
    lines.append(yesNo("UpdateUninstallLogAppName", p.UpdateUninstallLogAppName));
    lines.append(yesNo("AlwaysShowComponentsList", p.AlwaysShowComponentsList));
    appendUnlessEmpty(lines, "VersionInfoCompany=", p.VersionInfoCompany);
    appendUnlessEmpty(lines, "VersionInfoCopyright=", p.VersionInfoCopyright);
    appendUnlessEmpty(lines, "VersionInfoDescription=", p.VersionInfoDescription);
    appendUnlessEmpty(lines, "VersionInfoVersion=", p.VersionInfoVersion);
    appendUnlessEmpty(lines, "SetupIconFile=", ResolveFileReference(p.FileName, p.SetupIconFile));
    appendUnlessEmpty(lines, "AppID=", p.AppID);
    const QString publisher = InstallerLiteral(p.GetProvider());
    lines.append(QStringLiteral("AppPublisher=") + (publisher.isEmpty() ? QStringLiteral("My Company") : publisher));
    const QString site = InstallerLiteral(p.GetPublisherWebSite());
    if (!site.isEmpty()) {
        for (const char *directive : { "AppPublisherURL=", "AppSupportURL=", "AppUpdatesURL=" })
            lines.append(QLatin1String(directive) + site);
    }
    lines.append(QStringLiteral("CreateAppDir=yes"));
    lines.append(QStringLiteral("ShowLanguageDialog=yes"));
    lines.append(QStringLiteral("ShowUndisplayableLanguages=true"));
    lines.append(QStringLiteral("OutputDir=") + outputFolder);
    lines.append(QStringLiteral("DefaultDirName=") + DefaultDirName());
    lines.append(QStringLiteral("DefaultGroupName=") + name);
    writeWizardImages(lines);
    lines.append(QStringLiteral("OutputBaseFilename=") + ScriptStripExtension(p.GetSetupExecName()));
    lines.append(QStringLiteral("Compression=lzma"));
    lines.append(QStringLiteral("SolidCompression=yes"));
    static const char *const pageSwitches[] = { "DisableDirPage=yes", "DisableFinishedPage=yes",
                                                "DisableProgramGroupPage=yes", "DisableReadyPage=yes" };
    for (std::size_t i = 0; i < p.StandardForms.size(); ++i) {
        if (!p.StandardForms[i])
            lines.append(QLatin1String(pageSwitches[i]));
    }
    lines.append(yesNo("UserInfoPage", p.UserInfoPage));
    appendUnlessEmpty(lines, "DefaultUserInfoName=", p.DefaultUserInfoName);
    appendUnlessEmpty(lines, "DefaultUserInfoOrg=", p.DefaultUserInfoOrg);
    appendUnlessEmpty(lines, "DefaultUserInfoSerial=", p.DefaultUserInfoSerial);
}

void SetupSectionWriter::writeWizardImages(QStringList &lines) const
{
    const TProjectContainer &p = m_project;
    if (p.SkinName == QLatin1String("Default")) {
        appendUnlessEmpty(lines, "WizardImageBackColor=", installerColor(p.BuilderWizardImageBackColor));
        appendUnlessEmpty(lines, "WizardImageFile=", p.BuilderWizardImageFile);
        appendUnlessEmpty(lines, "WizardImageStretch=", p.BuilderWizardImageStretch);
        appendUnlessEmpty(lines, "WizardSmallImageFile=", p.BuilderWizardSmallImageFile);
        return;
    }
    const QString bitmap = m_environment.programFolder + QStringLiteral("Setup Skins\\") + p.SkinName
        + QLatin1Char('\\') + p.SkinName + QStringLiteral(".bmp");
    lines.append(QStringLiteral("WizardImageFile=") + bitmap);
    lines.append(QStringLiteral("WizardSmallImageFile=") + bitmap);
}

} // namespace talmo
