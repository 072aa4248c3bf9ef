#pragma once

// The generated setups of the project matrix: one device or desktop-only
// project per combination of features, each feature writing its own part of
// the script. Header-only, for the matrix test and the compile benchmark.

#include "engine/script/ScriptPaths.h"
#include "engine/scriptcode/CodeSectionAssembly.h"
#include "engine/scriptcode/CustomPageCode.h"
#include "engine/script/ScriptGenerator.h"
#include "scriptknowledge/ScriptKnowledgeBase.h"
#include "helpers/core/PathHelpers.h"
#include "model/ProjectContainer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <string>
#include <utility>

namespace talmo::matrix {

enum Feature : unsigned {
    DesktopOnly = 1u << 0,
    DesktopModule = 1u << 1,
    CabCollection = 1u << 2,
    DirectCopy = 1u << 3,
    HiddenDirectCopy = 1u << 4,
    NoComponentPage = 1u << 5,
    Splash = 1u << 6,
    Skin = 1u << 7,
    About = 1u << 8,
    Link = 1u << 9,
    Welcome = 1u << 10,
    SkipWelcomePage = 1u << 11,
    SkinCrafter = 1u << 12,
    WaitBetweenCabs = 1u << 13,
    DirectCopyRequired = 1u << 14,
    Palm = 1u << 15,
    DownloadedCab = 1u << 16,
    DownloadedDirectCopy = 1u << 17,
    CustomPages = 1u << 18,
};

inline const std::pair<Feature, const char *> FeatureNames[] = {
    { DesktopOnly, "DesktopOnly" }, { DesktopModule, "DesktopModule" }, { CabCollection, "CabCollection" },
    { DirectCopy, "DirectCopy" }, { HiddenDirectCopy, "HiddenDirectCopy" }, { NoComponentPage, "NoComponentPage" },
    { Splash, "Splash" }, { Skin, "Skin" }, { About, "About" }, { Link, "Link" }, { Welcome, "Welcome" },
    { SkipWelcomePage, "SkipWelcomePage" }, { SkinCrafter, "SkinCrafter" }, { WaitBetweenCabs, "WaitBetweenCabs" },
    { DirectCopyRequired, "DirectCopyRequired" }, { Palm, "Palm" }, { DownloadedCab, "DownloadedCab" },
    { DownloadedDirectCopy, "DownloadedDirectCopy" }, { CustomPages, "CustomPages" },
};

inline std::string describe(unsigned features)
{
    std::string text = features & DesktopOnly ? "desktop-only" : "device";
    for (const auto &[feature, name] : FeatureNames) {
        if (feature != DesktopOnly && (features & feature))
            text += std::string("+") + name;
    }
    return text;
}

inline void addComponent(TProjectContainer &project, int type, int moduleIndex)
{
    TInstallComponent &component = project.InstallComponents.AddNew(&project);
    component.moduleType = type;
    component.moduleIndex = moduleIndex;
    component.parentIndex = -1;
}

inline void addDirectCopyModule(TProjectContainer &project, const char *caption, bool hidden, bool downloaded = false)
{
    TDirectCopyModule &module = project.DirectCopyModules.AddNew();
    module.Caption = QString::fromLatin1(caption);
    module.DefaultInstallLocation = QStringLiteral("\\Program Files\\Data");
    module.InstallLocationRootIsSDCard = true;
    module.UserCanUpdateInstall = true;
    module.HiddenInstall = hidden;
    module.Files.AddNew().Source = (downloaded ? QStringLiteral("http://example.com/data/") : QStringLiteral("data/"))
        + module.Caption + QStringLiteral(".zip");
    addComponent(project, ModuleType::DirectCopy, project.DirectCopyModules.Count() - 1);
}

// A page with two buttons and a click handler after the welcome page, and a
// disabled page.
inline void addCustomPages(TProjectContainer &project)
{
    TCustomForm &options = project.CustomForms.AddNew(false);
    options.Name = QStringLiteral("Options");
    options.Data = QStringList{ QStringLiteral("object TPanel"),          QStringLiteral("  object Button1: TButton"),
                                QStringLiteral("    Caption = 'One'"),    QStringLiteral("  end"),
                                QStringLiteral("  object Edit1: TEdit"),  QStringLiteral("    Text = 'x'"),
                                QStringLiteral("  end"),                  QStringLiteral("end") };
    TFormCodeExecutionUnit &click = options.ExecUnits.AddNew();
    click.Object = QStringLiteral("Button1");
    click.Event = QStringLiteral("OnClick");
    click.ShortHelp = QStringLiteral("procedure {}OnClick(Sender: TObject);");
    click.eventNameInCode = TFormCodeExecutionUnit::MakeEventNameInCode(options.Name, click.Object, click.Event);
    click.Code = QStringList{ QStringLiteral("begin"), QStringLiteral("  Edit1.Text := 'clicked';"), QStringLiteral("end;") };
    click.Enabled = true;
    TCustomForm &later = project.CustomForms.AddNew(false);
    later.Name = QStringLiteral("Later");
    later.CreationOrder = 9;
    later.Enabled = false;
    project.CommonCode = QStringList{ QStringLiteral("function MatrixShared(): Integer;"), QStringLiteral("begin"),
                                      QStringLiteral("  Result := 1;"), QStringLiteral("end;") };
}

inline void buildProject(TProjectContainer &project, unsigned features, const QString &folder)
{
    project.CreateNewProject();
    project.FileName = folder + QStringLiteral("/matrix.talmo");
    project.Languages.AddNew().LanguageID = QStringLiteral("English");
    if (features & DesktopOnly) {
        project.Win32Only = true;
        project.InstallComponents.Clear();
    }
    if (features & (DesktopOnly | DesktopModule)) {
        TWin32Plugin &desktop = project.Win32Plugins.AddNew();
        desktop.Caption = QStringLiteral("Desktop");
        TWin32FileEntry &exe = desktop.FileEntries.AddNew();
        exe.Source = QStringLiteral("bin/tool.exe");
        exe.Destination = QStringLiteral("{app}");
        addComponent(project, ModuleType::Win32, 0);
    }
    if (features & CabCollection) {
        TCabCollection &cabs = project.CabCollections.AddNew();
        cabs.Caption = QStringLiteral("Maps");
        cabs.Files.AddNew().Source = QStringLiteral("cabs/maps.cab");
        addComponent(project, ModuleType::CabCollection, project.CabCollections.Count() - 1);
    }
    if (features & DirectCopy)
        addDirectCopyModule(project, "Atlas", false);
    if (features & DownloadedDirectCopy)
        addDirectCopyModule(project, "Charts", false, true);
    if (features & DownloadedCab) {
        TCabCollection &cabs = project.CabCollections.AddNew();
        cabs.Caption = QStringLiteral("Roads");
        cabs.Files.AddNew().Source = QStringLiteral("http://example.com/cabs/roads.cab");
        addComponent(project, ModuleType::CabCollection, project.CabCollections.Count() - 1);
    }
    if (features & Palm) {
        TPalmSection &palm = project.PalmSections.AddNew();
        palm.Caption = QStringLiteral("Palm");
        palm.Files.AddNew().Source = QStringLiteral("palm/app.prc");
        palm.Files.AddNew().Source = QStringLiteral("http://example.com/palm/db.pdb");
        addComponent(project, ModuleType::PalmOS, 0);
    }
    if (features & CustomPages)
        addCustomPages(project);
    if (features & HiddenDirectCopy)
        addDirectCopyModule(project, "Voices", true);
    project.ShowComponentsDialog = !(features & NoComponentPage);
    project.DCMRequired = features & DirectCopyRequired;
    if (features & Splash) {
        project.SplashScreenImage = QStringLiteral("splash.bmp");
        project.SplashScreenTime = 2;
    }
    if (features & Skin)
        project.SkinName = QStringLiteral("Ocean");
    if (features & About)
        project.AboutText = QStringLiteral("%AppName% %Version%\r\nIt's by %Provider%");
    if (features & Link) {
        project.URL = QStringLiteral("http://example.com/?a='b'");
        project.URLText = QStringLiteral("Visit 'us'");
    }
    if (features & Welcome)
        project.WelcomeMessage = QStringLiteral("Welcome to %AppName%'s setup\r\nversion %version%");
    project.ShowWelcomePage = !(features & SkipWelcomePage);
    project.SkinCrafterSupport = features & SkinCrafter;
    project.WaitBetweenCabs = features & WaitBetweenCabs;
}

// Every source the [Files] section names, created empty unless it is a
// program file or a download, so that only the script itself is checked.
// False when one cannot be written.
inline bool createSourcesOf(const QStringList &script, const QString &folder)
{
    static const QRegularExpression source(QStringLiteral("^Source: (\"([^\"]+)\"|[^;]+?) *;"));
    QStringList sources{ QStringLiteral("splash.bmp") };
    for (const QString &line : script) {
        const QRegularExpressionMatch match = source.match(line);
        if (match.hasMatch())
            sources.append(match.captured(2).isEmpty() ? match.captured(1) : match.captured(2));
    }
    for (const QString &name : sources) {
        if (IsUrl(name))
            continue;
        const QString path = ToHostPath(ResolveFileReference(folder + QStringLiteral("/x"), name));
        if (QFileInfo::exists(path) || path.contains(QLatin1Char('*')))
            continue;
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return false;
    }
    return true;
}

// Every feature that a device project can have at once.
inline constexpr unsigned EveryDeviceFeature = DesktopModule | CabCollection | DirectCopy | HiddenDirectCopy | Splash
    | Skin | About | Link | Welcome | SkipWelcomePage | SkinCrafter | WaitBetweenCabs | DirectCopyRequired | Palm
    | DownloadedCab | DownloadedDirectCopy | CustomPages;

// The whole script of a project, written for the program folder.
inline QStringList GeneratedScript(TProjectContainer &project, const QString &programFolder, const QString &outputFolder)
{
    static const ScriptKnowledgeBase knowledge;
    const CustomPageCode customPages = CustomPageCode::FromKnowledgeBase(knowledge);
    CodeSectionAssembly assembly(CodeSectionPartWriters::Standard(customPages));
    ScriptGenerator generator(ScriptEnvironment{ programFolder, &ScriptEnvironment::HostFileExists, nullptr });
    generator.SetCodeSection(&assembly);
    QStringList script;
    generator.GenerateScript(project, script, outputFolder);
    return script;
}

} // namespace talmo::matrix
