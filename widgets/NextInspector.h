#pragma once

#include "widgets/NxInplaceEditors.h"
#include "widgets/NxItemDisplay.h"
#include "widgets/NxPropertyItems.h"

#include <QAbstractScrollArea>
#include <QPointer>
#include <QTimer>

#include <unordered_map>

namespace talmo {

class TNxCustomEdit;

// The property grid: rows of captions and values divided by a movable
// splitter, categories (top-level rows) grouping indented children, the
// selected row's value edited in place. The application fills Items and
// learns about edits through the signals.
class TNextInspector : public QAbstractScrollArea
{
    Q_OBJECT

public:
    enum Option { poGrid = 0x1, poEnterSelectNext = 0x2, poImages = 0x4, poSplitterMoving = 0x8, poUniformSelect = 0x10 };
    Q_DECLARE_FLAGS(Options, Option)
    enum AppearanceOption { iaLockedButtons = 0x1, iaStyleCategories = 0x2, iaStyleColors = 0x4 };
    Q_DECLARE_FLAGS(AppearanceOptions, AppearanceOption)
    enum BorderStyle { bsNone, bsSingle };

    static constexpr int MarginWidth = 14;
    static constexpr int MinSplitterPosition = 14;

    explicit TNextInspector(QWidget *parent = nullptr);
    ~TNextInspector() override;

    TNxPropertyItems *items() const { return m_items; }

    AppearanceOptions appearanceOptions() const { return m_appearanceOptions; }
    void setAppearanceOptions(AppearanceOptions value);
    // The component whose properties the mapped rows show; setting it
    // refreshes every enabled mapped row.
    QObject *associate() const { return m_items->associate(); }
    void setAssociate(QObject *object) { m_items->setAssociate(object); }
    BorderStyle borderStyle() const { return m_borderStyle; }
    void setBorderStyle(BorderStyle value);
    TButtonsStyle buttonsStyle() const { return m_buttonsStyle; }
    void setButtonsStyle(TButtonsStyle value);
    TColor categoriesColor() const { return m_categoriesColor; }
    void setCategoriesColor(TColor value);
    QPixmap collapseGlyph() const { return m_collapseGlyph; }
    void setCollapseGlyph(const QPixmap &value);
    QPixmap expandGlyph() const { return m_expandGlyph; }
    void setExpandGlyph(const QPixmap &value);
    TColor color() const { return m_color; }
    void setColor(TColor value);
    bool enableVisualStyles() const { return m_enableVisualStyles; }
    void setEnableVisualStyles(bool value);
    TColor gridColor() const { return m_gridColor; }
    void setGridColor(TColor value);
    bool hideTopLevel() const { return m_items->hideTopLevel(); }
    void setHideTopLevel(bool value);
    TColor highlightTextColor() const { return m_highlightTextColor; }
    void setHighlightTextColor(TColor value);
    QList<QPixmap> images() const { return m_images; }
    void setImages(const QList<QPixmap> &value);
    TItemsArrange itemsArrange() const { return m_items->arrange(); }
    void setItemsArrange(TItemsArrange value);
    TColor marginColor() const { return m_marginColor; }
    void setMarginColor(TColor value);
    Options options() const { return m_options; }
    void setOptions(Options value);
    int rowHeight() const { return m_rowHeight; }
    void setRowHeight(int value);
    TColor selectionColor() const { return m_selectionColor; }
    void setSelectionColor(TColor value) { m_selectionColor = value; }
    // Values below 15 become 14. A position placed by the user or in code
    // ends the fitting to the captions.
    int splitterPosition() const { return m_splitterPosition; }
    void setSplitterPosition(int value);
    // When set, the caption column follows the captions as rows change and
    // the inspector resizes, until the splitter is placed otherwise: as wide as
    // the widest caption, but never leaving the values less than
    // MinFittedValueWidth or a quarter of the width, whichever is less. A
    // caption that still does not fit is elided and shows whole in a tool tip.
    bool fitsCaptions() const { return m_fitsCaptions; }
    void setFitsCaptions(bool value);
    static constexpr int MinFittedValueWidth = 72;
    // The viewport width at which a fitted caption column shows every caption whole.
    int widthShowingCaptions() const;
    // The caption is drawn shortened in its middle and shows whole in a tool tip.
    bool elidesCaption(const TNxPropertyItem *item) const;
    // The caption as the row shows it.
    QString shownCaption(const TNxPropertyItem *item) const;
    TPropertiesStyle style() const { return m_style; }
    void setStyle(TPropertiesStyle value);
    int suffixWidth() const { return m_suffixWidth; }
    void setSuffixWidth(int value);
    bool wantTabs() const { return m_wantTabs; }
    void setWantTabs(bool value) { m_wantTabs = value; }

    // Hides the row editor and the suffix box without applying them.
    void hideEditors();
    // Applies the editor's text to the row (OnEdit may refuse it).
    void applyEdit(bool leaving);
    TNxPropertyItem *selected() const { return m_selected; }
    void selectItem(TNxPropertyItem *item);
    TNxPropertyItem *editingItem() const { return m_editing; }
    // The shown row editor, if any.
    TNxCustomEdit *editor() const { return m_editing ? m_editor : nullptr; }
    TNxComboBox *suffixEditor() const { return m_suffixItem ? m_editors.suffixEditor() : nullptr; }

    int rowStep() const { return m_rowHeight + (m_options.testFlag(poGrid) ? 1 : 0); }
    // The row's top in the viewport; -1 when it is not shown.
    int rowTop(const TNxPropertyItem *item) const;
    // The splitter position at which the caption of every row below the top
    // level shows whole.
    int captionsWidth() const;
    // The splitter position at which the row's caption shows whole.
    static int captionWidth(const TNxPropertyItem *item);
    TNxPropertyItem *itemAtPos(const QPoint &pos) const;
    QRect valueRect(const TNxPropertyItem *item) const;
    QRect suffixRect(const TNxPropertyItem *item) const;
    void scrollIntoView(TNxPropertyItem *item);
    TColor effectiveGridColor() const;
    TColor effectiveMarginColor() const;
    TNxItemDisplay *display(TNxPropertyItem *item);

signals:
    // A row's value changed, before it is written into the bound property.
    void change(talmo::TNxPropertyItem *item, const QString &value);
    // The same change once the bound property holds it: handlers that read
    // the bound object (a renamed control, the saved page text) use this one.
    void changeWritten(talmo::TNxPropertyItem *item, const QString &value);
    void edit(talmo::TNxPropertyItem *item, const QString &value, bool &accept);
    void editDblClick();
    void expand(talmo::TNxPropertyItem *item);
    void itemSelected(talmo::TNxPropertyItem *item);
    void suffixEdit(talmo::TNxPropertyItem *item, const QString &value);
    void toolbarClick(talmo::TNxPropertyItem *item, int buttonIndex);
    void dblClick();
    // Every key the inspector or its editor handles, before the inspector acts on it.
    void keyDown(QKeyEvent *event);

protected:
    // Nothing by default; a subclass learns of every value change here.
    virtual void valueChangedHook(TNxPropertyItem *item, const QString &value);

    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void itemsChanged(TNxPropertyItem *item, TNxItemNotification kind, int index);
    void showEditor(TNxPropertyItem *item);
    void showSuffixEditor(TNxPropertyItem *item);
    void placeEditor();
    void editorChange(const QString &text);
    bool editorKeyDown(QKeyEvent *event);
    // The inspector's own key rules; true when the key was used.
    bool handleKey(QKeyEvent *event);
    void moveSelectionBy(int delta, bool apply);
    void selectShown(TNxPropertyItem *item);
    TNxPropertyItem *neighbour(TNxPropertyItem *item, int delta) const;
    void paintRow(QPainter &painter, TNxPropertyItem *item, int top);
    TNxDisplayContext displayContext(QPainter *painter, bool selected) const;
    void updateScrollRange();
    // Rows were shown, hidden or reordered: the scroll range, the editor and the picture follow.
    void rowsRearranged();
    void fitCaptionColumn();
    void placeSplitter(int value);
    QString hintText(const TNxPropertyItem *item) const;
    void setScrollPosition(int position);
    QRect valueRectAt(const TNxPropertyItem *item, int top) const;
    QRect suffixRectAt(int top) const;
    bool inSplitterZone(int x) const;
    bool inValueCell(const TNxPropertyItem *item, const QPoint &pos) const;
    void updateRow(const TNxPropertyItem *item);
    void focusChanged(QWidget *old, QWidget *now);
    bool owns(const QWidget *widget) const;
    void cancelHint();

    TNxPropertyItems *m_items;
    mutable NxInplaceEditors m_editors;
    std::unordered_map<TNxPropertyItem *, std::unique_ptr<TNxItemDisplay>> m_displays;

    AppearanceOptions m_appearanceOptions = AppearanceOptions(iaStyleCategories) | iaStyleColors;
    BorderStyle m_borderStyle = bsSingle;
    TButtonsStyle m_buttonsStyle = btAuto;
    TColor m_categoriesColor = clBtnFace;
    QPixmap m_collapseGlyph;
    QPixmap m_expandGlyph;
    TColor m_color = clWindow;
    bool m_enableVisualStyles = false;
    TColor m_gridColor = clBtnFace;
    TColor m_highlightTextColor = clHighlightText;
    QList<QPixmap> m_images;
    TColor m_marginColor = clBtnFace;
    Options m_options = Options(poGrid) | poEnterSelectNext | poSplitterMoving | poUniformSelect;
    int m_rowHeight = 16;
    TColor m_selectionColor = clHighlight;
    int m_splitterPosition = 100;
    bool m_fitsCaptions = false;
    TPropertiesStyle m_style = psDefault;
    int m_suffixWidth = 60;
    bool m_wantTabs = false;

    TNxPropertyItem *m_selected = nullptr;
    TNxPropertyItem *m_editing = nullptr;
    TNxPropertyItem *m_suffixItem = nullptr;
    TNxPropertyItem *m_hot = nullptr;
    TNxPropertyItem *m_hintItem = nullptr;
    TNxCustomEdit *m_editor = nullptr;
    QMetaObject::Connection m_editorChange;
    bool m_mouseDown = false;
    bool m_splitterDrag = false;
    bool m_updatingEditor = false;
    bool m_scrollingInCode = false;
    bool m_applying = false;
    bool m_hidingEditors = false;
    QTimer m_hintTimer;
};

} // namespace talmo

Q_DECLARE_OPERATORS_FOR_FLAGS(talmo::TNextInspector::Options)
Q_DECLARE_OPERATORS_FOR_FLAGS(talmo::TNextInspector::AppearanceOptions)
