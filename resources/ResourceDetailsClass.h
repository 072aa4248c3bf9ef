#pragma once

#include "resources/ResourceDetails.h"

#include <cstdint>
#include <memory>
#include <string>

namespace talmo {

// A details class as the factory sees it: the class-level questions and the
// constructor of one TResourceDetails descendant.
struct TResourceDetailsClass
{
    std::string (*ClassResourceType)();
    bool (*AcceptsRCData)(const std::string &name, size_t size, const uint8_t *data);
    bool (*AcceptsData)(size_t size, const uint8_t *data);
    std::unique_ptr<TResourceDetails> (*Create)(TResourceModule *module, const uint8_t *data, size_t size,
                                                const std::string &type, const std::string &name,
                                                int language);
};

template <class T>
const TResourceDetailsClass &DetailsClassOf()
{
    static const TResourceDetailsClass detailsClass = {
        &T::ClassResourceType,
        &T::AcceptsRCData,
        &T::AcceptsData,
        [](TResourceModule *module, const uint8_t *data, size_t size, const std::string &type,
           const std::string &name, int language) -> std::unique_ptr<TResourceDetails> {
            return TResourceDetails::Create<T>(module, data, size, type, name, language);
        },
    };
    return detailsClass;
}

// The process-wide registry the factory searches, in registration order. It
// starts with the bitmap, DIB, icon group, cursor group, icon and cursor classes.
void RegisterDetailsClass(const TResourceDetailsClass &detailsClass);
// Removes every registration of the class.
void UnregisterDetailsClass(const TResourceDetailsClass &detailsClass);

// A new resource of the registered class that claims the type (for type "10"
// the class must also accept the data), else of the first class that
// recognises the data, else 8-bit text, UTF-16 text or plain details. The
// caller adds it to its list.
std::unique_ptr<TResourceDetails> MakeResourceDetails(TResourceModule *module, int language, const uint8_t *data,
                                                      size_t size, const std::string &type,
                                                      const std::string &name);

} // namespace talmo
