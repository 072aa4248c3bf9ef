#include "IconFixtures.h"
#include "TestFiles.h"

#include "resources/ExIconCursor.h"
#include "resources/IconCursorResourceDetails.h"
#include "resources/PEResourceModule.h"
#include "resources/ResourceErrors.h"

#include <gtest/gtest.h>

namespace talmo {
namespace {

using test::Concat;
using test::FixtureIconFile;
using test::FixtureImage;
using test::Le16;
using test::Le32;
using test::ScratchFolder;

const std::vector<FixtureImage> kThreeImages = {{16, 16, 4, 0x11}, {32, 32, 4, 0x22}, {32, 32, 8, 0x33}};

Bytes IconEntry(uint8_t width, uint8_t height, uint8_t colours, uint16_t bitCount, uint32_t size, uint16_t id)
{
    return Concat({{width, height, colours, 0}, Le16({1, bitCount}), Le32({size}), Le16({id})});
}

template <class T>
T &AddResource(TResourceModule &module, const std::string &name, const Bytes &data = {})
{
    module.AddResource(
        TResourceDetails::Create<T>(&module, data.data(), data.size(), T::ClassResourceType(), name, 0));
    return static_cast<T &>(module.ResourceDetails(module.ResourceCount() - 1));
}

// A group of the three images, made in the module after its default image.
TIconGroupResourceDetails &AddThreeImageGroup(TResourceModule &module, const std::string &name)
{
    auto &group = TResourceDetails::CreateNew<TIconGroupResourceDetails>(module, name, 0);
    TExIcon icon;
    icon.LoadFromBytes(FixtureIconFile(kThreeImages));
    group.LoadFromIcon(icon);
    return group;
}

TEST(IconGroup, NewGroupHoldsOneDefaultImage)
{
    TPEResourceModule module;
    auto &group = TResourceDetails::CreateNew<TIconGroupResourceDetails>(module, "108", 0);
    ASSERT_EQ(test::TypesAndNames(module), (std::vector<std::string>{"14/108", "3/1"}));
    EXPECT_EQ(group.Data(), Concat({Le16({0, 1, 1}), IconEntry(32, 32, 16, 4, 744, 1)}));
    auto &image = static_cast<TIconResourceDetails &>(module.ResourceDetails(1));
    EXPECT_EQ(group.GetImage(0), &image);
    ASSERT_EQ(image.Data().size(), 744u);
    EXPECT_EQ(Bytes(image.Data().begin(), image.Data().begin() + 40),
              Concat({Le32({40, 32, 64}), Le16({1, 4}), Le32({0, 0, 0, 0, 16, 16})}));
    // Palette entry 9 is red, stored blue, green, red.
    EXPECT_EQ(Bytes(image.Data().begin() + 40 + 36, image.Data().begin() + 40 + 40), (Bytes{0, 0, 0xFF, 0}));
    EXPECT_TRUE(std::all_of(image.Data().end() - 128, image.Data().end(), [](uint8_t b) { return b == 0xFF; }));
    EXPECT_EQ(image.Width(), 32);
    EXPECT_EQ(image.Height(), 32);
    EXPECT_EQ(image.PixelFormat(), TPixelFormat::Bits4);
}

TEST(IconGroup, NewCursorGroupHoldsOneDefaultCursor)
{
    TPEResourceModule module;
    auto &group = TResourceDetails::CreateNew<TCursorGroupResourceDetails>(module, "1", 0);
    ASSERT_EQ(test::TypesAndNames(module), (std::vector<std::string>{"12/1", "1/1"}));
    EXPECT_EQ(group.Data(), Concat({Le16({0, 2, 1}), Le16({32, 32, 1, 4}), Le32({748}), Le16({1})}));
    EXPECT_EQ(Bytes(module.ResourceDetails(1).Data().begin(), module.ResourceDetails(1).Data().begin() + 4),
              Le16({16, 16}));
}

TEST(IconGroup, LoadFromIconFileNumbersImagesAboveTheHighest)
{
    ScratchFolder folder;
    const Bytes iconFile = FixtureIconFile(kThreeImages);
    test::WriteFileBytes(folder / "app.ico", iconFile);
    const std::filesystem::path dll = folder / "res.dll";
    std::filesystem::copy_file(test::TemplateDll(), dll);

    TPEResourceModule module;
    module.LoadFromFile(dll);
    AddResource<TIconResourceDetails>(module, "20", test::FixtureImageBytes(kThreeImages[0]));
    ASSERT_EQ(module.NextResourceId("14"), "108");
    auto &group = TResourceDetails::CreateNew<TIconGroupResourceDetails>(module, "108", 0);
    group.SetModified(true);
    group.LoadFromIconFile(folder / "app.ico");
    EXPECT_EQ(group.Data(), Concat({Le16({0, 1, 3}), IconEntry(16, 16, 16, 4, 296, 21), IconEntry(32, 32, 16, 4, 744, 22),
                                    IconEntry(32, 32, 0, 8, 2216, 23)}));
    for (int n = 0; n < 3; ++n) {
        ASSERT_NE(group.GetImage(n), nullptr);
        EXPECT_EQ(group.GetImage(n)->Data(), test::FixtureImageBytes(kThreeImages[size_t(n)]));
    }
    module.SortResources();
    module.SaveToFile(dll);

    const auto extracted = test::RunCommand("wrestool -x -t14 -n108 '" + dll.string() + "'");
    ASSERT_EQ(extracted.ExitCode, 0);
    // wrestool writes the icon followed by as many stray bytes as the group
    // resource has; the icon is what comes first.
    ASSERT_EQ(extracted.Output.size(), iconFile.size() + group.Data().size());
    EXPECT_EQ(Bytes(extracted.Output.begin(), extracted.Output.begin() + std::ptrdiff_t(iconFile.size())), iconFile);
}

TEST(IconGroup, IconOf256PixelsWritesSizeZero)
{
    TPEResourceModule module;
    auto &group = TResourceDetails::CreateNew<TIconGroupResourceDetails>(module, "1", 0);
    TExIcon icon;
    icon.LoadFromBytes(FixtureIconFile({{0, 0, 32, 0}}));
    group.LoadFromIcon(icon);
    EXPECT_EQ(Bytes(group.Data().begin() + 6, group.Data().begin() + 10), (Bytes{0, 0, 0, 0}));
}

TEST(IconGroup, CursorGroupTakesTheCursorsHotSpots)
{
    ScratchFolder folder;
    test::WriteFileBytes(folder / "hand.cur", FixtureIconFile({{32, 32, 1, 0x55, 9, 3}}, 2));
    TPEResourceModule module;
    auto &group = TResourceDetails::CreateNew<TCursorGroupResourceDetails>(module, "1", 0);
    group.LoadFromIconFile(folder / "hand.cur");
    ASSERT_EQ(test::TypesAndNames(module), (std::vector<std::string>{"12/1", "1/1"}));
    const Bytes image = Concat({Le16({9, 3}), test::FixtureImageBytes({32, 32, 1, 0x55})});
    EXPECT_EQ(module.ResourceDetails(1).Data(), image);
    EXPECT_EQ(group.Data(), Concat({Le16({0, 2, 1}), Le16({32, 32, 1, 1}), Le32({uint32_t(image.size())}), Le16({1})}));
}

TEST(IconGroup, FailedLoadLeavesTheGroupEmpty)
{
    ScratchFolder folder;
    test::WriteFileBytes(folder / "bad.ico", Bytes{0, 0, 1, 0});
    TPEResourceModule module;
    auto &group = TResourceDetails::CreateNew<TIconGroupResourceDetails>(module, "1", 0);
    EXPECT_THROW(group.LoadFromIconFile(folder / "bad.ico"), EInvalidGraphic);
    EXPECT_THROW(group.LoadFromIconFile(folder / "missing.ico"), EOSError);
    EXPECT_EQ(test::TypesAndNames(module), std::vector<std::string>{"14/1"});
    EXPECT_EQ(group.ImageCount(), 0);
}

TEST(IconGroupDelete, DeletingTheOnlyImageDeletesTheGroupListedBeforeIt)
{
    TPEResourceModule module;
    AddResource<TResourceDetails>(module, "A");
    TResourceDetails::CreateNew<TIconGroupResourceDetails>(module, "5", 0);
    AddResource<TResourceDetails>(module, "B");
    ASSERT_EQ(test::TypesAndNames(module), (std::vector<std::string>{"0/A", "14/5", "3/1", "0/B"}));
    module.ClearModified();
    module.DeleteResource(2);
    EXPECT_EQ(test::TypesAndNames(module), (std::vector<std::string>{"0/A", "0/B"}));
    EXPECT_TRUE(module.Modified());
}

TEST(IconGroupDelete, DeletingOneOfSeveralImagesLeavesTheGroup)
{
    TPEResourceModule module;
    auto &group = AddThreeImageGroup(module, "5");
    ASSERT_EQ(test::TypesAndNames(module), (std::vector<std::string>{"14/5", "3/1", "3/2", "3/3"}));
    module.DeleteResource(2);
    EXPECT_EQ(test::TypesAndNames(module), (std::vector<std::string>{"14/5", "3/1", "3/3"}));
    EXPECT_EQ(group.Data(), Concat({Le16({0, 1, 2}), IconEntry(16, 16, 16, 4, 296, 1), IconEntry(32, 32, 0, 8, 2216, 3)}));
}

TEST(IconGroupDelete, DeletingAGroupTakesItsImagesOnly)
{
    TPEResourceModule module;
    AddThreeImageGroup(module, "5");
    TResourceDetails::CreateNew<TIconGroupResourceDetails>(module, "6", 0);
    ASSERT_EQ(test::TypesAndNames(module), (std::vector<std::string>{"14/5", "3/1", "3/2", "3/3", "14/6", "3/4"}));
    module.DeleteResource(0);
    EXPECT_EQ(test::TypesAndNames(module), (std::vector<std::string>{"14/6", "3/4"}));
}

TEST(IconGroupDelete, GroupNamingAMissingImageFailsWithTheIndexError)
{
    TPEResourceModule module;
    AddResource<TIconGroupResourceDetails>(module, "5", Concat({Le16({0, 1, 1}), IconEntry(32, 32, 16, 4, 744, 9)}));
    EXPECT_THROW(module.DeleteResource(0), EListIndexError);
}

TEST(IconGroupDelete, GroupDataShorterThanItsCountIsReadSafely)
{
    TPEResourceModule module;
    auto &group = AddResource<TIconGroupResourceDetails>(module, "5", Concat({Le16({0, 1, 40}), IconEntry(32, 32, 16, 4, 744, 9)}));
    EXPECT_EQ(group.ImageCount(), 1);
    EXPECT_EQ(group.GetImage(0), nullptr);
    EXPECT_THROW(group.GetImage(1), EListIndexError);
}

} // namespace
} // namespace talmo
