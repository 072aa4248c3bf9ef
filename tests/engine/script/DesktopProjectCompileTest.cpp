#include "editors/core/desktop/Win32EntryRows.h"
#include "model/ProjectContainer.h"

#include "ScriptTestSupport.h"

#include <QTemporaryDir>

namespace talmo {
namespace {

// Hand-written project files, each holding what an older or hand-edited
// project may keep, built into a setup by the shipped compiler library.
class DesktopProjectCompileTest : public ::testing::Test
{
protected:
    // Loads fixtures/projects/<name> and places it in the test's own folder.
    void load(const QString &name)
    {
        ASSERT_TRUE(project.LoadFromFile(QStringLiteral(TALMO_TEST_SOURCE_DIR "/fixtures/projects/") + name)) << name.toStdString();
        project.FileName = folder.filePath(name);
    }

    QStringList generate() { return scripttest::GenerateWithSupportRoutines(project, folder.filePath("out")); }

    // Compiles the script and expects the library to take it.
    void expectCompiles(const QStringList &script)
    {
        const scripttest::CompileOutcome outcome = scripttest::CompileWithShippedLibrary(script, folder.path());
        EXPECT_EQ(outcome.result, 0) << outcome.log.join('\n').toStdString() << "\n" << scripttest::Joined(script);
    }

    // The lines of a section, up to an empty line, the next section or the closing include.
    static QStringList section(const QStringList &script, const QString &name)
    {
        QStringList lines;
        qsizetype at = script.indexOf(QLatin1Char('[') + name + QLatin1Char(']'));
        if (at < 0)
            return lines;
        for (++at; at < script.size() && !script[at].isEmpty() && !script[at].startsWith(QLatin1Char('['))
             && !script[at].startsWith(QLatin1Char('#'));
             ++at)
            lines.append(script[at]);
        return lines;
    }

    // The [Setup] lines that begin with one of the directives named.
    static QStringList directives(const QStringList &script, const QStringList &names)
    {
        QStringList lines;
        for (const QString &line : section(script, QStringLiteral("Setup"))) {
            if (names.contains(line.section(QLatin1Char('='), 0, 0)))
                lines.append(line);
        }
        return lines;
    }

    // One entry for every two flag rows of a tab, ticked one after the other
    // as the tab lets a user do; the number of entries.
    template <typename Entry, typename SetUp>
    static qsizetype addEveryTwoFlags(OwningList<Entry> &entries, const EntryRows<Entry> &rows, SetUp setUp)
    {
        qsizetype added = 0;
        for (const EntryRow<Entry> &first : rows) {
            for (const EntryRow<Entry> &second : rows) {
                if (!first.flag || !second.flag)
                    continue;
                Entry &entry = entries.AddNew();
                setUp(entry);
                first.store(entry, QStringLiteral("yes"));
                second.store(entry, QStringLiteral("yes"));
                ++added;
            }
        }
        return added;
    }

    QTemporaryDir folder;
    TProjectContainer project;
};

// An older project kept install-only flags and a description on an uninstall
// entry, and a run-once id on an install entry: each line leaves out what its
// section refuses, and the project keeps it.
TEST_F(DesktopProjectCompileTest, RunLinesHoldOnlyWhatTheirSectionTakes)
{
    load("run-entries.talmo");
    const QStringList script = generate();
    EXPECT_EQ(section(script, "UninstallRun"),
              QStringList({ "FileName:{app}\\cleanup.exe;Parameters:/quiet;StatusMsg:Cleaning up...;RunOnceId:CleanUp; "
                            "Flags: waituntilterminated runhidden ;" }));
    EXPECT_EQ(section(script, "Run"),
              QStringList({ "FileName:{app}\\runner.exe;Description:Start Runner;StatusMsg:Starting...; "
                            "Flags: nowait postinstall unchecked skipifsilent;" }));
    expectCompiles(script);

    const TWin32RunEntry &uninstall = project.Win32Plugins[0].UninstallRunEntries[0];
    EXPECT_EQ(uninstall.Description, "Clean up");
    EXPECT_TRUE(uninstall.FlagPostInstall && uninstall.FlagCheckBoxUnChecked && uninstall.FlagSkipIfSilent
                && uninstall.FlagSkipIfNotSilent);
    EXPECT_EQ(project.Win32Plugins[0].InstallRunEntries[0].RunOnceID, "RunnerOnce");

    TProjectContainer saved;
    ASSERT_TRUE(project.SaveToFile(folder.filePath("saved.talmo")));
    ASSERT_TRUE(saved.LoadFromFile(folder.filePath("saved.talmo")));
    EXPECT_TRUE(saved.Win32Plugins[0].UninstallRunEntries[0].FlagSkipIfNotSilent);
    EXPECT_EQ(saved.Win32Plugins[0].UninstallRunEntries[0].Description, "Clean up");
}

// Whatever a run tab's inspector lets the user set, one row at a time, gives
// a line its section takes.
TEST_F(DesktopProjectCompileTest, EveryRowOfTheRunTabsGivesALineItsSectionTakes)
{
    load("run-entries.talmo");
    TWin32Plugin &module = project.Win32Plugins[0];
    const std::pair<TWin32RunEntries *, const EntryRows<TWin32RunEntry> *> tabs[] = {
        { &module.InstallRunEntries, &installRunEntryRows() },
        { &module.UninstallRunEntries, &uninstallRunEntryRows() },
    };
    for (const auto &[entries, rows] : tabs) {
        entries->Clear();
        for (const EntryRow<TWin32RunEntry> &row : *rows) {
            TWin32RunEntry &entry = entries->AddNew();
            entry.FileName = "{app}\\tool.exe";
            row.store(entry, row.flag ? QStringLiteral("yes") : QStringLiteral("{app}"));
        }
    }
    const QStringList script = generate();
    EXPECT_EQ(section(script, "Run").size(), qsizetype(installRunEntryRows().size()));
    EXPECT_EQ(section(script, "UninstallRun").size(), qsizetype(uninstallRunEntryRows().size()));
    expectCompiles(script);
}

// The folder names the application manager's folder twice, in two letter cases.
TEST_F(DesktopProjectCompileTest, EveryAsyncConstantOfTheDefaultFolderBecomesTheCodeConstant)
{
    load("async-folder.talmo");
    const QStringList script = generate();
    EXPECT_EQ(directives(script, { "DefaultDirName" }),
              QStringList({ "DefaultDirName={code:GetAsyncPath}\\Sync Tools\\{code:GetAsyncPath}" }));
    expectCompiles(script);
}

// Names, versions, captions and descriptions are plain text: their braces are
// doubled. Installer text such as a path, a run description or the default
// user name keeps the constants it holds.
TEST_F(DesktopProjectCompileTest, BracesInPlainTextAreDoubledAndConstantsInInstallerTextStay)
{
    load("braced-names.talmo");
    const QStringList script = generate();
    EXPECT_EQ(directives(script, { "AppName", "AppVerName", "AppVersion", "AppPublisher", "AppPublisherURL",
                                   "DefaultDirName", "DefaultGroupName", "DefaultUserInfoName" }),
              QStringList({ "AppName=Notes {{Pro}", "AppVerName=Notes {{Pro} 2.0 {{beta}", "AppVersion=2.0 {{beta}",
                            "AppPublisher={{Acme}", "AppPublisherURL=http://example.com/{{notes}",
                            "DefaultDirName={pf}\\Notes {{Pro}", "DefaultGroupName=Notes {{Pro}",
                            "DefaultUserInfoName={sysuserinfoname}" }));
    EXPECT_EQ(section(script, "Components"),
              QStringList({ "Name: WIN320; Description: \"Notes {{Extras}\"; Types: full compact custom;" }));
    EXPECT_EQ(section(script, "Types").first(), "Name: Full; Description: \"Full {{all}\";");
    EXPECT_EQ(section(script, "Registry"),
              QStringList({ "Root:HKCU; Subkey:Software\\Notes; ValueType:String;ValueName: Home;ValueData: {app}; "
                            "components: WIN320;" }));
    EXPECT_EQ(section(script, "Run").first(),
              "FileName:{app}\\notes.exe;Description:{cm:LaunchProgram,Notes}; Flags: nowait postinstall; "
              "components: WIN320;");
    expectCompiles(script);
}

// Roots kept in any letter case are written as the installer's short names.
TEST_F(DesktopProjectCompileTest, RegistryRootsInAnyCaseGetTheInstallersNames)
{
    load("registry-roots.talmo");
    const QStringList script = generate();
    EXPECT_EQ(section(script, "Registry"),
              QStringList({ "Root:HKLM; Subkey:Software\\Roots; ValueType:String;ValueName: Machine;ValueData: 1;",
                            "Root:HKCU; Subkey:Software\\Roots; ValueType:String;ValueName: User;ValueData: 2;",
                            "Root:HKCR; Subkey:.roots; ValueType:String;ValueData: rootsfile;" }));
    expectCompiles(script);
}

// A hive the installer cannot write below, as a registry export may bring,
// stops the script with a message naming the key.
TEST_F(DesktopProjectCompileTest, AHiveWithoutAnInstallerRootStopsTheScript)
{
    load("registry-roots.talmo");
    project.Win32Plugins[0].RegistryEntries[1].Root = "HKEY_DYN_DATA";
    try {
        generate();
        ADD_FAILURE() << "the script was generated";
    } catch (const ScriptGenerationError &error) {
        EXPECT_EQ(error.message(),
                  "The desktop registry key \"HKEY_DYN_DATA\\Software\\Roots\" is not below a root key the setup can write to");
    }
}

// An older or hand-edited project may keep a file in both views, which the
// compiler refuses: the script stops with the file named instead of guessing.
TEST_F(DesktopProjectCompileTest, AFileInBothViewsStopsTheScript)
{
    load("both-views.talmo");
    ASSERT_TRUE(project.Win32Plugins[0].FileEntries[0].Flag32bit && project.Win32Plugins[0].FileEntries[0].Flag64bit);
    try {
        generate();
        ADD_FAILURE() << "the script was generated";
    } catch (const ScriptGenerationError &error) {
        EXPECT_EQ(error.message(),
                  "The desktop file \"tool.dll\" is set to install both as 32bit and as 64bit; clear one of the two flags");
    }
    project.Win32Plugins[0].FileEntries[0].Flag64bit = false;
    scripttest::Touch(folder.filePath("tool.dll"));
    const QStringList script = generate();
    EXPECT_EQ(section(script, "Files").filter("tool.dll").size(), 1);
    expectCompiles(script);
}

// Whatever two flags the files tab lets the user tick, one after the other,
// give a line the compiler takes.
TEST_F(DesktopProjectCompileTest, EveryTwoFlagsOfTheFilesTabGiveALineTheCompilerTakes)
{
    load("both-views.talmo");
    scripttest::Touch(folder.filePath("tool.dll"));
    TWin32FileEntries &files = project.Win32Plugins[0].FileEntries;
    const TWin32FileEntry stored = files[0];
    files.Clear();
    const qsizetype lines = addEveryTwoFlags(files, fileEntryRows(), [&stored](TWin32FileEntry &entry) {
        entry.Source = stored.Source;
        entry.Destination = stored.Destination;
    });
    const QStringList script = generate();
    EXPECT_EQ(section(script, "Files").filter("tool.dll").size(), lines);
    expectCompiles(script);
}

// The same for the run and registry tabs, whose flags pair up likewise.
TEST_F(DesktopProjectCompileTest, EveryTwoFlagsOfTheRunAndRegistryTabsGiveALineTheCompilerTakes)
{
    load("registry-roots.talmo");
    TWin32Plugin &module = project.Win32Plugins[0];
    module.RegistryEntries.Clear();
    const qsizetype values = addEveryTwoFlags(module.RegistryEntries, registryEntryRows(), [](TWin32RegistryEntry &entry) {
        entry.Root = "HKEY_CURRENT_USER";
        entry.SubKey = "Software\\Pairs";
        entry.ValueType = "String";
        entry.ValueName = "Value";
    });
    const auto tool = [](TWin32RunEntry &entry) { entry.FileName = "{app}\\tool.exe"; };
    const qsizetype installRuns = addEveryTwoFlags(module.InstallRunEntries, installRunEntryRows(), tool);
    const qsizetype uninstallRuns = addEveryTwoFlags(module.UninstallRunEntries, uninstallRunEntryRows(), tool);
    const QStringList script = generate();
    EXPECT_EQ(section(script, "Registry").size(), values);
    EXPECT_EQ(section(script, "Run").size(), installRuns);
    EXPECT_EQ(section(script, "UninstallRun").size(), uninstallRuns);
    expectCompiles(script);
}

} // namespace
} // namespace talmo
