#include "model/AssociationDataMigration.h"
#include "model/ProjectContainer.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace talmo;

namespace {

TRegistryEntry entry(const QString &root, const QString &subkey, const QString &name, const QString &flags,
                     const QString &value)
{
    return TRegistryEntry{root, subkey, name, flags, value, false};
}

const QString classesRoot = QStringLiteral("HKEY_CLASSES_ROOT");
const QString oldIcon = QStringLiteral("\"%InstallDir%\\view.exe,0\"");
const QString oldCommand = QStringLiteral("\"\"\"\"%InstallDir%\\view.exe\"\"\"\" \"\"\"\"%%1\"\"\"\"");

struct MigrationCase
{
    const char *what;
    TRegistryEntry stored;
    QString migrated;
};

} // namespace

TEST(AssociationDataMigration, RewritesOnlyTheOldAssociationForms)
{
    const MigrationCase cases[] = {
        {"old icon", entry(classesRoot, "txtfile\\DefaultIcon", "", "TYPE_SZ", oldIcon), "%InstallDir%\\view.exe,0"},
        {"old command", entry(classesRoot, "txtfile\\Shell\\Open\\Command", "", "TYPE_SZ", oldCommand),
         "\"%InstallDir%\\view.exe\" \"%1\""},
        {"old percent pair in the target",
         entry(classesRoot, "a\\DefaultIcon", "", "TYPE_SZ", "\"%CE1%\\100%% sure.exe,0\""), "%CE1%\\100% sure.exe,0"},
        {"new icon", entry(classesRoot, "txtfile\\DefaultIcon", "", "TYPE_SZ", "%InstallDir%\\view.exe,0"),
         "%InstallDir%\\view.exe,0"},
        {"new command", entry(classesRoot, "txtfile\\Shell\\Open\\Command", "", "TYPE_SZ", "\"\\v.exe\" \"%1\""),
         "\"\\v.exe\" \"%1\""},
        {"other root", entry("HKEY_LOCAL_MACHINE", "txtfile\\DefaultIcon", "", "TYPE_SZ", oldIcon), oldIcon},
        {"named value", entry(classesRoot, "txtfile\\DefaultIcon", "Icon", "TYPE_SZ", oldIcon), oldIcon},
        {"other type", entry(classesRoot, "txtfile\\DefaultIcon", "", "TYPE_MULTI_SZ", oldIcon), oldIcon},
        {"other key", entry(classesRoot, "txtfile\\Icon", "", "TYPE_SZ", oldIcon), oldIcon},
        {"deeper key", entry(classesRoot, "a\\txtfile\\DefaultIcon", "", "TYPE_SZ", oldIcon), oldIcon},
        {"command under the icon key", entry(classesRoot, "txtfile\\DefaultIcon", "", "TYPE_SZ", oldCommand),
         oldCommand},
        {"other icon index", entry(classesRoot, "txtfile\\DefaultIcon", "", "TYPE_SZ", "\"\\v.exe,1\""),
         "\"\\v.exe,1\""},
        {"quote in the target", entry(classesRoot, "t\\DefaultIcon", "", "TYPE_SZ", "\"a\"\"b,0\""), "\"a\"\"b,0\""},
        {"command with other arguments",
         entry(classesRoot, "t\\Shell\\Open\\Command", "", "TYPE_SZ", "\"\"\"\"\\v.exe\"\"\"\" \"\"\"\"%%2\"\"\"\""),
         "\"\"\"\"\\v.exe\"\"\"\" \"\"\"\"%%2\"\"\"\""},
    };
    TProjectContainer project;
    TRegistrySection &section = project.RegistrySections.AddNew();
    for (const MigrationCase &c : cases)
        section.Entries.AddNew(c.stored);
    MigrateAssociationData(project);
    for (int i = 0; i < int(std::size(cases)); ++i) {
        EXPECT_EQ(section.Entries[i].value, cases[i].migrated) << cases[i].what;
        EXPECT_EQ(section.Entries[i].subkey, cases[i].stored.subkey) << cases[i].what;
    }
    EXPECT_FALSE(project.Modified);
}
