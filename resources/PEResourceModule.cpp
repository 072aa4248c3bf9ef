#include "resources/PEResourceModule.h"

#include "resources/AnsiText.h"
#include "resources/ResourceDetailsClass.h"
#include "resources/ResourceErrors.h"
#include "resources/ResourceNode.h"

#include <algorithm>
#include <set>

namespace talmo {

namespace {

constexpr uint32_t kHighBit = 0x80000000;
constexpr int kLanguageLevel = 3;

[[noreturn]] void InvalidImage()
{
    throw EPEException("Invalid Windows Image");
}

// Walks the resource directory of a section. Offsets inside the directory
// count from its root; data addresses are RVAs inside the section. Every
// directory and data entry may be reached once only, so a damaged file can
// neither loop nor multiply its resources.
class ResourceDirectoryReader
{
public:
    ResourceDirectoryReader(TPEResourceModule &module, const TImageSection &section, uint32_t rootOffset)
        : m_module(module)
        , m_section(section.Data(), InvalidImage)
        , m_root(m_section.Sub(rootOffset, m_section.Size() - std::min<size_t>(rootOffset, m_section.Size())))
        , m_sectionAddress(section.VirtualAddress())
    {
    }

    void Read(std::vector<std::unique_ptr<TResourceDetails>> &resources)
    {
        ReadDirectory(0, 1, {}, resources);
    }

private:
    void ReadDirectory(uint32_t offset, int level, std::vector<std::string> path,
                       std::vector<std::unique_ptr<TResourceDetails>> &resources)
    {
        if (!m_visited.insert(offset).second)
            InvalidImage();
        const ByteView directory = m_root.Sub(offset, 16);
        const uint32_t characteristics = directory.U32(0);
        const uint32_t version = uint32_t(directory.U16(8)) << 16 | directory.U16(10);
        const size_t named = directory.U16(12);
        const size_t count = named + directory.U16(14);
        const ByteView entries = m_root.Sub(uint64_t(offset) + 16, 8 * count);
        for (size_t i = 0; i < count; ++i) {
            const uint32_t name = entries.U32(8 * i);
            const uint32_t target = entries.U32(8 * i + 4);
            if (i < named && level == kLanguageLevel)
                throw EPEException("Unsupported non-integer language ID in resource");
            path.push_back(i < named ? ReadCountedWideString(name & ~kHighBit) : std::to_string(name));
            const bool isDirectory = target & kHighBit;
            if (isDirectory != (level < kLanguageLevel))
                InvalidImage();
            if (isDirectory) {
                ReadDirectory(target & ~kHighBit, level + 1, path, resources);
            } else {
                auto details = ReadLeaf(target, path, name);
                details->SetCharacteristics(characteristics);
                details->SetVersion(version);
                resources.push_back(std::move(details));
            }
            path.pop_back();
        }
    }

    std::unique_ptr<TResourceDetails> ReadLeaf(uint32_t offset, const std::vector<std::string> &path, uint32_t language)
    {
        if (!m_visited.insert(offset).second)
            InvalidImage();
        const ByteView entry = m_root.Sub(offset, 16);
        const uint32_t address = entry.U32(0);
        const uint32_t size = entry.U32(4);
        if (address < m_sectionAddress)
            InvalidImage();
        // Resources share no bytes in a sound file; the sum of their sizes is
        // bounded by the section, which also bounds the memory a file can claim.
        m_totalSize += size;
        if (m_totalSize > m_section.Size())
            InvalidImage();
        const ByteView data = m_section.Sub(address - m_sectionAddress, size);
        static const uint8_t kNoBytes = 0;
        auto details = MakeResourceDetails(&m_module, int(language & 0x7FFFFFFF), size ? data.Data() : &kNoBytes,
                                           size, path[0], path[1]);
        details->SetCodePage(int(entry.U32(8)));
        return details;
    }

    std::string ReadCountedWideString(uint32_t offset) const
    {
        const size_t length = m_root.U16(offset);
        const ByteView characters = m_root.Sub(uint64_t(offset) + 2, 2 * length);
        std::u16string text;
        text.reserve(length);
        for (size_t i = 0; i < length; ++i)
            text += char16_t(characters.U16(2 * i));
        return AnsiText::FromUtf16(text);
    }

    TPEResourceModule &m_module;
    ByteView m_section;
    ByteView m_root;
    uint32_t m_sectionAddress;
    std::set<uint32_t> m_visited;
    uint64_t m_totalSize = 0;
};

} // namespace

TPEResourceModule::TPEResourceModule() = default;
TPEResourceModule::~TPEResourceModule() = default;

void TPEResourceModule::SortResources()
{
    auto &resources = Resources();
    std::stable_sort(resources.begin(), resources.end(),
                     [](const auto &a, const auto &b) { return CompareResources(*a, *b) < 0; });
}

void TPEResourceModule::Decode(const Bytes &image)
{
    ClearResources();
    TPEModule::Decode(image);
    uint32_t rootOffset = 0;
    const TImageSection *section = GetResourceSection(rootOffset);
    if (!section)
        return;
    std::vector<std::unique_ptr<TResourceDetails>> resources;
    ResourceDirectoryReader(*this, *section, rootOffset).Read(resources);
    Resources() = std::move(resources);
}

void TPEResourceModule::UpdateLayout()
{
    EncodeResources();
}

void TPEResourceModule::EncodeResources()
{
    uint32_t rootOffset = 0;
    TImageSection *section = GetResourceSection(rootOffset);
    if (!section) {
        if (ResourceCount() > 0)
            throw EPEException("The image has no resource section");
        TPEModule::UpdateLayout();
        return;
    }
    TResourceDirectoryStamp stamp;
    const Bytes &old = section->Data();
    if (size_t(rootOffset) + 16 <= old.size()) {
        stamp.TimeDateStamp = GetU32(old, rootOffset + 4);
        stamp.MajorVersion = GetU16(old, rootOffset + 8);
        stamp.MinorVersion = GetU16(old, rootOffset + 10);
    }
    TResourceNode root;
    for (int i = 0; i < ResourceCount(); ++i)
        root.Add(ResourceDetails(i));
    // The layout places the section after the ones before it; its own size
    // does not move it, so its address is known before it is encoded.
    TPEModule::UpdateLayout();
    section->Data() = EncodeResourceSection(root, section->VirtualAddress(), stamp);
    TPEModule::UpdateLayout();
    SetDataDirectory(kResourceDirectory, {section->VirtualAddress(), uint32_t(section->Data().size())});
}

} // namespace talmo
