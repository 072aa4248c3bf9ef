#include "widgets/NxOutlookBar.h"

#include "widgets/GripDots.h"
#include "widgets/ListIndexOutOfBounds.h"
#include "widgets/SharedDraw.h"
#include "widgets/Themes.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace talmo {

namespace {

QColor qc(TColor color)
{
    return SystemColors::toQColor(color);
}

} // namespace

// ---- items ----

TNxOutlookBarItem::TNxOutlookBarItem(TNxOutlookBar *bar)
    : m_bar(bar)
{
}

int TNxOutlookBarItem::index() const
{
    return m_bar->items().indexOf(this);
}

void TNxOutlookBarItem::setCaption(const QString &caption)
{
    m_caption = caption;
    m_bar->repaintItem(this);
}

void TNxOutlookBarItem::setColor(TColor color)
{
    m_color = color;
    m_bar->repaintItem(this);
}

void TNxOutlookBarItem::setImageIndex(int index)
{
    m_imageIndex = index;
    m_bar->repaintItem(this);
}

void TNxOutlookBarItem::setVisible(bool value)
{
    if (value == m_visible)
        return;
    m_visible = value;
    m_bar->itemVisibilityChanged();
}

TNxOutlookBarItems::TNxOutlookBarItems(TNxOutlookBar *bar)
    : m_bar(bar)
{
}

int TNxOutlookBarItems::visibleCount() const
{
    return int(std::count_if(m_items.begin(), m_items.end(), [](const auto &item) { return item->visible(); }));
}

TNxOutlookBarItem *TNxOutlookBarItems::add()
{
    m_items.push_back(std::make_unique<TNxOutlookBarItem>(m_bar));
    m_bar->itemsChanged();
    return m_items.back().get();
}

TNxOutlookBarItem *TNxOutlookBarItems::item(int index) const
{
    if (index < 0 || index >= count())
        throw ListIndexOutOfBounds(index);
    return m_items.at(index).get();
}

void TNxOutlookBarItems::remove(int index)
{
    TNxOutlookBarItem *doomed = item(index);
    m_bar->itemRemoved(doomed);
    m_items.erase(m_items.begin() + index);
    m_bar->itemsChanged();
}

void TNxOutlookBarItems::clear()
{
    while (count() > 0)
        remove(count() - 1);
}

int TNxOutlookBarItems::indexOf(const TNxOutlookBarItem *item) const
{
    for (int i = 0; i < count(); ++i) {
        if (m_items.at(i).get() == item)
            return i;
    }
    return -1;
}

void TNxOutlookBarItems::assign(const TNxOutlookBarItems &other)
{
    clear();
    for (int i = 0; i < other.count(); ++i) {
        const TNxOutlookBarItem *source = other.item(i);
        TNxOutlookBarItem *copy = add();
        copy->setCaption(source->caption());
        copy->setColor(source->color());
        copy->setImageIndex(source->imageIndex());
        copy->setVisible(source->visible());
    }
}

// ---- bar ----

TNxOutlookBar::TNxOutlookBar(QWidget *parent)
    : QWidget(parent)
    , m_items(this)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    resize(185, 265);
    connect(&m_innerMargins, &TNxMargins::changed, this, [this] {
        updateClientArea();
        update();
    });
    updateClientArea();
    ColorSchemes::registerControl(this);
}

TNxOutlookBar::~TNxOutlookBar()
{
    ColorSchemes::unregisterControl(this);
}

OutlookBarLayout TNxOutlookBar::layout() const
{
    OutlookBarLayout l;
    l.clientWidth = width();
    l.clientHeight = height();
    l.itemHeight = m_itemHeight;
    l.toolbarHeight = m_toolbarHeight;
    l.splitterHeight = m_splitterHeight;
    l.displayCount = m_displayCount;
    l.toolbarButtonWidth = getToolbarButtonWidth();
    for (int i = 0; i < m_items.count(); ++i)
        l.visible << m_items.item(i)->visible();
    return l;
}

void TNxOutlookBar::updateClientArea()
{
    setContentsMargins(m_innerMargins.toQMargins() + QMargins(0, 0, 0, navigationHeight()));
}

void TNxOutlookBar::setAdaptiveColors(bool value)
{
    m_adaptiveColors = value;
    update();
}

void TNxOutlookBar::setColor(TColor color)
{
    m_color = color;
    update();
}

void TNxOutlookBar::setColorScheme(TColorScheme scheme)
{
    m_colorScheme = scheme;
    update();
}

void TNxOutlookBar::setDisplayCount(int count)
{
    if (count == m_displayCount)
        return;
    m_displayCount = count;
    updateClientArea();
    update();
    doChange();
}

void TNxOutlookBar::setDrawingOptions(TDrawingOptions options)
{
    m_drawingOptions = options;
    update();
}

void TNxOutlookBar::setItemHeight(int height)
{
    m_itemHeight = height;
    updateClientArea();
    update();
}

void TNxOutlookBar::setItemIndex(int index)
{
    m_itemIndex = index;
    if (index >= 0 && index < m_items.count())
        selectItem(m_items.item(index));
}

void TNxOutlookBar::setLargeImages(TNxImageList *images)
{
    m_largeImages = images;
    update();
}

void TNxOutlookBar::setSmallImages(TNxImageList *images)
{
    m_smallImages = images;
    update();
}

void TNxOutlookBar::setSplitterHeight(int height)
{
    m_splitterHeight = height;
    updateClientArea();
    update();
}

void TNxOutlookBar::setStyle(TOutlookBarStyle style)
{
    m_style = style;
    update();
}

void TNxOutlookBar::setTextIndent(int indent)
{
    m_textIndent = indent;
    update();
}

void TNxOutlookBar::setToolbarHeight(int height)
{
    if (height == m_toolbarHeight || height < 0)
        return;
    m_toolbarHeight = height;
    clampDisplayCount();
    updateClientArea();
    update();
}

void TNxOutlookBar::clampDisplayCount()
{
    m_displayCount = std::min(m_displayCount, m_items.visibleCount());
}

void TNxOutlookBar::itemsChanged()
{
    updateClientArea();
    update();
}

void TNxOutlookBar::itemVisibilityChanged()
{
    clampDisplayCount();
    updateClientArea();
    update();
}

void TNxOutlookBar::itemRemoved(const TNxOutlookBarItem *item)
{
    // A removed item may be neither selected, hot nor pressed any longer.
    if (m_selectedItem == item)
        m_selectedItem = nullptr;
    if (m_hotItem == item)
        m_hotItem = nullptr;
    if (m_pressedItem == item)
        m_pressedItem = nullptr;
}

void TNxOutlookBar::repaintItem(const TNxOutlookBarItem *item)
{
    const QRect rect = itemRect(item);
    if (!rect.isEmpty())
        update(rect);
}

TNxOutlookBarItem *TNxOutlookBar::itemAt(const QPoint &point) const
{
    const int index = layout().itemAt(point);
    return index < 0 ? nullptr : m_items.item(index);
}

QRect TNxOutlookBar::itemRect(const TNxOutlookBarItem *item) const
{
    const int index = m_items.indexOf(item);
    for (const OutlookBarLayout::Button &button : layout().buttons()) {
        if (button.item == index)
            return button.small ? button.rect.adjusted(0, 0, 1, 0) : button.rect;
    }
    return {};
}

void TNxOutlookBar::selectItem(TNxOutlookBarItem *item)
{
    if (!item || item == m_selectedItem)
        return;
    repaintItem(m_selectedItem);
    repaintItem(item);
    m_selectedItem = item;
    m_itemIndex = item->index();
    doSelect();
}

int TNxOutlookBar::getToolbarButtonWidth() const
{
    return m_smallImages ? m_smallImages->width() + 6 : 22;
}

void TNxOutlookBar::getItemColors(unsigned state, TColorScheme scheme, TColor &second, TColor &first) const
{
    if (state & isPressed) {
        first = rgbColor(238, 147, 17);
        second = rgbColor(255, 211, 101);
    } else if ((state & isHot) && (state & isSelected)) {
        first = rgbColor(221, 147, 17);
        second = rgbColor(255, 211, 101);
    } else if (state & isHot) {
        first = rgbColor(238, 147, 17);
        second = rgbColor(255, 230, 159);
    } else if (state & isSelected) {
        first = rgbColor(238, 147, 17);
        second = rgbColor(254, 225, 123);
    } else {
        first = ColorSchemes::schemeColor(4, scheme);
        second = ColorSchemes::schemeColor(3, scheme);
    }
}

void TNxOutlookBar::doChange()
{
    emit change();
}

void TNxOutlookBar::doSelect()
{
    emit select();
}

void TNxOutlookBar::doDrawItem(QPainter &painter, TNxOutlookBarItem *item, const QRect &rect, unsigned state)
{
    emit drawItem(&painter, item, rect, state);
}

unsigned TNxOutlookBar::stateOf(const TNxOutlookBarItem *item) const
{
    unsigned state = 0;
    if (item == m_selectedItem)
        state |= isSelected;
    if (item == m_pressedItem)
        state |= isPressed;
    if (item == m_hotItem)
        state |= isHot;
    return state;
}

void TNxOutlookBar::setHotItem(TNxOutlookBarItem *item)
{
    if (item == m_hotItem)
        return;
    repaintItem(m_hotItem);
    m_hotItem = item;
    repaintItem(m_hotItem);
}

void TNxOutlookBar::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    updateClientArea();
}

void TNxOutlookBar::mousePressEvent(QMouseEvent *event)
{
    QWidget::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint pos = event->position().toPoint();
    TNxOutlookBarItem *item = itemAt(pos);
    if (item != m_pressedItem) {
        repaintItem(m_pressedItem);
        m_pressedItem = item;
        repaintItem(m_pressedItem);
    }
    if (layout().splitterRect().contains(pos))
        m_dragging = true;
}

void TNxOutlookBar::mouseMoveEvent(QMouseEvent *event)
{
    QWidget::mouseMoveEvent(event);
    const QPoint pos = event->position().toPoint();
    const OutlookBarLayout l = layout();
    if (pos.y() >= l.navigationTop()) {
        const bool sizing = m_dragging || l.splitterRect().contains(pos);
        setCursor(sizing ? Qt::SizeVerCursor : Qt::PointingHandCursor);
    } else {
        unsetCursor();
    }
    if (!m_dragging) {
        setHotItem(itemAt(pos));
        return;
    }
    const int wanted = std::min(
        OutlookBarLayout::dragCount(pos.y(), height(), m_toolbarHeight, m_splitterHeight, m_itemHeight),
        m_items.visibleCount());
    if (wanted != m_displayCount && wanted >= 0 && wanted <= m_items.count()) {
        m_displayCount = wanted;
        updateClientArea();
        update();
    }
}

void TNxOutlookBar::leaveEvent(QEvent *event)
{
    setHotItem(nullptr);
    QWidget::leaveEvent(event);
}

void TNxOutlookBar::mouseReleaseEvent(QMouseEvent *event)
{
    QWidget::mouseReleaseEvent(event);
    if (m_dragging) {
        m_dragging = false;
    } else if (event->button() == Qt::LeftButton) {
        TNxOutlookBarItem *item = itemAt(event->position().toPoint());
        selectItem(item);
        if (item)
            emit itemClicked(item);
    }
    repaintItem(m_pressedItem);
    m_pressedItem = nullptr;
}

// ---- painting ----

void TNxOutlookBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const OutlookBarLayout l = layout();
    painter.fillRect(QRect(0, 0, width(), l.navigationTop()), qc(m_color));
    drawSplitter(painter, l.splitterRect());
    painter.setFont(font());
    drawToolbar(painter, l.toolbarRect());
    const QList<OutlookBarLayout::Button> buttons = l.buttons();
    for (const OutlookBarLayout::Button &button : buttons) {
        if (button.small)
            continue;
        painter.setPen(qc(ColorSchemes::schemeColor(2, m_colorScheme)));
        const int separator = button.rect.y() + m_itemHeight;
        painter.drawLine(0, separator, width() - 1, separator);
        drawOneItem(painter, m_items.item(button.item), button.rect, false);
    }
    for (const OutlookBarLayout::Button &button : buttons) {
        if (button.small)
            drawOneItem(painter, m_items.item(button.item), button.rect, true);
    }
}

void TNxOutlookBar::drawOneItem(QPainter &painter, TNxOutlookBarItem *item, const QRect &rect, bool small)
{
    const unsigned state = stateOf(item);
    if (m_drawingOptions != doCustomOnly)
        drawItemBackground(painter, item->color(), rect, state, small);
    if (m_drawingOptions == doNormal || m_drawingOptions == doCustom)
        drawItemContent(painter, rect, item, state, small);
    doDrawItem(painter, item, rect, state);
}

void TNxOutlookBar::drawItemBackground(QPainter &painter, TColor itemColor, const QRect &rect, unsigned state,
                                       bool small)
{
    if (small && state == 0)
        return;
    TColor first = clNone, second = clNone;
    getItemColors(state, m_colorScheme, second, first);
    if (!m_adaptiveColors)
        first = itemColor;
    if (m_style == osOffice2007)
        SharedDraw::fillGlossy(painter, rect, first, second, 12);
    else
        SharedDraw::fillGlossyBand(painter, rect, first, second, 12);
}

void TNxOutlookBar::drawItemContent(QPainter &painter, const QRect &rect, TNxOutlookBarItem *item, unsigned state,
                                    bool small)
{
    if (small) {
        if (m_smallImages && m_smallImages->isValidIndex(item->imageIndex())) {
            m_smallImages->draw(painter, rect.x() + (rect.width() - m_smallImages->width()) / 2,
                                rect.y() + (rect.height() - m_smallImages->height()) / 2, item->imageIndex());
        }
        return;
    }
    if (m_largeImages && m_largeImages->isValidIndex(item->imageIndex()))
        m_largeImages->draw(painter, 4, rect.y() + (rect.height() - m_largeImages->height()) / 2, item->imageIndex());
    if (m_itemHeight >= width())
        return;
    QFont bold = font();
    bold.setBold(true);
    painter.save();
    painter.setFont(bold);
    const bool highlighted = !Themes::isThemed() && (state & isHot) && (state & (isSelected | isPressed));
    painter.setPen(qc(highlighted ? clHighlightText : clWindowText));
    SharedDraw::drawTextRect(painter, QRect(m_textIndent, rect.y(), rect.width() - m_textIndent, rect.height()),
                             HorzAlign::Left, item->caption());
    painter.restore();
}

void TNxOutlookBar::drawSplitter(QPainter &painter, const QRect &rect)
{
    if (rect.height() <= 0)
        return;
    const int top = rect.y(), bottom = rect.y() + rect.height();
    painter.save();
    painter.setPen(qc(ColorSchemes::schemeColor(2, m_colorScheme)));
    painter.drawLine(0, top, rect.width() - 1, top);
    painter.drawLine(0, bottom - 1, rect.width() - 1, bottom - 1);
    painter.setPen(Qt::white);
    painter.drawLine(0, top + 1, rect.width() - 1, top + 1);
    painter.restore();
    SharedDraw::drawVertGradient(painter, QRect(0, top + 2, rect.width(), rect.height() - 3),
                                 ColorSchemes::schemeColor(19, m_colorScheme),
                                 ColorSchemes::schemeColor(20, m_colorScheme));
    GripDots::draw(painter, rect, 5, true, m_colorScheme);
}

void TNxOutlookBar::drawToolbar(QPainter &painter, const QRect &rect)
{
    drawItemBackground(painter, clBtnFace, rect, 0, false);
}

} // namespace talmo
