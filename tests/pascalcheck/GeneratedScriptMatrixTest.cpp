#include "MatrixProject.h"
#include "PascalChecker.h"
#include "ScriptCompile.h"
#include "SetupPackage.h"

#include "designer/core/PredefinedScriptNames.h"
#include "platform/ProgramFolder.h"

#include "tests/support/QtPrinters.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace talmo {
namespace {

using namespace matrix;

const QString programFolder = QStringLiteral(TALMO_TEST_PROGRAM_DIR "/");

std::string numbered(const QStringList &code)
{
    std::string text;
    for (qsizetype i = 0; i < code.size(); ++i)
        text += std::to_string(i + 1) + ": " + code.at(i).toStdString() + "\n";
    return text;
}

// The names [Code] declares outside any routine: routines, and the
// variables and constants of sections between them. Bodies are skipped by
// their begin/case/try ... end nesting.
QStringList globalNamesOf(const QStringList &code)
{
    static const QRegularExpression header(QStringLiteral("^(procedure|function)\\s+(\\w+)"),
                                           QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression declared(QStringLiteral("^([\\w\\s,]+?)\\s*[:=]"));
    static const QRegularExpression section(QStringLiteral("^(var|const)\\b"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression ignored(QStringLiteral("\\{[^}]*\\}|//.*|'[^']*'"));
    static const QRegularExpression word(QStringLiteral("[A-Za-z_]\\w*"));
    enum State { Top, Head, Body, Section } state = Top;
    int depth = 0;
    QStringList names;
    for (const QString &line : code) {
        QString text = line.trimmed();
        if (state == Body) {
            const QString bare = QString(line).remove(ignored);
            for (auto it = word.globalMatch(bare); it.hasNext();) {
                const QString found = it.next().captured().toLower();
                depth += found == QLatin1String("begin") || found == QLatin1String("case") || found == QLatin1String("try");
                depth -= found == QLatin1String("end");
            }
            if (depth <= 0)
                state = Top;
            continue;
        }
        const QRegularExpressionMatch routine = header.match(text);
        if (routine.hasMatch()) {
            names.append(routine.captured(2));
            const bool bodiless = text.contains(QLatin1String("external"), Qt::CaseInsensitive)
                || text.contains(QLatin1String("forward"), Qt::CaseInsensitive);
            state = bodiless ? Top : Head;
            continue;
        }
        if (state == Head) {
            if (text.startsWith(QLatin1String("begin"), Qt::CaseInsensitive)) {
                state = Body;
                depth = 1;
            }
            continue;
        }
        const QRegularExpressionMatch opened = section.match(text);
        if (opened.hasMatch()) {
            state = Section;
            text = text.mid(opened.capturedLength()).trimmed();
        }
        if (state != Section || text.isEmpty())
            continue;
        const QRegularExpressionMatch declaration = declared.match(text);
        if (declaration.hasMatch()) {
            for (const QString &name : declaration.captured(1).split(u','))
                names.append(name.trimmed());
        } else if (!text.startsWith(QLatin1String("//")) && !text.startsWith(u'{')) {
            state = Top;
        }
    }
    return names;
}

// The project's own pages and global code declare the name.
bool projectDeclares(const TProjectContainer &project, const QString &name)
{
    for (const TCustomForm &page : project.CustomForms) {
        if (name == page.Name || name.startsWith(page.Name + u'_'))
            return true;
    }
    return globalNamesOf(project.CommonCode).contains(name);
}

class GeneratedScriptMatrix : public testing::TestWithParam<unsigned>
{
protected:
    void SetUp() override { ProgramFolder::setOverride(programFolder); }
    void TearDown() override { ProgramFolder::clearOverride(); }
};

// The compile runs the Pascal Script compiler on the [Code] as it joined
// it: the generated code with the include library's.
TEST_P(GeneratedScriptMatrix, CompilesWithItsCode)
{
    QTemporaryDir folder;
    TProjectContainer project;
    buildProject(project, GetParam(), folder.path());
    const QStringList script = GeneratedScript(project, programFolder, folder.filePath(QStringLiteral("out")));
    ASSERT_TRUE(createSourcesOf(script, folder.path()));

    const ScriptCompileResult compiled = compileScript(script, folder.path(), folder.filePath(QStringLiteral("out")));
    EXPECT_EQ(compiled.result, 0) << compiled.errors.join(QLatin1Char('\n')).toStdString() << "\n" << numbered(script);
    EXPECT_TRUE(QFileInfo::exists(folder.filePath(QStringLiteral("out/setup.exe"))));
    // The page designer refuses every name the joined code declares for pages,
    // controls and procedures.
    const QMap<QString, QByteArray> package = SetupPackageEntries(folder.filePath(QStringLiteral("out/setup.exe")));
    const QStringList preprocessed = QString::fromLatin1(package.value(QStringLiteral("script.iss"))).split(u'\n');
    QStringList unknown;
    for (const QString &name : globalNamesOf(codeSectionsOf(preprocessed))) {
        if (!PredefinedScriptNames::IsPredefined(name) && !projectDeclares(project, name))
            unknown.append(name);
    }
    EXPECT_EQ(unknown, QStringList());
}

// The flags of the desktop files tab, each a check box of its own.
const std::pair<const char *, bool TWin32FileEntry::*> DesktopFileFlags[] = {
    { "comparetimestamp", &TWin32FileEntry::FlagCompareTimestap },
    { "confirmoverwrite", &TWin32FileEntry::FlagConfirmOverwrite },
    { "regserver", &TWin32FileEntry::FlagRegisterServer },
    { "regtypelib", &TWin32FileEntry::FlagRegisterTypeLibrary },
    { "noregerror", &TWin32FileEntry::FlagNoRegError },
    { "restartreplace", &TWin32FileEntry::FlagReplaceOnRestart },
    { "sharedfile", &TWin32FileEntry::FlagSharedFile },
    { "uninsneveruninstall", &TWin32FileEntry::FlagNeverUninstall },
    { "touch", &TWin32FileEntry::FlagTouch },
    { "skipifsourcedoesntexist", &TWin32FileEntry::FlagSkipIfSourceDoesntExists },
    { "overwritereadonly", &TWin32FileEntry::FlagOverwriteReadOnly },
    { "onlyifdestfileexists", &TWin32FileEntry::FlagOnlyIfDestinationExists },
    { "uninsrestartdelete", &TWin32FileEntry::FlagRestartDelete },
    { "promptifolder", &TWin32FileEntry::FlagPromptIfOlder },
    { "onlyifdoesntexist", &TWin32FileEntry::FlagOnlyIfDoesntExists },
    { "ignoreversion", &TWin32FileEntry::FlagIgnoreVersion },
    { "uninsremovereadonly", &TWin32FileEntry::FlagRemoveReadOnly },
    { "replacesameversion", &TWin32FileEntry::FlagReplaceSameVersion },
    { "uninsnosharedfileprompt", &TWin32FileEntry::FlagNoSharedFilePrompt },
    { "32bit", &TWin32FileEntry::Flag32bit },
    { "64bit", &TWin32FileEntry::Flag64bit },
    { "dontcopy", &TWin32FileEntry::FlagDontCopy },
};

// The compiler weighs a file's flags one against another, never three at a
// time, so every pair of the tab's flags, with the attributes and into the
// folders the tab offers, and every flag at once, decide whether any
// combination compiles. 32bit and 64bit together are refused by the real
// compiler; they are left out.
class GeneratedDesktopFileMatrix : public testing::Test
{
protected:
    void SetUp() override { ProgramFolder::setOverride(programFolder); }
    void TearDown() override { ProgramFolder::clearOverride(); }
};

TEST_F(GeneratedDesktopFileMatrix, EveryFlagCombinationOfTheDesktopFilesTabCompiles)
{
    QTemporaryDir folder;
    TProjectContainer project;
    buildProject(project, DesktopOnly, folder.path());
    TWin32FileEntries &files = project.Win32Plugins[0].FileEntries;
    const auto addFile = [&](const QString &destination, const std::initializer_list<bool TWin32FileEntry::*> &flags) {
        TWin32FileEntry &file = files.AddNew();
        file.Source = QStringLiteral("bin/lib%1.dll").arg(files.Count());
        file.Destination = destination;
        file.AttributesReadOnly = files.Count() % 2 == 0;
        file.AttributesHidden = files.Count() % 3 == 0;
        file.AttributesSystem = files.Count() % 5 == 0;
        for (bool TWin32FileEntry::*flag : flags)
            file.*flag = true;
    };
    const QString folders[] = { QStringLiteral("{app}"), QStringLiteral("{app}\\bin\\"), QStringLiteral("{sys}"),
                                QStringLiteral("{cf}\\Shared\\") };
    int pairs = 0;
    for (std::size_t i = 0; i < std::size(DesktopFileFlags); ++i) {
        addFile(folders[i % std::size(folders)], { DesktopFileFlags[i].second });
        for (std::size_t j = i + 1; j < std::size(DesktopFileFlags); ++j) {
            if (QLatin1String(DesktopFileFlags[i].first) == QLatin1String("32bit")
                && QLatin1String(DesktopFileFlags[j].first) == QLatin1String("64bit"))
                continue;
            addFile(folders[(i + j) % std::size(folders)], { DesktopFileFlags[i].second, DesktopFileFlags[j].second });
            ++pairs;
        }
    }
    EXPECT_EQ(pairs, 22 * 21 / 2 - 1);
    for (bool TWin32FileEntry::*bitness : { &TWin32FileEntry::Flag32bit, &TWin32FileEntry::Flag64bit }) {
        TWin32FileEntry &all = files.AddNew();
        all.Source = QStringLiteral("bin/all%1.dll").arg(files.Count());
        all.Destination = QStringLiteral("{app}");
        for (const auto &[word, flag] : DesktopFileFlags)
            all.*flag = flag != &TWin32FileEntry::Flag32bit && flag != &TWin32FileEntry::Flag64bit;
        all.*bitness = true;
    }

    const QStringList script = GeneratedScript(project, programFolder, folder.filePath(QStringLiteral("out")));
    ASSERT_TRUE(createSourcesOf(script, folder.path()));
    const QStringList dontCopyRegTypeLib = script.filter(QRegularExpression(QStringLiteral("regtypelib.*dontcopy")));
    EXPECT_FALSE(dontCopyRegTypeLib.isEmpty()) << numbered(script);
    const ScriptCompileResult compiled = compileScript(script, folder.path(), folder.filePath(QStringLiteral("out")));
    EXPECT_EQ(compiled.result, 0) << compiled.errors.join(QLatin1Char('\n')).toStdString() << "\n" << numbered(script);
    EXPECT_TRUE(QFileInfo::exists(folder.filePath(QStringLiteral("out/setup.exe"))));
}

// Every feature alone on a device project, the desktop-only project with the
// features that apply to it, and all of them together.
std::vector<unsigned> matrix()
{
    std::vector<unsigned> projects{ 0 };
    for (const auto &[feature, name] : FeatureNames)
        projects.push_back(feature);
    const unsigned everything = EveryDeviceFeature;
    projects.push_back(everything);
    projects.push_back(everything | NoComponentPage);
    projects.push_back(DesktopOnly | CabCollection);
    projects.push_back(DesktopOnly | DirectCopy | HiddenDirectCopy);
    projects.push_back(DesktopOnly | Skin | Splash | About | Link);
    projects.push_back(HiddenDirectCopy | DirectCopyRequired);
    projects.push_back(DirectCopy | NoComponentPage);
    projects.push_back(DesktopOnly | Palm);
    projects.push_back(DesktopOnly | Palm | DownloadedCab | CustomPages);
    projects.push_back(Palm | DownloadedDirectCopy | Skin);
    projects.push_back(DownloadedCab | DownloadedDirectCopy | Splash);
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
