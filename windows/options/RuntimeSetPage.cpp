#include "windows/options/RuntimeSetPage.h"

#include "editors/common/EditorMessages.h"
#include "editors/modules/RuntimeModuleDialog.h"
#include "helpers/ui/TntButtonEdit.h"
#include "helpers/ui/UiServices.h"
#include "model/SqlMobileSearch.h"
#include "platform/HostPath.h"
#include "windows/options/SearchProgressDialog.h"
#include "windows/options/TaddPluginSet.h"
#include "windows/options/TtextEditor.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace talmo {

namespace {

constexpr int IndexRole = Qt::UserRole;

// The controls' names on each page.
struct PageNames
{
    const char *sets, *rename, *remove, *add, *group, *tree, *cabs, *nodeAdd, *nodeAddMenu, *nodeDelete, *cabEdit,
        *cabDelete, *cabAdd, *cabMenu;
};

constexpr PageNames NetCF2Names = { "cb_netcf2", "bt_netcf2_rename", "bt_netcf2_delete", "JvBitBtn9",
                                    "JvGroupBox2", "tv_netcf2", "lv_netcf2", "bt_multi_add_netcf2",
                                    "pm_netcf2_add_button", "bt_multi_delete_netcf2", "bt_netcf2_cab_edit",
                                    "bt_netcf2_cab_delete", "bt_netcf2_cab_add", "pm_NETCF2CabFiles" };
constexpr PageNames SqlMobileNames = { "cb_msql", "bt_sql_rename", "bt_sql_delete", "JvBitBtn5",
                                       "JvGroupBox1", "JvTreeView1", "lv_sqlCabFiles", "bt_multi_add",
                                       "pm_sql_add_button", "bt_multi_delete", "bt_sql_cab_edit",
                                       "bt_sql_cab_delete", "bt_sql_cab_add", "pm_SQLCabFiles" };

const QStringList PlatformSuggestions = { QStringLiteral("WCE400"), QStringLiteral("WCE500") };
const QStringList ProcessorSuggestions = { QStringLiteral("armv4i"),   QStringLiteral("mipsii"),
                                           QStringLiteral("mipsii_fp"), QStringLiteral("mipsiv"),
                                           QStringLiteral("mipsiv_fp"), QStringLiteral("sh4"),
                                           QStringLiteral("x86") };

const QString WarningNote = QStringLiteral(
    "Warning, changing these options, will not be changed and into project settings. This happens because when "
    "adding a custom set into project settings, simple it will copy these options into project.");

template <typename Widget>
Widget *named(Widget *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

int indexOf(const QTreeWidgetItem *item)
{
    return item->data(0, IndexRole).toInt();
}

} // namespace

RuntimeSetPage::RuntimeSetPage(RuntimeModuleKind kind, TProgramOptions &options, QWidget *parent)
    : QWidget(parent)
    , m_kind(kind)
    , m_options(options)
{
    const PageNames &names = kind == RuntimeModuleKind::SqlMobile ? SqlMobileNames : NetCF2Names;
    cb_sets = named(new QComboBox(this), names.sets);
    bt_rename = named(new QPushButton(QStringLiteral("Rename"), this), names.rename);
    bt_delete = named(new QPushButton(QStringLiteral("Delete"), this), names.remove);
    bt_add = named(new QPushButton(QStringLiteral("Add"), this), names.add);
    gb_settings = named(new QGroupBox(this), names.group);
    tv_platforms = named(new QTreeWidget(gb_settings), names.tree);
    lv_cabs = named(new QTreeWidget(gb_settings), names.cabs);
    bt_node_add = named(new QToolButton(gb_settings), names.nodeAdd);
    pm_node_add = named(new QMenu(bt_node_add), names.nodeAddMenu);
    bt_node_delete = named(new QPushButton(QStringLiteral("Delete"), gb_settings), names.nodeDelete);
    bt_cab_edit = named(new QPushButton(QStringLiteral("Edit"), gb_settings), names.cabEdit);
    bt_cab_delete = named(new QPushButton(QStringLiteral("Delete"), gb_settings), names.cabDelete);
    bt_cab_add = named(new QPushButton(QStringLiteral("Add"), gb_settings), names.cabAdd);
    pm_cabs = named(new QMenu(lv_cabs), names.cabMenu);
    mi_cab_edit = pm_cabs->addAction(QStringLiteral("Edit"));
    mi_cab_delete = pm_cabs->addAction(QStringLiteral("Delete"));
    mi_cab_add = pm_cabs->addAction(QStringLiteral("Add"));
    makeSearchProgress = [](QWidget *parent) { return std::make_unique<SearchProgressDialog>(parent); };
    createLayout();
    connectControls();
}

RuntimeSetPage::~RuntimeSetPage() = default;

void RuntimeSetPage::createLayout()
{
    cb_sets->setEditable(false);
    tv_platforms->setHeaderHidden(true);
    tv_platforms->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    lv_cabs->setHeaderLabels({ QStringLiteral("Cab Files") });
    lv_cabs->setRootIsDecorated(false);
    // A long path keeps its file name in sight; the tool tip shows it whole.
    lv_cabs->setTextElideMode(Qt::ElideMiddle);
    lv_cabs->setContextMenuPolicy(Qt::CustomContextMenu);
    bt_node_add->setText(QStringLiteral("Add"));
    bt_node_add->setMenu(pm_node_add);
    bt_node_add->setPopupMode(QToolButton::InstantPopup);

    auto *setRow = new QHBoxLayout;
    auto *setLabel = new QLabel(QStringLiteral("Custom Set"), this);
    setLabel->setBuddy(cb_sets);
    setRow->addWidget(setLabel);
    setRow->addWidget(cb_sets, 1);
    setRow->addWidget(bt_rename);
    setRow->addWidget(bt_delete);
    setRow->addWidget(bt_add);

    auto *treeColumn = new QVBoxLayout;
    treeColumn->addWidget(tv_platforms, 1);
    auto *treeButtons = new QHBoxLayout;
    treeButtons->addWidget(bt_node_add);
    treeButtons->addWidget(bt_node_delete);
    treeButtons->addStretch();
    treeColumn->addLayout(treeButtons);
    auto *cabColumn = new QVBoxLayout;
    cabColumn->addWidget(lv_cabs, 1);
    auto *cabButtons = new QHBoxLayout;
    cabButtons->addStretch();
    cabButtons->addWidget(bt_cab_edit);
    cabButtons->addWidget(bt_cab_delete);
    cabButtons->addWidget(bt_cab_add);
    cabColumn->addLayout(cabButtons);
    auto *settings = new QHBoxLayout(gb_settings);
    settings->addLayout(treeColumn, 2);
    settings->addLayout(cabColumn, 3);

    auto *note = new QLabel(WarningNote, this);
    note->setWordWrap(true);
    auto *column = new QVBoxLayout(this);
    column->addLayout(setRow);
    column->addWidget(gb_settings, 1);
    column->addWidget(note);
}

void RuntimeSetPage::connectControls()
{
    connect(cb_sets, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_filling)
            ShowSet();
    });
    connect(bt_rename, &QPushButton::clicked, this, &RuntimeSetPage::RenameSet);
    connect(bt_delete, &QPushButton::clicked, this, &RuntimeSetPage::DeleteSet);
    connect(bt_add, &QPushButton::clicked, this, &RuntimeSetPage::AddSet);
    connect(tv_platforms, &QTreeWidget::itemSelectionChanged, this, &RuntimeSetPage::treeSelectionChanged);
    connect(tv_platforms, &QTreeWidget::itemChanged, this, &RuntimeSetPage::nodeRenamed);
    connect(pm_node_add, &QMenu::aboutToShow, this, &RuntimeSetPage::FillNodeAddMenu);
    connect(bt_node_delete, &QPushButton::clicked, this, &RuntimeSetPage::DeleteNode);
    connect(lv_cabs, &QTreeWidget::itemSelectionChanged, this, &RuntimeSetPage::cabSelectionChanged);
    connect(lv_cabs, &QTreeWidget::itemDoubleClicked, this, &RuntimeSetPage::EditCab);
    connect(lv_cabs, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        const bool processor = selectedProcessor() && selectedNode().second >= 0;
        mi_cab_add->setEnabled(processor);
        mi_cab_edit->setEnabled(selectedCab().processor);
        mi_cab_delete->setEnabled(selectedCab().processor);
        pm_cabs->popup(lv_cabs->viewport()->mapToGlobal(at));
    });
    connect(bt_cab_edit, &QPushButton::clicked, this, &RuntimeSetPage::EditCab);
    connect(bt_cab_delete, &QPushButton::clicked, this, &RuntimeSetPage::DeleteCab);
    connect(bt_cab_add, &QPushButton::clicked, this, &RuntimeSetPage::AddCab);
    connect(mi_cab_edit, &QAction::triggered, this, &RuntimeSetPage::EditCab);
    connect(mi_cab_delete, &QAction::triggered, this, &RuntimeSetPage::DeleteCab);
    connect(mi_cab_add, &QAction::triggered, this, &RuntimeSetPage::AddCab);
}

std::vector<TMSQL_CustomSet> &RuntimeSetPage::sets() const
{
    return m_kind == RuntimeModuleKind::SqlMobile ? m_options.MSQLSets : m_options.NETCF2Sets;
}

TMSQL_CustomSet *RuntimeSetPage::selectedSet() const
{
    const int entry = cb_sets->currentIndex();
    if (entry < 0 || std::size_t(entry) + 1 >= sets().size())
        return nullptr;
    return &sets()[std::size_t(entry) + 1];
}

void RuntimeSetPage::RefillSets(int index)
{
    m_filling = true;
    cb_sets->clear();
    for (std::size_t i = 1; i < sets().size(); ++i)
        cb_sets->addItem(sets()[i].Caption);
    cb_sets->setCurrentIndex(cb_sets->count() == 0 ? -1 : std::clamp(index, 0, cb_sets->count() - 1));
    m_filling = false;
    ShowSet();
}

void RuntimeSetPage::ShowSet()
{
    const TMSQL_CustomSet *set = selectedSet();
    bt_rename->setEnabled(set);
    bt_delete->setEnabled(set);
    m_filling = true;
    tv_platforms->clear();
    lv_cabs->clear();
    if (set) {
        gb_settings->setTitle(QStringLiteral("Settings for ") + set->Caption);
        for (std::size_t p = 0; p < set->Platforms.size(); ++p) {
            const TMSQL_Platforms &platform = set->Platforms[p];
            auto *node = new QTreeWidgetItem(tv_platforms, { platform.Caption });
            node->setData(0, IndexRole, int(p));
            node->setFlags(node->flags() | Qt::ItemIsEditable);
            for (std::size_t c = 0; c < platform.Processors.size(); ++c) {
                auto *child = new QTreeWidgetItem(node, { platform.Processors[c].Caption });
                child->setData(0, IndexRole, int(c));
                child->setFlags(child->flags() | Qt::ItemIsEditable);
            }
        }
        tv_platforms->expandAll();
        if (QTreeWidgetItem *first = tv_platforms->topLevelItem(0)) {
            tv_platforms->setCurrentItem(first);
            tv_platforms->scrollToItem(first);
        }
    }
    m_filling = false;
    treeSelectionChanged();
}

std::pair<int, int> RuntimeSetPage::selectedNode() const
{
    const QList<QTreeWidgetItem *> chosen = tv_platforms->selectedItems();
    if (chosen.isEmpty())
        return { -1, -1 };
    QTreeWidgetItem *node = chosen.first();
    if (QTreeWidgetItem *platform = node->parent())
        return { indexOf(platform), indexOf(node) };
    return { indexOf(node), -1 };
}

TMSQL_Processors *RuntimeSetPage::selectedProcessor() const
{
    TMSQL_CustomSet *set = selectedSet();
    const auto [platform, processor] = selectedNode();
    if (!set || platform < 0 || processor < 0)
        return nullptr;
    return &set->Platforms[std::size_t(platform)].Processors[std::size_t(processor)];
}

RuntimeSetPage::CabRef RuntimeSetPage::selectedCab() const
{
    TMSQL_CustomSet *set = selectedSet();
    const QList<QTreeWidgetItem *> chosen = lv_cabs->selectedItems();
    const int platform = selectedNode().first;
    if (!set || platform < 0 || chosen.isEmpty() || !chosen.first()->parent())
        return {};
    QTreeWidgetItem *cab = chosen.first();
    const int processor = indexOf(cab->parent());
    return { &set->Platforms[std::size_t(platform)].Processors[std::size_t(processor)], indexOf(cab) };
}

void RuntimeSetPage::addCabGroup(int processorIndex, const TMSQL_Processors &processor)
{
    auto *group = new QTreeWidgetItem(lv_cabs, { processor.Caption });
    group->setData(0, IndexRole, processorIndex);
    group->setFlags(Qt::ItemIsEnabled);
    QFont bold = group->font(0);
    bold.setBold(true);
    group->setFont(0, bold);
    for (int c = 0; c < processor.CabFiles.size(); ++c) {
        auto *cab = new QTreeWidgetItem(group, { processor.CabFiles[c] });
        cab->setData(0, IndexRole, c);
        cab->setToolTip(0, processor.CabFiles[c]);
    }
    group->setExpanded(true);
}

void RuntimeSetPage::ShowNode()
{
    lv_cabs->clear();
    TMSQL_CustomSet *set = selectedSet();
    bt_node_add->setEnabled(set);
    const auto [platform, processor] = selectedNode();
    if (!set || platform < 0) {
        lv_cabs->setHeaderLabels({ QStringLiteral("Cab Files") });
        setNodeCommandsEnabled(false);
        return;
    }
    const TMSQL_Platforms &shown = set->Platforms[std::size_t(platform)];
    if (processor >= 0) {
        addCabGroup(processor, shown.Processors[std::size_t(processor)]);
    } else {
        for (std::size_t p = 0; p < shown.Processors.size(); ++p)
            addCabGroup(int(p), shown.Processors[p]);
    }
    lv_cabs->setHeaderLabels({ QStringLiteral("Cab Files for ") + shown.Caption });
    setNodeCommandsEnabled(true);
}

void RuntimeSetPage::setNodeCommandsEnabled(bool nodeSelected)
{
    bt_node_delete->setEnabled(nodeSelected);
    bt_cab_add->setEnabled(nodeSelected && selectedNode().second >= 0);
    cabSelectionChanged();
}

void RuntimeSetPage::treeSelectionChanged()
{
    if (!m_filling)
        ShowNode();
}

void RuntimeSetPage::cabSelectionChanged()
{
    const bool cab = selectedCab().processor;
    bt_cab_edit->setEnabled(cab);
    bt_cab_delete->setEnabled(cab);
}

void RuntimeSetPage::nodeRenamed(QTreeWidgetItem *item)
{
    TMSQL_CustomSet *set = selectedSet();
    if (m_filling || !set)
        return;
    if (QTreeWidgetItem *platform = item->parent())
        set->Platforms[std::size_t(indexOf(platform))].Processors[std::size_t(indexOf(item))].Caption = item->text(0);
    else
        set->Platforms[std::size_t(indexOf(item))].Caption = item->text(0);
}

void RuntimeSetPage::FillNodeAddMenu()
{
    pm_node_add->clear();
    const TMSQL_CustomSet *set = selectedSet();
    if (!set)
        return;
    const auto addItem = [this](const QString &caption, int tag) {
        connect(pm_node_add->addAction(caption), &QAction::triggered, this, [this, tag] { AddNode(tag); });
    };
    addItem(QStringLiteral("Add Platfrom"), 0);
    if (!set->Platforms.empty())
        pm_node_add->addSeparator();
    for (std::size_t p = 0; p < set->Platforms.size(); ++p)
        addItem(QStringLiteral("Add Processor for ") + set->Platforms[p].Caption, int(p) + 1);
}

std::optional<QString> RuntimeSetPage::askText(const QStringList &suggestions, const QString &text)
{
    TtextEditor editor(this);
    editor.setSuggestions(suggestions);
    editor.setText(text);
    if (runDialog(editor) != QDialog::Accepted)
        return std::nullopt;
    return editor.text();
}

void RuntimeSetPage::AddNode(int tag)
{
    TMSQL_CustomSet *set = selectedSet();
    if (!set || tag < 0 || std::size_t(tag) > set->Platforms.size())
        return;
    const std::optional<QString> name = askText(tag == 0 ? PlatformSuggestions : ProcessorSuggestions, QString());
    if (!name)
        return;
    if (tag == 0)
        set->Platforms.push_back({ *name, {} });
    else
        set->Platforms[std::size_t(tag) - 1].Processors.push_back({ *name, {} });
    ShowSet();
}

void RuntimeSetPage::DeleteNode()
{
    TMSQL_CustomSet *set = selectedSet();
    const auto [platform, processor] = selectedNode();
    if (!set || platform < 0 || !ConfirmEditorAction(this, ConfirmText))
        return;
    auto &platforms = set->Platforms;
    if (processor >= 0) {
        auto &processors = platforms[std::size_t(platform)].Processors;
        processors.erase(processors.begin() + processor);
    } else {
        platforms.erase(platforms.begin() + platform);
    }
    ShowSet();
}

std::optional<QString> RuntimeSetPage::pickCab(const QString &fileName)
{
    FileDialogRequest request;
    request.filter = CabFilter;
    request.fileName = fileName;
    const QStringList files = UiServices::current().openFiles(this, request);
    if (files.isEmpty())
        return std::nullopt;
    return files.first();
}

void RuntimeSetPage::AddCab()
{
    TMSQL_Processors *processor = selectedProcessor();
    if (!processor)
        return;
    if (const std::optional<QString> file = pickCab(QString())) {
        processor->CabFiles.append(*file);
        ShowNode();
    }
}

void RuntimeSetPage::EditCab()
{
    const CabRef cab = selectedCab();
    if (!cab.processor)
        return;
    if (const std::optional<QString> file = pickCab(cab.processor->CabFiles[cab.cab])) {
        cab.processor->CabFiles[cab.cab] = *file;
        ShowNode();
    }
}

void RuntimeSetPage::DeleteCab()
{
    const CabRef cab = selectedCab();
    if (!cab.processor || !ConfirmEditorAction(this, ConfirmText))
        return;
    cab.processor->CabFiles.removeAt(cab.cab);
    ShowNode();
}

void RuntimeSetPage::RenameSet()
{
    TMSQL_CustomSet *set = selectedSet();
    if (!set)
        return;
    const std::optional<QString> caption = askText({}, set->Caption);
    if (!caption)
        return;
    set->Caption = *caption;
    m_filling = true;
    cb_sets->setItemText(cb_sets->currentIndex(), *caption);
    m_filling = false;
    ShowSet();
}

void RuntimeSetPage::DeleteSet()
{
    const int entry = cb_sets->currentIndex();
    if (!selectedSet() || !ConfirmEditorAction(this, ConfirmText))
        return;
    sets().erase(sets().begin() + entry + 1);
    RefillSets();
}

void RuntimeSetPage::AddSet()
{
    const bool sqlMobile = m_kind == RuntimeModuleKind::SqlMobile;
    TaddPluginSet dialog(this);
    dialog.setWindowTitle(sqlMobile ? QStringLiteral("Add Mobile SQL Custom Set")
                                    : QStringLiteral("Add .Net CompactFramework v2 Custom Set"));
    dialog.tb_DirectoryEdit->setEnabled(sqlMobile);
    if (runDialog(dialog) != QDialog::Accepted)
        return;
    sets().push_back({ dialog.eb_CustomSetName->text(), {} });
    const int newEntry = int(sets().size()) - 2;
    const QString folder = dialog.tb_DirectoryEdit->text();
    if (!sqlMobile || folder.isEmpty()) {
        RefillSets(newEntry);
        return;
    }
    const std::unique_ptr<SqlMobileSearchProgress> progress = makeSearchProgress(this);
    const SqlMobileSearch::Result result = SqlMobileSearch::Run(ToHostPath(folder), sets().back(), *progress);
    RefillSets(result == SqlMobileSearch::Result::Cancelled ? 0 : newEntry);
}

} // namespace talmo
