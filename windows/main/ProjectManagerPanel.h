#pragma once

#include "editors/common/DialogStartFolder.h"
#include "engine/builder/AutomaticBuild.h"
#include "model/ProjectManager.h"

#include <QWidget>

#include <functional>

class QAction;
class QMenu;
class QTreeWidget;
class QTreeWidgetItem;

namespace talmo {

class TProjectContainer;

// The project manager and its panel: the tree of the manager's entries with
// their details, the commands that create, load, save, extend and reorder
// the manager, and the menu of its builds. Opening and building an entry and
// making a new project belong to the main window, which it asks by signals.
class ProjectManagerPanel : public QWidget
{
    Q_OBJECT

public:
    // The open project stored under a file name, or null.
    using OpenProjectLookup = std::function<TProjectContainer *(const QString &fileName)>;

    explicit ProjectManagerPanel(OpenProjectLookup openProject, QWidget *parent = nullptr);

    TProjectManager &manager() { return m_manager; }
    QTreeWidget *tree() const { return vst_ProjectManager; }
    QString EntryPath(int index) const { return ProjectManagerBuild::EntryPath(m_manager, index); }

    // Drops the entries whose file is gone (an entry open in a tab stays
    // unless fromDiskOnly), then rebuilds the tree.
    void RefreshProjectManager(bool fromDiskOnly);

    // Each false when it failed or was cancelled, after telling the user.
    // Cancelling the question about unsaved changes keeps the manager and
    // returns true, as does a save that failed or was cancelled: nothing is lost.
    bool NewProjectManager();
    bool ResetProjectManager();
    bool LoadProjectManager(const QString &fileName);
    bool SaveProjectManager();
    bool SaveProjectManagerAs();
    bool SaveProjectManagerToFile(const QString &fileName);

    // Asks about unsaved changes with this question: true when the manager
    // may be given up (saved, discarded or unchanged).
    bool MayDiscard(const QString &question);

    // Appends a project file, relative to the manager's folder when asked.
    void AddEntry(const QString &fileName, bool makeRelative);
    void AddExistingProject();
    void MoveEntry(int index, int direction);
    void RemoveEntry(int index);

    // The focused entry's index, -1 when no entry node is focused.
    int focusedEntry() const;
    // Sets the menu's items for where it was opened: from "Build Menu", or
    // from the tree over the focused node.
    enum class MenuOrigin { BuildButton, Tree };
    QMenu *prepareMenu(MenuOrigin origin);
    QMenu *menu() const { return pm_ProjectManager; }

signals:
    void openRequested(const QString &fileName);
    void buildEntryRequested(int index, talmo::EntryBuildKind kind);
    void buildAllRequested();
    void newProjectRequested();
    // A manager file was loaded or saved.
    void fileUsed(const QString &fileName);

private:
    void createMenu();
    QAction *addMenuItem(const QString &objectName, const QString &caption);
    void addEntryNodes(QTreeWidgetItem *root, int index);
    bool entryIsPresent(int index, bool fromDiskOnly) const;
    TProjectContainer *projectOf(int index, TProjectContainer &ownCopy) const;
    bool entryIsDesktopOnly(int index) const;
    void showTreeMenu(const QPoint &position);
    void showBuildMenu();
    void showAddMenu();
    void openFocusedEntry();

    TProjectManager m_manager;
    OpenProjectLookup m_openProject;
    QTreeWidget *vst_ProjectManager = nullptr;
    QMenu *pm_ProjectManager = nullptr;
    QMenu *m_addMenu = nullptr;
    QAction *m_openItem = nullptr;
    QAction *m_buildItem = nullptr;
    QAction *m_buildCabsItem = nullptr;
    QAction *m_buildExecutableItem = nullptr;
    QAction *m_buildBothItem = nullptr;
    QAction *m_buildAllItem = nullptr;
    QAction *m_moveUpItem = nullptr;
    QAction *m_moveDownItem = nullptr;
    QAction *m_removeItem = nullptr;
    QList<QAction *> m_separators;
    DialogStartFolder m_projectsFolder;
    DialogStartFolder m_managersFolder;
};

} // namespace talmo
