#include "TestFiles.h"

#include "resources/NTModule.h"
#include "resources/PEResourceModule.h"
#include "resources/ResourceErrors.h"
#include "resources/ResourceUpdateApi.h"

#include <gtest/gtest.h>

namespace talmo {
namespace {

namespace fs = std::filesystem;
using test::ReadFileBytes;
using test::ScratchFolder;

// The template with a text resource in two languages and a named group.
fs::path WriteFixtureDll(const ScratchFolder &folder)
{
    TPEResourceModule module;
    module.LoadFromFile(test::TemplateDll());
    for (const auto &[name, language, text] : std::vector<std::tuple<std::string, int, std::string>>{
             {"HELLO", 0x409, "hi"}, {"HELLO", 0x407, "ho"}}) {
        module.AddResource(TResourceDetails::Create<TResourceDetails>(
            &module, reinterpret_cast<const uint8_t *>(text.data()), text.size(), "10", name, language));
    }
    const fs::path dll = folder / "fixture.dll";
    test::WriteFileBytes(dll, module.SaveToBytes());
    return dll;
}

TEST(NTModule, SavingUnchangedKeepsTheResourcesWhateverTheirOrder)
{
    ScratchFolder folder;
    const fs::path dll = WriteFixtureDll(folder);
    TNTModule module;
    module.LoadFromFile(dll);
    const auto before = test::ResourceSummary(module);
    ASSERT_EQ(module.ResourceCount(), 26);
    // Types 3, 10, 14 in order; languages ascending: 0x407, then 0x409.
    EXPECT_EQ(before[16], "10/HELLO/1031:2");
    EXPECT_EQ(module.ResourceDetails(16).Data(), (Bytes{'h', 'o'}));
    EXPECT_EQ(module.ResourceDetails(17).Data(), (Bytes{'h', 'i'}));
    // Reverse the list: the file's directory is sorted whatever the list order.
    for (int i = 0; i < module.ResourceCount(); ++i)
        module.InsertResource(i, module.ExtractResource(module.ResourceCount() - 1));
    module.ResourceDetails(0).SetModified(true);
    module.SaveToFile(dll);
    EXPECT_FALSE(module.ResourceDetails(0).Modified());
    EXPECT_FALSE(fs::exists(folder / "fixture.~dll"));

    TNTModule reloaded;
    reloaded.LoadFromFile(dll);
    EXPECT_EQ(test::ResourceSummary(reloaded), before);
    TPEResourceModule original;
    original.LoadFromFile(dll);
    EXPECT_EQ(original.ResourceDetails(0).ResourceType(), "3");
    EXPECT_EQ(original.ResourceDetails(0).ResourceName(), "1");
}

TEST(NTModule, LoadingAGroupTypeBringsItsImagesFirst)
{
    TNTModule module;
    module.LoadResources(test::TemplateDll(), "14");
    ASSERT_EQ(module.ResourceCount(), 24);
    EXPECT_EQ(module.ResourceDetails(0).ResourceType(), "3");
    EXPECT_EQ(module.ResourceDetails(23).ResourceType(), "14");
    module.LoadResources(test::TemplateDll(), "3");
    EXPECT_EQ(module.ResourceCount(), 16);
}

TEST(NTModule, WithoutUpdateFunctionsSavingIsRefused)
{
    TNTModule module(nullptr);
    try {
        module.SaveToFile("/nonexistent/res.dll");
        FAIL();
    } catch (const EOSError &error) {
        EXPECT_STREQ(error.what(), "Must use Windows NT, 2000 or XP to update resoures");
    }
}

TEST(NTModule, FileThatIsNoModuleIsReported)
{
    ScratchFolder folder;
    test::WriteFileBytes(folder / "text.dll", Bytes{'h', 'i'});
    TNTModule module;
    EXPECT_THROW(module.LoadFromFile(folder / "text.dll"), EOSError);
    EXPECT_THROW(module.SaveToFile(folder / "text.dll"), EOSError);
    EXPECT_EQ(ReadFileBytes(folder / "text.dll"), (Bytes{'h', 'i'}));
}

// Update functions that fail where the test says.
class ScriptedUpdateApi : public TResourceUpdateApi
{
public:
    bool failUpdate = false;
    bool failCommit = false;
    mutable std::vector<std::string> calls;

    std::vector<Resource> EnumerateResources(const fs::path &) const override
    {
        return {{"10", "A", 0, {1}}, {"10", "B", 0, {2}}};
    }
    std::unique_ptr<TResourceUpdate> BeginUpdate(const fs::path &, bool) const override
    {
        calls.push_back("begin");
        return std::make_unique<ScriptedUpdate>(*this);
    }

private:
    struct ScriptedUpdate : TResourceUpdate
    {
        explicit ScriptedUpdate(const ScriptedUpdateApi &api) : api(api) {}
        bool Update(const std::string &, const std::string &name, uint16_t, const uint8_t *, size_t) override
        {
            api.calls.push_back("update " + name);
            return !api.failUpdate;
        }
        bool End(bool discard) override
        {
            api.calls.push_back(discard ? "discard" : "commit");
            return discard || !api.failCommit;
        }
        std::string LastError() const override { return "disk full"; }
        const ScriptedUpdateApi &api;
    };
};

TEST(NTModule, FailedUpdateOrCommitIsReportedAndTheFlagsStay)
{
    for (bool failCommit : {false, true}) {
        ScriptedUpdateApi api;
        api.failUpdate = !failCommit;
        api.failCommit = failCommit;
        TNTModule module(&api);
        module.LoadFromFile("any.dll");
        module.ResourceDetails(1).SetModified(true);
        try {
            module.SaveToFile("any.dll");
            ADD_FAILURE() << "the failure went unreported";
        } catch (const EOSError &error) {
            EXPECT_NE(std::string(error.what()).find("disk full"), std::string::npos) << error.what();
        }
        EXPECT_TRUE(module.ResourceDetails(1).Modified());
        const std::vector<std::string> expected = failCommit
            ? std::vector<std::string>{"begin", "update A", "update B", "commit"}
            : std::vector<std::string>{"begin", "update A", "discard"};
        EXPECT_EQ(api.calls, expected);
    }
}

} // namespace
} // namespace talmo
