#include "resources/ResourceDetailsClass.h"

#include "resources/GraphicsResourceDetails.h"
#include "resources/IconCursorResourceDetails.h"
#include "resources/TextResourceDetails.h"

#include <algorithm>
#include <vector>

namespace talmo {

namespace {

std::vector<const TResourceDetailsClass *> &Registry()
{
    static std::vector<const TResourceDetailsClass *> registry = {
        &DetailsClassOf<TBitmapResourceDetails>(),
        &DetailsClassOf<TDIBResourceDetails>(),
        &DetailsClassOf<TIconGroupResourceDetails>(),
        &DetailsClassOf<TCursorGroupResourceDetails>(),
        &DetailsClassOf<TIconResourceDetails>(),
        &DetailsClassOf<TCursorResourceDetails>(),
    };
    return registry;
}

// The first registered class for which accepts is true; a class whose test
// throws ends the pass without a result.
template <class Test>
const TResourceDetailsClass *FindClass(Test accepts)
{
    try {
        for (const TResourceDetailsClass *detailsClass : Registry()) {
            if (accepts(*detailsClass))
                return detailsClass;
        }
    } catch (const std::exception &) {
    }
    return nullptr;
}

} // namespace

void RegisterDetailsClass(const TResourceDetailsClass &detailsClass)
{
    Registry().push_back(&detailsClass);
}

void UnregisterDetailsClass(const TResourceDetailsClass &detailsClass)
{
    std::erase(Registry(), &detailsClass);
}

std::unique_ptr<TResourceDetails> MakeResourceDetails(TResourceModule *module, int language, const uint8_t *data,
                                                      size_t size, const std::string &type,
                                                      const std::string &name)
{
    const TResourceDetailsClass *chosen = nullptr;
    if (!type.empty()) {
        chosen = FindClass([&](const TResourceDetailsClass &candidate) {
            return candidate.ClassResourceType() == type
                && (type != "10" || candidate.AcceptsRCData(name, size, data));
        });
    }
    if (!chosen) {
        chosen = FindClass([&](const TResourceDetailsClass &candidate) {
            return candidate.AcceptsData(size, data);
        });
    }
    if (chosen)
        return chosen->Create(module, data, size, type, name, language);
    if (TAnsiResourceDetails::AcceptsData(size, data))
        return TResourceDetails::Create<TAnsiResourceDetails>(module, data, size, type, name, language);
    if (TUnicodeResourceDetails::AcceptsData(size, data))
        return TResourceDetails::Create<TUnicodeResourceDetails>(module, data, size, type, name, language);
    return TResourceDetails::Create<TResourceDetails>(module, data, size, type, name, language);
}

} // namespace talmo
