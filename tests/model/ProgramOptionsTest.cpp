#include "model/ProgramOptions.h"

#include "platform/ProgramFolder.h"
#include "platform/RegistryMemoryStore.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace talmo;

namespace {

// Every test runs on an empty in-memory registry and a known program folder.
class ProgramOptionsTest : public ::testing::Test
{
protected:
    ProgramOptionsTest() { ProgramFolder::setOverride("/opt/talmo"); }
    ~ProgramOptionsTest() override { ProgramFolder::clearOverride(); }

    qint32 integer(const QString &name) const
    {
        return std::get<qint32>(*store.value(TalmoRegistryKey, name));
    }

    RegistryMemoryStore store;
    ScopedCurrentRegistryStore currentStore{ store };
};

// "WCE400[armv4:3] WCE500[armv4i:9 mipsii:3 ...]"
QString shape(const TMSQL_CustomSet &set)
{
    QStringList platforms;
    for (const TMSQL_Platforms &platform : set.Platforms) {
        QStringList processors;
        for (const TMSQL_Processors &processor : platform.Processors)
            processors.append(processor.Caption + ":" + QString::number(processor.CabFiles.size()));
        platforms.append(platform.Caption + "[" + processors.join(' ') + "]");
    }
    return set.Caption + " " + platforms.join(' ');
}

TMSQL_CustomSet userSet(const QString &caption, int platformCount)
{
    TMSQL_CustomSet set{ caption, {} };
    for (int p = 0; p < platformCount; ++p) {
        TMSQL_Platforms &platform = set.Platforms.emplace_back();
        platform.Caption = caption + "-platform" + QString::number(p);
        for (int q = 0; q <= p; ++q)
            platform.Processors.push_back({ "cpu" + QString::number(q), { "\\\\server\\" + caption + ".cab", "d:\\x.CAB" } });
    }
    return set;
}

} // namespace

TEST_F(ProgramOptionsTest, WithoutUserSetsHoldsTheBuiltinSets)
{
    TProgramOptions options;
    ASSERT_EQ(options.MSQLSets.size(), 1u);
    ASSERT_EQ(options.NETCF2Sets.size(), 1u);
    EXPECT_EQ(shape(options.MSQLSets[0]),
              "Builtin Distribution WCE400[armv4:3] WCE500[armv4i:9 mipsii:3 mipsii_fp:3 mipsiv:3 mipsiv_fp:3 sh4:3 x86:3]");
    EXPECT_EQ(shape(options.NETCF2Sets[0]),
              "Builtin Distribution WCE400[armv4:1] WCE500[armv4i:2 mipsii:1 mipsiv:1 sh4:1 x86:1]");

    const TMSQL_CustomSet &sql = options.MSQLSets[0];
    EXPECT_EQ(sql.Platforms.front().Processors.front().CabFiles.front(),
              "/opt/talmo\\redist\\SQLServer\\Mobile\\v3.0\\wce400\\armv4\\sqlce30.dev.ENU.ppc.wce4.armv4.CAB");
    EXPECT_EQ(sql.Platforms[1].Processors[0].CabFiles[8],
              "/opt/talmo\\redist\\SQLServer\\Mobile\\v3.0\\wce500\\armv4i\\sqlce30.wce5.armv4i.CAB");
    EXPECT_EQ(sql.Platforms.back().Processors.back().CabFiles.back(),
              "/opt/talmo\\redist\\SQLServer\\Mobile\\v3.0\\wce500\\x86\\sqlce30.wce5.x86.CAB");
    EXPECT_EQ(sql.Platforms[1].Processors[2].CabFiles[0],
              "/opt/talmo\\redist\\SQLServer\\Mobile\\v3.0\\wce500\\mipsii_fp\\sqlce30.dev.ENU.wce5.mipsii_fp.CAB");

    const TNETCF2_CustomSet &net = options.NETCF2Sets[0];
    EXPECT_EQ(net.Platforms.front().Processors.front().CabFiles.front(),
              "/opt/talmo\\redist\\CompactFramework\\CF2\\wce400\\armv4\\NETCFv2.ppc.armv4.cab");
    EXPECT_EQ(net.Platforms[1].Processors[0].CabFiles[1],
              "/opt/talmo\\redist\\CompactFramework\\CF2\\wce500\\armv4i\\NETCFv2.wm.armv4i.cab");
    EXPECT_EQ(net.Platforms.back().Processors.back().CabFiles.back(),
              "/opt/talmo\\redist\\CompactFramework\\CF2\\wce500\\x86\\NETCFv2.wce5.x86.cab");
}

TEST_F(ProgramOptionsTest, UserSetsSurviveSaveAndLoad)
{
    TProgramOptions options;
    options.MSQLSets.push_back(userSet("Mine", 2));
    options.MSQLSets.push_back(userSet("", 0));
    options.NETCF2Sets.push_back(userSet(QString::fromUtf8("Gr\u00fc\u00dfe"), 1));
    ASSERT_TRUE(options.Save().ok());

    EXPECT_EQ(integer("MSQL_CustomSets_Count"), 2);
    EXPECT_EQ(integer("MSQL_CustomSets_0_Platform_1_Processors_Count"), 2);
    EXPECT_EQ(store.value(TalmoRegistryKey, "MSQL_CustomSets_0_Platform_1_Processor_0_CabFiles_1_Caption"),
              RegistryValue(QString("d:\\x.CAB")));
    EXPECT_EQ(integer("NETCF2_CustomSets_Count"), 1);

    ProgramFolder::setOverride("/usr/lib/talmo");
    TProgramOptions loaded;
    ASSERT_EQ(loaded.MSQLSets.size(), 3u);
    ASSERT_EQ(loaded.NETCF2Sets.size(), 2u);
    EXPECT_EQ(shape(loaded.MSQLSets[1]), shape(options.MSQLSets[1]));
    EXPECT_EQ(loaded.MSQLSets[1].Platforms[1].Processors[1].CabFiles, options.MSQLSets[1].Platforms[1].Processors[1].CabFiles);
    EXPECT_EQ(loaded.MSQLSets[2].Caption, "");
    EXPECT_EQ(shape(loaded.NETCF2Sets[1]), shape(options.NETCF2Sets[1]));
    EXPECT_TRUE(loaded.MSQLSets[0].Platforms[0].Processors[0].CabFiles[0].startsWith("/usr/lib/talmo\\redist\\"));
}

TEST_F(ProgramOptionsTest, ReadsOnlyUpToEachCountAndDefaultsWhatIsMissing)
{
    {
        TProgramOptions options;
        options.MSQLSets.push_back(userSet("First", 1));
        options.MSQLSets.push_back(userSet("Second", 1));
        ASSERT_TRUE(options.Save().ok());
        options.MSQLSets.pop_back();
        ASSERT_TRUE(options.Save().ok());
    }
    EXPECT_TRUE(store.value(TalmoRegistryKey, "MSQL_CustomSets_1_Caption").has_value());
    ASSERT_TRUE(store.setValue(TalmoRegistryKey, "NETCF2_CustomSets_Count", qint32(1)).ok());
    ASSERT_TRUE(store.setValue(TalmoRegistryKey, "NETCF2_CustomSets_0_Platforms_Count", qint32(1)).ok());
    ASSERT_TRUE(store.setValue(TalmoRegistryKey, "NETCF2_CustomSets_0_Platform_0_Processors_Count", qint32(1)).ok());
    ASSERT_TRUE(store.setValue(TalmoRegistryKey, "NETCF2_CustomSets_0_Platform_0_Processor_0_CabFiles_Count", qint32(1)).ok());

    TProgramOptions loaded;
    ASSERT_EQ(loaded.MSQLSets.size(), 2u);
    EXPECT_EQ(loaded.MSQLSets[1].Caption, "First");
    ASSERT_EQ(loaded.NETCF2Sets.size(), 2u);
    EXPECT_EQ(shape(loaded.NETCF2Sets[1]), "aCustomSet aPlatform[aProcessor:1]");
    EXPECT_EQ(loaded.NETCF2Sets[1].Platforms[0].Processors[0].CabFiles[0], "aCabFile");
}

TEST_F(ProgramOptionsTest, CountsBeyondWhatTheKeyHoldsReadOnlyWhatIsThere)
{
    ASSERT_TRUE(store.createKey(TalmoRegistryKey).ok());
    ASSERT_TRUE(store.setValue(TalmoRegistryKey, "MSQL_CustomSets_Count", qint32(2147483647)).ok());
    ASSERT_TRUE(store.setValue(TalmoRegistryKey, "MSQL_CustomSets_0_Caption", "Kept").ok());
    ASSERT_TRUE(store.setValue(TalmoRegistryKey, "MSQL_CustomSets_0_Platforms_Count", qint32(1000)).ok());
    ASSERT_TRUE(store.setValue(TalmoRegistryKey, "NETCF2_CustomSets_Count", qint32(1000)).ok());

    TProgramOptions loaded;
    std::size_t items = 0;
    for (const auto *sets : {&loaded.MSQLSets, &loaded.NETCF2Sets}) {
        for (std::size_t s = 1; s < sets->size(); ++s) {
            ++items;
            for (const TMSQL_Platforms &platform : (*sets)[s].Platforms) {
                items += 1 + platform.Processors.size();
                for (const TMSQL_Processors &processor : platform.Processors)
                    items += std::size_t(processor.CabFiles.size());
            }
        }
    }
    EXPECT_LE(items, 4u);
    ASSERT_GE(loaded.MSQLSets.size(), 2u);
    EXPECT_EQ(loaded.MSQLSets[1].Caption, "Kept");
}

TEST_F(ProgramOptionsTest, AFailingRegistryGivesTheMessageToShow)
{
    TProgramOptions options;
    options.MSQLSets.push_back(userSet("Mine", 1));
    store.failWritesWith("access denied");
    const RegistryStatus status = options.Save();
    EXPECT_FALSE(status.ok());
    EXPECT_EQ(status.message(),
              "Error while accessing Registry.\rPlease close program, and check the security settings for key\r"
              "HKEY_CURRENT_USER\\Software\\Talmo");
}

TEST_F(ProgramOptionsTest, TheProgramWideOptionsAreSetExplicitly)
{
    EXPECT_EQ(TProgramOptions::current(), nullptr);
    TProgramOptions options;
    {
        ScopedCurrentProgramOptions current(options);
        EXPECT_EQ(TProgramOptions::current(), &options);
    }
    EXPECT_EQ(TProgramOptions::current(), nullptr);
}
