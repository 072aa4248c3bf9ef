#include "PascalChecker.h"
#include "ScriptCompile.h"

#include "build/core/CodeSectionAssembly.h"
#include "build/core/ScriptGenerator.h"
#include "helpers/core/PathHelpers.h"
#include "model/ProjectContainer.h"
#include "platform/ProgramFolder.h"

#include "tests/support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace talmo {
namespace {

const QString programFolder = QStringLiteral(TALMO_TEST_PROGRAM_DIR "/");

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
};

const std::pair<Feature, const char *> FeatureNames[] = {
    { DesktopOnly, "DesktopOnly" }, { DesktopModule, "DesktopModule" }, { CabCollection, "CabCollection" },
    { DirectCopy, "DirectCopy" }, { HiddenDirectCopy, "HiddenDirectCopy" }, { NoComponentPage, "NoComponentPage" },
    { Splash, "Splash" }, { Skin, "Skin" }, { About, "About" }, { Link, "Link" }, { Welcome, "Welcome" },
    { SkipWelcomePage, "SkipWelcomePage" }, { SkinCrafter, "SkinCrafter" }, { WaitBetweenCabs, "WaitBetweenCabs" },
    { DirectCopyRequired, "DirectCopyRequired" },
};

std::string describe(unsigned features)
{
    std::string text = features & DesktopOnly ? "desktop-only" : "device";
    for (const auto &[feature, name] : FeatureNames) {
        if (feature != DesktopOnly && (features & feature))
            text += std::string("+") + name;
    }
    return text;
}

void addComponent(TProjectContainer &project, int type, int moduleIndex)
{
    TInstallComponent &component = project.InstallComponents.AddNew(&project);
    component.moduleType = type;
    component.moduleIndex = moduleIndex;
    component.parentIndex = -1;
}

void addDirectCopyModule(TProjectContainer &project, const char *caption, bool hidden)
{
    TDirectCopyModule &module = project.DirectCopyModules.AddNew();
    module.Caption = QString::fromLatin1(caption);
    module.DefaultInstallLocation = QStringLiteral("\\Program Files\\Data");
    module.InstallLocationRootIsSDCard = true;
    module.UserCanUpdateInstall = true;
    module.HiddenInstall = hidden;
    module.Files.AddNew().Source = QStringLiteral("data/") + module.Caption + QStringLiteral(".zip");
    addComponent(project, ModuleType::DirectCopy, project.DirectCopyModules.Count() - 1);
}

void buildProject(TProjectContainer &project, unsigned features, const QString &folder)
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
        addComponent(project, ModuleType::CabCollection, 0);
    }
    if (features & DirectCopy)
        addDirectCopyModule(project, "Atlas", false);
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
void createSourcesOf(const QStringList &script, const QString &folder)
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
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    }
}

class GeneratedScriptMatrix : public testing::TestWithParam<unsigned>
{
protected:
    void SetUp() override { ProgramFolder::setOverride(programFolder); }
    void TearDown() override { ProgramFolder::clearOverride(); }
};

TEST_P(GeneratedScriptMatrix, CompilesAndItsCodeChecks)
{
    QTemporaryDir folder;
    TProjectContainer project;
    buildProject(project, GetParam(), folder.path());

    CodeSectionAssembly assembly({});
    ScriptGenerator generator(ScriptEnvironment{ programFolder, &ScriptEnvironment::HostFileExists, nullptr });
    generator.SetCodeSection(&assembly);
    QStringList script;
    generator.GenerateScript(project, script, folder.filePath(QStringLiteral("out")));
    createSourcesOf(script, folder.path());

    const PascalCheckResult check = runPascalCheck(codeSectionsOf(script));
    EXPECT_EQ(check.exitCode, 0) << check.output.toStdString();

    const ScriptCompileResult compiled = compileScript(script, folder.path(), folder.filePath(QStringLiteral("out")));
    EXPECT_EQ(compiled.result, 0) << compiled.errors.join(QLatin1Char('\n')).toStdString() << "\n"
                                  << script.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(QFileInfo::exists(folder.filePath(QStringLiteral("out/setup.exe"))));
}

// Every feature alone on a device project, the desktop-only project with the
// features that apply to it, and all of them together.
std::vector<unsigned> matrix()
{
    std::vector<unsigned> projects{ 0 };
    for (const auto &[feature, name] : FeatureNames)
        projects.push_back(feature);
    const unsigned everything = DesktopModule | CabCollection | DirectCopy | HiddenDirectCopy | Splash | Skin | About
        | Link | Welcome | SkipWelcomePage | SkinCrafter | WaitBetweenCabs | DirectCopyRequired;
    projects.push_back(everything);
    projects.push_back(everything | NoComponentPage);
    projects.push_back(DesktopOnly | CabCollection);
    projects.push_back(DesktopOnly | DirectCopy | HiddenDirectCopy);
    projects.push_back(DesktopOnly | Skin | Splash | About | Link);
    projects.push_back(HiddenDirectCopy | DirectCopyRequired);
    projects.push_back(DirectCopy | NoComponentPage);
    return projects;
}

INSTANTIATE_TEST_SUITE_P(Projects, GeneratedScriptMatrix, testing::ValuesIn(matrix()),
                         [](const testing::TestParamInfo<unsigned> &info) {
                             std::string name = describe(info.param);
                             for (char &c : name) {
                                 if (c == '+' || c == '-')
                                     c = '_';
                             }
                             return name;
                         });

} // namespace
} // namespace talmo
