// Feeds arbitrary bytes to the PE decoder, edits what it accepts, saves it and
// decodes the result again. An image that had a resource section must come
// back with a readable one; other saved images may still be refused, since the
// layout moves sections that stale directory entries of a damaged file point
// into. Anything but the library's own errors is a finding.

#include "resources/IconCursorResourceDetails.h"
#include "resources/PEResourceModule.h"
#include "resources/ResourceErrors.h"

#include <cstdlib>

using namespace talmo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    TPEResourceModule module;
    try {
        module.LoadFromBytes(Bytes(data, data + size));
    } catch (const EPEException &) {
        return 0;
    }
    try {
        for (int i = 0; i < module.ResourceCount(); ++i) {
            if (auto *group = dynamic_cast<TIconCursorGroupResourceDetails *>(&module.ResourceDetails(i))) {
                for (int n = 0; n < group->ImageCount(); ++n)
                    group->GetImage(n);
            }
        }
        if (module.ResourceCount() > 0)
            module.DeleteResource(0);
    } catch (const EResourceError &) {
        // A group naming a missing image cannot be deleted; the module stays usable.
    }
    module.SortResources();
    uint32_t offset = 0;
    const bool hadResourceSection = module.GetResourceSection(offset) != nullptr;
    Bytes saved;
    try {
        saved = module.SaveToBytes();
    } catch (const EPEException &) {
        return 0;
    }
    TPEResourceModule reloaded;
    try {
        reloaded.LoadFromBytes(saved);
    } catch (const EPEException &) {
        if (hadResourceSection)
            std::abort();
        return 0;
    }
    // Resources of the same type, name and language become one.
    if (hadResourceSection && reloaded.ResourceCount() > module.ResourceCount())
        std::abort();
    return 0;
}
