#pragma once

#include "resources/ByteView.h"

#include <cstdint>
#include <memory>
#include <string>

namespace talmo {

class TResourceModule;

// One resource of a module: type, name, language, code page and its bytes.
// Types and names are 8-bit texts; an integer id is held as its decimal text
// ("14" for a group icon).
class TResourceDetails
{
public:
    TResourceDetails(TResourceModule *module, int language, std::string type, std::string name);
    virtual ~TResourceDetails();
    TResourceDetails(const TResourceDetails &) = delete;
    TResourceDetails &operator=(const TResourceDetails &) = delete;

    // A resource of class T holding a copy of size bytes at data, or, when data
    // is null, the class's empty content. It is not added to the module.
    template <class T>
    static std::unique_ptr<T> Create(TResourceModule *module, const uint8_t *data, size_t size,
                                     const std::string &type, const std::string &name, int language)
    {
        auto details = std::make_unique<T>(module, language, type, name);
        if (data)
            details->m_data.assign(data, data + size);
        else
            details->InitEmpty();
        return details;
    }

    // A new resource of class T's own type, added to the module at once and
    // then filled with the class's empty content (which may add further
    // resources, as an icon group adds its default image).
    template <class T>
    static T &CreateNew(TResourceModule &module, const std::string &name, int language)
    {
        auto owned = std::make_unique<T>(&module, language, T::ClassResourceType(), name);
        T &details = *owned;
        AddToModule(module, std::move(owned));
        details.InitEmpty();
        return details;
    }

    // The class-level questions the factory asks (see TResourceDetailsClass).
    static bool AcceptsRCData(const std::string &name, size_t size, const uint8_t *data);
    static bool AcceptsData(size_t size, const uint8_t *data);
    static std::string ClassResourceType();

    virtual void InitEmpty();
    // Called by the module just before the resource is deleted.
    virtual void BeforeDelete();

    void SetResourceName(const std::string &name);
    void ReplaceData(const Bytes &data);

    TResourceModule *Module() const { return m_module; }
    const Bytes &Data() const { return m_data; }
    Bytes &Data() { return m_data; }
    int CodePage() const { return m_codePage; }
    void SetCodePage(int codePage) { m_codePage = codePage; }
    int LanguageId() const { return m_language; }
    const std::string &ResourceName() const { return m_name; }
    const std::string &ResourceType() const { return m_type; }
    uint32_t Version() const { return m_version; }
    void SetVersion(uint32_t version) { m_version = version; }
    uint32_t Characteristics() const { return m_characteristics; }
    void SetCharacteristics(uint32_t characteristics) { m_characteristics = characteristics; }
    bool Modified() const { return m_modified; }
    void SetModified(bool modified) { m_modified = modified; }

private:
    // Keeps the module's header out of this one; throws when the module keeps nothing.
    static void AddToModule(TResourceModule &module, std::unique_ptr<TResourceDetails> details);

    TResourceModule *m_module;
    Bytes m_data;
    int m_codePage;
    int m_language;
    std::string m_name;
    std::string m_type;
    uint32_t m_version = 0;
    uint32_t m_characteristics = 0;
    bool m_modified = false;
};

// The value of a non-empty text made only of the digits 0 to 9; -1 for any
// other text and for numbers beyond 32 bits with the sign bit clear.
long long ResourceIdValue(const std::string &text);

// The order of TResourceModule::SortResources: types, then names; a name sorts
// before an id, names compare ignoring the case of A to Z, ids numerically.
// Negative, zero or positive like strcmp.
int CompareResources(const TResourceDetails &a, const TResourceDetails &b);

// The default ANSI code page of a language id (1252 when the language has none
// of its own, as for the neutral language 0).
int CodePageOfLanguage(int language);

} // namespace talmo
