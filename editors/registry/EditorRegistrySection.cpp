#include "editors/registry/EditorRegistrySection.h"

#include "editors/registry/AddFileAssociation.h"
#include "editors/common/EditorMessages.h"
#include "editors/registry/EditorRegistryEntry.h"
#include "editors/core/regimport/RegImport.h"
#include "editors/core/regimport/RegImportEntry.h"
#include "editors/core/registry/RegistryEntryValue.h"
#include "editors/core/registry/RegistrySectionEdits.h"
#include "editors/core/device/TargetEdits.h"
#include "helpers/core/InfSectionName.h"
#include "helpers/ui/ColumnsFitContents.h"
#include "helpers/ui/CheckBoxOpenDialogs.h"
#include "helpers/ui/FontsAndThemes.h"
#include "helpers/ui/TreeExpansion.h"
#include "helpers/ui/WindowSettings.h"
#include "model/ProjectContainer.h"
#include "pagehost/IProjectWindowHost.h"
#include "platform/Registry.h"
#include "widgets/NxEdit.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace talmo {

namespace {

// The name a node or row had before its label was edited.
constexpr int NameRole = Qt::UserRole;
// The section index of a value row's entry, -1 for the "(default)" placeholder.
constexpr int EntryRole = Qt::UserRole + 1;

constexpr int DefaultTreeWidth = 181;
const QString TreeWidthValue = QStringLiteral("JvTreeView1_width");
const QString ListWidthValue = QStringLiteral("lv_Registry_width");
const QString ConfirmText = QStringLiteral("Are you sure ?");
const QString NewKeyName = QStringLiteral("New Key");

const QStringList RootKeys = {QStringLiteral("HKEY_CLASSES_ROOT"), QStringLiteral("HKEY_CURRENT_USER"),
                              QStringLiteral("HKEY_LOCAL_MACHINE")};

// Only the value name is edited in place; type and data go through the dialog.
class NameColumnDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return index.column() == 0 ? QStyledItemDelegate::createEditor(parent, option, index) : nullptr;
    }
};

void collapseAll(QTreeWidgetItem *node)
{
    for (int i = 0; i < node->childCount(); ++i)
        collapseAll(node->child(i));
    node->setExpanded(false);
}

// A key name cut short by a narrow tree shows whole in its tool tip.
void setName(QTreeWidgetItem *item, const QString &name)
{
    item->setText(0, name);
    item->setToolTip(0, name);
    item->setData(0, NameRole, name);
}

// Wide enough for the root keys, one level in, whole.
int defaultTreeWidth(const QTreeWidget *tree)
{
    int widest = 0;
    for (const QString &root : RootKeys)
        widest = std::max(widest, tree->fontMetrics().horizontalAdvance(root));
    const int branchAndFrame = 2 * tree->indentation() + 8;
    return std::max(DefaultTreeWidth, widest + branchAndFrame);
}

QString committedName(const QTreeWidgetItem *item)
{
    return item->data(0, NameRole).toString();
}

QStringList siblingNames(const QTreeWidgetItem *node)
{
    QStringList names;
    const QTreeWidgetItem *parent = node->parent();
    for (int i = 0; parent && i < parent->childCount(); ++i) {
        if (parent->child(i) != node)
            names.append(committedName(parent->child(i)));
    }
    return names;
}

} // namespace

Teditor_RegistrySection::Teditor_RegistrySection(TProjectContainer &project, IProjectWindowHost &host,
                                                 TRegistrySection &section, QWidget *parent)
    : HostedPage(parent)
    , registrySectionName(new TNxEdit(this))
    , JvBitBtn1(new QPushButton(QStringLiteral("Add Association"), this))
    , TntButton1(new QPushButton(QStringLiteral("Import"), this))
    , splitter(new QSplitter(Qt::Horizontal, this))
    , JvTreeView1(new QTreeWidget(splitter))
    , lv_Registry(new QTreeWidget(splitter))
    , JvPopupMenu1(new QMenu(this))
    , l(new QMenu(this))
    , m_project(project)
    , m_host(host)
    , m_section(&section)
{
    setObjectName(QStringLiteral("editor_RegistrySection"));
    setWindowTitle(QStringLiteral("Edit Registry Section"));
    createControls();
    createTreeMenu();
    createListMenu();
    // Attached before the saved widths come back, so that those count as the user's.
    ColumnsFitContents::attach(lv_Registry);
    restoreSettings();
    FormShow();
    connectControls();
}

Teditor_RegistrySection::~Teditor_RegistrySection()
{
    saveSettings();
}

void Teditor_RegistrySection::createControls()
{
    QFont font = this->font();
    ApplyIconTitleFont(font);
    setFont(font);
    setMinimumSize(600, 500);

    JvTreeView1->setObjectName(QStringLiteral("JvTreeView1"));
    JvTreeView1->setHeaderHidden(true);
    JvTreeView1->setColumnCount(1);
    JvTreeView1->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    JvTreeView1->setContextMenuPolicy(Qt::CustomContextMenu);

    lv_Registry->setObjectName(QStringLiteral("lv_Registry"));
    lv_Registry->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Type"), QStringLiteral("Data")});
    lv_Registry->setRootIsDecorated(false);
    lv_Registry->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lv_Registry->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    lv_Registry->setItemDelegate(new NameColumnDelegate(lv_Registry));
    lv_Registry->setContextMenuPolicy(Qt::CustomContextMenu);
    lv_Registry->header()->resizeSection(0, 140);
    lv_Registry->header()->resizeSection(1, 110);

    splitter->setChildrenCollapsible(false);
    splitter->setStretchFactor(1, 1);
    const int treeWidth = defaultTreeWidth(JvTreeView1);
    splitter->setSizes({treeWidth, 622 - treeWidth});

    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Registry Section Name"), this));
    // The name stays wide enough to read and type into; a narrower window
    // scrolls the page.
    registrySectionName->setMinimumWidth(registrySectionName->fontMetrics().averageCharWidth() * 12);
    // The name goes into the .inf file's section lists: what they cannot carry is refused as it is typed.
    registrySectionName->setValidator(new QRegularExpressionValidator(InfSectionName::TypablePattern(), registrySectionName));
    registrySectionName->setToolTip(InfSectionName::Rule);
    top->addWidget(registrySectionName, 1);
    top->addWidget(JvBitBtn1);
    top->addWidget(TntButton1);
    auto *column = new QVBoxLayout(this);
    column->addLayout(top);
    column->addWidget(splitter, 1);
    resize(622, 521);
}

QMenu *Teditor_RegistrySection::addCreateMenu(QMenu *menu, const QString &keyText, QAction *&key, QAction *&data,
                                              QList<QAction *> &items)
{
    QMenu *create = menu->addMenu(QStringLiteral("Create"));
    key = create->addAction(keyText);
    m_handlers.insert(key, [this] { tree_new_keyClick(); });
    create->addSeparator();
    QMenu *dataMenu = create->addMenu(QStringLiteral("Data"));
    data = dataMenu->menuAction();
    const QString texts[] = {QStringLiteral("String"), QStringLiteral("Multi String"), QStringLiteral("Binary"),
                             QStringLiteral("DWord")};
    for (int tag = 1; tag <= 4; ++tag) {
        QAction *item = dataMenu->addAction(texts[tag - 1]);
        item->setData(tag);
        m_handlers.insert(item, [this, tag] { String1Click(tag); });
        items.append(item);
    }
    return create;
}

void Teditor_RegistrySection::createTreeMenu()
{
    Expand1 = JvPopupMenu1->addAction(QStringLiteral("Expand"));
    Create1 = addCreateMenu(JvPopupMenu1, QStringLiteral("key"), tree_new_key, treeData, treeDataItems)->menuAction();
    JvPopupMenu1->addSeparator();
    tree_delete = JvPopupMenu1->addAction(QStringLiteral("Delete"));
    tree_rename = JvPopupMenu1->addAction(QStringLiteral("Rename"));
    m_handlers.insert(Expand1, [this] { Expand1Click(); });
    m_handlers.insert(tree_delete, [this] { tree_deleteClick(); });
    m_handlers.insert(tree_rename, [this] { tree_renameClick(); });
}

void Teditor_RegistrySection::createListMenu()
{
    lv_edit = l->addAction(QStringLiteral("Edit"));
    l->addSeparator();
    lv_delete = l->addAction(QStringLiteral("Delete"));
    lv_rename = l->addAction(QStringLiteral("Rename"));
    l->addSeparator();
    lvCreate = addCreateMenu(l, QStringLiteral("Key"), lv_new_key, lvData, listDataItems)->menuAction();
    m_handlers.insert(lv_edit, [this] { JvListView1DblClick(); });
    m_handlers.insert(lv_delete, [this] { lv_deleteClick(); });
    m_handlers.insert(lv_rename, [this] { lv_renameClick(); });
}

void Teditor_RegistrySection::connectControls()
{
    connect(registrySectionName, &QLineEdit::textChanged, this, &Teditor_RegistrySection::registrySectionNameChange);
    connect(registrySectionName, &QLineEdit::editingFinished, this, [this] { m_nameEdited = false; });
    connect(JvBitBtn1, &QPushButton::clicked, this, &Teditor_RegistrySection::JvBitBtn1Click);
    connect(TntButton1, &QPushButton::clicked, this, &Teditor_RegistrySection::TntButton1Click);
    connect(JvTreeView1, &QTreeWidget::currentItemChanged, this, &Teditor_RegistrySection::JvTreeView1SelectionChange);
    connect(JvTreeView1, &QTreeWidget::itemChanged, this, &Teditor_RegistrySection::JvTreeView1Edited);
    connect(JvTreeView1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { treeContextMenu(JvTreeView1->viewport()->mapToGlobal(pos)); });
    connect(lv_Registry, &QTreeWidget::itemChanged, this, &Teditor_RegistrySection::lv_RegistryEdited);
    connect(lv_Registry, &QTreeWidget::itemDoubleClicked, this, &Teditor_RegistrySection::JvListView1DblClick);
    connect(lv_Registry, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { listContextMenu(lv_Registry->viewport()->mapToGlobal(pos)); });
}

void Teditor_RegistrySection::restoreSettings()
{
    Registry registry;
    if (!registry.openKey(SettingsKey, false))
        return;
    const int tree = registry.readInteger(TreeWidthValue).value_or(defaultTreeWidth(JvTreeView1));
    const int list = registry.readInteger(ListWidthValue).value_or(width() - tree);
    splitter->setSizes({tree, list});
    RestoreListViewColumns(registry, lv_Registry);
}

void Teditor_RegistrySection::saveSettings() const
{
    // Sizes of a page never laid out are no sizes at all.
    if (!m_shown)
        return;
    Registry registry;
    if (!registry.openKey(SettingsKey, true))
        return;
    // A settings store that cannot be written loses the sizes, nothing else.
    if (registry.writeInteger(TreeWidthValue, splitter->sizes().value(0))
        && registry.writeInteger(ListWidthValue, splitter->sizes().value(1)))
        (void)SaveListViewColumns(registry, lv_Registry);
}

void Teditor_RegistrySection::setModified()
{
    m_project.Modified = true;
}

// The page ---------------------------------------------------------------

void Teditor_RegistrySection::FormShow()
{
    m_filling = true;
    registrySectionName->setText(m_section->Caption);
    m_filling = false;
    rebuildTree();
}

void Teditor_RegistrySection::showEvent(QShowEvent *event)
{
    HostedPage::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    registrySectionName->setFocus(Qt::OtherFocusReason);
    registrySectionName->setCursorPosition(0);
}

void Teditor_RegistrySection::rebuildTree()
{
    {
        const TreeExpansion expansion(*JvTreeView1);
        const QSignalBlocker quiet(JvTreeView1);
        JvTreeView1->clear();
        QTreeWidgetItem *top = new QTreeWidgetItem(JvTreeView1);
        setName(top, TopNodeText);
        for (const QString &root : RootKeys)
            addNode(top, root);
        BuildRegistryTree();
        JvTreeView1->sortItems(0, Qt::AscendingOrder);
        top->setExpanded(true);
        expansion.restore(*JvTreeView1);
        JvTreeView1->setCurrentItem(top);
    }
    JvTreeView1SelectionChange();
}

QTreeWidgetItem *Teditor_RegistrySection::addNode(QTreeWidgetItem *parent, const QString &name)
{
    auto *node = new QTreeWidgetItem(parent);
    setName(node, name);
    if (kindOf(node) == RegistryNodeKind::Key)
        node->setFlags(node->flags() | Qt::ItemIsEditable);
    return node;
}

void Teditor_RegistrySection::BuildRegistryTree()
{
    const QSignalBlocker quiet(JvTreeView1);
    QTreeWidgetItem *top = JvTreeView1->topLevelItem(0);
    for (const TRegistryEntry &entry : m_section->Entries) {
        QTreeWidgetItem *node = top;
        const RegistryKeyPath key = RegistryKeyPath::of(entry);
        for (const QString &name : key.names()) {
            QTreeWidgetItem *child = FindChildByText(node, name);
            node = child ? child : addNode(node, name);
        }
    }
}

RegistryNodeKind Teditor_RegistrySection::kindOf(const QTreeWidgetItem *node) const
{
    if (!node)
        return RegistryNodeKind::None;
    if (!node->parent())
        return RegistryNodeKind::Top;
    return node->parent()->parent() ? RegistryNodeKind::Key : RegistryNodeKind::Root;
}

RegistryKeyPath Teditor_RegistrySection::GetKeyOfNode(const QTreeWidgetItem *node) const
{
    QStringList names;
    for (; node && node->parent(); node = node->parent())
        names.prepend(committedName(node));
    return RegistryKeyPath(names);
}

QTreeWidgetItem *Teditor_RegistrySection::FindChildByText(const QTreeWidgetItem *node, const QString &name)
{
    for (int i = 0; i < node->childCount(); ++i) {
        if (committedName(node->child(i)) == name)
            return node->child(i);
    }
    return nullptr;
}

QTreeWidgetItem *Teditor_RegistrySection::nodeOfKey(const RegistryKeyPath &key) const
{
    QTreeWidgetItem *node = JvTreeView1->topLevelItem(0);
    for (const QString &name : key.names()) {
        if (!node)
            break;
        node = FindChildByText(node, name);
    }
    return key.isEmpty() ? nullptr : node;
}

// Tree --------------------------------------------------------------------

void Teditor_RegistrySection::JvTreeView1SelectionChange()
{
    fillValueList();
}

void Teditor_RegistrySection::JvTreeView1Edited(QTreeWidgetItem *node)
{
    const QString oldName = committedName(node);
    const QString newName = node->text(0);
    if (oldName == newName)
        return;
    const QSignalBlocker quiet(JvTreeView1);
    if (kindOf(node) != RegistryNodeKind::Key || !RegistrySectionEdits::acceptsKeyName(newName, siblingNames(node))) {
        node->setText(0, oldName);
        return;
    }
    RegistrySectionEdits(*m_section).renameKey(GetKeyOfNode(node), newName);
    node->setData(0, NameRole, newName);
    setModified();
    JvTreeView1->sortItems(0, Qt::AscendingOrder);
    if (node == JvTreeView1->currentItem())
        fillValueList();
}

void Teditor_RegistrySection::JvPopupMenu1Popup()
{
    QTreeWidgetItem *node = JvTreeView1->currentItem();
    const auto rules = RegistryTreeMenuRules::forNode(kindOf(node), node && node->isExpanded());
    Expand1->setEnabled(rules.expand);
    Expand1->setText(rules.collapseCaption ? QStringLiteral("Collapse") : QStringLiteral("Expand"));
    Create1->setEnabled(rules.create);
    tree_new_key->setEnabled(rules.key);
    treeData->setEnabled(rules.data);
    tree_delete->setEnabled(rules.remove);
    tree_rename->setEnabled(rules.rename);
}

void Teditor_RegistrySection::treeContextMenu(const QPoint &globalPos)
{
    JvPopupMenu1Popup();
    runMenu(JvPopupMenu1, globalPos);
}

void Teditor_RegistrySection::runMenu(QMenu *menu, const QPoint &globalPos)
{
    // The chosen item's handler runs here, not from its triggered signal, so
    // a runner that both triggers and answers it cannot run it twice.
    QAction *chosen = m_runMenu(*menu, globalPos);
    if (chosen && chosen->isEnabled() && m_handlers.contains(chosen))
        m_handlers.value(chosen)();
}

void Teditor_RegistrySection::Expand1Click()
{
    QTreeWidgetItem *node = JvTreeView1->currentItem();
    if (!node)
        return;
    if (node->isExpanded())
        collapseAll(node);
    else
        node->setExpanded(true);
}

void Teditor_RegistrySection::tree_new_keyClick()
{
    QTreeWidgetItem *parent = JvTreeView1->currentItem();
    if (!RegistryTreeMenuRules::forNode(kindOf(parent), false).key)
        return;
    QTreeWidgetItem *node = nullptr;
    {
        const QSignalBlocker quiet(JvTreeView1);
        node = addNode(parent, NewKeyName);
        parent->setExpanded(true);
    }
    JvTreeView1->setCurrentItem(node);
    JvTreeView1->editItem(node);
}

void Teditor_RegistrySection::tree_deleteClick()
{
    QTreeWidgetItem *node = JvTreeView1->currentItem();
    if (kindOf(node) != RegistryNodeKind::Key || !ConfirmEditorAction(this, ConfirmText))
        return;
    RegistrySectionEdits(*m_section).deleteKey(GetKeyOfNode(node));
    delete node;
    setModified();
    fillValueList();
}

void Teditor_RegistrySection::tree_renameClick()
{
    QTreeWidgetItem *node = JvTreeView1->currentItem();
    if (kindOf(node) == RegistryNodeKind::Key)
        JvTreeView1->editItem(node);
}

// Values ------------------------------------------------------------------

void Teditor_RegistrySection::fillValueList()
{
    const QSignalBlocker quiet(lv_Registry);
    lv_Registry->clear();
    QTreeWidgetItem *node = JvTreeView1->currentItem();
    if (kindOf(node) != RegistryNodeKind::Key)
        return;
    const QList<RegistryValueRow> rows = RegistrySectionEdits(*m_section).rowsOf(GetKeyOfNode(node));
    for (int r = 0; r < rows.size(); ++r) {
        auto *item = new QTreeWidgetItem(lv_Registry, {rows[r].name, rows[r].type, rows[r].data});
        item->setData(0, NameRole, rows[r].name);
        item->setData(0, EntryRole, rows[r].entryIndex);
        if (r > 0)
            item->setFlags(item->flags() | Qt::ItemIsEditable);
    }
}

QList<QTreeWidgetItem *> Teditor_RegistrySection::selectedRows() const
{
    QList<QTreeWidgetItem *> rows = lv_Registry->selectedItems();
    std::sort(rows.begin(), rows.end(), [this](QTreeWidgetItem *a, QTreeWidgetItem *b) {
        return lv_Registry->indexOfTopLevelItem(a) < lv_Registry->indexOfTopLevelItem(b);
    });
    return rows;
}

void Teditor_RegistrySection::lPopup()
{
    const QList<QTreeWidgetItem *> rows = selectedRows();
    const bool defaultRow = !rows.isEmpty() && lv_Registry->indexOfTopLevelItem(rows.first()) == 0;
    const auto rules =
        RegistryListMenuRules::forSelection(int(rows.size()), defaultRow, kindOf(JvTreeView1->currentItem()));
    lv_edit->setEnabled(rules.edit);
    lv_delete->setEnabled(rules.remove);
    lv_rename->setEnabled(rules.rename);
    lvCreate->setEnabled(rules.create);
    lv_new_key->setEnabled(rules.key);
    lvData->setEnabled(rules.data);
}

void Teditor_RegistrySection::listContextMenu(const QPoint &globalPos)
{
    lPopup();
    runMenu(l, globalPos);
}

void Teditor_RegistrySection::String1Click(int tag)
{
    QTreeWidgetItem *node = JvTreeView1->currentItem();
    if (kindOf(node) != RegistryNodeKind::Key || tag < 1 || tag > 4)
        return;
    const int index =
        RegistrySectionEdits(*m_section).addValue(GetKeyOfNode(node), RegistryEntryValue::typeNames().at(tag - 1));
    setModified();
    fillValueList();
    for (int r = 0; r < lv_Registry->topLevelItemCount(); ++r) {
        QTreeWidgetItem *row = lv_Registry->topLevelItem(r);
        if (row->data(0, EntryRole).toInt() == index) {
            lv_Registry->setCurrentItem(row);
            lv_Registry->editItem(row, 0);
        }
    }
}

void Teditor_RegistrySection::JvListView1DblClick()
{
    QTreeWidgetItem *row = lv_Registry->currentItem();
    QTreeWidgetItem *node = JvTreeView1->currentItem();
    if (!row || !row->isSelected() || kindOf(node) != RegistryNodeKind::Key)
        return;
    const int index = row->data(0, EntryRole).toInt();
    TRegistryEntry entry = index < 0 ? RegistrySectionEdits::newDefaultValue(GetKeyOfNode(node))
                                     : m_section->Entries[index];
    TeditorRegistryEntry dialog(this);
    dialog.load(entry);
    if (m_runDialog(dialog) != QDialog::Accepted)
        return;
    dialog.store(index < 0 ? m_section->Entries.AddNew(entry) : m_section->Entries[index]);
    setModified();
    const int rowIndex = lv_Registry->indexOfTopLevelItem(row);
    fillValueList();
    lv_Registry->setCurrentItem(lv_Registry->topLevelItem(rowIndex));
}

void Teditor_RegistrySection::lv_deleteClick()
{
    const QList<QTreeWidgetItem *> rows = selectedRows();
    if (rows.isEmpty() || !ConfirmEditorAction(this, ConfirmText))
        return;
    QList<int> indexes;
    for (const QTreeWidgetItem *row : rows)
        indexes.append(row->data(0, EntryRole).toInt());
    RegistrySectionEdits(*m_section).deleteValues(indexes);
    setModified();
    fillValueList();
}

void Teditor_RegistrySection::lv_renameClick()
{
    QTreeWidgetItem *row = lv_Registry->currentItem();
    if (row && row->flags().testFlag(Qt::ItemIsEditable))
        lv_Registry->editItem(row, 0);
}

void Teditor_RegistrySection::lv_RegistryEdited(QTreeWidgetItem *row)
{
    const QString newName = row->text(0);
    if (newName == committedName(row))
        return;
    const QSignalBlocker quiet(lv_Registry);
    const int index = row->data(0, EntryRole).toInt();
    if (index < 0 || lv_Registry->indexOfTopLevelItem(row) == 0
        || !RegistrySectionEdits(*m_section).renameValue(index, newName)) {
        row->setText(0, committedName(row));
        return;
    }
    row->setData(0, NameRole, newName);
    setModified();
}

// Buttons and name --------------------------------------------------------

void Teditor_RegistrySection::TntButton1Click()
{
    TRegistryFlagOpenDialog dialog;
    dialog.Checked = true;
    dialog.Filter = QStringLiteral("Registry Files (*.reg;*.rgu)|*.reg;*.rgu|All Files (*.*)|*.*");
    if (!dialog.Execute(this))
        return;
    m_importNoOverwrite = dialog.Checked;
    // A file that breaks off keeps what was read before; nothing is reported.
    ImportRegFile(dialog.FileName,
                  [section = m_section, overwrite = m_importNoOverwrite](const RegImportEvent &event) {
                      if (const auto entry = registryEntryFromImport(event, overwrite))
                          section->Entries.AddNew(*entry);
                      return true;
                  });
    setModified();
    FormShow();
}

void Teditor_RegistrySection::JvBitBtn1Click()
{
    TaddFileAssociation dialog(this);
    dialog.DeviceMode = true;
    dialog.Project = &m_project;
    if (m_runDialog(dialog) != QDialog::Accepted)
        return;
    RegistrySectionEdits(*m_section)
        .addFileAssociation(dialog.tb_Extension->text(), dialog.tb_description->text(), dialog.cb_target->currentText());
    setModified();
    rebuildTree();
}

void Teditor_RegistrySection::registrySectionNameChange()
{
    if (m_filling)
        return;
    TargetEdits targets(m_project);
    if (!m_nameEdited) {
        m_sectionPlaces = targets.RegistrySectionPlaces(m_section->Caption);
        m_nameEdited = true;
    }
    const QString caption = RegistrySectionEdits::captionFor(registrySectionName->text());
    targets.RenameRegistrySection(m_sectionPlaces, m_section->Caption, caption);
    m_section->Caption = caption;
    m_host.setCurrentNodeText(caption);
    setModified();
}

} // namespace talmo
