// Writes the resource-DLL template talmo_res.dll: a resource-only Windows CE
// DLL with Talmo's own icons in the groups 100 to 107.

#include "IconArt.h"
#include "ResourceDllImage.h"

#include "resources/IconCursorResourceDetails.h"
#include "resources/PEResourceModule.h"

#include <fstream>
#include <iostream>

using namespace talmo;

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::cerr << "Usage: talmo_resdll <output dll>\n";
        return 2;
    }
    try {
        TPEResourceModule module;
        module.LoadFromBytes(ResourceDllImage::Empty());
        for (const IconArt::Icon &icon : IconArt::TemplateIcons()) {
            auto &group = TResourceDetails::CreateNew<TIconGroupResourceDetails>(module, std::to_string(icon.GroupId), 0);
            group.LoadFromIcon(icon.Picture);
        }
        module.SortResources();
        const Bytes image = module.SaveToBytes();
        std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char *>(image.data()), std::streamsize(image.size()));
        out.close();
        if (!out) {
            std::cerr << "talmo_resdll: cannot write " << argv[1] << "\n";
            return 1;
        }
    } catch (const std::exception &error) {
        std::cerr << "talmo_resdll: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
