// Feeds arbitrary bytes to the icon and cursor readers. An accepted file must
// save and read back to the same images, and must make an icon group.

#include "resources/ExIconCursor.h"
#include "resources/IconCursorResourceDetails.h"
#include "resources/PEResourceModule.h"
#include "resources/ResourceErrors.h"

#include <cstdlib>

using namespace talmo;

namespace {

template <class Picture, class Group>
void Exercise(const Bytes &bytes)
{
    Picture picture;
    try {
        picture.LoadFromBytes(bytes);
    } catch (const EInvalidGraphic &) {
        return;
    }
    try {
        Picture copy;
        copy.LoadFromBytes(picture.SaveToBytes());
        if (copy.ImageCount() != picture.ImageCount())
            std::abort();
        for (int i = 0; i < copy.ImageCount(); ++i) {
            if (copy.Images(i).Data != picture.Images(i).Data)
                std::abort();
        }
    } catch (const EInvalidGraphic &) {
        // 16-bit images without colour masks cannot be written to a file.
    }
    TPEResourceModule module;
    auto &group = TResourceDetails::CreateNew<Group>(module, "1", 0);
    group.LoadFromIcon(picture);
    if (group.ImageCount() != picture.ImageCount() || module.ResourceCount() != picture.ImageCount() + 1)
        std::abort();
    module.DeleteResource(0);
    if (module.ResourceCount() != 0)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const Bytes bytes(data, data + size);
    Exercise<TExIcon, TIconGroupResourceDetails>(bytes);
    Exercise<TExCursor, TCursorGroupResourceDetails>(bytes);
    return 0;
}
