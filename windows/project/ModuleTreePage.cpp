#include "windows/project/ModuleTreePage.h"

#include "editors/common/EditorMessages.h"
#include "editors/modules/RuntimeModuleDialog.h"
#include "model/ComponentModules.h"
#include "model/ComponentTree.h"
#include "model/ProgramOptions.h"
#include "model/ProjectContainer.h"
#include "widgets/NextInspector.h"
#include "widgets/NxCheckBoxItem.h"
#include "widgets/NxHeaderPanel.h"
#include "windows/project/ComponentDisplayCaption.h"
#include "windows/project/ModuleTreeWidget.h"
#include "windows/project/SectionLists.h"
#include "windows/project/TeditComponentContainer.h"

#include <QCursor>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QResizeEvent>
#include <QShowEvent>
#include <QTimer>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include <algorithm>
#include <exception>

namespace talmo {

namespace {

// Wide enough for "Disable No Uninstall Warning" and a yes/no value.
constexpr int InspectorWidth = 200;
constexpr int InspectorMinimumWidth = 100;

const QString corruptModuleMessage =
    QStringLiteral("An error occured while loading module, maybe your project file is corrupted !");

int componentOf(const QTreeWidgetItem *node)
{
    return node ? node->data(0, Qt::UserRole).toInt() : -1;
}

// The sets a runtime module of that kind is made from; none without program options.
const std::vector<TMSQL_CustomSet> *runtimeSets(int moduleType)
{
    const TProgramOptions *options = TProgramOptions::current();
    if (!options)
        return nullptr;
    return moduleType == ModuleType::SqlMobile ? &options->MSQLSets : &options->NETCF2Sets;
}

} // namespace

ModuleTreePage::ModuleTreePage(TProjectContainer &project, QWidget *parent)
    : QWidget(parent)
    , gui_Components(new ModuleTreeWidget)
    , NextInspector2(new TNextInspector)
    , cm_add(new QPushButton(QStringLiteral("Add")))
    , cm_edit(new QPushButton(QStringLiteral("Edit")))
    , cm_delete(new QPushButton(QStringLiteral("Delete")))
    , cm_up(new QPushButton(QStringLiteral("Up")))
    , cm_down(new QPushButton(QStringLiteral("Down")))
    , pm_ModulesMenu(new QMenu(this))
    , pmModulesAddMenu(new QMenu(this))
    , m_project(project)
{
    setObjectName(QStringLiteral("ModuleTreePage"));
    createControls();
    fillTree();
    gui_ComponentsClick();
}

void ModuleTreePage::createControls()
{
    auto *info = new TNxHeaderPanel;
    info->setObjectName(QStringLiteral("Info"));
    info->setCaption(QStringLiteral("Info"));
    auto *hint = new QLabel(QStringLiteral("Drag and Drop Modules to organize them in Parent/Child hierarchy"));
    hint->setWordWrap(true);
    auto *infoLayout = new QVBoxLayout(info);
    infoLayout->addWidget(hint);
    // As high as its text needs at the width it gets, no higher.
    info->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);

    gui_Components->setObjectName(QStringLiteral("gui_Components"));
    gui_Components->setHeaderHidden(true);
    gui_Components->setContextMenuPolicy(Qt::CustomContextMenu);
    gui_Components->installEventFilter(this);
    gui_Components->canDrop = [this](QTreeWidgetItem *dragged, QTreeWidgetItem *target) {
        return canDrop(dragged, target);
    };
    gui_Components->drop = [this](QTreeWidgetItem *target) { dropOnto(target); };
    connect(gui_Components, &QTreeWidget::currentItemChanged, this, &ModuleTreePage::gui_ComponentsClick);
    connect(gui_Components, &QTreeWidget::itemDoubleClicked, this, &ModuleTreePage::cm_editClick);
    connect(gui_Components, &QWidget::customContextMenuRequested, this, [this](const QPoint &position) {
        if (QTreeWidgetItem *node = gui_Components->itemAt(position))
            gui_Components->setCurrentItem(node);
        gui_ComponentsClick();
        preparedContextMenu()->popup(gui_Components->viewport()->mapToGlobal(position));
    });

    NextInspector2->setObjectName(QStringLiteral("NextInspector2"));
    NextInspector2->setFitsCaptions(true);
    connect(NextInspector2, &TNextInspector::change, this,
            [this](TNxPropertyItem *item, const QString &) { inspectorChanged(item); });

    pm_ModulesMenu->setObjectName(QStringLiteral("pm_ModulesMenu"));
    pm_ModulesMenu->addAction(QStringLiteral("Add"), this, [this] { preparedAddMenu(true)->popup(QCursor::pos()); });
    m_menuEdit = pm_ModulesMenu->addAction(QStringLiteral("Edit"), this, &ModuleTreePage::cm_editClick);
    m_menuDelete = pm_ModulesMenu->addAction(QStringLiteral("Delete"), this, &ModuleTreePage::cm_deleteClick);
    pm_ModulesMenu->addSeparator();
    m_menuUp = pm_ModulesMenu->addAction(QStringLiteral("Up"), this, &ModuleTreePage::cm_upClick);
    m_menuDown = pm_ModulesMenu->addAction(QStringLiteral("Down"), this, &ModuleTreePage::cm_downClick);

    connect(cm_add, &QPushButton::clicked, this, [this] { preparedAddMenu(false)->popup(QCursor::pos()); });
    connect(cm_edit, &QPushButton::clicked, this, &ModuleTreePage::cm_editClick);
    connect(cm_delete, &QPushButton::clicked, this, &ModuleTreePage::cm_deleteClick);
    connect(cm_up, &QPushButton::clicked, this, &ModuleTreePage::cm_upClick);
    connect(cm_down, &QPushButton::clicked, this, &ModuleTreePage::cm_downClick);
    // The buttons stand beside the tree, so the tree needs no width of theirs
    // and the inspector keeps room for its captions.
    auto *buttons = new QVBoxLayout;
    for (QPushButton *button : {cm_add, cm_edit, cm_delete, cm_up, cm_down}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch();

    auto *treeColumn = new QWidget;
    auto *treeLayout = new QHBoxLayout(treeColumn);
    treeLayout->setContentsMargins(0, 0, 0, 0);
    treeLayout->addWidget(gui_Components, 1);
    treeLayout->addLayout(buttons);

    m_splitter = new QSplitter(Qt::Horizontal);
    m_splitter->setObjectName(QStringLiteral("ModuleSplitter"));
    m_splitter->addWidget(treeColumn);
    m_splitter->addWidget(NextInspector2);
    m_splitter->setChildrenCollapsible(false);
    NextInspector2->setMinimumWidth(InspectorMinimumWidth);
    // The inspector keeps the width it has (or the user gave it); the tree
    // takes what the window gives.
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 0);
    m_splitter->setSizes({300, InspectorWidth});
    connect(m_splitter, &QSplitter::splitterMoved, this, [this] { m_treeSizedByUser = true; });

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(info);
    layout->addWidget(m_splitter, 1);
}

void ModuleTreePage::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // The window lays the page out after showing it.
    QTimer::singleShot(0, this, &ModuleTreePage::fitTreeColumn);
}

void ModuleTreePage::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    fitTreeColumn();
}

void ModuleTreePage::fitTreeColumn()
{
    // A divider the user placed stays where it is.
    if (m_treeSizedByUser || !isVisible())
        return;
    layout()->activate();
    const QList<int> sizes = m_splitter->sizes();
    const int total = sizes.value(0) + sizes.value(1);
    QWidget *treeColumn = m_splitter->widget(0);
    // The buttons, the tree's frame and its scroll bar come on top of the names.
    const int around = treeColumn->width() - gui_Components->viewport()->width();
    const int names = gui_Components->namesWidth();
    // The inspector of a module keeps room for its captions; an empty one
    // gives way to the names.
    const int captions = NextInspector2->widthShowingCaptions() + 2 * NextInspector2->frameWidth();
    const int inspector = m_inspectedComponent >= 0 ? std::max(InspectorMinimumWidth, captions) : InspectorMinimumWidth;
    const int tree = std::clamp(names + around, treeColumn->minimumSizeHint().width(),
                                std::max(treeColumn->minimumSizeHint().width(), total - inspector));
    m_splitter->setSizes({tree, total - tree});
}

bool ModuleTreePage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == gui_Components && IsDeleteKeyRelease(event)) {
        cm_deleteClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// The tree ---------------------------------------------------------------------

void ModuleTreePage::RebuildModuleTree()
{
    int position = -1;
    int index = 0;
    for (QTreeWidgetItemIterator it(gui_Components); *it; ++it, ++index) {
        if (*it == gui_Components->currentItem())
            position = index;
    }
    NormalizeComponentOrder(m_project);
    fillTree();
    index = 0;
    for (QTreeWidgetItemIterator it(gui_Components); *it; ++it, ++index) {
        if (index == position) {
            const QSignalBlocker silent(gui_Components);
            gui_Components->setCurrentItem(*it);
        }
    }
    gui_ComponentsClick();
}

void ModuleTreePage::fillTree()
{
    const QSignalBlocker silent(gui_Components);
    gui_Components->clear();
    auto *root = new QTreeWidgetItem(gui_Components, {QStringLiteral("Installation Modules")});
    root->setData(0, Qt::UserRole, -1);
    const ComponentTreeWalk walk = WalkComponentTree(m_project);
    QList<QTreeWidgetItem *> nodes(m_project.InstallComponents.Count(), nullptr);
    for (int component : walk.order) {
        const int parent = walk.shownParent[component];
        auto *node = new QTreeWidgetItem(parent == -1 ? root : nodes[parent],
                                         {ComponentDisplayCaption(m_project, component)});
        node->setData(0, Qt::UserRole, component);
        if (IsComponentHidden(m_project, component)) {
            QFont font = node->font(0);
            font.setItalic(true);
            node->setFont(0, font);
            node->setForeground(0, Qt::red);
        }
        nodes[component] = node;
    }
    gui_Components->expandAll();
    if (m_project.InstallComponents.IsEmpty())
        gui_Components->setCurrentItem(root);
}

QTreeWidgetItem *ModuleTreePage::FindModuleNode(int component) const
{
    for (QTreeWidgetItemIterator it(gui_Components); *it; ++it) {
        if (componentOf(*it) == component)
            return *it;
    }
    return nullptr;
}

int ModuleTreePage::selectedComponent() const
{
    return componentOf(gui_Components->currentItem());
}

void ModuleTreePage::selectComponent(int component)
{
    if (QTreeWidgetItem *node = FindModuleNode(component)) {
        const QSignalBlocker silent(gui_Components);
        gui_Components->setCurrentItem(node);
    }
    gui_ComponentsClick();
}

void ModuleTreePage::gui_ComponentsClick()
{
    QTreeWidgetItem *node = gui_Components->currentItem();
    const int component = componentOf(node);
    const bool isComponent = component >= 0;
    const QTreeWidgetItem *parent = node ? node->parent() : nullptr;
    const bool first = !parent || parent->indexOfChild(node) == 0;
    const bool last = !parent || parent->indexOfChild(node) == parent->childCount() - 1;
    const std::pair<QPushButton *, QAction *> commands[] = {
        {cm_edit, m_menuEdit}, {cm_delete, m_menuDelete}, {cm_up, m_menuUp}, {cm_down, m_menuDown}};
    const bool enabled[] = {isComponent, isComponent, isComponent && !first, isComponent && !last};
    for (int i = 0; i < 4; ++i) {
        commands[i].first->setEnabled(enabled[i]);
        commands[i].second->setEnabled(enabled[i]);
    }
    fillInspector(component);
}

void ModuleTreePage::fillInspector(int component)
{
    const QSignalBlocker silent(NextInspector2);
    m_inspectedComponent = component;
    NextInspector2->hideEditors();
    NextInspector2->items()->clear();
    m_rowIndex.clear();
    m_rows = ModuleFlagRow::rowsFor(m_project, component);
    TNxPropertyItem *heading = nullptr;
    for (int i = 0; i < m_rows.size(); ++i) {
        const ModuleFlagRow &row = m_rows.at(i);
        if (row.kind == ModuleFlagRow::Heading) {
            heading = NextInspector2->items()->addChild<TNxPropertyItem>(nullptr, row.caption);
            QFont bold = heading->font();
            bold.setBold(true);
            heading->setFont(bold);
            heading->setTag(99);
            continue;
        }
        auto *box = NextInspector2->items()->addChild<TNxCheckBoxItem>(heading, row.caption);
        box->setTextKind(TNxCheckBoxItem::tkYesNo);
        box->setAsBoolean(row.checked);
        m_rowIndex.insert(box, i);
    }
    NextInspector2->viewport()->update();
    fitTreeColumn();
}

void ModuleTreePage::inspectorChanged(TNxPropertyItem *item)
{
    const auto row = m_rowIndex.constFind(item);
    if (InspectorBusy || m_inspectedComponent < 0 || row == m_rowIndex.constEnd())
        return;
    InspectorBusy = true;
    const bool checked = static_cast<TNxCheckBoxItem *>(item)->asBoolean();
    const bool hiddenChanged = ModuleFlagRow::apply(m_project, m_inspectedComponent, m_rows.at(*row), checked);
    m_rows[*row].checked = checked;
    InspectorBusy = false;
    // The rows are rebuilt by the refresh, never inside the inspector's own signal.
    if (hiddenChanged)
        changedLater();
}

// Commands ------------------------------------------------------------------

QMenu *ModuleTreePage::preparedContextMenu()
{
    return pm_ModulesMenu;
}

QMenu *ModuleTreePage::preparedAddMenu(bool underSelection)
{
    AddUnderSelection = underSelection;
    delete pmModulesAddMenu;
    pmModulesAddMenu = new QMenu(this);
    pmModulesAddMenu->setObjectName(QStringLiteral("pmModulesAddMenu"));
    QMenu *menu = pmModulesAddMenu;
    menu->addAction(QStringLiteral("Module Container"), this, &ModuleTreePage::AddModuleContainer);
    menu->addSeparator();
    menu->addAction(QStringLiteral("Win32 Installation"), this, &ModuleTreePage::Win32Installation1Click);
    menu->addSeparator();
    menu->addAction(QStringLiteral("CAB Creator Module"), this, &ModuleTreePage::CABCreatorModule1Click);
    menu->addAction(QStringLiteral("CAB(s) Collection"), this, &ModuleTreePage::CabCollection1Click);
    menu->addAction(QStringLiteral("Direct Copy to Mobile Device Module"), this,
                    &ModuleTreePage::AddDirectCopyModule);
    menu->addSeparator();
    menu->addAction(QStringLiteral("PalmOS Module"), this, &ModuleTreePage::PalmOSModule1Click);
    menu->addSeparator();
    const std::pair<QString, int> runtimeKinds[] = {{QStringLiteral(".NET Compact Framework v2"), ModuleType::NetCF2},
                                                    {QStringLiteral("SQL Mobile"), ModuleType::SqlMobile}};
    for (const auto &[caption, moduleType] : runtimeKinds) {
        QMenu *sets = menu->addMenu(caption);
        const std::vector<TMSQL_CustomSet> *known = runtimeSets(moduleType);
        sets->setEnabled(known && !known->empty());
        const int count = known ? int(known->size()) : 0;
        for (int set = 0; set < count; ++set) {
            if (set == 1)
                sets->addSeparator();
            const QString name = set == 0 ? TProgramOptions::BuiltinSetCaption : (*known)[std::size_t(set)].Caption;
            sets->addAction(name, this, [this, moduleType, set] { addRuntimeModule(moduleType, set); });
        }
    }
    return menu;
}

int ModuleTreePage::parentForNewComponent() const
{
    return AddUnderSelection ? selectedComponent() : -1;
}

void ModuleTreePage::added(int component, bool openPage)
{
    const int shown = NormalizeComponentOrder(m_project).value(component, -1);
    m_project.Modified = true;
    emit projectChanged();
    if (openPage)
        emit openComponentRequested(shown);
}

void ModuleTreePage::AddModuleContainer()
{
    added(ComponentModules::AddModuleContainer(m_project, parentForNewComponent()), false);
}

void ModuleTreePage::Win32Installation1Click()
{
    added(ComponentModules::AddWin32Module(m_project, parentForNewComponent()), true);
}

void ModuleTreePage::CABCreatorModule1Click()
{
    const int component = ComponentModules::AddCabCreatorModule(m_project, parentForNewComponent());
    if (component < 0) {
        ShowEditorError(this, ComponentModules::OnlyOneCabCreatorMessage);
        return;
    }
    added(component, false);
}

void ModuleTreePage::CabCollection1Click()
{
    added(ComponentModules::AddCabCollectionModule(m_project, parentForNewComponent()), true);
}

void ModuleTreePage::AddDirectCopyModule()
{
    added(ComponentModules::AddDirectCopyModule(m_project, parentForNewComponent()), true);
}

void ModuleTreePage::PalmOSModule1Click()
{
    added(ComponentModules::AddPalmModule(m_project, parentForNewComponent()), true);
}

void ModuleTreePage::addRuntimeModule(int moduleType, int setIndex)
{
    const std::vector<TMSQL_CustomSet> *sets = runtimeSets(moduleType);
    if (!sets || setIndex < 0 || setIndex >= int(sets->size()))
        return;
    const TMSQL_CustomSet &set = (*sets)[std::size_t(setIndex)];
    const bool sql = moduleType == ModuleType::SqlMobile;
    TRuntimeModuleDialog dialog(sql ? RuntimeModuleKind::SqlMobile : RuntimeModuleKind::NetCF2, this);
    dialog.SetIndex = setIndex;
    dialog.EditMode = false;
    dialog.Container = &m_project;
    const QString setName = setIndex == 0 ? TProgramOptions::BuiltinSetCaption : set.Caption;
    dialog.ed_caption->setText((sql ? QStringLiteral("Mobile SQL Runtimes - ") : QStringLiteral(".NET CF2 Runtimes - "))
                               + setName);
    if (runDialog(dialog) != QDialog::Accepted)
        return;
    added(ComponentModules::AddRuntimeModule(m_project, parentForNewComponent(), moduleType, set, dialog.Checked,
                                             dialog.ed_caption->text()),
          false);
}

void ModuleTreePage::cm_editClick()
{
    const int component = selectedComponent();
    if (component < 0)
        return;
    try {
        switch (m_project.InstallComponents.GetItem(component).moduleType) {
        case ModuleType::Container:
            editContainer(component);
            break;
        case ModuleType::SqlMobile:
        case ModuleType::NetCF2:
            editRuntimeModule(component);
            break;
        default:
            emit openComponentRequested(component);
            break;
        }
    } catch (const std::exception &) {
        ShowEditorError(this, corruptModuleMessage);
    }
}

void ModuleTreePage::editContainer(int component)
{
    TInstallComponent &container = m_project.InstallComponents.GetItem(component);
    TeditComponentContainer dialog(this);
    dialog.ed_description->setText(container.moduleName);
    if (runDialog(dialog) != QDialog::Accepted)
        return;
    container.moduleName = dialog.ed_description->text();
    changed();
}

void ModuleTreePage::editRuntimeModule(int component)
{
    const TInstallComponent &item = m_project.InstallComponents.GetItem(component);
    TPluginContainer &module = m_project.PluginContainers.GetItem(item.moduleIndex);
    TRuntimeModuleDialog dialog(item.moduleType == ModuleType::SqlMobile ? RuntimeModuleKind::SqlMobile
                                                                         : RuntimeModuleKind::NetCF2,
                                this);
    dialog.Checked = ComponentModules::RuntimeMarksOf(module);
    dialog.SetIndex = item.moduleIndex;
    dialog.EditMode = true;
    dialog.Container = &m_project;
    dialog.ed_caption->setText(module.Caption);
    if (runDialog(dialog) != QDialog::Accepted)
        return;
    ComponentModules::ApplyRuntimeMarks(module, dialog.Checked);
    module.Caption = dialog.ed_caption->text();
    changed();
}

void ModuleTreePage::cm_deleteClick()
{
    const int component = selectedComponent();
    if (component < 0 || !ConfirmEditorAction(this, QStringLiteral("Are you sure to delete ?")))
        return;
    DeleteComponent(m_project, component);
    changed();
    QTreeWidgetItem *root = gui_Components->topLevelItem(0);
    if (root && root->childCount() == 0) {
        const QSignalBlocker silent(gui_Components);
        gui_Components->setCurrentItem(root);
        gui_ComponentsClick();
    }
}

void ModuleTreePage::cm_upClick()
{
    moveSelected(false);
}

void ModuleTreePage::cm_downClick()
{
    moveSelected(true);
}

void ModuleTreePage::moveSelected(bool down)
{
    const int component = selectedComponent();
    if (component < 0)
        return;
    const int neighbour = down ? NextSiblingComponent(m_project, component)
                               : PreviousSiblingComponent(m_project, component);
    if (neighbour < 0)
        return;
    const int moved = MoveComponent(m_project, component, neighbour);
    changed();
    selectComponent(moved);
}

// Drag and drop -------------------------------------------------------------

bool ModuleTreePage::canDrop(QTreeWidgetItem *dragged, QTreeWidgetItem *target) const
{
    const int component = componentOf(dragged);
    if (component < 0 || IsComponentHidden(m_project, component))
        return false;
    if (!target)
        return true;
    const int parent = componentOf(target);
    return target != dragged && !IsComponentHidden(m_project, parent)
        && !IsComponentDescendant(m_project, parent, component);
}

void ModuleTreePage::dropOnto(QTreeWidgetItem *target)
{
    const int component = selectedComponent();
    if (component < 0 || !SetComponentParent(m_project, component, componentOf(target)))
        return;
    m_project.Modified = true;
    // The drop is still being handled by the view: rebuild once it has returned.
    changedLater();
}

void ModuleTreePage::changed()
{
    m_project.Modified = true;
    emit projectChanged();
}

void ModuleTreePage::changedLater()
{
    QMetaObject::invokeMethod(this, [this] { emit projectChanged(); }, Qt::QueuedConnection);
}

} // namespace talmo
