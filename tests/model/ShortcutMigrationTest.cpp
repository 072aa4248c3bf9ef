#include "model/ProjectContainer.h"
#include "model/ShortcutMigration.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace talmo;

namespace {

TShortcutSection &addSection(TProjectContainer &project, const QString &caption, const QString &folder,
                             const QStringList &entryNames)
{
    TShortcutSection &section = project.ShortcutsSections.AddNew();
    section.Caption = caption;
    section.DefaultDestinationDir = folder;
    for (const QString &name : entryNames) {
        TShortcutEntry &entry = section.Entries.AddNew();
        entry.shortcut_filename = name;
        entry.target_file_path = "%InstallDir%\\" + name + ".exe";
    }
    return section;
}

void addDevice(TProjectContainer &project, const QStringList &shortcutSections)
{
    project.CEDevices.AddNew().Installation.defaultInstallShortcuts = shortcutSections;
}

// "wiz-0:A,B | wiz-1:C": each section with its entries' names.
QString layout(const TProjectContainer &project)
{
    QStringList sections;
    for (const TShortcutSection &section : project.ShortcutsSections) {
        QStringList names;
        for (const TShortcutEntry &entry : section.Entries)
            names.append(entry.shortcut_filename);
        sections.append(section.Caption + ":" + names.join(','));
    }
    return sections.join(" | ");
}

} // namespace

TEST(ShortcutMigration, CurrentProjectsStayAsTheyAre)
{
    TProjectContainer project;
    addSection(project, "A", "%CE11%", { "a" });
    addDevice(project, { "A", "A", "nothing" });
    MigrateShortcutSections(project);
    EXPECT_EQ(layout(project), "A:a");
    EXPECT_EQ(project.CEDevices[0].Installation.defaultInstallShortcuts, QStringList({ "A", "A", "nothing" }));
}

TEST(ShortcutMigration, GivesEveryConfigurationASectionOfItsOwn)
{
    TProjectContainer project;
    project.ProjectVersion = 23;
    addSection(project, "A", "%CE11%\\Tools", { "a1", "a2" });
    addSection(project, "Unnamed", "%CE17%", { "u" });
    addSection(project, "B", "%CE11%", { "b" });
    addSection(project, "lower", "%CE11%", { "l" });
    addDevice(project, { "A", "b", "gone" });
    addDevice(project, { "B", "A", "B" });
    project.Modified = false;

    MigrateShortcutSections(project);

    // Matching is exact: "b" names no section, so "lower" and "Unnamed" go to everyone.
    EXPECT_EQ(layout(project), "wiz-0:a1,a2,u,l | wiz-1:a1,a2,u,b,b,l");
    for (int d = 0; d < 2; ++d) {
        EXPECT_EQ(project.ShortcutsSections[d].DefaultDestinationDir, "%CE11%");
        EXPECT_EQ(project.CEDevices[d].Installation.defaultInstallShortcuts, QStringList{ "wiz-" + QString::number(d) });
    }
    EXPECT_EQ(project.ProjectVersion, 24);
    EXPECT_FALSE(project.Modified);
}

TEST(ShortcutMigration, CopiesEntriesWithTheirSectionsFolder)
{
    TProjectContainer project;
    project.ProjectVersion = 0;
    TShortcutSection &section = addSection(project, "A", "%CE11%\\Tools", { "own", "inherited" });
    TShortcutEntry &own = section.Entries[0];
    own.standard_destination_path = "%CE17%";
    own.shortcut_type_flag = 1;
    own.CustomIconFileName = "a.ico";
    own.CustomIconIndex = "3";
    own.CustomIconIndexType = "1";
    own.CustomParameters = "/x";
    addDevice(project, { "A" });

    MigrateShortcutSections(project);

    ASSERT_EQ(project.ShortcutsSections.Count(), 1);
    const TShortcutEntry &copy = project.ShortcutsSections[0].Entries[0];
    EXPECT_EQ(copy.shortcut_filename, "own");
    EXPECT_EQ(copy.shortcut_type_flag, 1);
    EXPECT_EQ(copy.target_file_path, "%InstallDir%\\own.exe");
    EXPECT_EQ(copy.standard_destination_path, "%CE17%");
    EXPECT_EQ(copy.CustomIconFileName, "a.ico");
    EXPECT_EQ(copy.CustomIconIndex, "3");
    EXPECT_EQ(copy.CustomIconIndexType, "1");
    EXPECT_EQ(copy.CustomParameters, "/x");
    EXPECT_EQ(project.ShortcutsSections[0].Entries[1].standard_destination_path, "%CE11%\\Tools");
}

TEST(ShortcutMigration, NewSectionsOnlyReceive)
{
    // An old section already called wiz-0 gives its entries once, like any
    // other; the new wiz-0 is not read while it grows.
    TProjectContainer project;
    project.ProjectVersion = 23;
    addSection(project, "wiz-0", "%CE11%", { "w" });
    addSection(project, "A", "%CE11%", { "a" });
    addDevice(project, { "wiz-0", "A" });
    addDevice(project, { "wiz-0" });
    MigrateShortcutSections(project);
    EXPECT_EQ(layout(project), "wiz-0:w,a | wiz-1:w");
}

TEST(ShortcutMigration, WithoutConfigurationsNoSectionRemains)
{
    TProjectContainer project;
    project.ProjectVersion = 5;
    addSection(project, "A", "%CE11%", { "a" });
    MigrateShortcutSections(project);
    EXPECT_EQ(project.ShortcutsSections.Count(), 0);
    EXPECT_EQ(project.ProjectVersion, 24);
}
