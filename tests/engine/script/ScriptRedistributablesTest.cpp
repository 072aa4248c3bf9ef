#include "engine/script/ProgramOptionsRedistributables.h"
#include "model/InstallComponent.h"
#include "model/ProgramOptions.h"
#include "platform/RegistryMemoryStore.h"

#include "ScriptTestSupport.h"

namespace talmo {
namespace {

TEST(ScriptRedistributablesTest, BuiltinCabsAreFoundByPositionAndMissingOnesRaise)
{
    RegistryMemoryStore store;
    ScopedCurrentRegistryStore currentStore{ store };
    TProgramOptions options;
    const ProgramOptionsRedistributables redistributables(options);

    EXPECT_EQ(redistributables.BuiltinCabFile(ModuleType::NetCF2, 0, 0, 0),
              options.NETCF2Sets.front().Platforms[0].Processors[0].CabFiles[0]);
    EXPECT_TRUE(redistributables.BuiltinCabFile(ModuleType::SqlMobile, 1, 0, 8)
                    .endsWith(QStringLiteral("\\redist\\SQLServer\\Mobile\\v3.0\\wce500\\armv4i\\sqlce30.wce5.armv4i.CAB")));
    EXPECT_THROW(redistributables.BuiltinCabFile(ModuleType::SqlMobile, 1, 0, 9), ScriptGenerationError);
    EXPECT_THROW(redistributables.BuiltinCabFile(ModuleType::NetCF2, 2, 0, 0), ScriptGenerationError);
    EXPECT_THROW(redistributables.BuiltinCabFile(ModuleType::NetCF2, 0, -1, 0), ScriptGenerationError);
}

} // namespace
} // namespace talmo
