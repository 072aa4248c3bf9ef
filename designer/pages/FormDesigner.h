#pragma once

#include "designer/DesignClassRegistry.h"
#include "designer/core/CutEventStash.h"
#include "pagehost/HostedPage.h"

#include <QList>
#include <QPointer>
#include <QTimer>

#include <functional>

class QAction;
class QLabel;
class QMenu;
class QToolBar;

namespace talmo {

class DesignerPalette;
class EventCodeTab;
class IProjectWindowHost;
class PageInspector;
class ScriptHelpPane;
class PropertyWhiteList;
class ProjectPageFactory;
class ScriptKnowledgeBase;
class TDesignControl;
class TELDesignPanel;
class TELDesigner;
class TNxPageControl;
class TPanel;
class TProjectContainer;
struct TCustomForm;
struct TELControlInsertingArgs;
struct TELKeyArgs;
struct TELPastedControl;

// The editor of one custom wizard page: its controls on a live design
// surface ("Form Designer") and its event code ("Code Editor"), with the
// project window's inspector and objects drop-down showing what is selected.
// The page's text and event entries in the project follow every change.
class TFormDesigner : public HostedPage
{
    Q_OBJECT
public:
    static inline const QString WindowCaption = QStringLiteral("Custom Form Designer");
    static inline const QString WrongIndexMessage = QStringLiteral("Wrong form index !!");
    static inline const QString PageObjectEntry = QStringLiteral("Form: TWizardForm");

    TFormDesigner(TProjectContainer &project, IProjectWindowHost &host, int formIndex,
                  const ScriptKnowledgeBase *knowledge, QWidget *parent = nullptr);
    // Saves the page text (when the page was loaded) and switches the surface off.
    ~TFormDesigner() override;

    // Whether the page text was read; a page that was not is never saved.
    bool pageLoaded() const { return m_loaded; }
    TELDesigner &designer() const { return *m_designer; }
    TPanel *rootPanel() const { return m_root; }
    DesignerPalette *palette() const { return m_palette; }
    TNxPageControl *pageControl() const { return m_pages; }
    EventCodeTab *codeTab() const { return m_codeTab; }
    QMenu *surfaceMenu() const { return m_surfaceMenu; }
    QAction *cutAction() const { return m_cut; }
    QAction *copyAction() const { return m_copy; }
    QAction *pasteAction() const { return m_paste; }
    QAction *deleteAction() const { return m_delete; }
    QAction *selectAllAction() const { return m_selectAll; }
    QAction *bringToFrontAction() const { return m_bringToFront; }
    QAction *sendToBackAction() const { return m_sendToBack; }
    QLabel *captionLabel() const { return m_caption; }
    QLabel *descriptionLabel() const { return m_description; }
    // The pause between choosing an event's code in the inspector and the
    // code tab coming to the front.
    void setCodeTabDelay(int milliseconds) { m_codeTabTimer.setInterval(milliseconds); }

    // The designer's commands, as the tool bar, the surface menu and the keys run them.
    void copyControls();
    void cutControls();
    void pasteControls();
    void deleteControls();
    void selectAllControls();
    void changeControlOrder(int tag);
    // Enables the surface menu's items as it pops up.
    void prepareSurfaceMenu();

    void SavePageDfm();

private:
    TCustomForm &page() const;
    bool pageExists() const;
    void buildLayout();
    QWidget *buildDesignerTab();
    void buildSurfaceMenu();
    void bindDesigner();
    void FormShow();
    bool loadPage();

    void controlInserting(TELControlInsertingArgs &args);
    void paletteClicked(bool shift);
    void controlInserted();
    void designerModified();
    void ChangeSelection();
    void designerKeyDown(TELKeyArgs &args);
    void controlsPasted(const QList<TELPastedControl> &pasted);
    void objectsDropDownChanged(int index);
    void FillObjectsDropDown();
    void SyncObjectsDropDown();
    void SyncEventEntries();
    void UpdatePageCaptions();
    void pageTabChanged();
    void showEventCode(int entry);
    void controlsChanged();
    QList<TDesignControl *> selectedControls() const;
    QStringList ownedNames(const QList<TDesignControl *> &controls) const;
    QStringList controlNames() const;
    void enableClipboardButtons();
    QString controlNameRefusal(const QString &currentName, const QString &name) const;
    void markModified();
    // Runs an engine command; its refusal (a locked control...) is shown.
    bool runEngineCommand(const std::function<void()> &command);

    TProjectContainer &m_project;
    IProjectWindowHost &m_host;
    const int m_formIndex;
    const ScriptKnowledgeBase *m_knowledge;
    const PropertyWhiteList &m_whiteList;
    TDesignClassRegistry m_registry;
    TPanel *m_root;
    TNxPageControl *m_pages;
    DesignerPalette *m_palette;
    QToolBar *m_toolBar;
    QAction *m_copy;
    QAction *m_cut;
    QAction *m_paste;
    QAction *m_delete;
    QMenu *m_surfaceMenu;
    QAction *m_selectAll;
    QAction *m_bringToFront;
    QAction *m_sendToBack;
    QLabel *m_caption;
    QLabel *m_description;
    TELDesignPanel *m_designPanel;
    TELDesigner *m_designer;
    EventCodeTab *m_codeTab = nullptr;
    // Every connection to the project window's controls lives as long as
    // both this designer and the host's page context.
    QPointer<QObject> m_hostContext;
    QPointer<PageInspector> m_inspector;
    QPointer<ScriptHelpPane> m_helpPane;
    QTimer m_codeTabTimer;
    CutEventStash m_cutStash;
    // The controls the event entries were last brought in line with.
    QStringList m_syncedControls;
    bool m_keepPaletteSelection = false;
    bool m_loaded = false;
    bool m_fillingDropDown = false;
};

// Registers the designer as the custom page kind's page.
void registerDesignerPages(ProjectPageFactory &factory);

} // namespace talmo
