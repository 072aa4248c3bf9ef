#pragma once

#include "resources/ResourceListOwner.h"
#include "resources/ResourceModule.h"

#include <optional>

namespace talmo {

class TResourceUpdateApi;

// The resource module that leaves reading and writing the file to the
// resource-update functions; it has no stream support and no backup file.
class TNTModule : public TResourceListOwner<TResourceModule>
{
public:
    // api null stands for a system without update functions.
    explicit TNTModule(const TResourceUpdateApi *api);
    TNTModule();

    void LoadFromFile(const std::filesystem::path &fileName) override;
    // Only the resources of one type; a group type (14, 12) brings its image
    // type (3, 1) first.
    void LoadResources(const std::filesystem::path &fileName, const std::optional<std::string> &type);
    // Replaces the file's resources by the list, in place. Throws when an
    // update or the final write fails; the file then keeps its old resources
    // and the modified flags stay set.
    void SaveToFile(const std::filesystem::path &fileName) override;

private:
    const TResourceUpdateApi *m_api;
};

} // namespace talmo
