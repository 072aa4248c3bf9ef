#include "TestFiles.h"

#include "resources/IconCursorResourceDetails.h"
#include "resources/PEResourceModule.h"

#include <gtest/gtest.h>

namespace talmo {
namespace {

TEST(TemplateDll, IsAResourceOnlyWindowsCeDllWithGroupsUpTo107)
{
    TPEResourceModule module;
    module.LoadFromFile(test::TemplateDll());
    EXPECT_EQ(module.Machine(), 0x01C0);
    EXPECT_EQ(module.Subsystem(), 9);
    EXPECT_TRUE(module.Characteristics() & 0x2000);
    ASSERT_EQ(module.ImageSectionCount(), 1);
    EXPECT_EQ(module.ImageSection(0).Name(), ".rsrc");
    EXPECT_EQ(module.NextResourceId("14"), "108");
    for (int i = 0; i < module.ResourceCount(); ++i) {
        auto *group = dynamic_cast<TIconGroupResourceDetails *>(&module.ResourceDetails(i));
        if (!group)
            continue;
        ASSERT_GT(group->ImageCount(), 0);
        for (int n = 0; n < group->ImageCount(); ++n)
            EXPECT_NE(group->GetImage(n), nullptr) << group->ResourceName();
    }
}

TEST(TemplateDll, IndependentToolsReadIt)
{
    const std::string dll = test::TemplateDll().string();
    const auto pefile = test::RunCommand("/usr/bin/python3 -c 'import pefile, sys\npe = pefile.PE(sys.argv[1])\n"
                                         "print(pe.verify_checksum(), pe.is_dll(), hex(pe.FILE_HEADER.Machine))' '"
                                         + dll + "' 2>&1");
    EXPECT_EQ(pefile.Output, "True True 0x1c0\n");
    const auto icons = test::RunCommand("wrestool -x -t14 -n107 '" + dll + "' | icotool -l - 2>&1");
    EXPECT_EQ(icons.ExitCode, 0);
    EXPECT_EQ(icons.Output, "--icon --index=1 --width=16 --height=16 --bit-depth=4 --palette-size=16\n"
                            "--icon --index=2 --width=32 --height=32 --bit-depth=4 --palette-size=16\n");
}

} // namespace
} // namespace talmo
