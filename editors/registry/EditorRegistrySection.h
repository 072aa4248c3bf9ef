#pragma once

#include "editors/common/DialogRunner.h"
#include "editors/core/registry/RegistryKeyPath.h"
#include "editors/core/registry/RegistryMenuRules.h"
#include "pagehost/HostedPage.h"
#include "widgets/PopupMenuRunner.h"

#include <QHash>

#include <functional>

class QAction;
class QMenu;
class QPushButton;
class QSplitter;
class QTreeWidget;
class QTreeWidgetItem;

namespace talmo {

class IProjectWindowHost;
class TNxEdit;
class TProjectContainer;
struct TRegistrySection;

// The page of one device registry section, edited in place: its values as a
// key tree below "Pocket PC Registry" and a value list for the selected key.
// Keys exist only as the paths of values, so a new key without values is
// gone at the next rebuild. Every edit sets the project's Modified flag;
// showing the page does not. The targets that installed the section when an
// edit of its name began follow the name as it is typed, so a save or a
// build in the middle of the edit never finds them naming a missing section.
class Teditor_RegistrySection : public HostedPage
{
    Q_OBJECT
public:
    static inline const QString SettingsKey = QStringLiteral("Software\\Talmo\\RS");
    static inline const QString TopNodeText = QStringLiteral("Pocket PC Registry");

    Teditor_RegistrySection(TProjectContainer &project, IProjectWindowHost &host, TRegistrySection &section,
                            QWidget *parent = nullptr);
    ~Teditor_RegistrySection() override;

    // The value dialog, the file association dialog and both popups.
    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }
    void setPopupMenuRunner(PopupMenuRunner runner) { m_runMenu = std::move(runner); }

    void FormShow();
    void BuildRegistryTree();
    RegistryNodeKind kindOf(const QTreeWidgetItem *node) const;
    RegistryKeyPath GetKeyOfNode(const QTreeWidgetItem *node) const;
    static QTreeWidgetItem *FindChildByText(const QTreeWidgetItem *node, const QString &name);
    // The key node of the path, or nullptr.
    QTreeWidgetItem *nodeOfKey(const RegistryKeyPath &key) const;

    // Set the enabled items for the current node or rows, then run the popup.
    void JvPopupMenu1Popup();
    void lPopup();
    void treeContextMenu(const QPoint &globalPos);
    void listContextMenu(const QPoint &globalPos);

    void Expand1Click();
    void tree_new_keyClick();
    void tree_deleteClick();
    void tree_renameClick();
    // tag 1 "String", 2 "Multi String", 3 "Binary", 4 "DWord".
    void String1Click(int tag);
    void JvListView1DblClick();
    void lv_deleteClick();
    void lv_renameClick();
    void TntButton1Click();
    void JvBitBtn1Click();

    TNxEdit *registrySectionName;
    QPushButton *JvBitBtn1;
    QPushButton *TntButton1;
    QSplitter *splitter;
    QTreeWidget *JvTreeView1;
    QTreeWidget *lv_Registry;

    QMenu *JvPopupMenu1;
    QAction *Expand1;
    QAction *Create1;
    QAction *tree_new_key;
    QAction *treeData;
    QList<QAction *> treeDataItems;
    QAction *tree_delete;
    QAction *tree_rename;

    QMenu *l;
    QAction *lv_edit;
    QAction *lv_delete;
    QAction *lv_rename;
    QAction *lvCreate;
    QAction *lv_new_key;
    QAction *lvData;
    QList<QAction *> listDataItems;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createControls();
    void createTreeMenu();
    void createListMenu();
    QMenu *addCreateMenu(QMenu *menu, const QString &keyText, QAction *&key, QAction *&data, QList<QAction *> &items);
    void connectControls();
    void restoreSettings();
    void saveSettings() const;
    void runMenu(QMenu *menu, const QPoint &globalPos);

    QTreeWidgetItem *addNode(QTreeWidgetItem *parent, const QString &name);
    void rebuildTree();
    void JvTreeView1SelectionChange();
    void JvTreeView1Edited(QTreeWidgetItem *node);
    void fillValueList();
    void lv_RegistryEdited(QTreeWidgetItem *row);
    QList<QTreeWidgetItem *> selectedRows() const;
    void registrySectionNameChange();
    void setModified();

    TProjectContainer &m_project;
    IProjectWindowHost &m_host;
    TRegistrySection *m_section;
    // Where each target named the section when the current name edit began.
    QList<int> m_sectionPlaces;
    bool m_nameEdited = false;
    bool m_filling = false;
    bool m_shown = false;
    bool m_importNoOverwrite = true;
    QHash<QAction *, std::function<void()>> m_handlers;
    DialogRunner m_runDialog = execDialog();
    PopupMenuRunner m_runMenu = execPopupMenu();
};

} // namespace talmo
