#include "TestFiles.h"

#include "resources/GraphicsResourceDetails.h"
#include "resources/IconCursorResourceDetails.h"
#include "resources/PEResourceModule.h"
#include "resources/ResourceDetailsClass.h"
#include "resources/TextResourceDetails.h"

#include <gtest/gtest.h>

#include <typeinfo>

namespace talmo {
namespace {

TEST(ResourceIdValue, ReadsOnlyPlainDecimalDigits)
{
    const std::vector<std::pair<std::string, long long>> cases = {
        {"14", 14}, {"007", 7}, {"0", 0}, {"", -1}, {"-1", -1}, {"+3", -1}, {"12a", -1},
        {"MAINICON", -1}, {"2147483647", 2147483647}, {"2147483648", -1}, {"99999999999999999999", -1},
    };
    for (const auto &[text, value] : cases)
        EXPECT_EQ(ResourceIdValue(text), value) << text;
}

TResourceDetails &Add(TPEResourceModule &module, const std::string &type, const std::string &name,
                      const Bytes &data = {0})
{
    module.AddResource(TResourceDetails::Create<TResourceDetails>(&module, data.data(), data.size(), type, name, 0));
    return module.ResourceDetails(module.ResourceCount() - 1);
}

TEST(CompareResources, NamesBeforeIdsAndIdsByValue)
{
    TPEResourceModule module;
    for (const auto &[type, name] : std::vector<std::pair<std::string, std::string>>{
             {"14", "108"}, {"3", "2"}, {"10", "b"}, {"AVI", "X"}, {"14", "MAINICON"}, {"3", "10"},
             {"avi", "A"}, {"14", "9"}, {"3", "007"}})
        Add(module, type, name);
    module.SortResources();
    // The named types AVI and avi are equal ignoring case, so their names
    // decide; the numeric types follow by value: 3, 10, 14.
    EXPECT_EQ(test::TypesAndNames(module), (std::vector<std::string>{"avi/A", "AVI/X", "3/2", "3/007", "3/10", "10/b",
                                                               "14/MAINICON", "14/9", "14/108"}));
}

TEST(NextResourceId, OneAboveTheHighestNumericNameOfTheType)
{
    TPEResourceModule module;
    EXPECT_EQ(module.NextResourceId("14"), "1");
    Add(module, "14", "100");
    Add(module, "14", "107");
    Add(module, "14", "MAINICON");
    Add(module, "3", "500");
    Add(module, "014", "900");
    EXPECT_EQ(module.NextResourceId("14"), "108");
    EXPECT_EQ(module.NextResourceId("3"), "501");
}

TEST(MakeResourceDetails, PicksTheClassByTypeThenByContent)
{
    const Bytes bitmapFile = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0};
    const Bytes twoLetters = {'A', 'B'};
    const Bytes wideText = {'A', 0, 'B', 0, 0, 0};
    const Bytes binary = {0xFF, 0x00, 0x01};
    struct Case
    {
        std::string type;
        const Bytes &data;
        const std::type_info &expected;
    };
    const std::vector<Case> cases = {
        {"14", binary, typeid(TIconGroupResourceDetails)},
        {"12", binary, typeid(TCursorGroupResourceDetails)},
        {"3", binary, typeid(TIconResourceDetails)},
        {"1", binary, typeid(TCursorResourceDetails)},
        {"2", binary, typeid(TBitmapResourceDetails)},
        {"DIB", binary, typeid(TDIBResourceDetails)},
        // No class claims RC data, so a bitmap file stored as type 10 is
        // recognised by its content.
        {"10", bitmapFile, typeid(TDIBResourceDetails)},
        {"10", twoLetters, typeid(TAnsiResourceDetails)},
        {"TEXT", wideText, typeid(TUnicodeResourceDetails)},
        {"10", binary, typeid(TResourceDetails)},
    };
    for (const Case &c : cases) {
        auto details = MakeResourceDetails(nullptr, 0, c.data.data(), c.data.size(), c.type, "1");
        ASSERT_TRUE(details) << c.type;
        EXPECT_EQ(typeid(*details), c.expected) << c.type;
        EXPECT_EQ(details->Data(), c.data) << c.type;
        EXPECT_EQ(details->ResourceType(), c.type);
    }
}

TEST(TextResourceDetails, RecognisesTextByItsFirstBytes)
{
    const Bytes two = {'A', 'B'};
    const Bytes wide = {'A', 0, 'B', 0, 0, 0};
    const Bytes five = {'A', 0, 'B', 0, 'C'};
    const Bytes control = {'A', 1};
    Bytes longText(3000, 'x');
    longText[2000] = 0; // beyond the 1024 bytes tested
    EXPECT_TRUE(TAnsiResourceDetails::AcceptsData(two.size(), two.data()));
    EXPECT_TRUE(TAnsiResourceDetails::AcceptsData(longText.size(), longText.data()));
    EXPECT_FALSE(TAnsiResourceDetails::AcceptsData(0, two.data()));
    EXPECT_FALSE(TAnsiResourceDetails::AcceptsData(control.size(), control.data()));
    EXPECT_FALSE(TAnsiResourceDetails::AcceptsData(wide.size(), wide.data()));
    EXPECT_TRUE(TUnicodeResourceDetails::AcceptsData(wide.size(), wide.data()));
    EXPECT_FALSE(TUnicodeResourceDetails::AcceptsData(five.size(), five.data()));
}

struct RegisteredTestDetails : TResourceDetails
{
    using TResourceDetails::TResourceDetails;
    static std::string ClassResourceType() { return "10"; }
    static bool AcceptsRCData(const std::string &name, size_t, const uint8_t *) { return name == "MINE"; }
};

TEST(DetailsClassRegistry, RegisteredClassesJoinAndLeaveTheSearch)
{
    const Bytes data = {0xFF};
    auto isMine = [&](const std::string &name) {
        auto details = MakeResourceDetails(nullptr, 0, data.data(), data.size(), "10", name);
        return dynamic_cast<RegisteredTestDetails *>(details.get()) != nullptr;
    };
    EXPECT_FALSE(isMine("MINE"));
    RegisterDetailsClass(DetailsClassOf<RegisteredTestDetails>());
    RegisterDetailsClass(DetailsClassOf<RegisteredTestDetails>());
    EXPECT_TRUE(isMine("MINE"));
    EXPECT_FALSE(isMine("OTHER"));
    UnregisterDetailsClass(DetailsClassOf<RegisteredTestDetails>());
    EXPECT_FALSE(isMine("MINE"));
}

TEST(ResourceDetails, CreateNewAddsToTheModuleWithTheLanguagesCodePage)
{
    TPEResourceModule module;
    auto &bitmap = TResourceDetails::CreateNew<TBitmapResourceDetails>(module, "5", 0x419);
    ASSERT_EQ(module.ResourceCount(), 1);
    EXPECT_EQ(&module.ResourceDetails(0), &bitmap);
    EXPECT_EQ(bitmap.ResourceType(), "2");
    EXPECT_EQ(bitmap.CodePage(), 1251);
    EXPECT_EQ(bitmap.Width(), 32);
    EXPECT_EQ(bitmap.Height(), 32);
    EXPECT_EQ(bitmap.PixelFormat(), TPixelFormat::Bits4);
    EXPECT_EQ(bitmap.Data().size(), 40u + 512u);
    EXPECT_FALSE(bitmap.Modified());
    bitmap.SetResourceName("6");
    EXPECT_TRUE(bitmap.Modified());
    module.ClearModified();
    EXPECT_FALSE(bitmap.Modified());
}

TEST(ResourceDetails, EmptyDibIsABitmapFileTheFactoryRecognises)
{
    TPEResourceModule module;
    auto &dib = TResourceDetails::CreateNew<TDIBResourceDetails>(module, "1", 0);
    EXPECT_TRUE(TDIBResourceDetails::AcceptsData(dib.Data().size(), dib.Data().data()));
    EXPECT_EQ(GetU32(dib.Data(), 2), dib.Data().size());
    EXPECT_EQ(dib.Width(), 32);
    EXPECT_EQ(dib.PixelFormat(), TPixelFormat::Bits4);
}

} // namespace
} // namespace talmo
