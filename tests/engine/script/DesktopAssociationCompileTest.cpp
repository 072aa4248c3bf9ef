#include "editors/core/desktop/Win32RegistryKeys.h"
#include "model/ProjectContainer.h"

#include "ScriptTestSupport.h"

#include <QTemporaryDir>

namespace talmo {
namespace {

using scripttest::AddComponent;

// The value of a parameter of a script line as the installer reads it: a
// value in double quotes ends at the lone closing quote and has its doubled
// quotes halved; any other value ends at the next semicolon.
QString parameterValue(const QString &line, const QString &name)
{
    qsizetype at = line.indexOf(name + QLatin1Char(':'));
    if (at < 0)
        return QString();
    at += name.size() + 1;
    while (at < line.size() && line[at] == QLatin1Char(' '))
        ++at;
    QString value;
    if (at < line.size() && line[at] == QLatin1Char('"')) {
        for (++at; at < line.size(); ++at) {
            if (line[at] == QLatin1Char('"')) {
                if (at + 1 < line.size() && line[at + 1] == QLatin1Char('"'))
                    ++at;
                else
                    break;
            }
            value += line[at];
        }
        return value;
    }
    return line.mid(at, line.indexOf(QLatin1Char(';'), at) - at).trimmed();
}

TEST(DesktopAssociationCompileTest, TheRegistryReceivesTheIconAndCommandTheAssociationStores)
{
    QTemporaryDir folder;
    scripttest::Touch(folder.filePath("bin/edit.exe"));
    TProjectContainer project;
    TWin32Plugin &module = scripttest::StartDesktopOnlyProject(project, folder.filePath("assoc.talmo"), "Editor");
    TWin32FileEntry &file = module.FileEntries.AddNew();
    file.Source = "bin\\edit.exe";
    file.Destination = "{app}\\";
    Win32RegistryEdits(module).AddFileAssociation("txt", "Text \"plain\"", "{app}\\edit.exe");
    project.InstallComponents.Clear();
    AddComponent(project, ModuleType::Win32, 0, -1);

    const QStringList script = scripttest::GenerateWithoutCode(project, folder.filePath("out"));

    QStringList data;
    for (const QString &line : std::as_const(script)) {
        if (line.startsWith(QStringLiteral("Root:HKCR;")))
            data.append(parameterValue(line, QStringLiteral("ValueData")));
    }
    EXPECT_EQ(data, QStringList({ "txtfile", "Text \"plain\"", "{app}\\edit.exe,0", "\"{app}\\edit.exe\" \"%1\"" }))
        << scripttest::Joined(script);

    const scripttest::CompileOutcome outcome = scripttest::CompileWithShippedLibrary(script, folder.path());
    EXPECT_EQ(outcome.result, 0) << outcome.log.join('\n').toStdString() << "\n" << scripttest::Joined(script);
}

} // namespace
} // namespace talmo
