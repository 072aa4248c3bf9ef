#include "editors/core/regimport/RegImport.h"
#include "editors/core/desktop/Win32RegistryKeys.h"
#include "model/ProjectContainer.h"

#include "ScriptTestSupport.h"
#include "tests/pascalcheck/SetupPackage.h"

#include <QTemporaryDir>

namespace talmo {
namespace {

// A value imported from a registry export keeps the export's comma-separated
// bytes in the project, and the setup built from it carries them the way the
// installer's compiler takes them.
TEST(DesktopRegistryImportSetupTest, ImportedBinaryDataBuildsASetupWithBlankSeparatedPairs)
{
    QTemporaryDir folder;
    QFile exported(folder.filePath("values.reg"));
    ASSERT_TRUE(exported.open(QIODevice::WriteOnly));
    exported.write("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Demo]\r\n\"Blob\"=hex:01,02,ff,\\\r\n  10\r\n"
                   "\"Count\"=dword:ffffffff\r\n");
    exported.close();

    TProjectContainer project;
    TWin32Plugin &module = scripttest::StartDesktopOnlyProject(project, folder.filePath("demo.talmo"), "Settings");
    Win32RegistryEdits edits(module);
    ImportRegFile(exported.fileName(), [&edits](const RegImportEvent &event) {
        edits.AddImported(event);
        return true;
    });
    project.InstallComponents.Clear();
    scripttest::AddComponent(project, ModuleType::Win32, 0, -1);
    ASSERT_EQ(module.RegistryEntries.Count(), 2);
    EXPECT_EQ(module.RegistryEntries[0].ValueData, "01,02,FF,10");

    const QStringList script = scripttest::GenerateWithoutCode(project, folder.filePath("out"));
    const scripttest::CompileOutcome outcome = scripttest::CompileWithShippedLibrary(script, folder.path());
    ASSERT_EQ(outcome.result, 0) << outcome.log.join('\n').toStdString() << "\n" << scripttest::Joined(script);

    const QStringList setups = QDir(folder.filePath("out")).entryList({ QStringLiteral("*.exe") }, QDir::Files);
    ASSERT_EQ(setups.size(), 1);
    const QString built = QString::fromUtf8(SetupPackageEntries(folder.filePath("out/") + setups.first()).value("script.iss"));
    EXPECT_TRUE(built.contains("ValueType:Binary;ValueName: Blob;ValueData: 01 02 FF 10;")) << built.toStdString();
    EXPECT_TRUE(built.contains("ValueType:DWord;ValueName: Count;ValueData: -1;")) << built.toStdString();
    EXPECT_EQ(module.RegistryEntries[0].ValueData, "01,02,FF,10");
}

} // namespace
} // namespace talmo
