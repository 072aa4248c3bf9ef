#pragma once

#include "editors/common/DialogRunner.h"
#include "model/ProgramOptions.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class QComboBox;
class QGroupBox;
class QMenu;
class QPushButton;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace talmo {

class SqlMobileSearchProgress;
enum class RuntimeModuleKind;

// One page of the options dialog: the user's redistributable sets of one
// runtime kind (the built-in set is never shown), each a tree of platforms
// and processors with the processors' CAB files. Every change goes straight
// into the program options. Entry i of the set list is set i + 1.
class RuntimeSetPage : public QWidget
{
    Q_OBJECT
public:
    static inline const QString ConfirmText = QStringLiteral("Are you sure ?");
    static inline const QString CabFilter = QStringLiteral("Cab Files|*.cab|All Files|*.*");

    RuntimeSetPage(RuntimeModuleKind kind, TProgramOptions &options, QWidget *parent = nullptr);
    ~RuntimeSetPage() override;

    RuntimeModuleKind kind() const { return m_kind; }
    std::vector<TMSQL_CustomSet> &sets() const;
    // The selected set, or null.
    TMSQL_CustomSet *selectedSet() const;

    // Refills the set list and selects its entry index (clamped), then shows that set.
    void RefillSets(int index = 0);
    void ShowSet();
    void ShowNode();
    // The tree's "Add" menu: tag 0 adds a platform, tag k a processor of platform k - 1.
    void FillNodeAddMenu();
    void AddNode(int tag);
    void DeleteNode();
    void AddCab();
    void EditCab();
    void DeleteCab();
    void RenameSet();
    void DeleteSet();
    void AddSet();

    // The dialogs of the page (text editor, new set) and the search's progress.
    DialogRunner runDialog = execDialog();
    std::function<std::unique_ptr<SqlMobileSearchProgress>(QWidget *parent)> makeSearchProgress;

    QComboBox *cb_sets;
    QPushButton *bt_rename;
    QPushButton *bt_delete;
    QPushButton *bt_add;
    QGroupBox *gb_settings;
    QTreeWidget *tv_platforms;
    QTreeWidget *lv_cabs;
    QToolButton *bt_node_add;
    QMenu *pm_node_add;
    QPushButton *bt_node_delete;
    QPushButton *bt_cab_edit;
    QPushButton *bt_cab_delete;
    QPushButton *bt_cab_add;
    QMenu *pm_cabs;
    QAction *mi_cab_edit;
    QAction *mi_cab_delete;
    QAction *mi_cab_add;

private:
    struct CabRef
    {
        TMSQL_Processors *processor = nullptr;
        int cab = -1;
    };

    void createLayout();
    void connectControls();
    void nodeRenamed(QTreeWidgetItem *item);
    void treeSelectionChanged();
    void cabSelectionChanged();
    void setNodeCommandsEnabled(bool nodeSelected);
    void addCabGroup(int processorIndex, const TMSQL_Processors &processor);
    // The platform and processor of the selected tree node; processor -1 for a platform node.
    std::pair<int, int> selectedNode() const;
    TMSQL_Processors *selectedProcessor() const;
    CabRef selectedCab() const;
    std::optional<QString> askText(const QStringList &suggestions, const QString &text);
    std::optional<QString> pickCab(const QString &fileName);

    RuntimeModuleKind m_kind;
    TProgramOptions &m_options;
    bool m_filling = false;
};

} // namespace talmo
