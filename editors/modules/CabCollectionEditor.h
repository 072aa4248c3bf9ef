#pragma once

#include "editors/common/DialogRunner.h"
#include "pagehost/HostedPage.h"
#include "widgets/PopupMenuRunner.h"

class QMenu;
class QPushButton;
class QTreeWidget;

namespace talmo {

class IProjectWindowHost;
class TNxEdit;
class TProjectContainer;
struct TFile;
template <typename T> class OwningList;

// The page of a CAB collection (PalmMode false) or a Palm OS module (PalmMode
// true): the module's name and its list of ready-made files, local paths
// (possibly relative to the project file's folder) or URLs. Files dropped on
// the list are added when their extension suits the module's kind.
class TcabCollectionEditor : public HostedPage
{
    Q_OBJECT
public:
    TcabCollectionEditor(TProjectContainer &project, IProjectWindowHost &host, int moduleIndex, bool palmMode,
                         QWidget *parent = nullptr);

    bool PalmMode() const { return m_palmMode; }
    int ModuleIndex() const { return m_moduleIndex; }

    // "Add Local File" and "Add URL".
    QMenu *TntPopupMenu1() const { return m_addMenu; }
    void setPopupMenuRunner(PopupMenuRunner runner) { m_runMenu = std::move(runner); }
    // The file-name dialog of "Edit".
    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }

    void RefreshFileList();
    void cab_addClick();
    void AddLocalFile1Click();
    void AddURL1Click();
    void cab_editClick();
    void cab_deleteClick();
    void cab_filesSelectItem();
    // The files of a drop, in order.
    void dropFiles(const QStringList &names);

    TNxEdit *ebModuleName;
    QTreeWidget *cab_files;
    QPushButton *cab_add;
    QPushButton *cab_edit;
    QPushButton *cab_delete;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createControls();
    void FormShow();
    OwningList<TFile> &files() const;
    void ebModuleNameChange();
    QStringList acceptedExtensions() const;
    QString openFilter() const;
    void setModified();

    TProjectContainer &m_project;
    IProjectWindowHost &m_host;
    int m_moduleIndex;
    bool m_palmMode;
    bool m_filling = false;
    bool m_shown = false;
    QMenu *m_addMenu;
    PopupMenuRunner m_runMenu = execPopupMenu();
    DialogRunner m_runDialog = execDialog();
};

} // namespace talmo
