#include "engine/builder/OutputFolderRule.h"
#include "model/ProjectContainer.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

#include <ostream>

using namespace talmo;

namespace {

struct OutputFolderCase
{
    const char *label;
    const char *fileName;
    const char *outputPath;
    const char *expected;
};

void PrintTo(const OutputFolderCase &c, std::ostream *os)
{
    *os << c.label;
}

class BuilderOutputFolderTest : public ::testing::TestWithParam<OutputFolderCase>
{
};

TEST_P(BuilderOutputFolderTest, FollowsTheProjectFile)
{
    TProjectContainer project;
    project.FileName = QString::fromUtf8(GetParam().fileName);
    project.OutputPath = QString::fromUtf8(GetParam().outputPath);
    EXPECT_EQ(BuilderOutputFolder(project).toStdString(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, BuilderOutputFolderTest,
    ::testing::Values(
        OutputFolderCase{"EmptyIsTheProjectFolder", "/home/ann/demo/demo.talmo", "", "/home/ann/demo"},
        OutputFolderCase{"RelativeBesideTheProject", "/home/ann/demo/demo.talmo", "..\\out", "/home/ann/out"},
        OutputFolderCase{"RelativeBelowTheProject", "/home/ann/demo/demo.talmo", "bin\\cab", "/home/ann/demo/bin\\cab"},
        OutputFolderCase{"AbsoluteUnchanged", "/home/ann/demo/demo.talmo", "/srv/cabs", "/srv/cabs"},
        OutputFolderCase{"DriveUnchanged", "C:\\Demo\\demo.talmo", "D:\\Cabs", "D:\\Cabs"},
        OutputFolderCase{"OneTrailingSeparatorGoes", "/home/ann/demo/demo.talmo", "/srv/cabs/", "/srv/cabs"},
        OutputFolderCase{"TrailingBackslashGoes", "C:\\Demo\\demo.talmo", "D:\\Cabs\\", "D:\\Cabs"},
        OutputFolderCase{"EmptyAfterResolving", "/demo.talmo", "..\\..\\", ""},
        OutputFolderCase{"UnsavedProjectHasNone", "", "", ""}),
    [](const ::testing::TestParamInfo<OutputFolderCase> &info) { return std::string(info.param.label); });

} // namespace
