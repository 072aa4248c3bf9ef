#include "designer/controls/NewCheckListBox.h"

#include "designer/controls/AcceleratorText.h"
#include "designer/controls/ControlTables.h"
#include "designer/controls/DesignName.h"
#include "designer/controls/TextMeasurer.h"
#include "widgets/Colors.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QWheelEvent>
#include <QSet>
#include <QShortcutEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>

#include <algorithm>

namespace talmo {

namespace {

// Offsets and heights come from page text: beyond this they change nothing
// a surface could show, and the sums below stay far from overflowing.
constexpr int GeometryLimit = 1 << 14;

int limited(int value)
{
    return std::clamp(value, 0, GeometryLimit);
}

} // namespace

TNewCheckListBox::TNewCheckListBox(QWidget *parent)
    : TFontedControl(clWindow, false, parent)
{
    setWidth(121);
    setHeight(97);
    // An empty list shows its name while designed.
    connect(this, &TDesignControl::renamed, this, qOverload<>(&QWidget::update));
}

const DesignPropertyTable &TNewCheckListBox::propertyTable()
{
    static const DesignPropertyTable table = controlTable(staticMetaObject, {
        row::align(), row::anchors(), row::borderStyle(bsSingle), row::color(clWindow), row::enabled(),
        row::boolean("Flat", false), row::font(), row::integer("MinItemHeight", DefaultItemHeight),
        row::integer("Offset", 4), row::parentColor(false), row::parentFont(),
        row::boolean("RequireRadioSelection", false), row::showHint(), row::boolean("ShowLines", true),
        row::tabOrder(), row::tabStop(true), row::visible(), row::boolean("WantTabs", false),
    });
    return table;
}

int TNewCheckListBox::AddCheckBox(const QString &caption, const QString &subItem, int level, bool checked,
                                  bool enabled, bool hasInternalChildren, bool checkWhenParentChecked,
                                  QObject *object)
{
    const int index = m_items.AddCheckBox(caption, subItem, level, checked, enabled, hasInternalChildren,
                                          checkWhenParentChecked, object);
    grabAccelerators();
    update();
    return index;
}

int TNewCheckListBox::AddGroup(const QString &caption, const QString &subItem, int level, QObject *object)
{
    update();
    return m_items.AddGroup(caption, subItem, level, object);
}

int TNewCheckListBox::AddRadioButton(const QString &caption, const QString &subItem, int level, bool checked,
                                     bool enabled, QObject *object)
{
    const int index = m_items.AddRadioButton(caption, subItem, level, checked, enabled, object);
    grabAccelerators();
    update();
    return index;
}

bool TNewCheckListBox::CheckItem(int index, TCheckItemOperation operation)
{
    const bool changed = m_items.CheckItem(index, operation);
    if (changed)
        update();
    return changed;
}

void TNewCheckListBox::setWantTabs(bool want)
{
    m_wantTabs = want;
    grabAccelerators();
    update();
}

bool TNewCheckListBox::dialogChar(QChar typed)
{
    if (!m_wantTabs || !takesInput())
        return false;
    for (int index = 0; index < m_items.count(); ++index) {
        if (isInteractive(index) && AcceleratorText::matches(m_items.at(index).caption, typed)) {
            setFocus(Qt::ShortcutFocusReason);
            setItemIndex(index);
            toggle(index);
            return true;
        }
    }
    return false;
}

void TNewCheckListBox::grabAccelerators()
{
    for (auto it = m_accelerators.cbegin(); it != m_accelerators.cend(); ++it)
        releaseShortcut(it.key());
    m_accelerators.clear();
    if (!m_wantTabs || isDesigning())
        return;
    QSet<QChar> keys;
    for (int index = 0; index < m_items.count(); ++index) {
        const QChar key = AcceleratorText::key(m_items.at(index).caption);
        if (key.isNull() || m_items.at(index).kind == TCheckListItems::Group || keys.contains(key))
            continue;
        keys.insert(key);
        const int id = grabShortcut(AcceleratorText::sequence(key));
        m_accelerators.insert(id, key);
    }
}

void TNewCheckListBox::setItemIndex(int index)
{
    m_itemIndex = std::clamp(index, -1, m_items.count() - 1);
    scrollTo(m_itemIndex);
    update();
}

// Moves the top item so that the item shows whole (its top, when it is
// higher than the list).
void TNewCheckListBox::scrollTo(int index)
{
    if (index < 0)
        return;
    if (index < m_topIndex)
        m_topIndex = index;
    const auto bottomOf = [this, index] {
        int bottom = 0;
        for (int shown = m_topIndex; shown <= index && bottom <= height(); ++shown)
            bottom += itemHeight(shown);
        return bottom;
    };
    while (m_topIndex < index && bottomOf() > height())
        ++m_topIndex;
}

bool TNewCheckListBox::isInteractive(int index) const
{
    if (index < 0 || index >= m_items.count() || !designEnabled())
        return false;
    const TCheckListItems::Item &item = m_items.at(index);
    return item.enabled && item.kind != TCheckListItems::Group;
}

int TNewCheckListBox::unit() const
{
    return CheckSize + 2 * limited(m_offset);
}

int TNewCheckListBox::textIndent(int index) const
{
    const TCheckListItems::Item &item = m_items.at(index);
    return (item.level + (item.kind == TCheckListItems::Group ? 0 : 1)) * unit();
}

// The text wrapped beside the sub-item, 4 pixels more, at least
// MinItemHeight, rounded up to even.
int TNewCheckListBox::itemHeight(int index) const
{
    const TCheckListItems::Item &item = m_items.at(index);
    const TTextMeasurer &measurer = TTextMeasurer::current();
    int room = width() - textIndent(index);
    if (item.subItem.isEmpty())
        room -= limited(m_offset);
    else
        room -= measurer.textSize(item.subItem, font(), 0).width() + 2 * limited(m_offset);
    if (!m_wantTabs)
        room -= 1;
    const int text = measurer.textSize(item.caption, font(), std::max(room, 1)).height();
    const int height = std::max(std::min(text, GeometryLimit) + 4, limited(m_minItemHeight));
    return height + height % 2;
}

QRect TNewCheckListBox::itemRect(int index) const
{
    if (index < m_topIndex || index >= m_items.count())
        return {};
    int top = 0;
    for (int above = m_topIndex; above < index; ++above) {
        top += itemHeight(above);
        if (top >= height())
            return {};
    }
    return {0, top, width(), itemHeight(index)};
}

int TNewCheckListBox::itemAt(const QPoint &point) const
{
    int top = 0;
    for (int index = m_topIndex; index < m_items.count() && top < height(); ++index) {
        const int bottom = top + itemHeight(index);
        if (point.y() >= top && point.y() < bottom && point.x() >= 0 && point.x() < width())
            return index;
        top = bottom;
    }
    return -1;
}

void TNewCheckListBox::paintEvent(QPaintEvent *)
{
    if (width() <= 0 || height() <= 0)
        return;
    QPainter painter(this);
    painter.fillRect(rect(), SystemColors::toQColor(color()));
    if (m_showLines)
        m_items.updateLines();
    int top = 0;
    for (int index = m_topIndex; index < m_items.count() && top < height(); ++index) {
        const QRect area(0, top, width(), itemHeight(index));
        paintItem(painter, index, area);
        top = area.bottom() + 1;
    }
    if (isDesigning() && m_items.count() == 0) {
        painter.setFont(font());
        PaintDesignName(painter, rect(), name());
    }
    if (m_borderStyle == bsSingle) {
        painter.setPen(SystemColors::toQColor(clBtnShadow));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void TNewCheckListBox::paintItem(QPainter &painter, int index, const QRect &area)
{
    const TCheckListItems::Item &item = m_items.at(index);
    const bool selected = index == m_itemIndex && hasFocus() && !m_wantTabs;
    const bool disabled = !designEnabled() || !item.enabled;
    if (selected)
        painter.fillRect(area, SystemColors::toQColor(clHighlight));
    const QColor text = selected   ? SystemColors::toQColor(clHighlightText)
                        : disabled ? SystemColors::toQColor(clGrayText)
                                   : SystemColors::toQColor(designFont().color());
    if (m_showLines)
        paintLines(painter, index, area);

    if (item.kind != TCheckListItems::Group) {
        QStyleOptionButton check;
        check.initFrom(this);
        check.rect = QRect(item.level * unit() + limited(m_offset), area.top() + (area.height() - CheckSize) / 2,
                           CheckSize, CheckSize);
        check.state = QStyle::State_None;
        if (!disabled)
            check.state |= QStyle::State_Enabled;
        check.state |= item.state == TCheckListItems::Checked  ? QStyle::State_On
                       : item.state == TCheckListItems::Grayed ? QStyle::State_NoChange
                                                               : QStyle::State_Off;
        const bool pressedHere = index == m_captured
                                 && (m_capturedByKey || check.rect.adjusted(0, 0, width(), 0).contains(
                                                            mapFromGlobal(QCursor::pos())));
        if (pressedHere)
            check.state |= QStyle::State_Sunken;
        if (!m_flat)
            check.state |= QStyle::State_Raised;
        style()->drawPrimitive(item.kind == TCheckListItems::RadioButton ? QStyle::PE_IndicatorRadioButton
                                                                         : QStyle::PE_IndicatorCheckBox,
                               &check, &painter, this);
    }

    QRect textArea = area.adjusted(textIndent(index), 0, -limited(m_offset), 0);
    painter.setPen(text);
    if (!item.subItem.isEmpty()) {
        const int subWidth = TTextMeasurer::current().textSize(item.subItem, font(), 0).width();
        const QRect subArea(area.right() - limited(m_offset) - subWidth, area.top(), subWidth, area.height());
        painter.drawText(subArea, Qt::AlignRight | Qt::AlignVCenter, item.subItem);
        textArea.setRight(subArea.left() - limited(m_offset));
    }
    int flags = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignVCenter;
    if (m_wantTabs && item.kind != TCheckListItems::Group)
        flags |= Qt::TextShowMnemonic;
    painter.drawText(textArea, flags, item.caption);

    if (m_wantTabs && index == m_itemIndex && hasFocus() && item.enabled) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = painter.boundingRect(textArea, flags, item.caption).adjusted(-1, 0, 1, 0);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

// Dotted lines, every other pixel, at the centre of each level column the
// item's bits name; a last child's line stops at its middle, where a stub
// runs to its check image.
void TNewCheckListBox::paintLines(QPainter &painter, int index, const QRect &area)
{
    const TCheckListItems::Item &item = m_items.at(index);
    painter.setPen(SystemColors::toQColor(clGrayText));
    const int middle = area.top() + area.height() / 2;
    for (int level = 0; level < item.level; ++level) {
        if (!item.lines.test(std::size_t(level)))
            continue;
        const int x = level * unit() + unit() / 2;
        const bool ownColumn = level == item.level - 1;
        const int bottom = ownColumn && item.lastChild ? middle : area.bottom();
        for (int y = area.top() + (area.top() % 2); y <= bottom; y += 2)
            painter.drawPoint(x, y);
        if (ownColumn) {
            for (int stubX = x + 2; stubX < item.level * unit() + limited(m_offset); stubX += 2)
                painter.drawPoint(stubX, middle);
        }
    }
}

void TNewCheckListBox::toggle(int index)
{
    m_items.toggle(index);
    update();
    emit clickCheck();
}

void TNewCheckListBox::endCapture(bool toggleIt)
{
    const int captured = m_captured;
    m_captured = -1;
    m_capturedByKey = false;
    update();
    if (toggleIt && captured >= 0)
        toggle(captured);
}

int TNewCheckListBox::nextInteractive(int from, int step, bool forTab) const
{
    for (int index = from + step; index >= 0 && index < m_items.count(); index += step) {
        if (!isInteractive(index))
            continue;
        const TCheckListItems::Item &item = m_items.at(index);
        if (forTab && item.kind == TCheckListItems::RadioButton && item.state != TCheckListItems::Checked)
            continue;
        return index;
    }
    return -1;
}

// At the end Tab leaves the list for the form's next control, an arrow for
// the parent's next one, or wraps round the list when there is none.
void TNewCheckListBox::step(int direction, bool forTab)
{
    int next = nextInteractive(m_itemIndex, direction, forTab);
    if (next < 0 && forTab) {
        focusNextPrevChild(direction > 0);
        return;
    }
    if (next < 0) {
        if (QWidget *sibling = nextSibling(direction)) {
            sibling->setFocus(direction > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
        next = nextInteractive(direction > 0 ? -1 : m_items.count(), direction, false);
    }
    if (next < 0)
        return;
    setItemIndex(next);
    if (!forTab && m_items.at(next).kind == TCheckListItems::RadioButton
        && m_items.at(next).state != TCheckListItems::Checked)
        toggle(next);
}

QWidget *TNewCheckListBox::nextSibling(int direction) const
{
    if (!parentWidget())
        return nullptr;
    const QList<TVisualControl *> sequence = tabSequence(parentWidget());
    const qsizetype count = sequence.size();
    const qsizetype own = sequence.indexOf(const_cast<TNewCheckListBox *>(this));
    for (qsizetype step = 1; own >= 0 && step < count; ++step) {
        TVisualControl *sibling = sequence.at((own + direction * step + count) % count);
        QWidget *target = sibling->focusProxy() ? sibling->focusProxy() : sibling;
        if (target->isVisible() && target->isEnabled() && target->focusPolicy() != Qt::NoFocus)
            return sibling;
    }
    return nullptr;
}

void TNewCheckListBox::mousePressEvent(QMouseEvent *event)
{
    if (!takesInput() || event->button() != Qt::LeftButton)
        return TFontedControl::mousePressEvent(event);
    const int index = itemAt(event->position().toPoint());
    if (index < 0)
        return;
    setFocus(Qt::MouseFocusReason);
    setItemIndex(index);
    if (!isInteractive(index))
        return;
    if (!m_wantTabs) {
        toggle(index);
        return;
    }
    m_captured = index;
    m_capturedByKey = false;
    update();
}

void TNewCheckListBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_captured >= 0 && !m_capturedByKey && event->button() == Qt::LeftButton)
        endCapture(itemAt(event->position().toPoint()) == m_captured);
    else
        TFontedControl::mouseReleaseEvent(event);
}

void TNewCheckListBox::keyPressEvent(QKeyEvent *event)
{
    if (!takesInput())
        return TFontedControl::keyPressEvent(event);
    const int key = event->key();
    const bool tab = key == Qt::Key_Tab || key == Qt::Key_Backtab;
    const bool forward = key == Qt::Key_Down || key == Qt::Key_Right || key == Qt::Key_Tab;
    const bool arrow = key == Qt::Key_Up || key == Qt::Key_Left || key == Qt::Key_Down || key == Qt::Key_Right;
    if (key == Qt::Key_Space && !(event->modifiers() & Qt::AltModifier)) {
        if (!isInteractive(m_itemIndex) || event->isAutoRepeat())
            return;
        if (!m_wantTabs) {
            toggle(m_itemIndex);
        } else if (m_captured < 0) {
            m_captured = m_itemIndex;
            m_capturedByKey = true;
            update();
        }
        return;
    }
    if (m_captured >= 0)
        endCapture((tab || arrow) && m_capturedByKey);
    if (m_wantTabs && (tab || arrow)) {
        step(forward ? 1 : -1, tab);
        return;
    }
    if (arrow) {
        setItemIndex(std::max(m_itemIndex + (forward ? 1 : -1), 0));
        return;
    }
    TFontedControl::keyPressEvent(event);
}

void TNewCheckListBox::keyReleaseEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space && m_capturedByKey && !event->isAutoRepeat())
        endCapture(true);
    else
        TFontedControl::keyReleaseEvent(event);
}

// A key capture with Alt held toggles as it ends; any other capture does not.
void TNewCheckListBox::focusOutEvent(QFocusEvent *event)
{
    if (m_captured >= 0)
        endCapture(m_capturedByKey && (QGuiApplication::queryKeyboardModifiers() & Qt::AltModifier));
    TFontedControl::focusOutEvent(event);
}

void TNewCheckListBox::wheelEvent(QWheelEvent *event)
{
    if (!takesInput() || m_items.count() == 0)
        return TFontedControl::wheelEvent(event);
    const int lines = event->angleDelta().y() / 120;
    m_topIndex = std::clamp(m_topIndex - lines, 0, m_items.count() - 1);
    update();
}

bool TNewCheckListBox::event(QEvent *event)
{
    if (event->type() == QEvent::Shortcut) {
        const auto found = m_accelerators.constFind(static_cast<QShortcutEvent *>(event)->shortcutId());
        if (found != m_accelerators.cend() && dialogChar(found.value()))
            return true;
    }
    if (event->type() == QEvent::KeyPress && m_wantTabs && takesInput()) {
        auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
            && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            keyPressEvent(key);
            return true;
        }
    }
    if (event->type() == QEvent::FocusIn && m_wantTabs && takesInput()) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::TabFocusReason)
            setItemIndex(nextInteractive(-1, 1, false));
        else if (reason == Qt::BacktabFocusReason)
            setItemIndex(nextInteractive(m_items.count(), -1, false));
    }
    return TFontedControl::event(event);
}

void TNewCheckListBox::designingChanged()
{
    TFontedControl::designingChanged();
    m_captured = -1;
    m_capturedByKey = false;
    grabAccelerators();
}

} // namespace talmo
