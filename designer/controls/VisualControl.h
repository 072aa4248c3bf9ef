#pragma once

#include "designer/DesignControl.h"

#include <QPointer>

namespace talmo {

// What the palette classes share from the class library: placement (Align,
// Anchors), Enabled, Visible, hints and, for windowed classes, the tab order.
// A class either paints itself or holds the Qt widget that does its job,
// which fills it and takes no input while the page is designed.
//
// Placement acts by itself: whenever a control's bounds change through the
// setters (setLeft ... setBounds) or its Align changes, its parent lays out
// the aligned children again and it lays out its own. Aligned children take
// the parent's alignArea() in the order alTop, alBottom, alLeft, alRight,
// alClient, each group by position (alTop by Top, alBottom from the lowest
// bottom edge up, alLeft by Left, alRight from the rightmost edge leftwards);
// a hidden control takes no room outside design state. A child with alNone
// keeps its distance to the parent's edges it is anchored to when the parent
// resizes: both edges stretch it, the right (bottom) edge alone moves it,
// neither keeps its centre at the same proportion. Nothing moves while the
// parent loads; it lays out once loaded.
class TVisualControl : public TDesignControl
{
    Q_OBJECT
    Q_PROPERTY(TAlign Align READ align WRITE setAlign)
    Q_PROPERTY(TAnchors Anchors READ anchors WRITE setAnchors)
    Q_PROPERTY(bool Enabled READ designEnabled WRITE setDesignEnabled)
    Q_PROPERTY(bool ShowHint READ showHint WRITE setShowHint)
    Q_PROPERTY(int TabOrder READ tabOrder WRITE setTabOrder)
    Q_PROPERTY(bool TabStop READ tabStop WRITE setTabStop)
    Q_PROPERTY(bool Visible READ designVisible WRITE setDesignVisible)

public:
    enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
    Q_ENUM(TAlign)
    enum TAnchorKind { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
    Q_DECLARE_FLAGS(TAnchors, TAnchorKind)
    Q_FLAG(TAnchors)
    enum TAlignment { taLeftJustify, taRightJustify, taCenter };
    Q_ENUM(TAlignment)
    enum TBorderStyle { bsNone, bsSingle };
    Q_ENUM(TBorderStyle)
    enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
    Q_ENUM(TBevelCut)
    enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
    Q_ENUM(TBevelShape)
    enum TBevelStyle { bsLowered, bsRaised };
    Q_ENUM(TBevelStyle)
    enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
    Q_ENUM(TScrollStyle)
    enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
    Q_ENUM(TEditCharCase)
    enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
    Q_ENUM(TCheckBoxState)
    enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable };
    Q_ENUM(TListBoxStyle)
    enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };
    Q_ENUM(TComboBoxStyle)

    explicit TVisualControl(QWidget *parent = nullptr);

    TAlign align() const { return m_align; }
    void setAlign(TAlign align);
    TAnchors anchors() const { return m_anchors; }
    void setAnchors(TAnchors anchors);
    bool designEnabled() const { return m_enabled; }
    void setDesignEnabled(bool enabled);
    bool showHint() const { return m_showHint; }
    void setShowHint(bool showHint) { m_showHint = showHint; }
    bool designVisible() const { return m_visible; }
    void setDesignVisible(bool visible);
    bool tabStop() const { return m_tabStop; }
    void setTabStop(bool tabStop) { m_tabStop = tabStop; }

    // The place among the siblings in the tab order; -1 for a class outside it.
    int tabOrder() const;
    // Moves this control to that place and renumbers its siblings; a place
    // past the end is the last. While loading the value is kept as read.
    void setTabOrder(int tabOrder);
    // The windowed designed siblings under parent in tab order.
    static QList<TVisualControl *> tabSequence(const QWidget *parent);

    // Windowed classes take part in the tab order, unless they never take the focus.
    virtual bool takesTabOrder() const { return !isWindowless(); }
    // Whether children may be dropped into it (the root and panels).
    virtual bool acceptsChildren() const { return false; }
    // The room the aligned children share.
    virtual QRect alignArea() const { return rect(); }
    // Lays out the aligned and anchored children now; normally it runs by itself.
    void arrangeChildren();

protected:
    // The text that follows the name while designing (Caption, Text, Lines).
    virtual QString designText() const { return {}; }
    virtual void setDesignText(const QString &) {}
    // Fills this control with the Qt widget that does its job.
    void embed(QWidget *inner);
    QWidget *inner() const { return m_inner; }
    void designingChanged() override;
    void boundsChanged() override;
    void loaded() override { arrangeChildren(); }
    bool event(QEvent *event) override;
    void setDefaultTabStop(bool tabStop) { m_tabStop = tabStop; }

private:
    void followName(const QString &oldName, const QString &newName);
    void applyInputState();
    void takeLastTabPlace();
    // Remembers the bounds and the parent's size the anchors keep to.
    void captureAnchorRule();
    void arrangeParent();
    bool takesRoom() const { return m_visible || isDesigning(); }
    QRect designBounds() const { return {left(), top(), width(), height()}; }
    void place(const QRect &bounds);

    QPointer<QWidget> m_inner;
    TAlign m_align = alNone;
    TAnchors m_anchors = TAnchors(akLeft) | akTop;
    bool m_enabled = true;
    bool m_showHint = false;
    bool m_visible = true;
    bool m_tabStop = true;
    int m_tabPlace = -1;
    QRect m_anchorBounds;
    QSize m_anchorParentSize;
    bool m_placing = false;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TVisualControl::TAnchors)

} // namespace talmo
