#include "editors/core/device/CabGeneralOptions.h"
#include "model/ProjectContainer.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace talmo;

namespace {

TEST(CabGeneralOptionsTest, EachOptionStoresItsFieldAndTheNamesFollowTheModule)
{
    const struct
    {
        CabGeneralOption option;
        QString TProjectContainer::*field;
        bool namesModule;
    } cases[] = {
        { CabGeneralOption::ModuleName, &TProjectContainer::SetupCaption, true },
        { CabGeneralOption::AppName, &TProjectContainer::AppName, true },
        { CabGeneralOption::Description, &TProjectContainer::Description, false },
        { CabGeneralOption::CabOutputFilename, &TProjectContainer::CABOutputFilename, false },
        { CabGeneralOption::InstallDir, &TProjectContainer::InstallDir, false },
    };
    for (const auto &c : cases) {
        TProjectContainer project;
        project.Modified = false;
        EXPECT_EQ(StoreCabGeneralOption(project, c.option, QStringLiteral("typed")), c.namesModule);
        EXPECT_EQ(project.*c.field, QStringLiteral("typed"));
        EXPECT_EQ(CabGeneralOptionText(project, c.option), QStringLiteral("typed"));
        EXPECT_TRUE(project.Modified);
        int changed = 0;
        for (const auto &other : cases)
            changed += (project.*other.field == QStringLiteral("typed")) ? 1 : 0;
        EXPECT_EQ(changed, 1) << "one field per option";
    }
}

TEST(CabGeneralOptionsTest, AnUnnamedModuleTakesTheApplicationsName)
{
    TProjectContainer project;
    project.AppName = QStringLiteral("My App");
    project.SetupCaption.clear();
    EXPECT_EQ(UnnamedCabModuleName(project), std::optional<QString>(QStringLiteral("My App")));
    project.SetupCaption = QStringLiteral("Own");
    EXPECT_EQ(UnnamedCabModuleName(project), std::nullopt);
}

} // namespace
