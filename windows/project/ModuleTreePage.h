#pragma once

#include "editors/common/DialogRunner.h"
#include "windows/project/ModuleFlagRows.h"

#include <QHash>
#include <QWidget>

class QMenu;
class QPushButton;
class QSplitter;
class QTreeWidgetItem;

namespace talmo {

class ModuleTreeWidget;
class TNextInspector;
class TNxPropertyItem;
class TProjectContainer;

// The first section of the project window: the project's installation
// components as a tree under "Installation Modules", the commands that add,
// edit, delete and reorder them, drag and drop to re-parent them, and the
// inspector of the selected component's flags, setup types and languages.
// The component list is kept in the tree's display order.
class ModuleTreePage : public QWidget
{
    Q_OBJECT
public:
    ModuleTreePage(TProjectContainer &project, QWidget *parent = nullptr);

    // Puts the component list in display order and shows it, keeping the
    // selected position.
    void RebuildModuleTree();

    // The node of a component; the root for -1; null when it is not shown.
    QTreeWidgetItem *FindModuleNode(int component) const;
    // The selected component; -1 for the root or no selection.
    int selectedComponent() const;
    // Selects the component's node (the root for -1) and runs the selection handling.
    void selectComponent(int component);

    // The selection handling: buttons, menu and inspector follow the node.
    void gui_ComponentsClick();
    // The commands of the buttons and the context menu.
    void cm_editClick();
    void cm_deleteClick();
    void cm_upClick();
    void cm_downClick();
    // The add menu, made anew: below the selection (context menu) or at the top level.
    QMenu *preparedAddMenu(bool underSelection);
    // The context menu with its items' states.
    QMenu *preparedContextMenu();

    // Drag and drop: whether target (null: nothing under the mouse) may take
    // the dragged node, and the drop onto it.
    bool canDrop(QTreeWidgetItem *dragged, QTreeWidgetItem *target) const;
    void dropOnto(QTreeWidgetItem *target);

    // The add commands.
    void AddModuleContainer();
    void Win32Installation1Click();
    void CABCreatorModule1Click();
    void CabCollection1Click();
    void AddDirectCopyModule();
    void PalmOSModule1Click();

    // How the dialogs are shown; tests answer them without a modal loop.
    DialogRunner runDialog = execDialog();
    bool AddUnderSelection = false;

    ModuleTreeWidget *gui_Components;
    TNextInspector *NextInspector2;
    QPushButton *cm_add;
    QPushButton *cm_edit;
    QPushButton *cm_delete;
    QPushButton *cm_up;
    QPushButton *cm_down;
    QMenu *pm_ModulesMenu;
    QMenu *pmModulesAddMenu;
    // Between the tree and NextInspector2.
    QSplitter *splitter() const { return m_splitter; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

signals:
    // The project changed: the window refreshes every section and the project manager.
    void projectChanged();
    // The breadcrumb node of the component is to be selected, which opens its page.
    void openComponentRequested(int component);

private:
    void createControls();
    void fillTree();
    void fillInspector(int component);
    void inspectorChanged(TNxPropertyItem *item);
    void addRuntimeModule(int moduleType, int setIndex);
    void editRuntimeModule(int component);
    void editContainer(int component);
    int parentForNewComponent() const;
    void added(int component, bool openPage);
    void moveSelected(bool down);
    void changed();
    void changedLater();
    // The tree column as wide as its names need, the inspector taking the
    // rest, until the user moves the divider.
    void fitTreeColumn();

    TProjectContainer &m_project;
    QSplitter *m_splitter = nullptr;
    bool m_treeSizedByUser = false;
    QHash<const TNxPropertyItem *, int> m_rowIndex;  // inspector row -> index in m_rows
    QList<ModuleFlagRow> m_rows;
    int m_inspectedComponent = -1;
    bool InspectorBusy = false;
    QAction *m_menuEdit = nullptr;
    QAction *m_menuDelete = nullptr;
    QAction *m_menuUp = nullptr;
    QAction *m_menuDown = nullptr;
};

} // namespace talmo
