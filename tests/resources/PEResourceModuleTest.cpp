#include "TestFiles.h"

#include "resources/ImageChecksum.h"
#include "resources/PEResourceModule.h"
#include "resources/ResourceErrors.h"

#include <gtest/gtest.h>

namespace talmo {
namespace {

namespace fs = std::filesystem;
using test::Concat;
using test::Le16;
using test::Le32;
using test::ReadFileBytes;
using test::ScratchFolder;

// Where the template keeps its parts.
struct TemplateLayout
{
    Bytes image = ReadFileBytes(test::TemplateDll());
    size_t lfanew = GetU32(image, 60);
    size_t optionalHeader = lfanew + 24;
    size_t sectionTable = optionalHeader + 224;
    size_t resources = GetU32(image, sectionTable + 20);

    // The offset inside the resource section of the first subdirectory of the
    // directory at offset.
    size_t FirstChild(size_t directory) const
    {
        return GetU32(image, resources + directory + 20) & 0x7FFFFFFF;
    }
};

std::string PythonPefile(const fs::path &file, const std::string &script)
{
    const auto result = test::RunCommand("/usr/bin/python3 -c 'import pefile, sys\npe = pefile.PE(sys.argv[1])\n"
                                         + script + "' '" + file.string() + "' 2>&1");
    EXPECT_EQ(result.ExitCode, 0) << result.Output;
    return result.Output;
}

TEST(PEResourceModule, RoundTripKeepsResourcesSectionsAndOverlay)
{
    const TemplateLayout layout;
    const Bytes overlay = {'o', 'v', 'e', 'r', 'l', 'a', 'y', 0, 1, 2, 3};
    TPEResourceModule module;
    module.LoadFromBytes(Concat({layout.image, overlay}));
    ASSERT_EQ(module.ResourceCount(), 24);
    EXPECT_EQ(module.TrailingData(), overlay);
    const Bytes saved = module.SaveToBytes();

    // Everything but the checksum comes back byte for byte.
    ASSERT_EQ(saved.size(), layout.image.size() + overlay.size());
    const size_t checksum = layout.optionalHeader + TPEModule::CheckSum;
    Bytes expected = Concat({layout.image, overlay});
    PutU32(expected, checksum, ImageChecksum(expected, checksum));
    EXPECT_EQ(saved, expected);

    ScratchFolder folder;
    test::WriteFileBytes(folder / "saved.dll", saved);
    EXPECT_EQ(PythonPefile(folder / "saved.dll",
                           "print(pe.verify_checksum(), pe.get_overlay() == bytes([111,118,101,114,108,97,121,0,1,2,3]),"
                           " len(pe.DIRECTORY_ENTRY_RESOURCE.entries))"),
              "True True 2\n");
    TPEResourceModule reloaded;
    reloaded.LoadFromBytes(saved);
    EXPECT_EQ(test::ResourceSummary(reloaded), test::ResourceSummary(module));
}

TEST(PEResourceModule, EncodesAHandBuiltListExactly)
{
    const TemplateLayout layout;
    TPEResourceModule module;
    module.LoadFromBytes(layout.image);
    Bytes &oldRoot = module.ImageSection(0).Data();
    PutU32(oldRoot, 4, 0x11223344);
    PutU16(oldRoot, 8, 2);
    PutU16(oldRoot, 10, 3);
    module.ClearResources();
    auto add = [&](const std::string &type, const std::string &name, int language, Bytes data, int codePage) {
        module.AddResource(TResourceDetails::Create<TResourceDetails>(&module, data.data(), data.size(), type, name,
                                                                      language));
        module.ResourceDetails(module.ResourceCount() - 1).SetCodePage(codePage);
    };
    add("10", "007", 0x409, {1, 2, 3}, 1252);
    add("MY", "5", 0, {4}, 437);
    add("10", "007", 0x407, {5, 6}, 1252);
    add("MY", "5", 0, {9, 9}, 850); // the same resource again: its data wins, the code page stays

    module.SaveToBytes();
    const Bytes stamp = Concat({Le32({0, 0x11223344}), Le16({2, 3})});
    auto directory = [&](uint16_t named, uint16_t ids) { return Concat({stamp, Le16({named, ids})}); };
    const Bytes expected = Concat({
        // root @0: the named type MY before the type 10
        directory(1, 1), Le32({0x80000000 | 184, 0x80000000 | 32, 10, 0x80000000 | 80}),
        // MY @32: the name 5 @56: language 0
        directory(0, 1), Le32({5, 0x80000000 | 56}),
        directory(0, 1), Le32({0, 136}),
        // 10 @80: the name 007, which is not written as a number; @104: languages 0x407, 0x409
        directory(1, 0), Le32({0x80000000 | 190, 0x80000000 | 104}),
        directory(0, 2), Le32({0x407, 152, 0x409, 168}),
        // data entries @136
        Le32({0x1000 + 208, 2, 437, 0}),
        Le32({0x1000 + 212, 2, 1252, 0}),
        Le32({0x1000 + 216, 3, 1252, 0}),
        // names @184, then padding to 208
        Le16({2, 'M', 'Y', 3, '0', '0', '7'}), Bytes(10, 0),
        // data, each padded to 4 bytes
        {9, 9, 0, 0}, {5, 6, 0, 0}, {1, 2, 3, 0},
    });
    EXPECT_EQ(module.ImageSection(0).Data(), expected);
    const TImageDataDirectory entry = module.GetDataDirectory(TPEModule::kResourceDirectory);
    EXPECT_EQ(entry.VirtualAddress, 0x1000u);
    EXPECT_EQ(entry.Size, expected.size());
}

TEST(PEResourceModule, LayoutFollowsTheNewResourceSize)
{
    const TemplateLayout layout;
    TPEResourceModule module;
    module.LoadFromBytes(layout.image);
    const Bytes big(5000, 0x5A);
    module.AddResource(TResourceDetails::Create<TResourceDetails>(&module, big.data(), big.size(), "10", "BIG", 0));
    ScratchFolder folder;
    test::WriteFileBytes(folder / "big.dll", module.SaveToBytes());
    const std::string sizes = PythonPefile(
        folder / "big.dll",
        "s = pe.sections[0]; d = pe.OPTIONAL_HEADER.DATA_DIRECTORY[2]; o = pe.OPTIONAL_HEADER\n"
        "print(s.Misc_VirtualSize == d.Size, s.VirtualAddress == d.VirtualAddress, s.SizeOfRawData % 512,"
        " o.SizeOfImage == s.VirtualAddress + (s.Misc_VirtualSize + 4095) // 4096 * 4096,"
        " o.SizeOfInitializedData == s.SizeOfRawData, hex(o.BaseOfCode), pe.verify_checksum())\n"
        "rc = [e for e in pe.DIRECTORY_ENTRY_RESOURCE.entries if e.id == 10][0]\n"
        "print([str(e.name) for e in rc.directory.entries], len(pe.get_data(rc.directory.entries[0].directory.entries[0].data.struct.OffsetToData, 5000)))");
    // The image has no code, so its base of code stays as written.
    EXPECT_EQ(sizes, "True True 0 True True 0x1000 True\n['BIG'] 5000\n");
}

TEST(PEResourceModule, OverlayStartsAfterTheHighestRawDataNotTheLastHeader)
{
    TemplateLayout layout;
    // A second section of uninitialised data only: no raw data, pointer 0.
    const Bytes bss = Concat({{'.', 'b', 's', 's', 0, 0, 0, 0}, Le32({0x100, 0x9000, 0, 0, 0, 0, 0}), Le32({0xC0000080})});
    std::copy(bss.begin(), bss.end(), layout.image.begin() + std::ptrdiff_t(layout.sectionTable + 40));
    PutU16(layout.image, layout.lfanew + 6, 2);
    const Bytes overlay = {'t', 'a', 'i', 'l'};
    TPEResourceModule module;
    module.LoadFromBytes(Concat({layout.image, overlay}));
    EXPECT_EQ(module.TrailingData(), overlay);
    const Bytes saved = module.SaveToBytes();
    EXPECT_EQ(saved.size(), layout.image.size() + overlay.size());
    EXPECT_EQ(Bytes(saved.end() - 4, saved.end()), overlay);
    EXPECT_EQ(module.OptionalHeaderValue(TPEModule::SizeOfUninitializedData), 0x200u);
    EXPECT_EQ(module.ImageSection(1).VirtualAddress(),
              module.ImageSection(0).VirtualAddress() + AlignUp(module.ImageSection(0).VirtualSize(), 0x1000));
}

TEST(PEResourceModule, CodeSectionSetsTheBases)
{
    TemplateLayout layout;
    PutU32(layout.image, layout.sectionTable + 36, 0x60000020); // code, executable, readable
    TPEResourceModule module;
    module.LoadFromBytes(layout.image);
    module.SaveToBytes();
    EXPECT_EQ(module.OptionalHeaderValue(TPEModule::BaseOfCode), 0x1000u);
    EXPECT_EQ(module.OptionalHeaderValue(TPEModule::SizeOfCode), module.ImageSection(0).SizeOfRawData());
    EXPECT_EQ(module.OptionalHeaderValue(TPEModule::SizeOfInitializedData), 0u);
    // The base of data lies behind the code as the layout counts it: optional
    // header, 24 bytes and the code, aligned to the section alignment.
    const uint64_t codeSize = module.ImageSection(0).SizeOfRawData();
    EXPECT_EQ(module.OptionalHeaderValue(TPEModule::BaseOfData), 0x1000u + AlignUp(224 + 24 + codeSize, 0x1000));
}

TEST(PEResourceModule, NewGroupsAreListedInIdOrderWithOrWithoutSorting)
{
    const TemplateLayout layout;
    ScratchFolder folder;
    for (bool sort : {false, true}) {
        TPEResourceModule module;
        module.LoadFromBytes(layout.image);
        const Bytes group = Concat({Le16({0, 1, 1}), Bytes{32, 32, 16, 0}, Le16({1, 4}), Le32({744}), Le16({1})});
        for (const std::string name : {"108", "99", "ICON"})
            module.AddResource(TResourceDetails::Create<TResourceDetails>(&module, group.data(), group.size(), "14",
                                                                          name, 0));
        if (sort)
            module.SortResources();
        test::WriteFileBytes(folder / "groups.dll", module.SaveToBytes());
        EXPECT_EQ(PythonPefile(folder / "groups.dll",
                               "print([str(e.name) if e.name else e.id for e in "
                               "pe.DIRECTORY_ENTRY_RESOURCE.entries[1].directory.entries])"),
                  "['ICON', 99, 100, 101, 102, 103, 104, 105, 106, 107, 108]\n")
            << (sort ? "sorted" : "unsorted");
    }
}

TEST(PEResourceModule, RefusesDamagedImages)
{
    const TemplateLayout layout;
    const size_t typeDirectory = layout.FirstChild(0);
    const size_t languageDirectory = layout.FirstChild(typeDirectory);
    auto patched16 = [&](size_t offset, uint16_t value) {
        Bytes image = layout.image;
        PutU16(image, offset, value);
        return image;
    };
    auto patched32 = [&](size_t offset, uint32_t value) {
        Bytes image = layout.image;
        PutU32(image, offset, value);
        return image;
    };
    struct Case
    {
        std::string what;
        Bytes image;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"empty file", {}, "Invalid DOS signature"},
        {"no MZ", patched16(0, 0x4D5A), "Invalid DOS signature"},
        {"short DOS header", Bytes(layout.image.begin(), layout.image.begin() + 40), "Invalid Windows Image"},
        {"PE header beyond the end", patched32(60, 0x7FFFFFF0), "Invalid Windows Image"},
        {"PE header inside the DOS header", patched32(60, 8), "Invalid Windows Image"},
        {"no PE signature", patched16(layout.lfanew, 0x4550 + 1), "Invalid COFF signature"},
        {"64-bit image", patched16(layout.optionalHeader, 0x20B), "Invalid Windows Image"},
        {"optional header too short", patched16(layout.lfanew + 20, 90), "Invalid Windows Image"},
        {"optional header beyond the end", patched16(layout.lfanew + 20, 0xFFFF), "Invalid Windows Image"},
        {"file alignment 0", patched32(layout.optionalHeader + TPEModule::FileAlignment, 0), "Invalid Windows Image"},
        {"section alignment 3", patched32(layout.optionalHeader + TPEModule::SectionAlignment, 3),
         "Invalid Windows Image"},
        {"too many sections", patched16(layout.lfanew + 6, 500), "Invalid Windows Image"},
        {"section data beyond the end", patched32(layout.sectionTable + 20, 0x7FFFFFF0), "Invalid Windows Image"},
        {"truncated section", Bytes(layout.image.begin(), layout.image.begin() + std::ptrdiff_t(layout.resources + 100)),
         "Invalid Windows Image"},
        {"directory pointing at itself", patched32(layout.resources + 20, 0x80000000), "Invalid Windows Image"},
        {"directory entries beyond the section", patched16(layout.resources + 14, 0x7000), "Invalid Windows Image"},
        {"data entry in place of a directory", patched32(layout.resources + 20, typeDirectory), "Invalid Windows Image"},
        {"name beyond the section", patched16(layout.resources + 12, 1), "Invalid Windows Image"},
        {"data beyond the section", patched32(layout.resources + GetU32(layout.image, layout.resources + languageDirectory + 20) + 4,
                                              0x100000),
         "Invalid Windows Image"},
        {"named language", patched32(layout.resources + languageDirectory + 12, 0x00000001),
         "Unsupported non-integer language ID in resource"},
    };
    for (const Case &c : cases) {
        TPEResourceModule module;
        try {
            module.LoadFromBytes(c.image);
            ADD_FAILURE() << c.what << " was accepted";
        } catch (const EPEException &error) {
            EXPECT_EQ(error.what(), c.message) << c.what;
        }
    }
}

TEST(PEModule, DataDirectoryIndexIsChecked)
{
    TPEResourceModule module;
    module.LoadFromBytes(TemplateLayout().image);
    EXPECT_EQ(module.DataDirectoryCount(), 16);
    EXPECT_THROW(module.GetDataDirectory(16), EListIndexError);
    uint32_t offset = 99;
    EXPECT_EQ(module.FindDirectorySection(TPEModule::kResourceDirectory, offset), 0);
    EXPECT_EQ(offset, 0u);
    EXPECT_EQ(module.FindDirectorySection(0, offset), -1);
}

TEST(ImageChecksum, MatchesTheStandardSum)
{
    // Words 0x0201 and 0x0403, the checksum field (bytes 4 to 7) skipped, the
    // odd last byte 0x09 as a word of its own, plus the length 9.
    const Bytes image = {1, 2, 3, 4, 0xFF, 0xFF, 0xFF, 0xFF, 9};
    EXPECT_EQ(ImageChecksum(image, 4), 0x0201u + 0x0403u + 9u + 9u);
    const Bytes carry = {0xFF, 0xFF, 0x02, 0x00, 0, 0, 0, 0};
    EXPECT_EQ(ImageChecksum(carry, 4), 0x0002u + 8u);
}

} // namespace
} // namespace talmo
