#include "build/core/ScriptGenerator.h"
#include "helpers/core/PathHelpers.h"
#include "model/ProjectContainer.h"

#include "ScriptTestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace talmo {
namespace {

const QString shippedFolder = QStringLiteral(TALMO_TEST_PROGRAM_DIR "/");

QStringList entriesOf(const QString &folder, QDir::Filters filters, const QStringList &patterns = {})
{
    return QDir(shippedFolder + folder).entryList(patterns, filters | QDir::NoDotAndDotDot, QDir::Name);
}

// A project that makes the generator name every kind of file it takes from
// the program folder.
void fillProjectNamingProgramFiles(TProjectContainer &project, const QString &skin)
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
    const QRegularExpression path(QRegularExpression::escape(shippedFolder) + QStringLiteral("[^\";,\\n]*"));
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

    const ScriptEnvironment environment{ shippedFolder, &ScriptEnvironment::HostFileExists, nullptr };
    ScriptGenerator generator(environment);
    QStringList named;
    for (const QString &skin : skins) {
        TProjectContainer project;
        fillProjectNamingProgramFiles(project, skin);
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
    EXPECT_TRUE(named.contains(shippedFolder + QStringLiteral("Setup Skins\\") + skins[1] + QStringLiteral("\\button.bmp")));
}

} // namespace
} // namespace talmo
