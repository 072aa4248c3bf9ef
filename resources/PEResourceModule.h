#pragma once

#include "resources/PEModule.h"
#include "resources/ResourceListOwner.h"

namespace talmo {

// A PE image whose resource section is decoded into resources on load and
// encoded anew from them on save.
class TPEResourceModule : public TResourceListOwner<TPEModule>
{
public:
    TPEResourceModule();
    ~TPEResourceModule() override;

    // Stable: resources that compare equal keep their order.
    void SortResources() override;

protected:
    void Decode(const Bytes &image) override;
    // Rebuilds the resource section from the resource list, then the layout.
    void UpdateLayout() override;

private:
    void EncodeResources();
};

} // namespace talmo
