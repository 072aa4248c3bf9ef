#pragma once

#include "designer/DesignControl.h"
#include "designer/engine/TELDesignerEvents.h"
#include "designer/engine/TELDesignPanel.h"

#include <QList>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <exception>
#include <memory>

namespace talmo {

class TDEng;
class TDesignClassRegistry;
class TELClipboard;
class TELDesignerGrid;
class TELDesignerSelectedControls;

// One control a paste made: the name the block gave it and the one it got.
struct TELPastedControl
{
    QString oldName;
    QString newName;
    TDesignControl *control = nullptr;
};

// Turns a tree of designed controls into a design surface: while active the
// design control lies in the design panel's host form, under an overlay that
// takes every mouse and key event, so the user selects, moves, resizes,
// inserts, deletes, copies and pastes controls and the controls themselves
// never react. API calls throw EELDesigner; failures inside event handling
// are shown through UiServices and leave the tree as it was.
class TELDesigner : public QObject
{
    Q_OBJECT

public:
    explicit TELDesigner(const TDesignClassRegistry &registry, QObject *parent = nullptr);
    ~TELDesigner() override;

    TELDesignerEvents events;

    const TDesignClassRegistry &registry() const { return m_registry; }
    TELDesignerGrid &Grid() const { return *m_grid; }
    bool SnapToGrid() const { return m_snapToGrid; }
    void SetSnapToGrid(bool snap) { m_snapToGrid = snap; }
    TELDesignerHintTypes ShowingHints() const { return m_showingHints; }
    void SetShowingHints(TELDesignerHintTypes hints) { m_showingHints = hints; }
    TELDesignPanel *DesignPanel() const { return m_designPanel; }
    // Throws "Designer mast be inactive" while active.
    void SetDesignPanel(TELDesignPanel *panel);
    TDesignControl *DesignControl() const { return m_designControl; }
    void SetDesignControl(TDesignControl *control);
    bool Active() const { return m_engine != nullptr; }
    void SetActive(bool active);
    TELDesignerSelectedControls &SelectedControls() const { return *m_selection; }
    QMenu *PopupMenu() const { return m_popupMenu; }
    void SetPopupMenu(QMenu *menu) { m_popupMenu = menu; }
    const TELHandleColors &HandleColors() const { return m_handleColors; }
    void SetHandleColors(const TELHandleColors &colors);
    const QString &ClipboardFormat() const { return m_clipboardFormat; }
    void SetClipboardFormat(const QString &format) { m_clipboardFormat = format; }
    // "application/x-" and the format name lower-cased, every run of other
    // characters than letters and digits turned into one "-".
    QString ClipboardMimeType() const;
    // The clipboard the designer copies to and pastes from; nullptr goes
    // back to the application's clipboard. The designer does not own it.
    void SetClipboard(TELClipboard *clipboard);
    TELClipboard &Clipboard() const;
    // How long a hover hint waits before it shows and how long it stays.
    void SetHintPauses(int showMilliseconds, int hideMilliseconds);
    int HintPause() const { return m_hintPause; }
    int HintHidePause() const { return m_hintHidePause; }

    // The design control, or a control in design state owned by it.
    bool IsDesignable(const TDesignControl *control) const;
    // The design control, or a control that accepts child controls.
    bool AcceptsControls(const QWidget *control) const;
    // The nearest designable control at or above widget.
    TDesignControl *DesignableAtOrAbove(QWidget *widget) const;
    // The nearest control at or above widget that accepts children, within
    // the design control; nullptr when there is none.
    QWidget *ContainerAtOrAbove(QWidget *widget) const;

    void DeleteSelectedControls();
    bool CanCopy() const;
    bool CanCut() const;
    bool CanPaste() const;
    // Each does nothing when its test above is false. Paste reads and checks
    // the whole block before it makes anything: a block that cannot be
    // pasted throws EELDesigner and leaves the page as it was.
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    // Where a paste goes: the nearest container at or above the last
    // selected control, else the design control.
    TDesignControl *PasteTarget() const;

    // A name the design control's owned components do not bear yet and
    // OnValidateName takes, made from a class name ("TButton" gives Button1,
    // Button2, ...).
    QString MakeUniqueName(const QString &baseName) const;
    // Throws EELDesigner "SInvalidName" (or the refusal OnValidateName gave)
    // or "SDuplicateName" for a name the component may not take.
    void CheckComponentRename(const TDesignControl &component, const QString &currentName,
                              const QString &newName) const;

    // Handles re-laid-out and OnModified raised: after every change the
    // designer made to the tree.
    void Modified();
    // After the surface inserted a control: OnNotification, OnControlInserted
    // and the modified notification.
    void NotifyInserted(TDesignControl *control);
    // A failure inside the surface's event handling, shown to the user.
    void ShowError(const std::exception &error) const;
    // A control's lock bits together with those of its direct children.
    static int LockBitsWithChildren(const TDesignControl &control);

    // While active: the engine behind the surface (for the page window and tests).
    TDEng *engine() const { return m_engine.get(); }

signals:
    // After a paste, every control it made, nested ones too.
    void controlsPasted(const QList<TELPastedControl> &pasted);

private:
    friend class TELDesignPanel;
    void designPanelDestroying(TELDesignPanel *panel);
    void designControlDestroyed();
    void checkActive() const;
    void checkInactive() const;
    void deactivate(bool controlDestroyed);
    void selectionChanged();
    void gridChanged();
    // Empty for a name the component may take, else why not.
    QString nameRefusal(const QString &name, const QString &currentName = {}) const;
    bool siblingsOfLastLocked(int lock) const;
    void cascade(TDesignControl &control) const;

    const TDesignClassRegistry &m_registry;
    TELDesignerGrid *m_grid;
    TELDesignerSelectedControls *m_selection;
    bool m_snapToGrid = true;
    TELDesignerHintTypes m_showingHints = TELDesignerHintTypes(TELDesignerHintType::htControl)
        | TELDesignerHintType::htSize | TELDesignerHintType::htMove | TELDesignerHintType::htInsert;
    QPointer<TELDesignPanel> m_designPanel;
    QPointer<TDesignControl> m_designControl;
    QPointer<QMenu> m_popupMenu;
    TELHandleColors m_handleColors;
    QString m_clipboardFormat = QStringLiteral("Extension Library designer components");
    std::unique_ptr<TELClipboard> m_applicationClipboard;
    TELClipboard *m_clipboard = nullptr;
    int m_hintPause = 500;
    int m_hintHidePause = 2500;
    std::unique_ptr<TDEng> m_engine;
    bool m_changing = false;
};

} // namespace talmo
