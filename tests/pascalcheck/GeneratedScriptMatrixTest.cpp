#include "MatrixProject.h"
#include "ScriptCompile.h"

#include "platform/ProgramFolder.h"

#include "tests/support/QtPrinters.h"

#include <QFileInfo>
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
