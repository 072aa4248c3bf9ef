#include "editors/core/regimport/RegImport.h"
#include "editors/core/desktop/Win32RegistryKeys.h"
#include "model/Win32Plugin.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace talmo;

namespace {

void describe(const RegistryKeyNode &node, int depth, QStringList &lines)
{
    lines.append(QString(depth * 2, QLatin1Char(' ')) + '[' + node.text + ']');
    for (const auto &child : node.children)
        describe(*child, depth + 1, lines);
}

QStringList describe(const RegistryKeyTree &tree)
{
    QStringList lines;
    describe(tree.root(), 0, lines);
    return lines;
}

TWin32RegistryEntry &addValue(TWin32Plugin &plugin, const QString &root, const QString &subKey, const QString &name)
{
    TWin32RegistryEntry &entry = plugin.RegistryEntries.AddNew();
    entry.Root = root;
    entry.SubKey = subKey;
    entry.ValueName = name;
    return entry;
}

// Every entry as root|subkey|name|type|data.
QStringList entries(const TWin32Plugin &plugin)
{
    QStringList lines;
    for (int i = 0; i < plugin.RegistryEntries.Count(); ++i) {
        const TWin32RegistryEntry &e = plugin.RegistryEntries[i];
        lines.append(QStringList{e.Root, e.SubKey, e.ValueName, e.ValueType, e.ValueData}.join('|'));
    }
    return lines;
}

} // namespace

TEST(Win32RegistryKeysTest, TreeHoldsEveryKeyAndForeignHivesUnderTheRoot)
{
    TWin32Plugin plugin;
    addValue(plugin, "HKEY_CURRENT_USER", "Software\\Demo\\Sub", "a");
    addValue(plugin, "HKEY_CURRENT_USER", "software\\demo", "b");
    addValue(plugin, "HKEY_DYN_DATA", "Perf", "c");
    addValue(plugin, "HKEY_USERS", "", "d");
    const RegistryKeyTree tree = RegistryKeyTree::Build(plugin);
    const QStringList expected = {
        "[Registry]",
        "  [HKEY_CLASSES_ROOT]",
        "  [HKEY_CURRENT_CONFIG]",
        "  [HKEY_CURRENT_USER]",
        "    [Software]",
        "      [Demo]",
        "        [Sub]",
        "    [software]",
        "      [demo]",
        "  [HKEY_DYN_DATA]",
        "    [Perf]",
        "  [HKEY_LOCAL_MACHINE]",
        "  [HKEY_USERS]",
        "    []",
    };
    EXPECT_EQ(describe(tree), expected);
    const RegistryKeyNode *perf = tree.FindKeyPath("HKEY_DYN_DATA\\Perf\\");
    ASSERT_NE(perf, nullptr);
    EXPECT_TRUE(RegistryKeyTree::IsKey(*perf));
    EXPECT_TRUE(RegistryKeyTree::IsHive(*perf->parent));
    EXPECT_EQ(RegistryKeyTree::NodeKey(*perf), std::make_pair(QString("HKEY_DYN_DATA"), QString("Perf")));
    const RegistryKeyNode *empty = tree.FindKeyPath("HKEY_USERS\\\\");
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(Win32RegistryEdits(plugin).ValuesOfKey(RegistryKeyTree::KeyPath(*empty)).named, QList<int>({3}));
    EXPECT_EQ(RegistryKeyTree::NodeKey(tree.root()), std::make_pair(QString(), QString()));
    EXPECT_EQ(RegistryKeyTree::KeyPath(*tree.FindKeyPath("HKEY_CURRENT_USER\\Software\\Demo\\")),
              "HKEY_CURRENT_USER\\Software\\Demo\\");
}

TEST(Win32RegistryKeysTest, ValuesOfAKeyRenameAndDelete)
{
    TWin32Plugin plugin;
    addValue(plugin, "HKEY_CURRENT_USER", "Software\\Demo", "a");
    addValue(plugin, "HKEY_CURRENT_USER", "Software\\Demo", "");
    addValue(plugin, "HKEY_CURRENT_USER", "Software\\Demo\\Sub", "b");
    addValue(plugin, "HKEY_CURRENT_USER", "Software\\Demonstration", "c");
    addValue(plugin, "HKEY_LOCAL_MACHINE", "Software\\Demo", "d");
    Win32RegistryEdits edits(plugin);
    const auto values = edits.ValuesOfKey("HKEY_CURRENT_USER\\Software\\Demo\\");
    EXPECT_EQ(values.defaultIndex, 1);
    EXPECT_EQ(values.named, QList<int>({0}));

    edits.RenameKey("HKEY_CURRENT_USER\\Software\\Demo\\", "Demo2");
    EXPECT_EQ(entries(plugin), QStringList({"HKEY_CURRENT_USER|Software\\Demo2|a||",
                                            "HKEY_CURRENT_USER|Software\\Demo2|||",
                                            "HKEY_CURRENT_USER|Software\\Demo2\\Sub|b||",
                                            "HKEY_CURRENT_USER|Software\\Demonstration|c||",
                                            "HKEY_LOCAL_MACHINE|Software\\Demo|d||"}));
    edits.DeleteKey("HKEY_CURRENT_USER\\Software\\");
    EXPECT_EQ(entries(plugin), QStringList({"HKEY_LOCAL_MACHINE|Software\\Demo|d||"}));
    edits.AddValue("HKEY_USERS", "X", "RegEntry");
    edits.DeleteValues({1, 0, 1, 7});
    EXPECT_TRUE(entries(plugin).isEmpty());
}

TEST(Win32RegistryKeysTest, ImportGivesEveryTypeInTheInstallersText)
{
    const char *const file =
        "Windows Registry Editor Version 5.00\r\n"
        "[HKEY_CLASSES_ROOT\\CLSID\\{0A1B}\\InprocServer32]\r\n"
        "@=\"C:\\\\lib\\\\x.dll\"\r\n"
        "\"{name}\"=\"{value}\"\r\n"
        "\"e\"=hex(2):25,00,41,00,25,00,00,00\r\n"
        "\"m\"=hex(7):6f,00,6e,00,65,00,00,00,7b,00,74,00,00,00,00,00\r\n"
        "\"b\"=hex:0a,ff\r\n"
        "\"d\"=dword:ffffffff\r\n"
        "\"gone\"=-\r\n"
        "\"empty\"=\"\"\r\n"
        "[-HKEY_CURRENT_USER\\Old]\r\n"
        "[HKEY_DYN_DATA\\Perf]\r\n"
        "@=dword:00000000\r\n"
        "\"never\"=\"read\r\n";
    TWin32Plugin plugin;
    Win32RegistryEdits edits(plugin);
    ImportRegBytes(file, [&](const RegImportEvent &event) {
        edits.AddImported(event);
        return true;
    });
    const QStringList expected = {
        "HKEY_CLASSES_ROOT|CLSID\\{{0A1B}\\InprocServer32||String|C:\\lib\\x.dll",
        "HKEY_CLASSES_ROOT|CLSID\\{{0A1B}\\InprocServer32|{{name}|String|{{value}",
        "HKEY_CLASSES_ROOT|CLSID\\{{0A1B}\\InprocServer32|e|Expandsz|%A%",
        "HKEY_CLASSES_ROOT|CLSID\\{{0A1B}\\InprocServer32|m|MultiSZ|one{break}{{t",
        "HKEY_CLASSES_ROOT|CLSID\\{{0A1B}\\InprocServer32|b|Binary|0A,FF",
        "HKEY_CLASSES_ROOT|CLSID\\{{0A1B}\\InprocServer32|d|DWord|-1",
        "HKEY_CLASSES_ROOT|CLSID\\{{0A1B}\\InprocServer32|empty|String|",
        "HKEY_DYN_DATA|Perf||DWord|0",
    };
    EXPECT_EQ(entries(plugin), expected);
}

TEST(Win32RegistryKeysTest, FileAssociationStoresWhatTheRegistryReceives)
{
    TWin32Plugin plugin;
    Win32RegistryEdits(plugin).AddFileAssociation("txt", "Text Document", "{app}\\edit.exe");
    const QStringList expected = {
        "HKEY_CLASSES_ROOT|.txt||String|txtfile",
        "HKEY_CLASSES_ROOT|txtfile||String|Text Document",
        "HKEY_CLASSES_ROOT|txtfile\\DefaultIcon||String|{app}\\edit.exe,0",
        "HKEY_CLASSES_ROOT|txtfile\\Shell\\Open\\Command||String|\"{app}\\edit.exe\" \"%1\"",
    };
    EXPECT_EQ(entries(plugin), expected);
    TWin32Plugin dotted;
    Win32RegistryEdits(dotted).AddFileAssociation(".log", "", "x.exe");
    EXPECT_EQ(dotted.RegistryEntries[0].SubKey, ".log");
    EXPECT_EQ(dotted.RegistryEntries[1].SubKey, "logfile");
}

TEST(Win32RegistryKeysTest, KeyNamesThatWouldMoveValuesElsewhereAreRefused)
{
    TWin32Plugin plugin;
    addValue(plugin, "HKEY_CURRENT_USER", "Software\\Demo", "a");
    Win32RegistryEdits edits(plugin);
    EXPECT_FALSE(edits.RenameKey("HKEY_CURRENT_USER\\Software\\Demo\\", ""));
    EXPECT_FALSE(edits.RenameKey("HKEY_CURRENT_USER\\Software\\Demo\\", "a\\b"));
    EXPECT_FALSE(edits.RenameKey("HKEY_CURRENT_USER\\", "HKEY_USERS")) << "a hive keeps its name";
    EXPECT_EQ(plugin.RegistryEntries[0].SubKey, "Software\\Demo");
    EXPECT_TRUE(edits.RenameKey("HKEY_CURRENT_USER\\Software\\Demo\\", "Demo 2"));
    EXPECT_EQ(plugin.RegistryEntries[0].SubKey, "Software\\Demo 2");
}

TEST(Win32RegistryKeysTest, ARowChangeReachesEverySelectedValueOrNoneOfThem)
{
    TWin32Plugin plugin;
    addValue(plugin, "HKEY_CURRENT_USER", "Software\\Demo", "a").ValueType = "String";
    addValue(plugin, "HKEY_CURRENT_USER", "Software\\Demo", "b").ValueType = "DWord";
    plugin.RegistryEntries[1].ValueData = "7";
    Win32RegistryEdits edits(plugin);
    const auto rowOf = [](int tag) { return *rowOfTag(registryEntryRows(), tag); };

    QList<int> indexes = {0, 1};
    EXPECT_FALSE(edits.ChangeRow("HKEY_CURRENT_USER", "Software\\Demo", indexes, rowOf(4), "hello").isEmpty())
        << "the dword takes no text";
    EXPECT_EQ(plugin.RegistryEntries[0].ValueData, QString());

    indexes = {-1, 0};
    EXPECT_EQ(edits.ChangeRow("HKEY_CURRENT_USER", "Software\\Demo", indexes, rowOf(4), "hello"), QString());
    EXPECT_EQ(indexes, QList<int>({2, 0})) << "the default value is made in its place";
    EXPECT_EQ(entries(plugin).mid(2), QStringList({"HKEY_CURRENT_USER|Software\\Demo||String|hello"}));
    EXPECT_EQ(plugin.RegistryEntries[0].ValueData, "hello");

    EXPECT_TRUE(Win32RegistryEdits::MovesValues(rowOf(0)));
    EXPECT_TRUE(Win32RegistryEdits::MovesValues(rowOf(1)));
    EXPECT_FALSE(Win32RegistryEdits::MovesValues(rowOf(3)));
}

TEST(Win32RegistryKeysTest, RowsTheInspectorShowsForASelection)
{
    struct Case
    {
        int selected;
        bool defaultSelected;
        bool key, name, data;  // the rows of tags 0 and 1, 3 and 4
    };
    const Case cases[] = {
        {1, false, true, true, true},
        {2, false, true, false, true},
        {1, true, false, false, true},
        {3, true, false, false, true},
    };
    const auto shown = [](int tag, const Case &c) {
        return Win32RegistryEdits::IsRowShown(*rowOfTag(registryEntryRows(), tag), c.selected, c.defaultSelected);
    };
    for (const Case &c : cases) {
        EXPECT_EQ(shown(0, c), c.key) << c.selected << c.defaultSelected;
        EXPECT_EQ(shown(1, c), c.key) << c.selected << c.defaultSelected;
        EXPECT_EQ(shown(3, c), c.name) << c.selected << c.defaultSelected;
        EXPECT_EQ(shown(4, c), c.data) << c.selected << c.defaultSelected;
    }
}

TEST(Win32RegistryKeysTest, KeyCommandsAndValueOrder)
{
    TWin32Plugin plugin;
    addValue(plugin, "HKEY_CURRENT_USER", "Software", "a");
    const RegistryKeyTree tree = RegistryKeyTree::Build(plugin);
    const RegistryKeyNode *hive = tree.FindKeyPath("HKEY_CURRENT_USER\\");
    const RegistryKeyNode *key = tree.FindKeyPath("HKEY_CURRENT_USER\\Software\\");
    ASSERT_NE(hive, nullptr);
    ASSERT_NE(key, nullptr);
    struct Case
    {
        const char *name;
        const RegistryKeyNode *node;
        bool create, change;  // createKey; deleteKey, renameKey and addValue
    };
    const Case cases[] = {
        {"nothing", nullptr, false, false},
        {"the root", &tree.root(), false, false},
        {"a hive", hive, true, false},
        {"a key", key, true, true},
    };
    for (const Case &c : cases) {
        const Win32KeyCommands commands = Win32KeyCommands::forNode(c.node);
        EXPECT_EQ(commands.createKey, c.create) << c.name;
        EXPECT_EQ(commands.deleteKey, c.change) << c.name;
        EXPECT_EQ(commands.renameKey, c.change) << c.name;
        EXPECT_EQ(commands.addValue, c.change) << c.name;
    }

    const RegistryListRow defaultValue{true, {"(default)", "String", "z", ""}};
    const RegistryListRow alpha{false, {"alpha", "String", "b", ""}};
    const RegistryListRow beta{false, {"Beta", "DWord", "a", ""}};
    for (bool ascending : {true, false}) {
        EXPECT_TRUE(RegistryRowLess(defaultValue, alpha, 0, ascending));
        EXPECT_FALSE(RegistryRowLess(alpha, defaultValue, 2, ascending));
    }
    EXPECT_TRUE(RegistryRowLess(alpha, beta, 0, true));
    EXPECT_TRUE(RegistryRowLess(beta, alpha, 0, false));
    EXPECT_TRUE(RegistryRowLess(beta, alpha, 1, true));
    EXPECT_TRUE(RegistryRowLess(beta, alpha, 2, true));
    const RegistryListRow gamma{false, {"gamma", "DWord", "a", ""}};
    EXPECT_TRUE(RegistryRowLess(beta, gamma, 1, true)) << "equal types by name";
}

TEST(Win32RegistryKeysTest, ValueRows)
{
    TWin32Plugin plugin;
    TWin32RegistryEntry &entry = addValue(plugin, "HKEY_CURRENT_USER", "Software", "");
    entry.ValueType = "DWord";
    entry.ValueData = "7";
    entry.FlagNoError = true;
    EXPECT_EQ(Win32RegistryEdits::RowTexts(entry, true), QStringList({"(default)", "DWord", "7", "NoError "}));
    entry.ValueName = "count";
    EXPECT_EQ(Win32RegistryEdits::RowTexts(entry, false).first(), "count");
    EXPECT_EQ(Win32RegistryEdits::DefaultPlaceholderRowTexts(), QStringList({"(default)", "String", "(no data)", ""}));
}

// Older projects and hand-written ones keep short hive names and types in any
// case; the page shows one hive and one spelling for them, the file keeps them.
TEST(Win32RegistryKeysTest, AHiveOrTypeInAnySpellingShowsOnce)
{
    TWin32Plugin plugin;
    addValue(plugin, "HKCU", "Software\\Demo", "short").ValueType = "string";
    addValue(plugin, "HKEY_CURRENT_USER", "Software\\Demo", "full").ValueType = "String";
    addValue(plugin, "hklm", "Software", "lower").ValueType = "MultiSZ";
    addValue(plugin, "HKEY_DYN_DATA", "Perf", "other").ValueType = "qword";
    const QStringList expected = {
        "[Registry]",
        "  [HKEY_CLASSES_ROOT]",
        "  [HKEY_CURRENT_CONFIG]",
        "  [HKEY_CURRENT_USER]",
        "    [Software]",
        "      [Demo]",
        "  [HKEY_DYN_DATA]",
        "    [Perf]",
        "  [HKEY_LOCAL_MACHINE]",
        "    [Software]",
        "  [HKEY_USERS]",
    };
    EXPECT_EQ(describe(RegistryKeyTree::Build(plugin)), expected);

    Win32RegistryEdits edits(plugin);
    EXPECT_EQ(edits.ValuesOfKey("HKEY_CURRENT_USER\\Software\\Demo\\").named, QList<int>({0, 1}));
    // A key path may name the hive in any of its spellings.
    EXPECT_EQ(edits.ValuesOfKey("hkcu\\Software\\Demo\\").named, QList<int>({0, 1}));
    const RegistryKeyTree tree = RegistryKeyTree::Build(plugin);
    EXPECT_EQ(tree.FindKeyPath("HKCU\\Software\\Demo\\"), tree.FindKeyPath("HKEY_CURRENT_USER\\Software\\Demo\\"));
    EXPECT_NE(tree.FindKeyPath("HKCU\\Software\\Demo\\"), nullptr);
    const struct
    {
        int index;
        const char *type;
    } shownTypes[] = {{0, "String"}, {1, "String"}, {2, "Multisz"}, {3, "qword"}};
    for (const auto &[index, type] : shownTypes)
        EXPECT_EQ(Win32RegistryEdits::RowTexts(plugin.RegistryEntries[index], false).at(1), type) << index;
    const EntryRow<TWin32RegistryEntry> &root = *rowOfTag(registryEntryRows(), 0);
    EXPECT_EQ(root.valueOf(plugin.RegistryEntries[2]), "HKEY_LOCAL_MACHINE");
    EXPECT_EQ(rowOfTag(registryEntryRows(), 2)->valueOf(plugin.RegistryEntries[0]), "String");

    // Renaming the key reaches the values of both spellings; what was stored stays.
    EXPECT_TRUE(edits.RenameKey("HKEY_CURRENT_USER\\Software\\Demo\\", "Renamed"));
    EXPECT_EQ(entries(plugin), QStringList({"HKCU|Software\\Renamed|short|string|",
                                            "HKEY_CURRENT_USER|Software\\Renamed|full|String|",
                                            "hklm|Software|lower|MultiSZ|", "HKEY_DYN_DATA|Perf|other|qword|"}));
    edits.DeleteKey("HKEY_LOCAL_MACHINE\\Software\\");
    EXPECT_EQ(plugin.RegistryEntries.Count(), 3);
}
