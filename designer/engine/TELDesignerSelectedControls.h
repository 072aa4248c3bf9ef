#pragma once

#include <QList>
#include <QObject>
#include <QSet>

namespace talmo {

class TDesignControl;
class TELDesigner;

// One selected control and the state of its grab handles.
struct TDSelCtrlItem
{
    TDesignControl *control = nullptr;
    // 0 no handles, 1 the only selected control, 2 one of several.
    int mode = 0;
    // The grab handle last pressed (0..7), -1 before any.
    int pressedHandle = -1;
};

// The selection of a designer. Order matters: the last entry is "the last
// selected control" that several operations start from. Changes made inside
// BeginUpdate/EndUpdate are announced once, at the end.
class TELDesignerSelectedControls : public QObject
{
    Q_OBJECT

public:
    explicit TELDesignerSelectedControls(TELDesigner &designer);
    ~TELDesignerSelectedControls() override;

    // Returns the control's index; throws EELDesigner when the designer is
    // inactive or the control is not designable.
    int Add(TDesignControl *control);
    void Clear();
    int GetCount() const { return int(m_items.size()); }
    // The control of that entry; throws ListIndexError outside the list.
    TDesignControl *GetItem(int index) const;
    const TDSelCtrlItem &Entry(int index) const;
    // -1 when the control is not selected.
    int IndexOf(const TDesignControl *control) const;
    bool Contains(const TDesignControl *control) const;
    // The last selected control, nullptr when nothing is selected.
    TDesignControl *Last() const;
    QList<TDesignControl *> Controls() const;
    void Remove(TDesignControl *control);
    void Delete(int index);
    // Only that control stays or becomes selected; nullptr selects nothing.
    void SelectOnly(TDesignControl *control);
    // Exactly these controls, in this order.
    void SelectList(const QList<TDesignControl *> &controls);
    // Deselects every control whose parent is another one.
    void KeepParent(const QWidget *parent);
    // The root and every designable control below it.
    void SelectAll();

    void BeginUpdate();
    void EndUpdate();

    bool Visible() const { return m_visible; }
    void SetVisible(bool visible);
    // Whether the design surface has the keyboard focus (handle colours).
    bool Active() const { return m_active; }
    void SetActive(bool active);
    TDesignControl *Root() const { return m_root; }
    void SetRoot(TDesignControl *root);
    void SetPressedHandle(int index, int position);

signals:
    // After every announced change (modes recomputed); the designer raises
    // OnChangeSelection from it.
    void changed();
    // Handles must be drawn again: colours, visibility or modes moved.
    void handlesChanged();

private:
    void checkActive() const;
    void forget(QObject *control);
    void appendEntry(TDesignControl *control);
    void removeAt(int index);
    void change();
    void notifyChange();
    void recomputeModes();
    void addDesignable(QWidget *container);

    TELDesigner &m_designer;
    QList<TDSelCtrlItem> m_items;
    // The selected controls again, so that membership costs no search.
    QSet<const QObject *> m_members;
    bool m_visible = false;
    bool m_active = false;
    TDesignControl *m_root = nullptr;
    int m_updateCount = 0;
    bool m_changedWhileUpdating = false;
    bool m_destroying = false;
};

} // namespace talmo
