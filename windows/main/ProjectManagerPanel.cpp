#include "windows/main/ProjectManagerPanel.h"

#include "helpers/core/PathHelpers.h"
#include "helpers/ui/CheckBoxOpenDialogs.h"
#include "helpers/ui/UiServices.h"
#include "model/PathRebase.h"
#include "model/ProjectContainer.h"
#include "platform/HostPath.h"
#include "windows/main/ProjectManagerTexts.h"

#include <QCursor>
#include <QFileInfo>
#include <QMenu>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <exception>

namespace talmo {

namespace {

const QString UnnamedManager = QStringLiteral("unknown.talmopm");
const QString ManagerTitle = QStringLiteral("Project Manager");

enum NodeLevel { ManagerNode, EntryNode, DetailNode };

int LevelOf(const QTreeWidgetItem *item)
{
    int level = 0;
    for (const QTreeWidgetItem *parent = item->parent(); parent; parent = parent->parent())
        ++level;
    return level;
}

void ShowError(QWidget *parent, const QString &text)
{
    UiServices::current().showMessage(parent, UiMessageKind::Error, ManagerTitle, text);
}

} // namespace

ProjectManagerPanel::ProjectManagerPanel(OpenProjectLookup openProject, QWidget *parent)
    : QWidget(parent)
    , m_openProject(std::move(openProject))
{
    setObjectName(QStringLiteral("ProjectManagerPanel"));
    auto *tools = new QToolBar;
    tools->setObjectName(QStringLiteral("ToolBar2"));
    QAction *buildMenu = tools->addAction(QStringLiteral("Build Menu"));
    buildMenu->setObjectName(QStringLiteral("ToolButton4"));
    connect(buildMenu, &QAction::triggered, this, &ProjectManagerPanel::showBuildMenu);
    QAction *add = tools->addAction(QStringLiteral("Add"));
    add->setObjectName(QStringLiteral("ToolButton6"));
    connect(add, &QAction::triggered, this, &ProjectManagerPanel::showAddMenu);

    vst_ProjectManager = new QTreeWidget;
    vst_ProjectManager->setObjectName(QStringLiteral("vst_ProjectManager"));
    vst_ProjectManager->setHeaderHidden(true);
    vst_ProjectManager->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(vst_ProjectManager, &QWidget::customContextMenuRequested, this, &ProjectManagerPanel::showTreeMenu);
    connect(vst_ProjectManager, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *item) {
        if (item && LevelOf(item) == EntryNode)
            openFocusedEntry();
    });

    m_addMenu = new QMenu(this);
    connect(m_addMenu->addAction(QStringLiteral("New Project")), &QAction::triggered, this,
            &ProjectManagerPanel::newProjectRequested);
    connect(m_addMenu->addAction(QStringLiteral("Existing Project")), &QAction::triggered, this,
            &ProjectManagerPanel::AddExistingProject);
    createMenu();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tools);
    layout->addWidget(vst_ProjectManager, 1);
}

QAction *ProjectManagerPanel::addMenuItem(const QString &objectName, const QString &caption)
{
    QAction *item = pm_ProjectManager->addAction(caption);
    item->setObjectName(objectName);
    return item;
}

void ProjectManagerPanel::createMenu()
{
    pm_ProjectManager = new QMenu(this);
    pm_ProjectManager->setObjectName(QStringLiteral("pm_ProjectManager"));
    m_openItem = addMenuItem(QStringLiteral("OpenProject1"), QStringLiteral("Open Selected Project"));
    QMenu *build = pm_ProjectManager->addMenu(QStringLiteral("Build Selected Project"));
    m_buildItem = build->menuAction();
    m_buildItem->setObjectName(QStringLiteral("BuildSelectedProject1"));
    m_buildCabsItem = build->addAction(QStringLiteral("Build CAB(s)"));
    m_buildExecutableItem = build->addAction(QStringLiteral("Build Executable"));
    build->addSeparator();
    m_buildBothItem = build->addAction(QStringLiteral("Build Both"));
    m_separators.append(pm_ProjectManager->addSeparator());
    m_buildAllItem = addMenuItem(QStringLiteral("BuildAll1"), QStringLiteral("Build all with Automatic Rules"));
    m_separators.append(pm_ProjectManager->addSeparator());
    m_moveUpItem = addMenuItem(QStringLiteral("MoveUp1"), QStringLiteral("Move Up"));
    m_moveDownItem = addMenuItem(QStringLiteral("MoveDown1"), QStringLiteral("Move Down"));
    m_separators.append(pm_ProjectManager->addSeparator());
    m_removeItem = addMenuItem(QStringLiteral("RemoveformManager1"), QStringLiteral("Remove from Manager"));

    connect(m_openItem, &QAction::triggered, this, &ProjectManagerPanel::openFocusedEntry);
    const std::pair<QAction *, EntryBuildKind> builds[] = {
        { m_buildCabsItem, EntryBuildKind::Cabs },
        { m_buildExecutableItem, EntryBuildKind::Setup },
        { m_buildBothItem, EntryBuildKind::Both },
    };
    for (const auto &[item, kind] : builds) {
        connect(item, &QAction::triggered, this, [this, kind = kind] {
            if (focusedEntry() >= 0)
                emit buildEntryRequested(focusedEntry(), kind);
        });
    }
    connect(m_buildAllItem, &QAction::triggered, this, &ProjectManagerPanel::buildAllRequested);
    connect(m_moveUpItem, &QAction::triggered, this, [this] { MoveEntry(focusedEntry(), -1); });
    connect(m_moveDownItem, &QAction::triggered, this, [this] { MoveEntry(focusedEntry(), 1); });
    connect(m_removeItem, &QAction::triggered, this, [this] { RemoveEntry(focusedEntry()); });
}

bool ProjectManagerPanel::entryIsPresent(int index, bool fromDiskOnly) const
{
    const QString path = EntryPath(index);
    if (!fromDiskOnly && m_openProject && m_openProject(path))
        return true;
    return QFileInfo(ToHostPath(path)).isFile();
}

void ProjectManagerPanel::RefreshProjectManager(bool fromDiskOnly)
{
    for (int index = m_manager.Entries.Count() - 1; index >= 0; --index) {
        if (!entryIsPresent(index, fromDiskOnly))
            m_manager.Entries.Delete(index);
    }
    vst_ProjectManager->clear();
    auto *root = new QTreeWidgetItem(vst_ProjectManager);
    root->setText(0, FileNamePart(m_manager.FileName));
    QFont bold = root->font(0);
    bold.setBold(true);
    root->setFont(0, bold);
    for (int index = 0; index < m_manager.Entries.Count(); ++index)
        addEntryNodes(root, index);
    vst_ProjectManager->expandAll();
}

TProjectContainer *ProjectManagerPanel::projectOf(int index, TProjectContainer &ownCopy) const
{
    const QString path = EntryPath(index);
    if (TProjectContainer *open = m_openProject ? m_openProject(path) : nullptr)
        return open;
    return ownCopy.LoadFromFile(ToHostPath(path)) ? &ownCopy : nullptr;
}

void ProjectManagerPanel::addEntryNodes(QTreeWidgetItem *root, int index)
{
    auto *entry = new QTreeWidgetItem(root);
    entry->setText(0, FileNamePart(m_manager.Entries[index].FileName));
    auto *buildMode = new QTreeWidgetItem(entry);
    auto *modules = new QTreeWidgetItem(entry);
    TProjectContainer ownCopy;
    if (const TProjectContainer *project = projectOf(index, ownCopy)) {
        const ProjectEntryDetails details = ProjectEntryDetails::Of(*project);
        buildMode->setText(0, details.buildModeText);
        buildMode->setData(0, Qt::UserRole, details.buildMode);
        modules->setText(0, details.modulesText);
    }
    for (QTreeWidgetItem *detail : { buildMode, modules }) {
        QFont italic = detail->font(0);
        italic.setItalic(true);
        if (italic.pointSizeF() > 1)
            italic.setPointSizeF(italic.pointSizeF() - 1);
        detail->setFont(0, italic);
        detail->setForeground(0, QColor(Qt::gray));
    }
}

bool ProjectManagerPanel::MayDiscard(const QString &question)
{
    if (!m_manager.Modified)
        return true;
    const UiButton answer = UiServices::current().ask(this, ManagerTitle, question,
                                                      { UiButton::Yes, UiButton::No, UiButton::Cancel });
    if (answer == UiButton::Cancel)
        return false;
    return answer == UiButton::No || SaveProjectManager();
}

bool ProjectManagerPanel::NewProjectManager()
{
    if (!MayDiscard(QStringLiteral(
            "Project Manager have unsaved changes. Do you want to save them before creating another one ?")))
        return true;
    return ResetProjectManager();
}

bool ProjectManagerPanel::ResetProjectManager()
{
    try {
        m_manager.Clear();
        m_manager.Modified = false;
        RefreshProjectManager(false);
        return true;
    } catch (const std::exception &) {
        ShowError(this, QStringLiteral("Error while creating Project Manager"));
        return false;
    }
}

bool ProjectManagerPanel::LoadProjectManager(const QString &fileName)
{
    bool loaded = false;
    try {
        loaded = m_manager.LoadFromFile(fileName);
    } catch (const std::exception &) {
        loaded = false;
    }
    if (!loaded) {
        ShowError(this, QStringLiteral("Error while loading Project Manager"));
        return false;
    }
    RefreshProjectManager(false);
    emit fileUsed(fileName);
    return true;
}

bool ProjectManagerPanel::SaveProjectManager()
{
    const QString name = FileNamePart(m_manager.FileName);
    const bool saved = name.isEmpty() || name == UnnamedManager ? SaveProjectManagerAs()
                                                                : SaveProjectManagerToFile(m_manager.FileName);
    if (saved)
        RefreshProjectManager(false);
    return saved;
}

bool ProjectManagerPanel::SaveProjectManagerAs()
{
    FileDialogRequest request;
    request.title = QStringLiteral("Save Project Manager As");
    request.filter = QStringLiteral("Project Manager (*.talmopm)|*.talmopm");
    request.fileName = m_manager.FileName;
    request.folder = m_managersFolder.folder(m_manager.FileName);
    request.defaultSuffix = QStringLiteral("talmopm");
    const std::optional<QString> chosen = UiServices::current().saveFile(this, request);
    if (!chosen)
        return false;
    m_managersFolder.rememberFile(*chosen);
    return SaveProjectManagerToFile(WithExtension(*chosen, QStringLiteral(".talmopm")));
}

bool ProjectManagerPanel::SaveProjectManagerToFile(const QString &fileName)
{
    if (SaveManagerRebased(m_manager, fileName)) {
        emit fileUsed(fileName);
        return true;
    }
    ShowError(this, QStringLiteral("Error while saving Project Manager"));
    return false;
}

void ProjectManagerPanel::AddEntry(const QString &fileName, bool makeRelative)
{
    TProjectEntry &entry = m_manager.Entries.AddNew();
    entry.FileName = makeRelative ? MakeRelativePath(ExtractFileFolder(m_manager.FileName), fileName) : fileName;
    m_manager.Modified = true;
    RefreshProjectManager(false);
}

void ProjectManagerPanel::AddExistingProject()
{
    FileDialogRequest request;
    request.filter = QStringLiteral("Project Files (*.talmo)|*.talmo|All files (*.*)|*.*");
    request.folder = m_projectsFolder.folder(m_manager.FileName);
    DialogCheckBox makeRelative{ TMakeRelativeOpenDialog().checkBoxText(), true };
    const QStringList files = UiServices::current().openFilesWithCheckBox(this, request, makeRelative);
    if (files.isEmpty())
        return;
    m_projectsFolder.rememberFile(files.first());
    AddEntry(files.first(), makeRelative.checked);
}

void ProjectManagerPanel::MoveEntry(int index, int direction)
{
    const int other = index + direction;
    if (index < 0 || other < 0 || other >= m_manager.Entries.Count())
        return;
    m_manager.Entries.Exchange(index, other);
    m_manager.Modified = true;
    RefreshProjectManager(false);
}

void ProjectManagerPanel::RemoveEntry(int index)
{
    if (index < 0)
        return;
    if (UiServices::current().ask(this, ManagerTitle, QStringLiteral("Are you sure ?"),
                                  { UiButton::Yes, UiButton::No }) != UiButton::Yes)
        return;
    m_manager.Entries.Delete(index);
    m_manager.Modified = true;
    RefreshProjectManager(false);
}

int ProjectManagerPanel::focusedEntry() const
{
    const QTreeWidgetItem *item = vst_ProjectManager->currentItem();
    if (!item || LevelOf(item) != EntryNode)
        return -1;
    return item->parent()->indexOfChild(const_cast<QTreeWidgetItem *>(item));
}

bool ProjectManagerPanel::entryIsDesktopOnly(int index) const
{
    const QTreeWidgetItem *root = vst_ProjectManager->topLevelItem(0);
    const QTreeWidgetItem *entry = root ? root->child(index) : nullptr;
    return entry && entry->child(0)->data(0, Qt::UserRole).toInt() == ProjectEntryDetails::DesktopOnlyBuildMode;
}

QMenu *ProjectManagerPanel::prepareMenu(MenuOrigin origin)
{
    const QTreeWidgetItem *focused = vst_ProjectManager->currentItem();
    const int level = focused ? LevelOf(focused) : -1;
    const int entry = focusedEntry();
    const QString entryName = entry >= 0 ? FileNamePart(m_manager.Entries[entry].FileName)
                                         : QString();
    const bool hasEntries = m_manager.Entries.Count() > 0;
    const bool desktopOnly = entry >= 0 && entryIsDesktopOnly(entry);

    m_buildAllItem->setText(hasEntries ? QStringLiteral("Build all with Automatic Rules")
                                       : QStringLiteral("No Projects to Build"));
    m_buildAllItem->setEnabled(hasEntries);
    m_buildItem->setText(entry >= 0 ? QStringLiteral("Build ") + entryName : QStringLiteral("No Project selected"));
    m_buildItem->setEnabled(entry >= 0);
    m_buildCabsItem->setEnabled(!desktopOnly);
    m_buildBothItem->setEnabled(!desktopOnly);
    m_openItem->setText(QStringLiteral("Open ") + entryName);
    m_moveUpItem->setEnabled(entry > 0);
    m_moveDownItem->setEnabled(entry >= 0 && entry < m_manager.Entries.Count() - 1);

    const bool fromButton = origin == MenuOrigin::BuildButton;
    const bool onEntry = !fromButton && level == EntryNode;
    const bool onManager = !fromButton && level == ManagerNode;
    m_buildItem->setVisible(fromButton || onEntry);
    m_buildAllItem->setVisible(fromButton || onManager);
    for (QAction *item : { m_openItem, m_moveUpItem, m_moveDownItem, m_removeItem })
        item->setVisible(onEntry);
    m_separators[0]->setVisible(onEntry || fromButton);
    m_separators[1]->setVisible(onEntry);
    m_separators[2]->setVisible(onEntry);
    return pm_ProjectManager;
}

void ProjectManagerPanel::showTreeMenu(const QPoint &position)
{
    QTreeWidgetItem *item = vst_ProjectManager->itemAt(position);
    if (item)
        vst_ProjectManager->setCurrentItem(item);
    if (!item || LevelOf(item) == DetailNode)
        return;
    prepareMenu(MenuOrigin::Tree)->popup(vst_ProjectManager->viewport()->mapToGlobal(position));
}

void ProjectManagerPanel::showBuildMenu()
{
    prepareMenu(MenuOrigin::BuildButton)->popup(QCursor::pos());
}

void ProjectManagerPanel::showAddMenu()
{
    m_addMenu->popup(QCursor::pos());
}

void ProjectManagerPanel::openFocusedEntry()
{
    const int entry = focusedEntry();
    if (entry >= 0)
        emit openRequested(EntryPath(entry));
}

} // namespace talmo
