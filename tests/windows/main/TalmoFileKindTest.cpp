#include "windows/main/TalmoFileKind.h"

#include <gtest/gtest.h>

using namespace talmo;

TEST(TalmoFileKind, TheExtensionInAnyCaseTellsTheKind)
{
    const struct
    {
        const char *fileName;
        TalmoFileKind kind;
    } cases[] = {
        { "/work/a.talmo", TalmoFileKind::Project },
        { "C:\\Work\\A.TALMO", TalmoFileKind::Project },
        { "list.TalmoPM", TalmoFileKind::ProjectManager },
        { "a.talmo.bak", TalmoFileKind::Other },
        { "talmo", TalmoFileKind::Other },
        { "", TalmoFileKind::Other },
    };
    for (const auto &c : cases)
        EXPECT_EQ(TalmoFileKindOf(QString::fromUtf8(c.fileName)), c.kind) << c.fileName;
}
