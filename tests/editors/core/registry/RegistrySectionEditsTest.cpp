#include "tests/editors/core/device/CabPageFixture.h"

#include "editors/core/registry/RegistryKeyPath.h"
#include "editors/core/registry/RegistryMenuRules.h"
#include "editors/core/registry/RegistrySectionEdits.h"
#include "editors/core/device/TargetEdits.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

#include <array>

using namespace talmo;

namespace {

TRegistryEntry value(const QString &root, const QString &subkey, const QString &name, const QString &data = {})
{
    TRegistryEntry entry;
    entry.registry_root_string = root;
    entry.subkey = subkey;
    entry.value_name = name;
    entry.flags = QStringLiteral("TYPE_SZ");
    entry.value = data;
    return entry;
}

// Every entry as root\subkey|name.
QStringList paths(const TRegistrySection &section)
{
    QStringList paths;
    for (const TRegistryEntry &entry : section.Entries)
        paths.append(entry.registry_root_string + u'\\' + entry.subkey + u'|' + entry.value_name);
    return paths;
}

RegistryKeyPath key(const QString &text)
{
    return RegistryKeyPath(text.split(u'\\'));
}

class RegistrySectionEditsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QString lm = QStringLiteral("HKEY_LOCAL_MACHINE");
        for (const TRegistryEntry &entry : {value(lm, "A", "a"), value(lm, "A\\B", "b"), value(lm, "A\\B\\D", "d"),
                                            value(lm, "A\\BB", "bb"), value(lm, "", "top"), value(lm, "AB", "ab"),
                                            value("HKEY_CURRENT_USER", "A\\B", "cu")})
            section.Entries.AddNew(entry);
    }

    TRegistrySection section;
    RegistrySectionEdits edits{section};
};

} // namespace

TEST(RegistryKeyPathTest, EntriesAndTheirKeys)
{
    const struct
    {
        const char *root;
        const char *subkey;
        QStringList names;
        const char *text;
    } cases[] = {
        {"HKEY_LOCAL_MACHINE", "Software\\App", {"HKEY_LOCAL_MACHINE", "Software", "App"}, "HKEY_LOCAL_MACHINE\\Software\\App\\"},
        // A value straight under a root belongs to the unnamed key below it.
        {"HKEY_USERS", "", {"HKEY_USERS", ""}, "HKEY_USERS\\\\"},
        {"HKEY_CLASSES_ROOT", ".txt", {"HKEY_CLASSES_ROOT", ".txt"}, "HKEY_CLASSES_ROOT\\.txt\\"},
    };
    for (const auto &c : cases) {
        const RegistryKeyPath path = RegistryKeyPath::of(value(c.root, c.subkey, "v"));
        EXPECT_EQ(path.names(), c.names);
        EXPECT_EQ(path.text(), QString(c.text));
        EXPECT_EQ(path.root(), QString(c.root));
        EXPECT_EQ(path.subkey(), QString(c.subkey));
        EXPECT_TRUE(path.holds(value(c.root, c.subkey, "w")));
    }
    EXPECT_TRUE(key("HKEY_LOCAL_MACHINE").isRoot());
    EXPECT_EQ(key("HKEY_LOCAL_MACHINE\\A\\B").renamed("C").text(), QString("HKEY_LOCAL_MACHINE\\A\\C\\"));
    EXPECT_FALSE(RegistryKeyPath().holds(value("HKEY_LOCAL_MACHINE", "", "")));
}

TEST_F(RegistrySectionEditsTest, RenamingAKeyMovesItAndItsSubkeysButNotItsNamesakes)
{
    EXPECT_EQ(edits.renameKey(key("HKEY_LOCAL_MACHINE\\A\\B"), "C"), 2);
    EXPECT_EQ(paths(section), (QStringList{"HKEY_LOCAL_MACHINE\\A|a", "HKEY_LOCAL_MACHINE\\A\\C|b",
                                           "HKEY_LOCAL_MACHINE\\A\\C\\D|d", "HKEY_LOCAL_MACHINE\\A\\BB|bb",
                                           "HKEY_LOCAL_MACHINE\\|top", "HKEY_LOCAL_MACHINE\\AB|ab",
                                           "HKEY_CURRENT_USER\\A\\B|cu"}));

    // The unnamed key takes a name; its values move below it.
    EXPECT_EQ(edits.renameKey(key("HKEY_LOCAL_MACHINE\\"), "Top"), 1);
    EXPECT_EQ(section.Entries[4].subkey, QString("Top"));
}

TEST_F(RegistrySectionEditsTest, DeletingAKeyDeletesEverythingBelowIt)
{
    EXPECT_EQ(edits.deleteKey(key("HKEY_LOCAL_MACHINE\\A")), 4);
    EXPECT_EQ(paths(section), (QStringList{"HKEY_LOCAL_MACHINE\\|top", "HKEY_LOCAL_MACHINE\\AB|ab",
                                           "HKEY_CURRENT_USER\\A\\B|cu"}));
    EXPECT_EQ(edits.deleteKey(key("HKEY_LOCAL_MACHINE\\Missing")), 0);
}

TEST_F(RegistrySectionEditsTest, TheDefaultRowIsThePlaceholderUntilAKeyHasADefaultValue)
{
    const QList<RegistryValueRow> placeholder{{"(default)", "TYPE_SZ", "(no data)", -1}};
    const QList<RegistryValueRow> withD = placeholder + QList<RegistryValueRow>{{"d", "TYPE_SZ", "", 2}};
    EXPECT_EQ(edits.rowsOf(key("HKEY_LOCAL_MACHINE\\A\\B\\D")), withD);
    EXPECT_EQ(edits.rowsOf(key("HKEY_LOCAL_MACHINE\\Nothing")), placeholder);

    TRegistryEntry defaultValue = RegistrySectionEdits::newDefaultValue(key("HKEY_LOCAL_MACHINE\\A"));
    EXPECT_EQ(defaultValue.flags, QString("TYPE_SZ"));
    defaultValue.flags = "TYPE_DWORD";
    defaultValue.value = "7";
    section.Entries.AddNew(defaultValue);
    EXPECT_EQ(edits.rowsOf(key("HKEY_LOCAL_MACHINE\\A")),
              (QList<RegistryValueRow>{{"(default)", "TYPE_DWORD", "7", 7}, {"a", "TYPE_SZ", "", 0}}));
}

TEST_F(RegistrySectionEditsTest, NewValuesRenamesAndDeletions)
{
    const int added = edits.addValue(key("HKEY_LOCAL_MACHINE\\A"), "TYPE_BINARY");
    ASSERT_EQ(added, 7);
    EXPECT_EQ(paths(section).last(), QString("HKEY_LOCAL_MACHINE\\A|new data"));
    EXPECT_EQ(section.Entries[added].flags, QString("TYPE_BINARY"));
    EXPECT_EQ(section.Entries[added].value, QString(""));
    EXPECT_FALSE(section.Entries[added].overwrite);

    // Refused: empty (a second default value) and a name the key already has.
    EXPECT_FALSE(edits.renameValue(added, ""));
    EXPECT_FALSE(edits.renameValue(added, "a"));
    EXPECT_EQ(section.Entries[added].value_name, QString("new data"));
    // The same name in another key is fine.
    EXPECT_TRUE(edits.renameValue(added, "b"));
    EXPECT_EQ(section.Entries[added].value_name, QString("b"));

    edits.deleteValues({-1, 1, 6, 1});
    EXPECT_EQ(section.Entries.Count(), 6);
    EXPECT_EQ(paths(section), (QStringList{"HKEY_LOCAL_MACHINE\\A|a", "HKEY_LOCAL_MACHINE\\A\\B\\D|d",
                                           "HKEY_LOCAL_MACHINE\\A\\BB|bb", "HKEY_LOCAL_MACHINE\\|top",
                                           "HKEY_LOCAL_MACHINE\\AB|ab", "HKEY_LOCAL_MACHINE\\A|b"}));
}

TEST(RegistrySectionEditsRulesTest, KeyNamesAndSectionCaptions)
{
    const QStringList siblings{"B", "New Key"};
    const struct
    {
        const char *name;
        bool accepted;
    } cases[] = {{"C", true}, {"b", true}, {"", false}, {"B", false}, {"C\\D", false}, {"New Key", false}};
    for (const auto &c : cases)
        EXPECT_EQ(RegistrySectionEdits::acceptsKeyName(c.name, siblings), c.accepted) << c.name;

    EXPECT_EQ(RegistrySectionEdits::captionFor(""), QString("aRegistrySection"));
    EXPECT_EQ(RegistrySectionEdits::captionFor("Reg"), QString("Reg"));
    EXPECT_EQ(RegistrySectionEdits::captionFor("  My Reg "), QString("My Reg"));
    EXPECT_EQ(RegistrySectionEdits::captionFor("   "), QString("aRegistrySection"));
}

TEST(RegistrySectionEditsRulesTest, AnAssociationWritesFourClassesRootEntriesWithOrWithoutTheDot)
{
    for (const char *extension : {"txt", ".txt"}) {
        SCOPED_TRACE(extension);
        TRegistrySection section;
        RegistrySectionEdits(section).addFileAssociation(extension, "Text Document", "%InstallDir%\\view.exe");
        QStringList entries;
        for (const TRegistryEntry &entry : section.Entries) {
            entries.append(QStringList{entry.registry_root_string, entry.subkey, entry.value_name, entry.flags,
                                       entry.value, entry.overwrite ? "1" : "0"}
                               .join(u'|'));
        }
        EXPECT_EQ(entries, (QStringList{
                               "HKEY_CLASSES_ROOT|.txt||TYPE_SZ|txtfile|0",
                               "HKEY_CLASSES_ROOT|txtfile||TYPE_SZ|Text Document|0",
                               "HKEY_CLASSES_ROOT|txtfile\\DefaultIcon||TYPE_SZ|%InstallDir%\\view.exe,0|0",
                               "HKEY_CLASSES_ROOT|txtfile\\Shell\\Open\\Command||TYPE_SZ|"
                               "\"%InstallDir%\\view.exe\" \"%1\"|0",
                           }));
    }
}

TEST(RegistryMenuRulesTest, TreePopupPerNode)
{
    // expand, collapse caption, create, key, data, delete, rename
    const struct
    {
        RegistryNodeKind node;
        bool expanded;
        std::array<bool, 7> items;
    } cases[] = {
        {RegistryNodeKind::None, false, {false, false, false, false, false, false, false}},
        {RegistryNodeKind::Top, true, {true, true, false, false, false, false, false}},
        {RegistryNodeKind::Root, false, {true, false, true, true, false, false, false}},
        {RegistryNodeKind::Key, true, {true, true, true, true, true, true, true}},
    };
    for (const auto &c : cases) {
        const auto rules = RegistryTreeMenuRules::forNode(c.node, c.expanded);
        EXPECT_EQ((std::array<bool, 7>{rules.expand, rules.collapseCaption, rules.create, rules.key, rules.data,
                                       rules.remove, rules.rename}),
                  c.items)
            << int(c.node);
    }
}

TEST(RegistryMenuRulesTest, ListPopupPerSelection)
{
    // edit, delete, rename, create, key, data
    const struct
    {
        int rows;
        bool defaultRow;
        RegistryNodeKind node;
        std::array<bool, 6> items;
    } cases[] = {
        {0, false, RegistryNodeKind::Key, {false, false, false, true, true, true}},
        {1, true, RegistryNodeKind::Key, {true, true, false, true, true, true}},
        {1, false, RegistryNodeKind::Key, {true, true, true, true, true, true}},
        {3, false, RegistryNodeKind::Key, {false, true, false, true, true, true}},
        {0, false, RegistryNodeKind::Root, {false, false, false, true, true, false}},
        {0, false, RegistryNodeKind::Top, {false, false, false, false, true, true}},
    };
    for (const auto &c : cases) {
        const auto rules = RegistryListMenuRules::forSelection(c.rows, c.defaultRow, c.node);
        EXPECT_EQ((std::array<bool, 6>{rules.edit, rules.remove, rules.rename, rules.create, rules.key, rules.data}),
                  c.items)
            << c.rows << " rows, node " << int(c.node);
    }
}

TEST(TargetEditsTest, ARenamedRegistrySectionKeepsItsPlaceInEveryTargetThatInstallsIt)
{
    const auto project = talmo::test::cabPageProject();
    project->CEDevices[0].Installation.defaultInstallRegistry = {"Reg A", "Reg B"};
    project->CEDevices[2].Installation.defaultInstallRegistry = {"Reg C"};
    TargetEdits edits(*project);
    const QList<int> places = edits.RegistrySectionPlaces("Reg B");
    EXPECT_EQ(places, (QList<int>{1, 0, -1}));
    edits.RenameRegistrySection(places, "Reg B", "Settings");
    EXPECT_EQ(project->CEDevices[0].Installation.defaultInstallRegistry, (QStringList{"Reg A", "Settings"}));
    EXPECT_EQ(project->CEDevices[1].Installation.defaultInstallRegistry, QStringList{"Settings"});
    EXPECT_EQ(project->CEDevices[2].Installation.defaultInstallRegistry, QStringList{"Reg C"});
    EXPECT_TRUE(project->Modified);

    // Typed through another section's name, only this section's place follows.
    project->CEDevices[2].Installation.defaultInstallRegistry = {"Reg A", "Reg C"};
    const QList<int> typed = edits.RegistrySectionPlaces("Reg C");
    edits.RenameRegistrySection(typed, "Reg C", "Reg A");
    edits.RenameRegistrySection(typed, "Reg A", "Reg AX");
    EXPECT_EQ(project->CEDevices[2].Installation.defaultInstallRegistry, (QStringList{"Reg A", "Reg AX"}));
    EXPECT_EQ(project->CEDevices[0].Installation.defaultInstallRegistry, (QStringList{"Reg A", "Settings"}));

    // Places that no longer hold the old name are left alone.
    project->Modified = false;
    edits.RenameRegistrySection(edits.RegistrySectionPlaces("Nobody"), "Nobody", "X");
    edits.RenameRegistrySection({5, -1, 0}, "Settings", "Y");
    EXPECT_FALSE(project->Modified);
}
