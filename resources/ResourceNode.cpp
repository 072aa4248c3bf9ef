#include "resources/ResourceNode.h"

#include "resources/AnsiText.h"
#include "resources/ResourceDetails.h"
#include "resources/ResourceErrors.h"

#include <algorithm>
#include <map>

namespace talmo {

namespace {

constexpr size_t kDirectorySize = 16;
constexpr size_t kDirectoryEntrySize = 8;
constexpr size_t kDataEntrySize = 16;
constexpr uint32_t kHighBit = 0x80000000;

std::u16string SortKey(const std::string &name)
{
    std::u16string key = AnsiText::ToUtf16(name);
    for (char16_t &character : key) {
        if (character >= u'a' && character <= u'z')
            character = char16_t(character - u'a' + u'A');
    }
    return key;
}

bool EntryBefore(const TResourceNode::Entry &a, const TResourceNode::Entry &b)
{
    if (a.IsNumeric != b.IsNumeric)
        return !a.IsNumeric;
    if (a.IsNumeric)
        return std::stoll(a.Name) < std::stoll(b.Name);
    return SortKey(a.Name) < SortKey(b.Name);
}

// Offsets of every part of the section, found before anything is written.
struct SectionLayout
{
    std::vector<const TResourceNode *> directories; // pre-order
    std::map<const TResourceNode *, uint32_t> directoryOffsets;
    std::vector<const TResourceNode::Entry *> leaves;
    std::map<const TResourceNode::Entry *, size_t> leafIndexes;
    std::vector<const TResourceNode::Entry *> namedEntries;
    std::map<const TResourceNode::Entry *, uint32_t> nameOffsets;
    std::vector<uint32_t> dataOffsets;
    uint32_t dataEntriesStart = 0;
    uint32_t size = 0;
};

void CollectDirectories(const TResourceNode &node, SectionLayout &layout, uint32_t &offset)
{
    layout.directories.push_back(&node);
    layout.directoryOffsets[&node] = offset;
    offset += uint32_t(kDirectorySize + kDirectoryEntrySize * node.Entries().size());
    for (const TResourceNode::Entry &entry : node.Entries()) {
        if (entry.Child)
            CollectDirectories(*entry.Child, layout, offset);
    }
}

SectionLayout LayOut(const TResourceNode &root)
{
    SectionLayout layout;
    uint32_t offset = 0;
    CollectDirectories(root, layout, offset);
    for (const TResourceNode *directory : layout.directories) {
        for (const TResourceNode::Entry &entry : directory->Entries()) {
            if (!entry.Child) {
                layout.leafIndexes[&entry] = layout.leaves.size();
                layout.leaves.push_back(&entry);
            }
            if (!entry.IsNumeric)
                layout.namedEntries.push_back(&entry);
        }
    }
    layout.dataEntriesStart = offset;
    offset += uint32_t(kDataEntrySize * layout.leaves.size());
    for (const TResourceNode::Entry *entry : layout.namedEntries) {
        if (entry->Name.size() > 0xFFFF)
            throw EPEException("Resource name too long: " + entry->Name.substr(0, 32) + "...");
        layout.nameOffsets[entry] = offset;
        offset += uint32_t(2 + 2 * entry->Name.size());
    }
    offset = uint32_t(AlignUp(offset, 16));
    for (const TResourceNode::Entry *leaf : layout.leaves) {
        layout.dataOffsets.push_back(offset);
        offset += uint32_t(AlignUp(leaf->Data->size(), 4));
    }
    layout.size = offset;
    return layout;
}

void WriteDirectory(Bytes &out, const TResourceNode &node, const SectionLayout &layout,
                    const TResourceDirectoryStamp &stamp)
{
    const auto &entries = node.Entries();
    const auto named = std::count_if(entries.begin(), entries.end(), [](const auto &e) { return !e.IsNumeric; });
    AppendU32(out, 0);
    AppendU32(out, stamp.TimeDateStamp);
    AppendU16(out, stamp.MajorVersion);
    AppendU16(out, stamp.MinorVersion);
    AppendU16(out, uint16_t(named));
    AppendU16(out, uint16_t(entries.size() - size_t(named)));
    for (const TResourceNode::Entry &entry : entries) {
        AppendU32(out, entry.IsNumeric ? uint32_t(std::stoll(entry.Name)) : kHighBit | layout.nameOffsets.at(&entry));
        if (entry.Child) {
            AppendU32(out, kHighBit | layout.directoryOffsets.at(entry.Child.get()));
        } else {
            AppendU32(out, uint32_t(layout.dataEntriesStart + kDataEntrySize * layout.leafIndexes.at(&entry)));
        }
    }
}

} // namespace

bool TResourceNode::IsNumericName(const std::string &name)
{
    const long long value = ResourceIdValue(name);
    return value >= 0 && std::to_string(value) == name;
}

TResourceNode::Entry &TResourceNode::FindOrAdd(const std::string &name)
{
    for (Entry &entry : m_entries) {
        if (entry.Name == name)
            return entry;
    }
    Entry &entry = m_entries.emplace_back();
    entry.Name = name;
    entry.IsNumeric = IsNumericName(name);
    return entry;
}

void TResourceNode::Add(const TResourceDetails &details)
{
    Entry &type = FindOrAdd(details.ResourceType());
    if (!type.Child)
        type.Child = std::make_unique<TResourceNode>();
    Entry &name = type.Child->FindOrAdd(details.ResourceName());
    if (!name.Child)
        name.Child = std::make_unique<TResourceNode>();
    Entry &language = name.Child->FindOrAdd(std::to_string(uint32_t(details.LanguageId())));
    language.IsNumeric = true;
    if (!language.Data)
        language.CodePage = details.CodePage();
    language.Data = &details.Data();
}

void TResourceNode::SortEntries()
{
    std::stable_sort(m_entries.begin(), m_entries.end(), EntryBefore);
    for (Entry &entry : m_entries) {
        if (entry.Child)
            entry.Child->SortEntries();
    }
}

Bytes EncodeResourceSection(TResourceNode &root, uint32_t sectionAddress, const TResourceDirectoryStamp &stamp)
{
    root.SortEntries();
    const SectionLayout layout = LayOut(root);
    Bytes out;
    out.reserve(layout.size);
    for (const TResourceNode *directory : layout.directories)
        WriteDirectory(out, *directory, layout, stamp);
    for (size_t i = 0; i < layout.leaves.size(); ++i) {
        const TResourceNode::Entry &leaf = *layout.leaves[i];
        AppendU32(out, sectionAddress + layout.dataOffsets[i]);
        AppendU32(out, uint32_t(leaf.Data->size()));
        AppendU32(out, uint32_t(leaf.CodePage));
        AppendU32(out, 0);
    }
    for (const TResourceNode::Entry *entry : layout.namedEntries) {
        const std::u16string name = AnsiText::ToUtf16(entry->Name);
        AppendU16(out, uint16_t(name.size()));
        for (char16_t character : name)
            AppendU16(out, character);
    }
    for (size_t i = 0; i < layout.leaves.size(); ++i) {
        AppendZeros(out, layout.dataOffsets[i] - out.size());
        AppendBytes(out, *layout.leaves[i]->Data);
    }
    AppendZeros(out, layout.size - out.size());
    return out;
}

} // namespace talmo
