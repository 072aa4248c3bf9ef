#include "engine/scriptcode/DirectCopyCode.h"
#include "model/ProjectContainer.h"

#include "tests/engine/script/ScriptTestSupport.h"

namespace talmo {
namespace {

using namespace scripttest;

// Which direct-copy modules the storage-card page copies without asking:
// every module the component page does not offer, including one that sits
// below a hidden container and so is never listed there.
TEST(DirectCopyHiddenModules, ModulesTheComponentPageDoesNotOfferAreCopiedWithoutAChoice)
{
    struct Case
    {
        const char *what;
        bool componentPage;
        bool containerHidden;
        bool firstModuleHidden;
        QList<int> hidden;
    };
    const Case cases[] = {
        { "both offered", true, false, false, {} },
        { "the module itself is hidden", true, false, true, { 0 } },
        { "the container above the module is hidden", true, true, false, { 0 } },
        { "no component page", false, false, false, { 0, 1 } },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        TProjectContainer project;
        project.Win32Only = true;
        project.InstallComponents.Clear();
        project.ShowComponentsDialog = c.componentPage;
        for (int i = 0; i < 2; ++i)
            project.DirectCopyModules.AddNew().Files.AddNew().Source = QStringLiteral("m%1.zip").arg(i);
        project.DirectCopyModules[0].HiddenInstall = c.firstModuleHidden;
        AddComponent(project, ModuleType::Container, -1).HiddenInstall = c.containerHidden;
        AddComponent(project, ModuleType::DirectCopy, 0, 0);
        AddComponent(project, ModuleType::DirectCopy, 1);

        EXPECT_EQ(DirectCopyCode::HiddenModules(project), c.hidden);
    }
}

} // namespace
} // namespace talmo
