#include "TestFiles.h"

#include "resources/PEResourceModule.h"
#include "resources/ResourceErrors.h"

#include <gtest/gtest.h>

#include <ostream>
#include <sstream>

namespace talmo {
namespace {

namespace fs = std::filesystem;
using test::ReadFileBytes;
using test::ScratchFolder;
using test::WriteFileBytes;

TEST(ResourceModuleSave, BackupNameComesFromTheFileNameOnly)
{
    const std::vector<std::pair<fs::path, fs::path>> cases = {
        {"/work/res.dll", "/work/res.~dll"},
        {"/work/res", "/work/res.~"},
        {"/work.d/res", "/work.d/res.~"},
        {"/work/res.tar.gz", "/work/res.tar.~gz"},
        {"res.dll", "res.~dll"},
    };
    for (const auto &[file, backup] : cases)
        EXPECT_EQ(TResourceModule::BackupFileName(file), backup) << file;
}

TEST(ResourceModuleSave, SavingTwiceKeepsTheFirstVersionAsBackup)
{
    ScratchFolder folder;
    const fs::path dll = folder / "res.dll";
    fs::copy_file(test::TemplateDll(), dll);
    TPEResourceModule module;
    module.LoadFromFile(dll);
    module.ResourceDetails(0).SetResourceName("MARK");
    module.SaveToFile(dll);
    const Bytes first = ReadFileBytes(dll);
    EXPECT_FALSE(module.Modified());
    EXPECT_FALSE(module.ResourceDetails(0).Modified());

    module.DeleteResource(module.ResourceCount() - 1);
    module.SaveToFile(dll);
    EXPECT_EQ(ReadFileBytes(folder / "res.~dll"), first);
    EXPECT_NE(ReadFileBytes(dll), first);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator()), 2);
}

class FailingModule : public TPEResourceModule
{
public:
    void SaveToStream(std::ostream &stream) override
    {
        stream << "half written";
        throw EResourceError("disk full");
    }
};

TEST(ResourceModuleSave, FailedSaveRestoresThePreviousFile)
{
    ScratchFolder folder;
    const fs::path dll = folder / "res.dll";
    const Bytes original = {'o', 'l', 'd'};
    WriteFileBytes(dll, original);
    FailingModule module;
    module.SetModified(true);
    EXPECT_THROW(module.SaveToFile(dll), EResourceError);
    EXPECT_EQ(ReadFileBytes(dll), original);
    EXPECT_TRUE(module.Modified());
}

TEST(ResourceModuleSave, FailedSaveOfANewFileLeavesNothing)
{
    ScratchFolder folder;
    FailingModule module;
    EXPECT_THROW(module.SaveToFile(folder / "new.dll"), EResourceError);
    EXPECT_FALSE(fs::exists(folder / "new.dll"));
    EXPECT_FALSE(fs::exists(folder / "new.~dll"));
}

TEST(ResourceModuleSave, GivesUpBeforeTruncatingWhenNoBackupCanBeMade)
{
    ScratchFolder folder;
    const fs::path dll = folder / "res.dll";
    fs::copy_file(test::TemplateDll(), dll);
    const Bytes original = ReadFileBytes(dll);
    // A non-empty folder under the backup name can be neither removed nor replaced.
    fs::create_directories(folder / "res.~dll" / "keep");
    TPEResourceModule module;
    module.LoadFromFile(dll);
    try {
        module.SaveToFile(dll);
        FAIL() << "the save went ahead without a backup";
    } catch (const EOSError &error) {
        EXPECT_NE(std::string(error.what()).find("res.~dll"), std::string::npos) << error.what();
    }
    EXPECT_EQ(ReadFileBytes(dll), original);
}

TEST(ResourceModule, BaseModuleHasNoStreams)
{
    struct EmptyModule : TResourceModule
    {
        int ResourceCount() const override { return 0; }
        TResourceDetails &ResourceDetails(int index) const override { throw EListIndexError(index); }
        int IndexOfResource(const TResourceDetails *) const override { return -1; }
    } module;
    std::stringstream stream;
    for (auto action : {+[](TResourceModule &m, std::stringstream &s) { m.SaveToStream(s); },
                        +[](TResourceModule &m, std::stringstream &s) { m.LoadFromStream(s); }}) {
        try {
            action(module, stream);
            FAIL();
        } catch (const EResourceError &error) {
            EXPECT_STREQ(error.what(), "Module doesn't support streaming");
        }
    }
    EXPECT_EQ(module.AddResource(nullptr), -1);
}

} // namespace
} // namespace talmo
