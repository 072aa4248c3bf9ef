#include "editors/core/registry/RegistryProbe.h"

#include "editors/core/regimport/RegImportResult.h"

namespace talmo {

namespace {

class EmptyRegistry final : public RegistryProbe
{
public:
    Key openKey(const QString &, const QString &) const override { return { RegImportResult::FileNotFound, {} }; }
};

} // namespace

const RegistryProbe &RegistryProbe::emptyRegistry()
{
    static const EmptyRegistry registry;
    return registry;
}

} // namespace talmo
