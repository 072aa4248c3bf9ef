#include "resources/ResourceDetails.h"

#include "resources/ResourceErrors.h"
#include "resources/ResourceModule.h"

#include <algorithm>

namespace talmo {

TResourceDetails::TResourceDetails(TResourceModule *module, int language, std::string type, std::string name)
    : m_module(module)
    , m_codePage(CodePageOfLanguage(language))
    , m_language(language)
    , m_name(std::move(name))
    , m_type(std::move(type))
{
}

TResourceDetails::~TResourceDetails() = default;

void TResourceDetails::AddToModule(TResourceModule &module, std::unique_ptr<TResourceDetails> details)
{
    if (module.AddResource(std::move(details)) < 0)
        throw EResourceError("Module doesn't keep resources");
}

bool TResourceDetails::AcceptsRCData(const std::string &, size_t, const uint8_t *)
{
    return false;
}

bool TResourceDetails::AcceptsData(size_t, const uint8_t *)
{
    return false;
}

std::string TResourceDetails::ClassResourceType()
{
    return "0";
}

void TResourceDetails::InitEmpty()
{
}

void TResourceDetails::BeforeDelete()
{
}

void TResourceDetails::SetResourceName(const std::string &name)
{
    m_name = name;
    m_modified = true;
}

void TResourceDetails::ReplaceData(const Bytes &data)
{
    m_data = data;
}

long long ResourceIdValue(const std::string &text)
{
    if (text.empty())
        return -1;
    long long value = 0;
    for (char character : text) {
        if (character < '0' || character > '9')
            return -1;
        value = value * 10 + (character - '0');
        if (value > 0x7FFFFFFF)
            return -1;
    }
    return value;
}

namespace {

int CompareNames(const std::string &a, const std::string &b)
{
    const size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
        auto fold = [](char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; };
        const unsigned char x = fold(a[i]);
        const unsigned char y = fold(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

int CompareNameOrId(const std::string &a, const std::string &b)
{
    const long long idA = ResourceIdValue(a);
    const long long idB = ResourceIdValue(b);
    if (idA < 0 && idB < 0)
        return CompareNames(a, b);
    if (idA < 0)
        return -1;
    if (idB < 0)
        return 1;
    return idA == idB ? 0 : (idA < idB ? -1 : 1);
}

} // namespace

int CompareResources(const TResourceDetails &a, const TResourceDetails &b)
{
    const int byType = CompareNameOrId(a.ResourceType(), b.ResourceType());
    return byType != 0 ? byType : CompareNameOrId(a.ResourceName(), b.ResourceName());
}

int CodePageOfLanguage(int language)
{
    // Linux has no locale database of Windows language ids; the primary
    // language decides the ANSI code page as it does on Windows.
    switch (language & 0x3FF) {
    case 0x04: // Chinese: Taiwan and Hong Kong use traditional characters
        return (language >> 10) == 1 || (language >> 10) == 3 || (language >> 10) == 5 ? 950 : 936;
    case 0x11: return 932; // Japanese
    case 0x12: return 949; // Korean
    case 0x1E: return 874; // Thai
    case 0x05: case 0x0E: case 0x15: case 0x18: case 0x1B: case 0x1C: case 0x24:
        return 1250; // Czech, Hungarian, Polish, Romanian, Slovak, Albanian, Slovenian
    case 0x02: case 0x19: case 0x22: case 0x23: case 0x2F:
        return 1251; // Bulgarian, Russian, Ukrainian, Belarusian, Macedonian
    case 0x08: return 1253; // Greek
    case 0x1F: return 1254; // Turkish
    case 0x0D: return 1255; // Hebrew
    case 0x01: case 0x20: case 0x29: return 1256; // Arabic, Urdu, Farsi
    case 0x25: case 0x26: case 0x27: return 1257; // Estonian, Latvian, Lithuanian
    case 0x2A: return 1258; // Vietnamese
    default: return 1252;
    }
}

} // namespace talmo
