#include "editors/registry/AddFileAssociation.h"
#include "editors/cab/CABCreatorForm.h"
#include "editors/registry/EditorRegistryEntry.h"
#include "editors/registry/EditorRegistrySection.h"
#include "editors/ModulePages.h"
#include "model/ProjectContainer.h"
#include "pagehost/FakeProjectWindowHost.h"
#include "pagehost/ProjectPageFactory.h"
#include "platform/Registry.h"
#include "platform/RegistryMemoryStore.h"
#include "tests/editors/EditorTestSupport.h"
#include "tests/editors/registry/RegistrySectionPageSupport.h"
#include "tests/support/QtPrinters.h"
#include "widgets/NxEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTreeWidget>

using namespace talmo;
using namespace talmo::testing;

namespace {

class RegistrySectionPageTest : public EditorTest
{
protected:
    RegistrySectionPageTest()
    {
        section = &project.RegistrySections.AddNew();
        section->Caption = QStringLiteral("Settings");
    }

    std::unique_ptr<Teditor_RegistrySection> open()
    {
        auto page = std::make_unique<Teditor_RegistrySection>(project, host, *section);
        page->show();
        return page;
    }

    void add(const char *root, const char *subkey, const char *name, const char *flags = "TYPE_SZ",
             const char *value = "")
    {
        TRegistryEntry &entry = section->Entries.AddNew();
        entry.registry_root_string = root;
        entry.subkey = subkey;
        entry.value_name = name;
        entry.flags = flags;
        entry.value = value;
    }

    QString writeFile(const QString &name, const QByteArray &bytes)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QTemporaryDir dir;
    RegistryMemoryStore store;
    ScopedCurrentRegistryStore useStore{store};
    TProjectContainer project;
    FakeProjectWindowHost host;
    TRegistrySection *section = nullptr;
};

QStringList childTexts(const QTreeWidgetItem *node)
{
    QStringList texts;
    for (int i = 0; node && i < node->childCount(); ++i)
        texts.append(node->child(i)->text(0));
    return texts;
}

QStringList rowTexts(const Teditor_RegistrySection &page)
{
    QStringList rows;
    for (int r = 0; r < page.lv_Registry->topLevelItemCount(); ++r) {
        const QTreeWidgetItem *row = page.lv_Registry->topLevelItem(r);
        rows.append(row->text(0) + u'|' + row->text(1) + u'|' + row->text(2));
    }
    return rows;
}

RegistryKeyPath key(const QString &text)
{
    return RegistryKeyPath(text.split(u'\\'));
}

QTreeWidgetItem *selectKey(Teditor_RegistrySection &page, const QString &text)
{
    QTreeWidgetItem *node = page.nodeOfKey(key(text));
    EXPECT_NE(node, nullptr) << text.toStdString();
    page.JvTreeView1->setCurrentItem(node);
    return node;
}

void selectRows(Teditor_RegistrySection &page, const QList<int> &rows)
{
    page.lv_Registry->clearSelection();
    for (const int r : rows)
        page.lv_Registry->topLevelItem(r)->setSelected(true);
    if (!rows.isEmpty())
        page.lv_Registry->setCurrentItem(page.lv_Registry->topLevelItem(rows.first()), 0, QItemSelectionModel::NoUpdate);
}

// Chooses the action in the popup it is shown; records which items were enabled.
PopupMenuRunner choose(QAction *&action, QStringList *enabled = nullptr)
{
    return [&action, enabled](QMenu &menu, const QPoint &) -> QAction * {
        if (enabled) {
            enabled->clear();
            const std::function<void(QMenu &)> collect = [&](QMenu &shown) {
                for (QAction *item : shown.actions()) {
                    if (!item->isSeparator() && item->isEnabled())
                        enabled->append(item->text());
                    if (item->menu() && item->isEnabled())
                        collect(*item->menu());
                }
            };
            collect(menu);
        }
        return action;
    };
}

} // namespace

TEST_F(RegistrySectionPageTest, RegisteredForRegistrySectionsAndEditingTheIndexedSection)
{
    project.RegistrySections.AddNew().Caption = QStringLiteral("Second");
    ProjectPageFactory factory;
    registerModulePages(factory);
    std::unique_ptr<HostedPage> page(factory.create(PageKind::RegistrySection, {project, host, 1}, nullptr));
    auto *editor = dynamic_cast<Teditor_RegistrySection *>(page.get());
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->registrySectionName->text(), QString("Second"));
    EXPECT_EQ(editor->windowTitle(), QString("Edit Registry Section"));
}

TEST_F(RegistrySectionPageTest, ShowingBuildsTheTreeAndLeavesTheProjectUnmodified)
{
    add("HKEY_LOCAL_MACHINE", "Software\\App", "Name");
    add("HKEY_USERS", "Demo", "a");
    add("HKEY_USERS", "Demo", "b");
    add("HKEY_LOCAL_MACHINE", "", "Top");
    const auto page = open();
    EXPECT_FALSE(project.Modified);
    EXPECT_TRUE(host.calls().isEmpty()) << host.calls().join(u',').toStdString();
    EXPECT_EQ(page->registrySectionName->text(), QString("Settings"));
    EXPECT_EQ(page->focusWidget(), page->registrySectionName);

    ASSERT_EQ(page->JvTreeView1->topLevelItemCount(), 1);
    QTreeWidgetItem *top = page->JvTreeView1->topLevelItem(0);
    EXPECT_EQ(top->text(0), QString("Pocket PC Registry"));
    EXPECT_TRUE(top->isExpanded());
    EXPECT_EQ(page->JvTreeView1->currentItem(), top);
    EXPECT_EQ(childTexts(top),
              (QStringList{"HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE", "HKEY_USERS"}));
    // A value straight under a root shows under an unnamed key.
    EXPECT_EQ(childTexts(top->child(2)), (QStringList{"", "Software"}));
    EXPECT_EQ(page->lv_Registry->topLevelItemCount(), 0);

    selectKey(*page, "HKEY_LOCAL_MACHINE\\");
    EXPECT_EQ(rowTexts(*page), (QStringList{"(default)|TYPE_SZ|(no data)", "Top|TYPE_SZ|"}));
    selectKey(*page, "HKEY_LOCAL_MACHINE");
    EXPECT_EQ(page->lv_Registry->topLevelItemCount(), 0);
}

TEST_F(RegistrySectionPageTest, TheRootKeysShowWholeAtTheDefaultWidthAndEveryKeyNameInItsToolTip)
{
    const auto page = open();
    page->resize(640, 560);
    QCoreApplication::processEvents();
    QTreeWidget &tree = *page->JvTreeView1;
    QTreeWidgetItem *top = tree.topLevelItem(0);
    for (int i = 0; i < top->childCount(); ++i) {
        QTreeWidgetItem *root = top->child(i);
        const int textRight = tree.visualItemRect(root).left() + tree.fontMetrics().horizontalAdvance(root->text(0));
        EXPECT_LE(textRight, tree.viewport()->width()) << root->text(0).toStdString();
        EXPECT_EQ(root->toolTip(0), root->text(0));
    }
}

TEST_F(RegistrySectionPageTest, ImportingAnAnsiAndAUnicodeFileAddsEveryValueKind)
{
    const QString reg = writeFile("every.reg", RegistryFixture::AnsiFile());
    const QString rgu = writeFile("every.rgu", RegistryFixture::Utf16File());
    const struct
    {
        QString file;
        bool checked;
    } cases[] = {{reg, true}, {rgu, false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        section->Entries.Clear();
        project.Modified = false;
        const auto page = open();
        ui.queueFilesWithCheckBox({c.file}, c.checked);
        click(page->TntButton1);

        const FakeUiServices::Call &call = ui.calls().last();
        EXPECT_EQ(call.kind, FakeUiServices::CallKind::OpenFilesWithCheckBox);
        EXPECT_TRUE(call.checkBoxShownChecked);
        EXPECT_EQ(call.text, QString("Import with Don't Overwrite Flag Enabled"));
        EXPECT_EQ(call.request.filter, QString("Registry Files (*.reg;*.rgu)|*.reg;*.rgu|All Files (*.*)|*.*"));
        EXPECT_EQ(entryLines(*section), RegistryFixture::Entries(c.checked));
        EXPECT_TRUE(project.Modified);
        // One node however many values its key has.
        EXPECT_EQ(childTexts(page->JvTreeView1->topLevelItem(0)),
                  (QStringList{"HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE", "HKEY_USERS"}));
        EXPECT_EQ(childTexts(page->nodeOfKey(key("HKEY_USERS"))), QStringList{".DEFAULT"});
    }
}

TEST_F(RegistrySectionPageTest, ABrokenOrMissingFileKeepsWhatWasReadAndSaysNothing)
{
    const QString broken = writeFile("broken.reg", "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\A]\r\n\"kept\"=\"1\"\r\n"
                                                   "\"bad\"=dword:zz\r\n\"after\"=\"2\"\r\n");
    const auto page = open();
    ui.queueFilesWithCheckBox({broken}, true);
    click(page->TntButton1);
    ASSERT_GE(section->Entries.Count(), 1);
    EXPECT_EQ(section->Entries[0].value_name, QString("kept"));
    ui.queueFilesWithCheckBox({dir.filePath("missing.reg")}, true);
    click(page->TntButton1);
    EXPECT_TRUE(ui.shownTexts().isEmpty());

    // Cancelled: nothing changes.
    const int count = section->Entries.Count();
    project.Modified = false;
    click(page->TntButton1);
    EXPECT_EQ(section->Entries.Count(), count);
    EXPECT_FALSE(project.Modified);
}

TEST_F(RegistrySectionPageTest, RenamingAKeyMovesItsValuesAndSubkeysOnly)
{
    add("HKEY_LOCAL_MACHINE", "A\\B", "b");
    add("HKEY_LOCAL_MACHINE", "A\\B\\D", "d");
    add("HKEY_LOCAL_MACHINE", "A\\BB", "bb");
    const auto page = open();
    QTreeWidgetItem *node = selectKey(*page, "HKEY_LOCAL_MACHINE\\A\\B");
    node->setText(0, "C");
    EXPECT_EQ(entryLines(*section), (QStringList{"HKEY_LOCAL_MACHINE|A\\C|b|TYPE_SZ||0",
                                                  "HKEY_LOCAL_MACHINE|A\\C\\D|d|TYPE_SZ||0",
                                                  "HKEY_LOCAL_MACHINE|A\\BB|bb|TYPE_SZ||0"}));
    EXPECT_TRUE(project.Modified);
    EXPECT_EQ(childTexts(page->nodeOfKey(key("HKEY_LOCAL_MACHINE\\A"))), (QStringList{"BB", "C"}));
    EXPECT_EQ(page->nodeOfKey(key("HKEY_LOCAL_MACHINE\\A\\C\\D"))->text(0), QString("D"));
    EXPECT_EQ(rowTexts(*page), (QStringList{"(default)|TYPE_SZ|(no data)", "b|TYPE_SZ|"}));

    // Refused names leave the key as it was.
    for (const char *refused : {"", "BB", "X\\Y"}) {
        node->setText(0, refused);
        EXPECT_EQ(node->text(0), QString("C")) << refused;
        EXPECT_EQ(section->Entries[0].subkey, QString("A\\C")) << refused;
    }
    // Neither the top node nor a root key can be renamed.
    for (const char *fixed : {"", "HKEY_LOCAL_MACHINE"}) {
        QTreeWidgetItem *item = fixed[0] ? page->nodeOfKey(key(fixed)) : page->JvTreeView1->topLevelItem(0);
        EXPECT_FALSE(item->flags().testFlag(Qt::ItemIsEditable));
        const QString before = item->text(0);
        item->setText(0, "Other");
        EXPECT_EQ(item->text(0), before);
    }
}

TEST_F(RegistrySectionPageTest, RenamingAKeyByTypingInItsLabel)
{
    add("HKEY_LOCAL_MACHINE", "A", "a");
    const auto page = open();
    selectKey(*page, "HKEY_LOCAL_MACHINE\\A");
    QAction *rename = page->tree_rename;
    page->setPopupMenuRunner(choose(rename));
    page->treeContextMenu({});
    auto *editor = page->JvTreeView1->viewport()->findChild<QLineEdit *>();
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, "Renamed");
    QTest::keyClick(editor, Qt::Key_Return);
    // The delegate commits through a queued call.
    QCoreApplication::processEvents();
    EXPECT_EQ(section->Entries[0].subkey, QString("Renamed"));
}

TEST_F(RegistrySectionPageTest, NewKeysDeletedKeysAndTheirValues)
{
    add("HKEY_LOCAL_MACHINE", "A", "a");
    add("HKEY_LOCAL_MACHINE", "A\\B", "b");
    add("HKEY_LOCAL_MACHINE", "AB", "ab");
    const auto page = open();
    selectKey(*page, "HKEY_LOCAL_MACHINE\\AB");
    page->tree_new_keyClick();
    EXPECT_EQ(page->JvTreeView1->currentItem()->text(0), QString("New Key"));
    EXPECT_EQ(section->Entries.Count(), 3);
    // A key without values exists only in the tree.
    page->FormShow();
    EXPECT_EQ(page->nodeOfKey(key("HKEY_LOCAL_MACHINE\\AB\\New Key")), nullptr);

    selectKey(*page, "HKEY_LOCAL_MACHINE\\A");
    ui.queueAnswer(UiButton::No);
    page->tree_deleteClick();
    EXPECT_EQ(section->Entries.Count(), 3);
    EXPECT_FALSE(project.Modified);
    ui.queueAnswer(UiButton::Yes);
    page->tree_deleteClick();
    EXPECT_EQ(entryLines(*section), QStringList{"HKEY_LOCAL_MACHINE|AB|ab|TYPE_SZ||0"});
    EXPECT_EQ(page->nodeOfKey(key("HKEY_LOCAL_MACHINE\\A")), nullptr);
    EXPECT_EQ(ui.shownTexts(), (QStringList{"Are you sure ?", "Are you sure ?"}));
    EXPECT_TRUE(project.Modified);

    // A root key stays whatever is asked.
    selectKey(*page, "HKEY_LOCAL_MACHINE");
    page->tree_deleteClick();
    EXPECT_NE(page->nodeOfKey(key("HKEY_LOCAL_MACHINE")), nullptr);
    EXPECT_EQ(section->Entries.Count(), 1);
}

TEST_F(RegistrySectionPageTest, TreePopupFollowsTheSelectedNode)
{
    add("HKEY_LOCAL_MACHINE", "A", "a");
    const auto page = open();
    QAction *none = nullptr;
    QStringList enabled;
    page->setPopupMenuRunner(choose(none, &enabled));
    const struct
    {
        const char *node;
        QStringList items;
    } cases[] = {
        {"", {"Collapse"}},
        {"HKEY_LOCAL_MACHINE", {"Expand", "Create", "key"}},
        {"HKEY_LOCAL_MACHINE\\A", {"Expand", "Create", "key", "Data", "String", "Multi String", "Binary", "DWord",
                                   "Delete", "Rename"}},
    };
    for (const auto &c : cases) {
        if (c.node[0])
            selectKey(*page, c.node);
        else
            page->JvTreeView1->setCurrentItem(page->JvTreeView1->topLevelItem(0));
        page->treeContextMenu({});
        EXPECT_EQ(enabled, c.items) << c.node;
    }
    page->JvTreeView1->setCurrentItem(nullptr);
    page->treeContextMenu({});
    EXPECT_TRUE(enabled.isEmpty());

    // "Collapse" folds the node with everything below it.
    page->JvTreeView1->setCurrentItem(page->JvTreeView1->topLevelItem(0));
    page->nodeOfKey(key("HKEY_LOCAL_MACHINE"))->setExpanded(true);
    page->setPopupMenuRunner(choose(page->Expand1));
    page->treeContextMenu({});
    EXPECT_FALSE(page->JvTreeView1->topLevelItem(0)->isExpanded());
    EXPECT_FALSE(page->nodeOfKey(key("HKEY_LOCAL_MACHINE"))->isExpanded());
    page->treeContextMenu({});
    EXPECT_TRUE(page->JvTreeView1->topLevelItem(0)->isExpanded());
    EXPECT_FALSE(page->nodeOfKey(key("HKEY_LOCAL_MACHINE"))->isExpanded());
}

TEST_F(RegistrySectionPageTest, ListPopupFollowsTheSelectedRows)
{
    add("HKEY_LOCAL_MACHINE", "A", "a");
    add("HKEY_LOCAL_MACHINE", "A", "b");
    const auto page = open();
    selectKey(*page, "HKEY_LOCAL_MACHINE\\A");
    QAction *none = nullptr;
    QStringList enabled;
    page->setPopupMenuRunner(choose(none, &enabled));
    const QStringList create{"Create", "Key", "Data", "String", "Multi String", "Binary", "DWord"};
    const struct
    {
        QList<int> rows;
        QStringList items;
    } cases[] = {
        {{}, create},
        {{0}, QStringList{"Edit", "Delete"} + create},
        {{1}, QStringList{"Edit", "Delete", "Rename"} + create},
        {{1, 2}, QStringList{"Delete"} + create},
    };
    for (const auto &c : cases) {
        selectRows(*page, c.rows);
        page->listContextMenu({});
        EXPECT_EQ(enabled, c.items) << c.rows.size();
    }
}

TEST_F(RegistrySectionPageTest, ValuesAreCreatedRenamedAndDeletedButTheDefaultRowStays)
{
    add("HKEY_LOCAL_MACHINE", "A", "a");
    const auto page = open();
    selectKey(*page, "HKEY_LOCAL_MACHINE\\A");
    page->setPopupMenuRunner(choose(page->listDataItems[3]));
    page->listContextMenu({});
    EXPECT_EQ(entryLines(*section).last(), QString("HKEY_LOCAL_MACHINE|A|new data|TYPE_DWORD||0"));
    EXPECT_EQ(rowTexts(*page).last(), QString("new data|TYPE_DWORD|"));
    QTreeWidgetItem *created = page->lv_Registry->topLevelItem(2);
    EXPECT_EQ(page->lv_Registry->currentItem(), created);

    // Empty and taken names are refused; the old name stays.
    for (const char *refused : {"", "a"}) {
        created->setText(0, refused);
        EXPECT_EQ(created->text(0), QString("new data")) << refused;
        EXPECT_EQ(section->Entries[1].value_name, QString("new data")) << refused;
    }
    created->setText(0, "Count");
    EXPECT_EQ(section->Entries[1].value_name, QString("Count"));

    // The "(default)" placeholder cannot be renamed or deleted.
    QTreeWidgetItem *defaultRow = page->lv_Registry->topLevelItem(0);
    EXPECT_FALSE(defaultRow->flags().testFlag(Qt::ItemIsEditable));
    defaultRow->setText(0, "x");
    EXPECT_EQ(defaultRow->text(0), QString("(default)"));
    selectRows(*page, {0, 2});
    ui.queueAnswer(UiButton::Yes);
    page->lv_deleteClick();
    EXPECT_EQ(entryLines(*section), QStringList{"HKEY_LOCAL_MACHINE|A|a|TYPE_SZ||0"});
    EXPECT_EQ(rowTexts(*page), (QStringList{"(default)|TYPE_SZ|(no data)", "a|TYPE_SZ|"}));
}

TEST_F(RegistrySectionPageTest, TheValueDialogCreatesTheDefaultValueAndEditsOthers)
{
    add("HKEY_LOCAL_MACHINE", "A", "bin", "TYPE_BINARY", "01,02");
    const auto page = open();
    selectKey(*page, "HKEY_LOCAL_MACHINE\\A");
    QString shownType;
    page->setDialogRunner([&](QDialog &dialog) {
        auto &editor = dynamic_cast<TeditorRegistryEntry &>(dialog);
        shownType = editor.ComboBox1->currentText();
        if (shownType == "TYPE_SZ")
            QTest::keyClicks(editor.editor_string, "hello");
        editor.overwrite_key->setChecked(true);
        click(editor.okButton);
        return editor.result();
    });
    selectRows(*page, {0});
    page->JvListView1DblClick();
    // A new default value starts as a string, not as the DWORD an empty type text would open as.
    EXPECT_EQ(shownType, QString("TYPE_SZ"));
    EXPECT_EQ(entryLines(*section).last(), QString("HKEY_LOCAL_MACHINE|A||TYPE_SZ|hello|1"));
    EXPECT_EQ(rowTexts(*page).first(), QString("(default)|TYPE_SZ|hello"));
    EXPECT_TRUE(project.Modified);

    selectRows(*page, {1});
    page->JvListView1DblClick();
    EXPECT_EQ(shownType, QString("TYPE_BINARY"));
    EXPECT_EQ(entryLines(*section).first(), QString("HKEY_LOCAL_MACHINE|A|bin|TYPE_BINARY|01,02|1"));

    // Cancelled: nothing changes.
    page->setDialogRunner([](QDialog &) { return int(QDialog::Rejected); });
    const QStringList before = entryLines(*section);
    page->JvListView1DblClick();
    EXPECT_EQ(entryLines(*section), before);
}

TEST_F(RegistrySectionPageTest, ConfirmingTheValueDialogUntouchedLeavesEveryEntryAsItWas)
{
    add("HKEY_LOCAL_MACHINE", "A", "path", "TYPE_EXPAND_SZ", "%WINDIR%\\x");
    add("HKEY_LOCAL_MACHINE", "A", "odd", "TYPE_BINARY", "0A,F");
    add("HKEY_LOCAL_MACHINE", "A", "count", "TYPE_DWORD", "7");
    const auto page = open();
    selectKey(*page, "HKEY_LOCAL_MACHINE\\A");
    QStringList shownTypes;
    page->setDialogRunner([&](QDialog &dialog) {
        auto &editor = dynamic_cast<TeditorRegistryEntry &>(dialog);
        shownTypes.append(editor.ComboBox1->currentText());
        click(editor.okButton);
        return editor.result();
    });
    const QStringList before = entryLines(*section);
    for (int row = 1; row <= 3; ++row) {
        selectRows(*page, {row});
        page->JvListView1DblClick();
    }
    EXPECT_EQ(entryLines(*section), before);
    EXPECT_EQ(shownTypes, (QStringList{"TYPE_EXPAND_SZ", "TYPE_BINARY", "TYPE_DWORD"}));
}

TEST_F(RegistrySectionPageTest, AnAssociationAddsItsFourEntriesAndShowsThem)
{
    TCEDevice &target = project.CEDevices.AddNew();
    TPPCFS_File &file = target.Files.AddNew();
    file.DestinationDir = "%InstallDir%";
    file.DestinationName = "view.exe";
    const auto page = open();
    for (const char *extension : {"txt", ".txt"}) {
        section->Entries.Clear();
        page->setDialogRunner([extension](QDialog &dialog) {
            auto &association = dynamic_cast<TaddFileAssociation &>(dialog);
            EXPECT_TRUE(association.DeviceMode);
            EXPECT_TRUE(association.tb_Extension->text().isEmpty());
            association.show();
            EXPECT_EQ(association.cb_target->itemText(0), QString("%InstallDir%\\view.exe"));
            association.tb_Extension->setText(extension);
            association.tb_description->setText("Text");
            association.cb_target->setCurrentIndex(0);
            click(association.bt_ok);
            return association.result();
        });
        click(page->JvBitBtn1);
        EXPECT_EQ(entryLines(*section),
                  (QStringList{"HKEY_CLASSES_ROOT|.txt||TYPE_SZ|txtfile|0",
                               "HKEY_CLASSES_ROOT|txtfile||TYPE_SZ|Text|0",
                               "HKEY_CLASSES_ROOT|txtfile\\DefaultIcon||TYPE_SZ|%InstallDir%\\view.exe,0|0",
                               "HKEY_CLASSES_ROOT|txtfile\\Shell\\Open\\Command||TYPE_SZ|"
                               "\"%InstallDir%\\view.exe\" \"%1\"|0"}))
            << extension;
        EXPECT_EQ(childTexts(page->nodeOfKey(key("HKEY_CLASSES_ROOT"))), (QStringList{".txt", "txtfile"}));
    }
}

TEST_F(RegistrySectionPageTest, EveryEditSetsModifiedAndShowingDoesNot)
{
    const struct
    {
        const char *edit;
        std::function<void(Teditor_RegistrySection &)> run;
    } edits[] = {
        {"name", [](Teditor_RegistrySection &page) { QTest::keyClicks(page.registrySectionName, "X"); }},
        {"new value", [](Teditor_RegistrySection &page) { page.String1Click(1); }},
        {"rename value", [](Teditor_RegistrySection &page) { page.lv_Registry->topLevelItem(1)->setText(0, "w"); }},
        {"edit value",
         [](Teditor_RegistrySection &page) {
             page.setDialogRunner([](QDialog &) { return int(QDialog::Accepted); });
             selectRows(page, {1});
             page.JvListView1DblClick();
         }},
        {"delete value",
         [this](Teditor_RegistrySection &page) {
             selectRows(page, {1});
             ui.queueAnswer(UiButton::Yes);
             page.lv_deleteClick();
         }},
        {"rename key", [](Teditor_RegistrySection &page) { page.JvTreeView1->currentItem()->setText(0, "B"); }},
        {"delete key",
         [this](Teditor_RegistrySection &page) {
             ui.queueAnswer(UiButton::Yes);
             page.tree_deleteClick();
         }},
        {"association",
         [](Teditor_RegistrySection &page) {
             page.setDialogRunner([](QDialog &) { return int(QDialog::Accepted); });
             page.JvBitBtn1Click();
         }},
    };
    for (const auto &e : edits) {
        section->Entries.Clear();
        add("HKEY_LOCAL_MACHINE", "A", "v");
        project.Modified = false;
        const auto page = open();
        selectKey(*page, "HKEY_LOCAL_MACHINE\\A");
        EXPECT_FALSE(project.Modified) << e.edit;
        e.run(*page);
        EXPECT_TRUE(project.Modified) << e.edit;
    }
}

TEST_F(RegistrySectionPageTest, TheNameRenamesTheBreadcrumbNodeAndAnEmptyOneIsStoredAsTheDefault)
{
    const auto page = open();
    page->registrySectionName->selectAll();
    QTest::keyClick(page->registrySectionName, Qt::Key_Delete);
    EXPECT_EQ(section->Caption, QString("aRegistrySection"));
    QTest::keyClicks(page->registrySectionName, "Reg");
    EXPECT_EQ(section->Caption, QString("Reg"));
    EXPECT_EQ(host.calls(), (QStringList{"setCurrentNodeText aRegistrySection", "setCurrentNodeText R",
                                         "setCurrentNodeText Re", "setCurrentNodeText Reg"}));
}

// The name goes into the .inf file's section lists: what they cannot carry is
// refused as it is typed or pasted, and blanks at either end are not kept.
TEST_F(RegistrySectionPageTest, TheNameRefusesWhatTheInfFileCannotCarry)
{
    const auto page = open();
    page->registrySectionName->selectAll();
    QTest::keyClicks(page->registrySectionName, " My, \"Reg\" [1]; 5%= ");
    EXPECT_EQ(page->registrySectionName->text(), QString(" My Reg 1 5 "));
    EXPECT_EQ(section->Caption, QString("My Reg 1 5"));

    page->registrySectionName->selectAll();
    page->registrySectionName->insert("a,b");
    EXPECT_EQ(section->Caption, QString("My Reg 1 5"));
}

TEST_F(RegistrySectionPageTest, ARenamedSectionStaysInstalledByItsTargetsAfterTheCabPageRefreshes)
{
    for (const char *caption : {"CEDevice [ Default ]", "CEDevice.ARM", "CEDevice.MIPS"})
        project.CEDevices.AddNew().Caption = caption;
    project.RegistrySections.AddNew().Caption = "Other";
    project.CEDevices[0].Installation.defaultInstallRegistry = {"Settings", "Other"};
    project.CEDevices[1].Installation.defaultInstallRegistry = {"Other"};
    project.CEDevices[2].Installation.defaultInstallRegistry = {"Settings"};
    auto installed = [this] {
        QList<QStringList> names;
        for (const TCEDevice &target : project.CEDevices)
            names.append(target.Installation.defaultInstallRegistry);
        return names;
    };
    {
        const auto page = open();
        page->registrySectionName->selectAll();
        QTest::keyClicks(page->registrySectionName, "Device");
        // Already while typing, so a save or build in between finds no stale name.
        EXPECT_EQ(installed(), (QList<QStringList>{{"Device", "Other"}, {"Other"}, {"Device"}}));
        QTest::keyClick(page->registrySectionName, Qt::Key_Return);

        // A later edit follows the targets as they are when it begins.
        project.CEDevices[2].Installation.defaultInstallRegistry.clear();
        project.CEDevices[1].Installation.defaultInstallRegistry.append("Device");
        QTest::keyClicks(page->registrySectionName, "s");
    }
    TCABCreatorForm cabPage(project, host);
    cabPage.RefreshFromProject();
    EXPECT_EQ(installed(), (QList<QStringList>{{"Devices", "Other"}, {"Other", "Devices"}, {}}));
}

TEST_F(RegistrySectionPageTest, ASectionDeletedBehindThePageIsLeftAlone)
{
    project.CEDevices.AddNew().Installation.defaultInstallRegistry = {"Settings"};
    auto page = open();
    project.RegistrySections.Delete(0);
    page.reset();
    EXPECT_EQ(project.CEDevices[0].Installation.defaultInstallRegistry, QStringList{"Settings"});
}

TEST_F(RegistrySectionPageTest, ColumnAndPaneWidthsLiveInTheRsKey)
{
    {
        const auto page = open();
        page->splitter->setSizes({230, 392});
        page->lv_Registry->header()->resizeSection(1, 77);
    }
    Registry registry;
    ASSERT_TRUE(registry.openKey(Teditor_RegistrySection::SettingsKey, false));
    EXPECT_EQ(registry.readInteger("JvTreeView1_width"), 230);
    EXPECT_TRUE(registry.readInteger("lv_Registry_width").has_value());
    EXPECT_EQ(registry.readInteger("lv_RegistryColumn_1"), 77);
    const auto reopened = open();
    EXPECT_EQ(reopened->splitter->sizes().value(0), 230);
    EXPECT_EQ(reopened->lv_Registry->header()->sectionSize(1), 77);
}
