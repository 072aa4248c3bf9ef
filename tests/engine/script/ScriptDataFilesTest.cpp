#include "engine/script/ProgramOptionsRedistributables.h"
#include "engine/script/ScriptGenerator.h"
#include "helpers/core/PathHelpers.h"
#include "model/ProgramOptions.h"
#include "model/ProjectContainer.h"
#include "platform/ProgramFolder.h"
#include "platform/RegistryMemoryStore.h"

#include "ScriptTestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace talmo {
namespace {

const QString shippedFolder = QStringLiteral(TALMO_TEST_PROGRAM_DIR "/");

// The program options of a user without sets of their own, their built-in
// sets in the shipped program folder.
struct ShippedProgramOptions
{
    struct FolderOverride
    {
        FolderOverride() { ProgramFolder::setOverride(shippedFolder); }
        ~FolderOverride() { ProgramFolder::clearOverride(); }
    };

    FolderOverride folder;
    RegistryMemoryStore store;
    ScopedCurrentRegistryStore currentStore{ store };
    TProgramOptions options;
};

// A runtime module made from the whole built-in set, everything checked.
void addBuiltinRuntime(TProjectContainer &project, const TMSQL_CustomSet &set, const QString &type, int moduleType)
{
    TPluginContainer &container = project.PluginContainers.AddNew();
    container.Caption = type;
    container.Type = type;
    container.someOldCaption = set.Caption;
    for (const TMSQL_Platforms &platform : set.Platforms) {
        TPluginPlatform &ownPlatform = container.Platforms.AddNew();
        ownPlatform.Checked = true;
        for (const TMSQL_Processors &processor : platform.Processors) {
            TPluginProcessor &ownProcessor = ownPlatform.Processors.AddNew();
            ownProcessor.Checked = true;
            for (qsizetype f = 0; f < processor.CabFiles.size(); ++f)
                ownProcessor.Files.AddNew().Source = QStringLiteral("stale.cab");
        }
    }
    scripttest::AddComponent(project, moduleType, project.PluginContainers.Count() - 1);
}

QStringList entriesOf(const QString &folder, QDir::Filters filters, const QStringList &patterns = {})
{
    return QDir(shippedFolder + folder).entryList(patterns, filters | QDir::NoDotAndDotDot, QDir::Name);
}

// A project that makes the generator name every kind of file it takes from
// the program folder.
void fillProjectNamingProgramFiles(TProjectContainer &project, const QString &skin, const TProgramOptions &options)
{
    project.CreateNewProject();
    project.FileName = QStringLiteral("/tmp/p/p.talmo");
    project.SkinName = skin;
    project.SkinCrafterSupport = true;
    project.Languages.AddNew().LanguageID = QStringLiteral("English");
    for (const QString &file : entriesOf(QStringLiteral("Languages"), QDir::Files, { QStringLiteral("*.isl") }))
        project.Languages.AddNew().LanguageID = QFileInfo(file).completeBaseName();
    project.PalmSections.AddNew().Files.AddNew().Source = QStringLiteral("a.prc");
    project.DirectCopyModules.AddNew().Files.AddNew().Source = QStringLiteral("a.zip");
    scripttest::AddComponent(project, ModuleType::PalmOS, 0);
    scripttest::AddComponent(project, ModuleType::DirectCopy, 0);
    addBuiltinRuntime(project, options.MSQLSets.front(), TPluginContainer::SqlMobileType, ModuleType::SqlMobile);
    addBuiltinRuntime(project, options.NETCF2Sets.front(), TPluginContainer::NetCF2Type, ModuleType::NetCF2);
}

// Every program-folder path a script names: quoted sources, [Setup] values,
// the include library's folder and files, and the compiler's messages files
// (the compiler library lives in the program folder too).
QStringList programFilesNamedBy(const QStringList &script)
{
    QString text = script.join(QLatin1Char('\n'));
    text.replace(QStringLiteral("{#ISSI_IncludePath}"), shippedFolder + QStringLiteral("issi"));
    text.replace(QStringLiteral("compiler:"), shippedFolder);
    text.replace(ScriptGenerator::IncludeLine(), shippedFolder + QStringLiteral("issi\\_issi.isi"));
    // The built-in sets join the program folder and their files with "\\".
    const QRegularExpression path(QRegularExpression::escape(QStringLiteral(TALMO_TEST_PROGRAM_DIR))
                                  + QStringLiteral("[/\\\\][^\";,\\n]*"));
    QStringList paths;
    for (const QRegularExpressionMatch &match : path.globalMatch(text))
        paths.append(match.captured());
    paths.removeDuplicates();
    return paths;
}

TEST(ScriptDataFilesTest, EveryProgramFileTheGeneratorNamesShipsWithThatExactName)
{
    QStringList skins = entriesOf(QStringLiteral("Setup Skins"), QDir::Dirs);
    skins.removeAll(QStringLiteral("Default"));
    ASSERT_FALSE(skins.isEmpty());
    skins.prepend(QStringLiteral("Default"));

    const ShippedProgramOptions shipped;
    const ProgramOptionsRedistributables redistributables(shipped.options);
    const ScriptEnvironment environment{ shippedFolder, &ScriptEnvironment::HostFileExists, &redistributables };
    ScriptGenerator generator(environment);
    QStringList named;
    for (const QString &skin : skins) {
        TProjectContainer project;
        fillProjectNamingProgramFiles(project, skin, shipped.options);
        QStringList script;
        generator.GenerateScript(project, script, QStringLiteral("/tmp/out"));
        named += programFilesNamedBy(script);
        if (skin != QLatin1String("Default")) {
            // The [Code] part reads the skin's template script.
            named.append(shippedFolder + QStringLiteral("Setup Skins\\") + skin + QLatin1Char('\\') + skin
                         + QStringLiteral(".iss"));
        }
    }
    named.removeDuplicates();

    for (const QString &file : named)
        EXPECT_TRUE(QFileInfo::exists(ToHostPath(file))) << file.toStdString();
    for (const char *expected : { "kestrin.dll", "condmgr.dll", "HSAPI.dll", "Instaide.dll", "SkinCrafter\\callnsis.dll",
                                  "SkinCrafter\\NSIS_SkinCrafter_Plugin.dll", "SkinCrafter\\vista.skf", "Default.isl",
                                  "issi\\_issi.isi", "issi\\Languages\\_issi_English.isl", "Languages\\German.isl" }) {
        EXPECT_TRUE(named.contains(shippedFolder + QLatin1String(expected))) << expected;
    }
    EXPECT_TRUE(named.contains(shippedFolder + QStringLiteral("issi\\Languages\\_issi_German.isl")));
    // Every CAB of both built-in sets: 3 + 9 + 6 * 3 and 1 + 2 + 4.
    EXPECT_EQ(named.filter(QStringLiteral("\\redist\\")).size(), 37);
    EXPECT_TRUE(named.contains(shippedFolder + QStringLiteral("Setup Skins\\") + skins[1] + QStringLiteral("\\button.bmp")));
}

} // namespace
} // namespace talmo
