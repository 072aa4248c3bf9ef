#include "widgets/NextInspector.h"

#include "widgets/ColorSchemes.h"
#include "widgets/GlyphMask.h"
#include "widgets/NxComboBox.h"
#include "widgets/NxEdit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>

namespace talmo {

TNextInspector::TNextInspector(QWidget *parent)
    : QAbstractScrollArea(parent)
    , m_items(new TNxPropertyItems)
    , m_editors(viewport())
{
    resize(245, 200);
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    verticalScrollBar()->setSingleStep(1);
    verticalScrollBar()->setPageStep(4);
    viewport()->setMouseTracking(true);
    viewport()->setAutoFillBackground(false);
    setBorderStyle(bsSingle);
    m_items->setFont(font());
    m_items->setItemCallback(
        [this](TNxPropertyItem *item, TNxItemNotification kind, int index) { itemsChanged(item, kind, index); });
    m_items->setChangeCallback([this] {
        updateScrollRange();
        viewport()->update();
    });
    m_hintTimer.setSingleShot(true);
    connect(&m_hintTimer, &QTimer::timeout, this, [this] {
        if (m_hot && m_hot == m_hintItem)
            QToolTip::showText(QCursor::pos(), hintText(m_hot), viewport());
    });
    connect(qApp, &QApplication::focusChanged, this, &TNextInspector::focusChanged);
    ColorSchemes::registerControl(this);
}

TNextInspector::~TNextInspector()
{
    ColorSchemes::unregisterControl(this);
    disconnect(qApp, &QApplication::focusChanged, this, &TNextInspector::focusChanged);
    m_items->setItemCallback(nullptr);
    m_items->setChangeCallback(nullptr);
    delete m_items;
}

// ---- appearance -------------------------------------------------------------

void TNextInspector::setAppearanceOptions(AppearanceOptions value)
{
    m_appearanceOptions = value;
    viewport()->update();
}

void TNextInspector::setBorderStyle(BorderStyle value)
{
    m_borderStyle = value;
    setFrameStyle(value == bsSingle ? QFrame::StyledPanel | QFrame::Sunken : QFrame::NoFrame);
}

void TNextInspector::setButtonsStyle(TButtonsStyle value)
{
    m_buttonsStyle = value;
    viewport()->update();
}

void TNextInspector::setCategoriesColor(TColor value)
{
    m_categoriesColor = value;
    viewport()->update();
}

void TNextInspector::setCollapseGlyph(const QPixmap &value)
{
    m_collapseGlyph = GlyphMask::bottomLeftTransparent(value);
    viewport()->update();
}

void TNextInspector::setExpandGlyph(const QPixmap &value)
{
    m_expandGlyph = GlyphMask::bottomLeftTransparent(value);
    viewport()->update();
}

void TNextInspector::setColor(TColor value)
{
    m_color = value;
    viewport()->update();
}

void TNextInspector::setEnableVisualStyles(bool value)
{
    m_enableVisualStyles = value;
    viewport()->update();
}

void TNextInspector::setGridColor(TColor value)
{
    m_gridColor = value;
    viewport()->update();
}

void TNextInspector::setHideTopLevel(bool value)
{
    m_items->setHideTopLevel(value);
    rowsRearranged();
}

void TNextInspector::setHighlightTextColor(TColor value)
{
    m_highlightTextColor = value;
    updateRow(m_selected);
}

void TNextInspector::setImages(const QList<QPixmap> &value)
{
    m_images = value;
    viewport()->update();
}

void TNextInspector::setItemsArrange(TItemsArrange value)
{
    m_items->setArrange(value);
    rowsRearranged();
}

void TNextInspector::setMarginColor(TColor value)
{
    m_marginColor = value;
    viewport()->update();
}

void TNextInspector::setOptions(Options value)
{
    m_options = value;
    hideEditors();
    updateScrollRange();
    viewport()->update();
}

void TNextInspector::setRowHeight(int value)
{
    m_rowHeight = std::max(1, value);
    hideEditors();
    updateScrollRange();
    viewport()->update();
}

void TNextInspector::setSplitterPosition(int value)
{
    m_fitsCaptions = false;
    placeSplitter(value);
}

void TNextInspector::placeSplitter(int value)
{
    const int position = value < MinSplitterPosition + 1 ? MinSplitterPosition : value;
    const bool changed = position != m_splitterPosition;
    m_splitterPosition = position;
    placeEditor();
    if (changed)
        viewport()->update();
}

void TNextInspector::setFitsCaptions(bool value)
{
    m_fitsCaptions = value;
    fitCaptionColumn();
}

int TNextInspector::widthShowingCaptions() const
{
    const int captions = captionsWidth();
    return std::max(captions + MinFittedValueWidth, (captions * 4 + 2) / 3);
}

void TNextInspector::fitCaptionColumn()
{
    // A narrow pane gives the captions up to three quarters of its width,
    // which still leaves a check box or the start of a value beside them.
    const int captionsShare = std::max(viewport()->width() - MinFittedValueWidth, viewport()->width() * 3 / 4);
    if (m_fitsCaptions)
        placeSplitter(std::min(captionsWidth(), captionsShare));
}

bool TNextInspector::elidesCaption(const TNxPropertyItem *item) const
{
    return item->level() > 0 && captionWidth(item) > m_splitterPosition;
}

QString TNextInspector::shownCaption(const TNxPropertyItem *item) const
{
    if (item->level() == 0)
        return item->caption();
    // The room captionWidth() asks for, less the text.
    return ShownCaption(item, m_splitterPosition - MarginWidth - item->indent() - 4);
}

QString TNextInspector::hintText(const TNxPropertyItem *item) const
{
    if (item->showHint() && !item->hint().isEmpty())
        return item->hint();
    return elidesCaption(item) ? item->caption() : QString();
}

void TNextInspector::setStyle(TPropertiesStyle value)
{
    m_style = value;
    viewport()->update();
}

void TNextInspector::setSuffixWidth(int value)
{
    m_suffixWidth = value;
    hideEditors();
    viewport()->update();
}

TColor TNextInspector::effectiveGridColor() const
{
    if (!m_appearanceOptions.testFlag(iaStyleColors))
        return m_gridColor;
    return m_style == psOffice2007 ? ColorSchemes::schemeColor(3, ColorSchemes::defaultScheme()) : clBtnFace;
}

TColor TNextInspector::effectiveMarginColor() const
{
    if (!m_appearanceOptions.testFlag(iaStyleColors))
        return m_marginColor;
    switch (m_style) {
    case psDefault:
        return clBtnFace;
    case psOffice2003:
        return clHighlight;
    case psOffice2007:
        return ColorSchemes::schemeColor(4, ColorSchemes::defaultScheme());
    case psWhidbey:
        return clBtnShadow;
    }
    return m_marginColor;
}

// ---- geometry ---------------------------------------------------------------

int TNextInspector::rowTop(const TNxPropertyItem *item) const
{
    if (!item || !m_items->isRowShown(item))
        return -1;
    int shownBefore = 0;
    for (const TNxPropertyItem *row : m_items->itemsInUse()) {
        if (row == item)
            return (shownBefore - verticalScrollBar()->value()) * rowStep();
        if (m_items->isRowShown(row))
            ++shownBefore;
    }
    return -1;
}

TNxPropertyItem *TNextInspector::itemAtPos(const QPoint &pos) const
{
    int top = -verticalScrollBar()->value() * rowStep();
    for (TNxPropertyItem *row : m_items->itemsInUse()) {
        if (!m_items->isRowShown(row))
            continue;
        if (pos.y() >= top && pos.y() < top + rowStep())
            return row;
        top += rowStep();
    }
    return nullptr;
}

QRect TNextInspector::valueRect(const TNxPropertyItem *item) const
{
    return valueRectAt(item, rowTop(item));
}

QRect TNextInspector::valueRectAt(const TNxPropertyItem *item, int top) const
{
    const int right = viewport()->width() - (item->showSuffix() ? m_suffixWidth : 0);
    return QRect(QPoint(m_splitterPosition + 1, top), QPoint(right - 1, top + m_rowHeight - 1));
}

QRect TNextInspector::suffixRect(const TNxPropertyItem *item) const
{
    return suffixRectAt(rowTop(item));
}

QRect TNextInspector::suffixRectAt(int top) const
{
    return QRect(viewport()->width() - m_suffixWidth, top, m_suffixWidth, m_rowHeight);
}

bool TNextInspector::inSplitterZone(int x) const
{
    return m_options.testFlag(poSplitterMoving) && x >= m_splitterPosition - 2 && x <= m_splitterPosition + 3;
}

bool TNextInspector::inValueCell(const TNxPropertyItem *item, const QPoint &pos) const
{
    return item && valueRect(item).contains(pos);
}

void TNextInspector::updateRow(const TNxPropertyItem *item)
{
    const int top = rowTop(item);
    if (top >= 0)
        viewport()->update(0, top, viewport()->width(), rowStep());
}

void TNextInspector::updateScrollRange()
{
    const int shown = int(m_items->shownRows().size());
    const int page = std::max(1, viewport()->height() / rowStep());
    m_scrollingInCode = true;
    verticalScrollBar()->setRange(0, std::max(0, shown - page));
    m_scrollingInCode = false;
    fitCaptionColumn();
}

void TNextInspector::rowsRearranged()
{
    updateScrollRange();
    placeEditor();
    viewport()->update();
}

void TNextInspector::setScrollPosition(int position)
{
    m_scrollingInCode = true;
    verticalScrollBar()->setValue(position);
    m_scrollingInCode = false;
    placeEditor();
}

void TNextInspector::scrollIntoView(TNxPropertyItem *item)
{
    const int top = rowTop(item);
    if (top < 0 && !m_items->isRowShown(item))
        return;
    const auto shown = m_items->shownRows();
    const int index = int(std::find(shown.begin(), shown.end(), item) - shown.begin());
    const int height = viewport()->height();
    const int page = std::max(1, height / rowStep());
    if (top < 0)
        setScrollPosition(index);
    else if (top + rowStep() > height)
        setScrollPosition(index - page + 1);
    const int bottom = rowTop(item) + rowStep();
    if (bottom > height)
        setScrollPosition(verticalScrollBar()->value() + 1);
}

void TNextInspector::scrollContentsBy(int, int)
{
    if (!m_scrollingInCode)
        hideEditors();
    viewport()->update();
}

// ---- painting -----------------------------------------------------------------

TNxItemDisplay *TNextInspector::display(TNxPropertyItem *item)
{
    auto &slot = m_displays[item];
    if (!slot)
        slot = TNxItemDisplay::create(item);
    return slot.get();
}

TNxDisplayContext TNextInspector::displayContext(QPainter *painter, bool selected) const
{
    TNxDisplayContext context;
    context.painter = painter;
    context.rightToLeft = layoutDirection() == Qt::RightToLeft;
    context.visualStyles = false;
    context.styledCategories = m_appearanceOptions.testFlag(iaStyleCategories);
    context.selectionColor = m_selectionColor;
    context.highlightTextColor = m_highlightTextColor;
    context.gridColor = effectiveGridColor();
    context.marginColor = effectiveMarginColor();
    context.categoriesColor = m_categoriesColor;
    context.selected = selected;
    context.images = &m_images;
    context.style = m_style;
    context.buttonsStyle = m_buttonsStyle;
    context.expandGlyph = m_expandGlyph;
    context.collapseGlyph = m_collapseGlyph;
    return context;
}

void TNextInspector::paintEvent(QPaintEvent *event)
{
    QPainter painter(viewport());
    painter.setFont(font());
    const int width = viewport()->width();
    const int height = viewport()->height();
    int y = -verticalScrollBar()->value() * rowStep();
    for (TNxPropertyItem *row : m_items->itemsInUse()) {
        if (y >= height)
            break;
        if (!m_items->isRowShown(row))
            continue;
        if (y >= 0 || y + m_rowHeight > 0) {
            if (event->rect().intersects(QRect(0, y, width, rowStep())))
                paintRow(painter, row, y);
        }
        y += m_rowHeight;
        if (m_options.testFlag(poGrid)) {
            painter.fillRect(QRect(0, y, MarginWidth, 1), SystemColors::toQColor(effectiveMarginColor()));
            painter.fillRect(QRect(MarginWidth, y, width - MarginWidth, 1), SystemColors::toQColor(effectiveGridColor()));
            y += 1;
        }
    }
    if (y < height)
        painter.fillRect(QRect(0, std::max(0, y), width, height - std::max(0, y)), SystemColors::toQColor(m_color));
}

int TNextInspector::captionWidth(const TNxPropertyItem *item)
{
    // The caption's frame leaves two pixels on either side of the text.
    return MarginWidth + item->indent() + QFontMetrics(item->font()).horizontalAdvance(item->caption()) + 4;
}

int TNextInspector::captionsWidth() const
{
    int widest = MarginWidth + 4;
    for (int i = 0; i < m_items->count(); ++i) {
        const TNxPropertyItem *item = m_items->item(i);
        if (item->level() > 0)
            widest = std::max(widest, captionWidth(item));
    }
    return widest;
}

void TNextInspector::paintRow(QPainter &painter, TNxPropertyItem *item, int top)
{
    const int width = viewport()->width();
    const QRect row(0, top, width, m_rowHeight);
    painter.save();
    painter.setClipRect(row);
    painter.fillRect(QRect(m_splitterPosition, top, 1, m_rowHeight), SystemColors::toQColor(effectiveGridColor()));
    painter.fillRect(QRect(0, top, MarginWidth, m_rowHeight), SystemColors::toQColor(effectiveMarginColor()));

    TNxItemDisplay *painterOfRow = display(item);
    painterOfRow->setContext(displayContext(&painter, item == m_selected));
    const bool topLevel = item->level() == 0;
    painterOfRow->setRect(QRect(MarginWidth, top, (topLevel ? width : m_splitterPosition) - MarginWidth, m_rowHeight));
    painterOfRow->paintCaption();
    if (item->childCount() > 0 && !m_appearanceOptions.testFlag(iaLockedButtons) && !item->expandLock()) {
        painterOfRow->setRect(row);
        painterOfRow->paintExpandButton();
    }
    if (item->showSuffix()) {
        painterOfRow->setRect(suffixRectAt(top));
        painterOfRow->paintSuffix();
    }
    if (item != m_editing) {
        painterOfRow->setRect(valueRectAt(item, top));
        painterOfRow->paintValue();
    }
    painter.restore();
}

void TNextInspector::changeEvent(QEvent *event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        m_items->setFont(font());
}

void TNextInspector::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRange();
    placeEditor();
}

// ---- notifications ------------------------------------------------------------

void TNextInspector::itemsChanged(TNxPropertyItem *item, TNxItemNotification kind, int index)
{
    switch (kind) {
    case TNxItemNotification::Inserted:
    case TNxItemNotification::ExpandLockChanged:
    case TNxItemNotification::VisibleChanged:
        if (kind == TNxItemNotification::VisibleChanged && (item == m_editing || item == m_suffixItem))
            hideEditors();
        rowsRearranged();
        break;
    case TNxItemNotification::RowChanged:
    case TNxItemNotification::EnabledChanged:
        if (kind == TNxItemNotification::EnabledChanged)
            hideEditors();
        updateRow(item);
        break;
    case TNxItemNotification::Removed:
        break;
    case TNxItemNotification::Collapsed:
    case TNxItemNotification::Expanded:
        hideEditors();
        emit expand(item);
        updateScrollRange();
        viewport()->update();
        break;
    case TNxItemNotification::Destroying:
        if (item == m_editing || item == m_suffixItem)
            hideEditors();
        if (item == m_selected)
            m_selected = nullptr;
        if (item == m_hot)
            m_hot = nullptr;
        if (item == m_hintItem)
            m_hintItem = nullptr;
        m_displays.erase(item);
        break;
    case TNxItemNotification::OptionsChanged:
    case TNxItemNotification::LookChanged:
    case TNxItemNotification::ShowTextChanged:
    case TNxItemNotification::ToolbarButtonChanged:
        updateRow(item);
        break;
    case TNxItemNotification::ValueChanged: {
        updateRow(item);
        const QString value = item->getValue();
        emit change(item, value);
        if (item == m_editing && m_editor && m_editor->text() != item->asString()) {
            m_updatingEditor = true;
            m_editor->setText(item->asString());
            m_updatingEditor = false;
        }
        valueChangedHook(item, value);
        break;
    }
    case TNxItemNotification::ValueWritten:
        emit changeWritten(item, item->getValue());
        break;
    case TNxItemNotification::SuffixChanged:
        updateRow(item);
        emit suffixEdit(item, item->suffixValue());
        break;
    case TNxItemNotification::ToolbarClick:
        updateRow(item);
        emit toolbarClick(item, index);
        break;
    }
}

void TNextInspector::valueChangedHook(TNxPropertyItem *, const QString &) {}

// ---- editors ----------------------------------------------------------------

void TNextInspector::hideEditors()
{
    m_hidingEditors = true;
    if (m_editing) {
        TNxPropertyItem *item = m_editing;
        m_editing = nullptr;
        QObject::disconnect(m_editorChange);
        m_editors.dropItemConnections();
        if (m_editor->hasFocus())
            setFocus();
        m_editor->hide();
        item->editorHidden();
        updateRow(item);
    }
    if (m_suffixItem) {
        TNxComboBox *suffix = m_editors.suffixEditor();
        if (suffix->hasFocus())
            setFocus();
        suffix->hide();
        m_suffixItem = nullptr;
    }
    m_hidingEditors = false;
}

void TNextInspector::showEditor(TNxPropertyItem *item)
{
    if (item && item == m_editing)
        return;
    if (m_editing) {
        TNxPropertyItem *old = m_editing;
        m_editing = nullptr;
        QObject::disconnect(m_editorChange);
        m_editors.dropItemConnections();
        if (m_editor->hasFocus())
            setFocus();
        m_editor->hide();
        old->editorHidden();
        updateRow(old);
    }
    TNxCustomEdit *editor = item ? m_editors.editorFor(item->editorKind()) : nullptr;
    const bool editable = editor && item->enabled() && item->visible() && !item->readOnly() &&
                          item->hasInplaceEditor() && item->ancestorsExpanded();
    if (!editable) {
        setFocus();
        return;
    }
    cancelHint();
    m_editing = item;
    m_editor = editor;
    editor->installEventFilter(this);
    editor->setGeometry(valueRect(item));
    editor->show();
    m_editors.prepare(editor, item);
    m_editorChange = connect(editor, &QLineEdit::textChanged, this, &TNextInspector::editorChange);
    editor->setFocus();
    updateRow(item);
}

void TNextInspector::showSuffixEditor(TNxPropertyItem *item)
{
    if (item && item == m_suffixItem)
        return;
    TNxComboBox *suffix = m_editors.suffixEditor();
    // The box of the row left behind goes, also when the new row has none.
    if (m_suffixItem)
        suffix->hide();
    m_suffixItem = nullptr;
    if (!item || item->suffixStyle() == ssReadOnly || !item->showSuffix())
        return;
    m_suffixItem = item;
    const QRect cell = suffixRect(item);
    suffix->setGeometry(cell.left() + 1, cell.top(), viewport()->width() - cell.left() - 1, m_rowHeight);
    m_editors.prepareSuffix(suffix, item);
}

void TNextInspector::placeEditor()
{
    if (m_editing)
        m_editor->setGeometry(valueRect(m_editing));
    if (m_suffixItem) {
        const QRect cell = suffixRect(m_suffixItem);
        m_editors.suffixEditor()->setGeometry(cell.left() + 1, cell.top(), viewport()->width() - cell.left() - 1,
                                              m_rowHeight);
    }
}

void TNextInspector::applyEdit(bool leaving)
{
    if (m_applying)
        return;
    m_applying = true;
    if (m_suffixItem)
        m_suffixItem->setSuffixValue(m_editors.suffixEditor()->text());
    if (m_editing) {
        TNxPropertyItem *item = m_editing;
        const QString text = m_editor->text();
        if (text != item->asString()) {
            bool accept = true;
            emit edit(item, text, accept);
            if (accept) {
                item->setValue(text);
            } else {
                m_mouseDown = false;
                m_updatingEditor = true;
                m_editor->setText(item->getValue());
                m_updatingEditor = false;
                item->editRejected(NxInplaceEditors::editorItemIndex(m_editor));
                if (leaving)
                    hideEditors();
            }
        }
        if (!leaving && m_editing)
            m_editor->selectAll();
    }
    m_applying = false;
}

void TNextInspector::editorChange(const QString &text)
{
    if (m_updatingEditor || !m_editing)
        return;
    // A change handler may rebuild the rows.
    QPointer<TNxPropertyItem> item = m_editing;
    if (item->options().testFlag(itoAutoApply)) {
        m_updatingEditor = true;
        item->setValue(text);
        m_updatingEditor = false;
    }
    bool ignored = false;
    if (item)
        emit edit(item, text, ignored);
}

// ---- selection and keys ---------------------------------------------------

void TNextInspector::selectItem(TNxPropertyItem *item)
{
    TNxPropertyItem *old = m_selected;
    m_selected = item;
    if (old != item)
        updateRow(old);
    if (item)
        scrollIntoView(item);
    if (old != item) {
        updateRow(item);
        emit itemSelected(item);
    }
    if (m_selected == item) {
        showEditor(item);
        showSuffixEditor(item);
    }
}

TNxPropertyItem *TNextInspector::neighbour(TNxPropertyItem *item, int delta) const
{
    const auto shown = m_items->shownRows();
    if (shown.empty())
        return nullptr;
    auto at = std::find(shown.begin(), shown.end(), item);
    if (at == shown.end())
        return nullptr;
    const int index = int(at - shown.begin()) + delta;
    return index >= 0 && index < int(shown.size()) ? shown[index] : nullptr;
}

void TNextInspector::selectShown(TNxPropertyItem *item)
{
    if (item)
        selectItem(item);
}

void TNextInspector::moveSelectionBy(int delta, bool apply)
{
    if (!m_selected)
        return;
    QPointer<TNxPropertyItem> next = neighbour(m_selected, delta);
    if (!next)
        return;
    if (apply) {
        const int top = rowTop(next);
        if (top < 0)
            setScrollPosition(verticalScrollBar()->value() - 1);
        else if (top + rowStep() > viewport()->height())
            setScrollPosition(verticalScrollBar()->value() + 1);
        applyEdit(true);
    }
    // Applying may have rebuilt the rows.
    if (next)
        selectItem(next);
}

bool TNextInspector::handleKey(QKeyEvent *event)
{
    emit keyDown(event);
    const int key = event->key();
    const Qt::KeyboardModifiers mods = event->modifiers();
    const auto shown = m_items->shownRows();
    switch (key) {
    case Qt::Key_Tab:
        moveSelectionBy(1, false);
        return true;
    case Qt::Key_Backtab:
        moveSelectionBy(-1, false);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        applyEdit(m_options.testFlag(poEnterSelectNext));
        if (m_options.testFlag(poEnterSelectNext))
            moveSelectionBy(1, false);
        return true;
    case Qt::Key_Home:
        if (!shown.empty())
            selectShown(shown.front());
        return true;
    case Qt::Key_End:
        if (!shown.empty())
            selectShown(shown.back());
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (mods & Qt::AltModifier || (m_editing && NxInplaceEditors::droppedDown(m_editor)))
            return false;
        moveSelectionBy(key == Qt::Key_Up ? -1 : 1, true);
        return true;
    case Qt::Key_Plus:
    case Qt::Key_Minus:
        if (m_selected && m_selected->childCount() > 0) {
            m_selected->setExpanded(key == Qt::Key_Plus);
            return !m_editing;
        }
        break;
    default:
        break;
    }
    if (m_selected && m_selected->enabled() && !m_selected->readOnly())
        display(m_selected)->keyDown(key, mods);
    return false;
}

bool TNextInspector::editorKeyDown(QKeyEvent *event)
{
    const int key = event->key();
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !NxInplaceEditors::droppedDown(m_editor)) {
        emit keyDown(event);
        applyEdit(m_options.testFlag(poEnterSelectNext));
        if (m_options.testFlag(poEnterSelectNext))
            moveSelectionBy(1, false);
        return true;
    }
    if (key == Qt::Key_Escape) {
        emit keyDown(event);
        hideEditors();
        return true;
    }
    if (key == Qt::Key_Home || key == Qt::Key_End) {
        if (!ctrl)
            return false;
        emit keyDown(event);
        const auto shown = m_items->shownRows();
        if (!shown.empty())
            selectShown(key == Qt::Key_Home ? shown.front() : shown.back());
        return true;
    }
    if ((key == Qt::Key_Tab || key == Qt::Key_Backtab) && !m_wantTabs)
        return false;
    return handleKey(event);
}

void TNextInspector::keyPressEvent(QKeyEvent *event)
{
    if (!handleKey(event))
        QAbstractScrollArea::keyPressEvent(event);
}

bool TNextInspector::focusNextPrevChild(bool next)
{
    if (m_wantTabs)
        return false;
    return QAbstractScrollArea::focusNextPrevChild(next);
}

bool TNextInspector::eventFilter(QObject *watched, QEvent *event)
{
    if (m_editing && watched == m_editor) {
        if (event->type() == QEvent::KeyPress)
            return editorKeyDown(static_cast<QKeyEvent *>(event));
        if (event->type() == QEvent::MouseButtonDblClick)
            emit editDblClick();
    }
    return QAbstractScrollArea::eventFilter(watched, event);
}

// ---- mouse --------------------------------------------------------------------

void TNextInspector::cancelHint()
{
    m_hintTimer.stop();
    m_hintItem = nullptr;
    QToolTip::hideText();
}

void TNextInspector::mousePressEvent(QMouseEvent *event)
{
    cancelHint();
    const QPoint pos = event->position().toPoint();
    if (event->button() != Qt::RightButton)
        m_mouseDown = true;
    if (inSplitterZone(pos.x())) {
        m_splitterDrag = true;
        return;
    }
    applyEdit(true);
    TNxPropertyItem *item = itemAtPos(pos);
    if (!item)
        return;
    const int indent = item->indent();
    if (event->button() == Qt::LeftButton && item->childCount() > 0 && pos.x() > indent && pos.x() < indent + MarginWidth)
        item->setExpanded(!item->expanded());
    if (!item->enabled())
        return;
    selectItem(item);
    if (item->readOnly() || !inValueCell(item, pos))
        return;
    const QRect cell = valueRect(item);
    TNxItemDisplay *itemDisplay = display(item);
    itemDisplay->setRect(cell);
    itemDisplay->mouseDown(event->button(), event->modifiers(), pos.x() - cell.left(), pos.y() - cell.top());
}

void TNextInspector::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    viewport()->setCursor(inSplitterZone(pos.x()) || m_splitterDrag ? Qt::SplitHCursor : Qt::ArrowCursor);
    if (m_splitterDrag) {
        setSplitterPosition(pos.x());
        return;
    }
    TNxPropertyItem *item = itemAtPos(pos);
    if (m_hot && (m_hot != item || pos.x() < m_splitterPosition))
        display(m_hot)->mouseLeave();
    m_hot = item;
    if (item != m_hintItem) {
        if (item && !hintText(item).isEmpty()) {
            const bool hintShown = QToolTip::isVisible();
            m_hintItem = item;
            if (hintShown)
                QToolTip::showText(QCursor::pos(), hintText(item), viewport());
            else
                m_hintTimer.start(QWidget::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay));
        } else {
            cancelHint();
        }
    }
    if (m_mouseDown && !m_options.testFlag(poUniformSelect) && item && item->enabled() && item != m_selected)
        selectItem(item);
    if (item && item->enabled() && !item->readOnly() && inValueCell(item, pos)) {
        const QRect cell = valueRect(item);
        TNxItemDisplay *itemDisplay = display(item);
        itemDisplay->setRect(cell);
        itemDisplay->mouseMove(event->modifiers(), pos.x() - cell.left(), pos.y() - cell.top());
    }
}

void TNextInspector::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    m_splitterDrag = false;
    m_mouseDown = false;
    TNxPropertyItem *item = itemAtPos(pos);
    if (item && item->enabled() && !item->readOnly() && inValueCell(item, pos)) {
        const QRect cell = valueRect(item);
        TNxItemDisplay *itemDisplay = display(item);
        itemDisplay->setRect(cell);
        itemDisplay->mouseUp(event->button(), event->modifiers(), pos.x() - cell.left(), pos.y() - cell.top());
    }
}

void TNextInspector::mouseDoubleClickEvent(QMouseEvent *event)
{
    emit dblClick();
    const QPoint pos = event->position().toPoint();
    TNxPropertyItem *item = itemAtPos(pos);
    if (item && pos.x() > item->indent() + MarginWidth)
        item->setExpanded(!item->expanded());
}

void TNextInspector::wheelEvent(QWheelEvent *event)
{
    hideEditors();
    const int steps = event->angleDelta().y() > 0 ? -1 : event->angleDelta().y() < 0 ? 1 : 0;
    const int amount = event->modifiers() & Qt::ControlModifier ? verticalScrollBar()->pageStep() : 1;
    setScrollPosition(verticalScrollBar()->value() + steps * amount);
    event->accept();
}

void TNextInspector::leaveEvent(QEvent *event)
{
    if (m_hot)
        display(m_hot)->mouseLeave();
    m_hot = nullptr;
    cancelHint();
    QAbstractScrollArea::leaveEvent(event);
}

// ---- focus ----------------------------------------------------------------

void TNextInspector::focusInEvent(QFocusEvent *event)
{
    QAbstractScrollArea::focusInEvent(event);
    // The focus coming back from a hidden editor is no new visit; a click
    // selects the row under the pointer itself, and selecting the first row
    // first would scroll that row away from under it.
    if (!m_selected && !m_hidingEditors && event->reason() != Qt::MouseFocusReason) {
        const auto shown = m_items->shownRows();
        if (!shown.empty())
            selectItem(shown.front());
    }
    updateRow(m_selected);
}

bool TNextInspector::owns(const QWidget *widget) const
{
    for (const QWidget *w = widget; w; w = w->parentWidget())
        if (w == this)
            return true;
    return false;
}

void TNextInspector::focusChanged(QWidget *old, QWidget *now)
{
    if (!owns(old) || owns(now))
        return;
    applyEdit(true);
    hideEditors();
    cancelHint();
    updateRow(m_selected);
}

} // namespace talmo
