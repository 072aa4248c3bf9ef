#include "widgets/NxPageControl.h"

#include "widgets/ClassicFrame.h"
#include "widgets/ColorBlend.h"
#include "widgets/NxImageList.h"
#include "widgets/NxTabSheet.h"
#include "widgets/SharedDraw.h"
#include "widgets/Themes.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

#include <cstdlib>

namespace talmo {

namespace {

QColor qc(TColor color)
{
    return SystemColors::toQColor(color);
}

int rightOf(const QRect &r)
{
    return r.x() + r.width();
}

int bottomOf(const QRect &r)
{
    return r.y() + r.height();
}

QPolygon points(std::initializer_list<QPoint> list)
{
    return QPolygon(QList<QPoint>(list));
}

QPixmap closeGlyph()
{
    QPixmap glyph(8, 8);
    glyph.fill(Qt::transparent);
    QPainter painter(&glyph);
    painter.setPen(Qt::black);
    painter.drawLine(0, 0, 7, 7);
    painter.drawLine(1, 0, 7, 6);
    painter.drawLine(0, 7, 7, 0);
    painter.drawLine(0, 6, 6, 0);
    return glyph;
}

} // namespace

TNxPageControl::TNxPageControl(QWidget *parent)
    : TNxCustomNotebook(parent)
    , m_tabListMenu(new QMenu(this))
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    m_scrollTimer.setInterval(100);
    connect(&m_scrollTimer, &QTimer::timeout, this, [this] {
        if (m_pressedButton == tbScrollLeft && m_scrollOffset > 0)
            scrollTabs(-1);
        else if (m_pressedButton == tbScrollRight && m_scrollOffset < stripGeometry().maxScroll())
            scrollTabs(1);
    });
}

TNxPageControl::~TNxPageControl() = default;

void TNxPageControl::setAdaptiveColors(bool value)
{
    m_adaptiveColors = value;
    update();
}

void TNxPageControl::setBackgroundColor(TColor color)
{
    m_backgroundColor = color;
    update();
}

void TNxPageControl::setBackgroundKind(TBackgroundKind kind)
{
    m_backgroundKind = kind;
    update();
}

void TNxPageControl::setColor(TColor color)
{
    m_color = color;
    update();
}

void TNxPageControl::setImages(TNxImageList *images)
{
    m_images = images;
    update();
}

void TNxPageControl::setIndent(int value)
{
    m_indent = value;
    update();
}

void TNxPageControl::setMargin(int value)
{
    m_margin = value;
    relayout();
}

void TNxPageControl::setOptions(TPageOptions options)
{
    m_options = options;
    relayout();
}

void TNxPageControl::setShowTabs(bool value)
{
    m_showTabs = value;
    repaint();
    layoutPages();
}

void TNxPageControl::setScrollButtonsOnOverflow(bool value)
{
    m_scrollButtonsOnOverflow = value;
    setScrollOffset(m_scrollOffset);
    relayout();
}

void TNxPageControl::setTabHeight(int value)
{
    m_tabHeight = value;
    relayout();
}

void TNxPageControl::setTabMaxWidth(int value)
{
    m_tabMaxWidth = value;
    update();
}

void TNxPageControl::setTabPosition(TTabPosition position)
{
    m_tabPosition = position;
    relayout();
}

void TNxPageControl::setTabStyle(TTabStyle style)
{
    m_tabStyle = style;
    update();
}

void TNxPageControl::setTopIndent(int value)
{
    m_topIndent = value;
    relayout();
}

void TNxPageControl::relayout()
{
    layoutPages();
    update();
}

int TNxPageControl::tabWidthOf(const TNxTabSheet *page) const
{
    if (page->tabWidth() != 0)
        return page->tabWidth();
    QFont bold = page->tabFont();
    bold.setBold(true);
    const int captionWidth = QFontMetrics(bold).horizontalAdvance(QString(page->caption()).remove(QLatin1Char('&')));
    int pictureWidth = 0;
    if (page->displayMode() == tdGlyph && !page->glyph().isNull())
        pictureWidth = page->glyph().width();
    else if (page->displayMode() == tdImageIndex && m_images && m_images->isValidIndex(page->imageIndex()))
        pictureWidth = m_images->width();
    return TabStripGeometry::measuredWidth(0, captionWidth, pictureWidth, m_tabStyle, m_tabHeight, m_tabMaxWidth);
}

TabStripGeometry TNxPageControl::stripGeometry() const
{
    if (m_scrollButtonsOnOverflow && (m_options & pgScrollButtons)) {
        TabStripGeometry withoutScrolling = geometryWith(m_options & ~TPageOptions(pgScrollButtons));
        if (withoutScrolling.maxScroll() == 0)
            return withoutScrolling;
    }
    return geometryWith(m_options);
}

TabStripGeometry TNxPageControl::geometryWith(TPageOptions options) const
{
    TabStripGeometry g;
    g.clientWidth = width();
    g.clientHeight = height();
    g.tabHeight = m_tabHeight;
    g.indent = m_indent;
    g.topIndent = m_topIndent;
    g.scrollOffset = m_scrollOffset;
    g.options = options;
    g.position = m_tabPosition;
    g.style = m_tabStyle;
    for (const TNxTabSheet *page : pages())
        g.tabs.append({page->hasTab() ? tabWidthOf(page) : 0, page->hasTab()});
    g.activeIndex = activePage() ? activePageIndex() : -1;
    // Tabs that came to fit are never left scrolled out of sight.
    g.scrollOffset = qMin(g.scrollOffset, g.maxScroll());
    return g;
}

QRect TNxPageControl::pageArea() const
{
    return stripGeometry().pageArea(m_showTabs, m_margin);
}

QSize TNxPageControl::minimumSizeHint() const
{
    // The tabs are left out: a strip narrower than its tabs scrolls them.
    QSize pages;
    for (int i = 0; i < getPageCount(); ++i) {
        const TNxTabSheet *page = getPage(i);
        pages = pages.expandedTo(page->minimumSizeHint().expandedTo(page->minimumSize()));
    }
    return pages + (size() - pageArea().size());
}

void TNxPageControl::setScrollOffset(int offset)
{
    const int maximum = stripGeometry().maxScroll();
    offset = qBound(0, offset, maximum);
    if (offset == m_scrollOffset)
        return;
    if ((m_scrollOffset == 0) != (offset == 0) || offset == 0)
        invalidateButton(tbScrollLeft);
    if ((m_scrollOffset == maximum) != (offset == maximum) || offset == maximum)
        invalidateButton(tbScrollRight);
    m_scrollOffset = offset;
    invalidateStrip();
}

void TNxPageControl::scrollTabs(int steps)
{
    for (int step = 0; step < std::abs(steps); ++step)
        setScrollOffset(stripGeometry().offsetByOneTab(steps > 0 ? 1 : -1));
}

void TNxPageControl::activePageChanged()
{
    setScrollOffset(stripGeometry().offsetShowingActive());
    invalidateStrip();
}

void TNxPageControl::invalidateTab(int index)
{
    update(stripGeometry().tabInvalidateRect(index));
}

void TNxPageControl::removePage(TNxTabSheet *page)
{
    TNxCustomNotebook::removePage(page);
    setScrollOffset(m_scrollOffset);
}

void TNxPageControl::invalidateButton(TTabButton button)
{
    if (button != tbNone)
        update(stripGeometry().buttonRect(button));
}

void TNxPageControl::invalidateStrip()
{
    const int h = m_tabHeight + m_topIndent + 1;
    update(m_tabPosition == tpTop ? QRect(0, 0, width(), h) : QRect(0, height() - h, width(), h));
}

void TNxPageControl::setHotButton(TTabButton button)
{
    if (button == m_hotButton)
        return;
    invalidateButton(m_hotButton);
    m_hotButton = button;
    invalidateButton(m_hotButton);
}

QMenu *TNxPageControl::fillTabListMenu()
{
    m_tabListMenu->clear();
    for (int i = 0; i < getPageCount(); ++i) {
        const TNxTabSheet *page = getPage(i);
        if (!page->hasTab())
            continue;
        QAction *item = m_tabListMenu->addAction(page->caption());
        item->setData(i);
        if (page->displayMode() == tdImageIndex && m_images && m_images->isValidIndex(page->imageIndex()))
            item->setIcon(QIcon(m_images->image(page->imageIndex())));
    }
    return m_tabListMenu;
}

void TNxPageControl::showTabListMenu()
{
    const QRect button = stripGeometry().buttonRect(tbTabList);
    fillTabListMenu();
    QAction *chosen = m_menuRunner(*m_tabListMenu, mapToGlobal(QPoint(button.x(), bottomOf(button))));
    if (chosen)
        setActivePageIndex(chosen->data().toInt());
    if (stripGeometry().buttonAt(mapFromGlobal(QCursor::pos())) != tbTabList)
        setHotButton(tbNone);
}

void TNxPageControl::closeActivePage()
{
    TNxTabSheet *page = activePage();
    if (!page)
        return;
    bool accept = true;
    doPageClose(activePageIndex(), accept);
    if (accept)
        deletePage(page);
}

void TNxPageControl::activateNeighbour(int direction)
{
    const int count = getPageCount();
    for (int i = activePageIndex() + direction; i >= 0 && i < count; i += direction) {
        if (getPage(i)->hasTab()) {
            setActivePageIndex(i);
            return;
        }
    }
}

void TNxPageControl::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        leftPress(event->position().toPoint(), false);
    else
        TNxCustomNotebook::mousePressEvent(event);
}

void TNxPageControl::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        leftPress(event->position().toPoint(), true);
    else
        TNxCustomNotebook::mouseDoubleClickEvent(event);
}

bool TNxPageControl::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return TNxCustomNotebook::event(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    const int tab = tabAt(help->pos());
    const TNxTabSheet *page = tab >= 0 ? getPage(tab) : nullptr;
    if (page && !page->tabHint().isEmpty())
        QToolTip::showText(help->globalPos(), page->tabHint(), this);
    else
        QToolTip::hideText();
    return true;
}

void TNxPageControl::leftPress(const QPoint &pos, bool doubleClick)
{
    setFocus(Qt::MouseFocusReason);
    const TabStripGeometry g = stripGeometry();
    const int tab = g.tabAt(pos);
    if (tab >= 0 && !doubleClick)
        setActivePageIndex(tab);
    m_pressedButton = g.buttonAt(pos);
    if (m_pressedButton == tbScrollLeft && m_scrollOffset > 0)
        scrollTabs(-1);
    else if (m_pressedButton == tbScrollRight && m_scrollOffset < g.maxScroll())
        scrollTabs(1);
    if ((m_pressedButton == tbScrollLeft || m_pressedButton == tbScrollRight) && (m_options & pgConstantScroll))
        m_scrollTimer.start();
    invalidateButton(m_pressedButton);
}

void TNxPageControl::mouseMoveEvent(QMouseEvent *event)
{
    setHotButton(buttonAt(event->position().toPoint()));
    TNxCustomNotebook::mouseMoveEvent(event);
}

void TNxPageControl::leaveEvent(QEvent *event)
{
    setHotButton(tbNone);
    TNxCustomNotebook::leaveEvent(event);
}

void TNxPageControl::mouseReleaseEvent(QMouseEvent *event)
{
    m_scrollTimer.stop();
    const TTabButton pressed = m_pressedButton;
    if (pressed != tbNone) {
        switch (buttonAt(event->position().toPoint())) {
        case tbClose: closeActivePage(); break;
        case tbTabList: showTabListMenu(); break;
        default: break;
        }
    }
    m_pressedButton = tbNone;
    invalidateButton(pressed);
    TNxCustomNotebook::mouseReleaseEvent(event);
}

void TNxPageControl::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Left)
        activateNeighbour(-1);
    else if (event->key() == Qt::Key_Right)
        activateNeighbour(1);
    else
        TNxCustomNotebook::keyPressEvent(event);
}

void TNxPageControl::resizeEvent(QResizeEvent *event)
{
    const QSize old = m_lastClientSize;
    m_lastClientSize = size();
    TNxCustomNotebook::resizeEvent(event);
    if (m_tabPosition == tpBottom && old.height() != height())
        update();
    // A narrower strip never hides the active tab; a wider one shows more tabs.
    if (old.width() != width())
        setScrollOffset(stripGeometry().offsetShowingActive());
}

// ---- painting ----

void TNxPageControl::drawPolygon(QPainter &painter, QPolygon pts, const QRect &tabRect)
{
    if (m_tabPosition == tpBottom)
        SharedDraw::mirrorPointsVert(pts, int(pts.size()) - 1, tabRect);
    painter.drawPolygon(pts);
}

void TNxPageControl::drawPolyline(QPainter &painter, QPolygon pts, const QRect &tabRect)
{
    if (m_tabPosition == tpBottom)
        SharedDraw::mirrorPointsVert(pts, int(pts.size()) - 1, tabRect);
    painter.drawPolyline(pts);
}

void TNxPageControl::drawTabsBackground(QPainter &painter)
{
    const int h = m_tabHeight + m_topIndent;
    const QRect strip = m_tabPosition == tpTop ? QRect(0, 0, width(), h) : QRect(0, height() - h - 1, width(), h + 1);
    switch (m_backgroundKind) {
    case bkSolid: painter.fillRect(strip, qc(m_backgroundColor)); break;
    case bkHorzGradient: SharedDraw::drawHorzGradient(painter, strip, m_backgroundColor, m_color); break;
    case bkVertGradient: SharedDraw::drawVertGradient(painter, strip, m_backgroundColor, m_color); break;
    case bkInveseVertGradient: SharedDraw::drawVertGradient(painter, strip, m_color, m_backgroundColor); break;
    case bkTransparent: {
        // The parent's own painting shows through the strip.
        if (QWidget *parent = parentWidget()) {
            const QPixmap behind = parent->grab(QRect(mapToParent(strip.topLeft()), strip.size()));
            painter.drawPixmap(strip.topLeft(), behind);
        }
        break;
    }
    }
    if (m_options & pgTopBorder) {
        painter.setPen(qc(clGrayText));
        const int y = m_tabPosition == tpTop ? 0 : height() - 1;
        painter.drawLine(0, y, width() - 1, y);
    }
}

void TNxPageControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int cw = width(), ch = height(), h = m_tabHeight;
    if (getPageCount() == 0) {
        painter.fillRect(rect(), qc(m_color));
        if (!(m_options & pgAlwaysShowTabsRect))
            return;
    }
    QRect area = rect();
    if (m_showTabs)
        area = m_tabPosition == tpTop ? QRect(0, h + m_topIndent + 1, cw, ch - h - m_topIndent - 1)
                                      : QRect(0, 0, cw, ch - h - m_topIndent - 1);
    if (!activePage() || !activePage()->pageVisible())
        painter.fillRect(area, qc(clBtnFace));
    if (m_margin > 0) {
        if (m_options & pgPageBorder)
            area = m_showTabs ? area.adjusted(1, 0, -1, -1) : area.adjusted(1, 1, -1, -1);
        for (int i = 0; i < m_margin; ++i)
            SharedDraw::drawFrame(painter, area.adjusted(i, i, -i, -i), m_color);
    }
    if (m_options & pgPageBorder) {
        painter.setPen(qc(clGrayText));
        if (!m_showTabs) {
            painter.drawRect(0, 0, cw - 1, ch - 1);
        } else {
            const int top = m_topIndent + h;
            painter.drawPolyline(points({{0, top}, {0, ch - 1}, {cw - 1, ch - 1}, {cw - 1, top}}));
        }
    }
    if (!m_showTabs)
        return;
    drawTabsBackground(painter);
    if (!activePage())
        return;

    const TabStripGeometry g = stripGeometry();
    const int ov = g.overlap();
    const int rowY = m_tabPosition == tpTop ? m_topIndent : ch - h - m_topIndent - 1;
    painter.setFont(font());
    int x = m_indent - m_scrollOffset;
    bool firstSeen = false;
    QRect activeRect;
    bool activeLaidOut = false;
    // A tab the buttons cut off shows up to them.
    const QRect tabsArea(0, 0, g.rightLimit(), ch);
    painter.save();
    painter.setClipRect(tabsArea);
    for (int i = 0; i < getPageCount(); ++i) {
        TNxTabSheet *page = getPage(i);
        if (!page->hasTab())
            continue;
        const bool first = !firstSeen;
        firstSeen = true;
        const int w = g.tabs.at(i).width;
        if (x >= g.rightLimit())
            break;
        const QRect tab(x, rowY, w, h);
        if (x + w >= 0) {
            if (page == activePage()) {
                activeRect = tab;
                activeLaidOut = true;
            } else {
                drawTab(painter, tab, page, false, first);
            }
        }
        x += w - ov;
    }
    painter.restore();
    const QRect shownActive = activeRect.intersected(tabsArea);
    drawBaseLine(painter, activeLaidOut ? &shownActive : nullptr, activePage());
    if (activeLaidOut) {
        painter.save();
        painter.setClipRect(tabsArea);
        drawTab(painter, activeRect, activePage(), true, true);
        painter.restore();
    }
    for (TTabButton button : {tbClose, tbTabList, tbScrollLeft, tbScrollRight})
        drawButton(painter, g, button);
}

void TNxPageControl::drawBaseLine(QPainter &painter, const QRect *activeRect, TNxTabSheet *active)
{
    const int y = m_tabPosition == tpTop ? m_tabHeight + m_topIndent : height() - m_tabHeight - m_topIndent - 1;
    TColor outer = clWhite;
    TColor inner = clBtnFace;
    int innerEnd = activeRect ? rightOf(*activeRect) : 0;
    int innerStart = activeRect ? activeRect->x() : 0;
    switch (m_tabStyle) {
    case tsClassic:
        inner = clBtnFace;
        innerStart += 1;
        break;
    case tsFlat:
    case tsWhidbey:
        outer = Themes::stateColor(12);
        inner = m_adaptiveColors ? clWindow : active->tabColor();
        innerEnd -= 1;
        break;
    case tsOneNote:
        outer = clHotLight;
        inner = active->color();
        break;
    }
    painter.save();
    painter.setPen(qc(outer));
    painter.drawLine(0, y, width() - 1, y);
    if (activeRect) {
        painter.setPen(qc(inner));
        painter.drawLine(innerStart, y, innerEnd - 1, y);
    }
    painter.restore();
}

void TNxPageControl::drawTab(QPainter &painter, const QRect &rect, TNxTabSheet *page, bool active, bool first)
{
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    drawTabShape(painter, rect, page, active, first);
    QFont tabFont = page->tabFont();
    if (active && (m_options & pgBoldActiveTab))
        tabFont.setBold(true);
    painter.setFont(tabFont);
    QRect text = rect;
    if (m_tabStyle == tsClassic) {
        text.setLeft(rect.x() + 6);
    } else if (m_tabStyle == tsOneNote) {
        text.setLeft(rect.x() + m_tabHeight - 6);
    } else if (m_tabStyle == tsWhidbey) {
        // Right of the tab's own slant, left of where the next tab's slant
        // may lie over this one.
        text.setLeft(rect.x() + m_tabHeight - 3);
        text.setRight(rightOf(rect) - getTabOverlap() - 1);
    }
    const int middle = rect.y() + m_tabHeight / 2;
    if (page->displayMode() == tdGlyph && !page->glyph().isNull()) {
        painter.drawPixmap(text.x() + 4, middle - page->glyph().height() / 2, page->glyph());
        text.setLeft(text.x() + page->glyph().width());
    } else if (page->displayMode() == tdImageIndex && m_images && m_images->isValidIndex(page->imageIndex())) {
        m_images->draw(painter, text.x() + 4, middle - m_images->height() / 2, page->imageIndex());
        text.setLeft(text.x() + m_images->width());
    }
    painter.setPen(qc(m_tabStyle == tsClassic && !active ? clGrayText : clWindowText));
    const QString shown = painter.fontMetrics().elidedText(page->caption(), Qt::ElideRight, text.width(),
                                                           Qt::TextShowMnemonic);
    painter.drawText(text, Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic, shown);
    painter.restore();
}

void TNxPageControl::fillClipped(QPainter &painter, const QPolygon &clip, const QRect &tabRect, const QColor &top,
                                 const QColor &bottom)
{
    QPolygon shape = clip;
    if (m_tabPosition == tpBottom)
        SharedDraw::mirrorPointsVert(shape, int(shape.size()) - 1, tabRect);
    QPainterPath path;
    path.addPolygon(shape);
    path.closeSubpath();
    painter.save();
    painter.setClipPath(path, Qt::IntersectClip);
    if (top == bottom) {
        painter.fillRect(tabRect, top);
    } else {
        SharedDraw::drawVertGradient(painter, tabRect, SystemColors::fromQColor(top), SystemColors::fromQColor(bottom));
    }
    painter.restore();
}

void TNxPageControl::drawTabShape(QPainter &painter, const QRect &r, TNxTabSheet *page, bool active, bool first)
{
    const int L = r.x(), T = r.y(), R = rightOf(r), B = bottomOf(r), H = m_tabHeight;
    painter.setBrush(Qt::NoBrush);
    switch (m_tabStyle) {
    case tsClassic:
        if (!active)
            return;
        painter.fillRect(r, qc(m_adaptiveColors ? clBtnFace : page->tabColor()));
        painter.setPen(Qt::white);
        drawPolyline(painter, points({{L, T}, {L, B}}), r);
        painter.setPen(Qt::black);
        drawPolyline(painter, points({{R - 1, T}, {R - 1, B + 1}}), r);
        return;
    case tsFlat: {
        const TColor fill = !m_adaptiveColors ? page->tabColor()
            : active                          ? clWindow
                                              : ColorBlend::blendAlpha(clInactiveCaption, clWindow, 80);
        painter.setPen(qc(Themes::stateColor(12)));
        drawPolyline(painter, points({{L, B}, {L + H / 2, T}, {R - H / 2, T}, {R, B}}), r);
        painter.setPen(qc(fill));
        painter.setBrush(qc(fill));
        drawPolygon(painter, points({{L + 1, B}, {L + H / 2, T + 1}, {R - H / 2 - 1, T + 1}, {R - 1, B}}), r);
        return;
    }
    case tsOneNote: {
        painter.setPen(qc(clHotLight));
        const bool full = active || first;
        if (full) {
            drawPolyline(painter,
                         points({{L, B - 1}, {L + 1, B - 1}, {L + H - 2, T + 2}, {L + H + 1, T + 1}, {L + H + 3, T},
                                 {R - 3, T}, {R - 1, T + 2}, {R - 1, T + 4}, {R - 1, B}}),
                         r);
        } else {
            drawPolyline(painter,
                         points({{L + H - 3, T + 3}, {L + H, T + 1}, {L + H + 4, T}, {R - 3, T}, {R - 1, T + 2},
                                 {R - 1, T + 4}, {R - 1, B}}),
                         r);
        }
        const QPolygon clip = full ? points({{L + 1, B}, {L + H - 2, T + 3}, {L + H, T + 2}, {L + H + 3, T},
                                             {R - 2, T + 1}, {R - 1, T + 2}, {R - 1, T + 5}, {R - 1, B}})
                                   : points({{L + H - 3, B - 1}, {L + H - 3, T + 4}, {L + H - 2, T + 3},
                                             {L + H, T + 2}, {L + H + 3, T}, {R - 2, T + 1}, {R - 1, T + 2},
                                             {R - 1, T + 5}, {R - 1, B}});
        fillClipped(painter, clip, r, qc(clWindow), qc(page->tabColor()));
        painter.setPen(qc(clWindow));
        drawPolyline(painter,
                     points({{L + 1, B}, {L + H - 2, T + 3}, {L + H + 1, T + 2}, {L + H + 2, T + 1}, {R - 2, T + 1}}),
                     r);
        painter.setPen(active ? qc(clWindow) : QColor(177, 166, 241));
        drawPolyline(painter, points({{R - 3, T + 1}, {R - 2, T + 2}, {R - 2, B}}), r);
        return;
    }
    case tsWhidbey: {
        const TColor fill = !m_adaptiveColors ? page->tabColor() : active ? clWindow : cl3DLight;
        if (!active)
            fillWhidbeyTab(painter, r, page, first);
        painter.setPen(qc(active ? Themes::stateColor(12) : clGrayText));
        if (active || first) {
            drawPolyline(painter,
                         points({{L, B - 1}, {L + H - 3, T + 2}, {L + H, T + 1}, {L + H + 2, T}, {R - 3, T},
                                 {R - 1, T + 2}, {R - 1, T + 4}, {R - 1, B}}),
                         r);
        } else {
            drawPolyline(painter,
                         points({{L + H - 7, T + 6}, {L + H - 3, T + 2}, {L + H, T + 1}, {L + H + 2, T}, {R - 3, T},
                                 {R - 1, T + 2}, {R - 1, T + 4}, {R - 1, B}}),
                         r);
        }
        if (active) {
            painter.setPen(qc(fill));
            painter.setBrush(qc(fill));
            drawPolygon(painter,
                        points({{L + 1, B - 1}, {L + H - 3, T + 3}, {L + H + 1, T + 2}, {L + H + 1, T + 1},
                                {R - 3, T + 1}, {R - 2, T + 2}, {R - 2, T + 5}, {R - 2, B - 1}}),
                        r);
            return;
        }
        if (Themes::isThemed()) {
            painter.setPen(qc(clWindow));
            drawPolyline(painter, points({{L, B}, {L + H - 3, T + 3}, {L + H + 1, T + 2}}), r);
            painter.setPen(qc(clBtnFace));
            drawPolyline(painter, points({{R - 3, T + 1}, {R - 2, T + 2}, {R - 2, B}}), r);
        }
        return;
    }
    }
}

// Filled before the outline is drawn, so the fill, whose edge runs close
// along the top border, never paints over that border.
void TNxPageControl::fillWhidbeyTab(QPainter &painter, const QRect &r, TNxTabSheet *page, bool first)
{
    const int L = r.x(), T = r.y(), R = rightOf(r), B = bottomOf(r), H = m_tabHeight;
    const QPolygon clip = first ? points({{L, B}, {L + H - 3, T + 3}, {L + H - 1, T + 2}, {L + H + 2, T},
                                          {R - 2, T + 1}, {R - 1, T + 2}, {R - 1, T + 5}, {R - 1, B}})
                                : points({{L + H - 7, B - 1}, {L + H - 7, T + 7}, {L + H - 3, T + 3},
                                          {L + H - 1, T + 2}, {L + H + 2, T}, {R - 2, T + 1}, {R - 1, T + 2},
                                          {R - 1, T + 5}, {R - 1, B}});
    if (Themes::isThemed()) {
        const TColor top = m_adaptiveColors ? clWindow : page->tabColor();
        const TColor bottom = m_adaptiveColors ? clBtnFace : m_color;
        fillClipped(painter, clip, r, qc(top), qc(bottom));
    } else {
        const QColor solid = qc(m_adaptiveColors ? m_backgroundColor : page->tabColor());
        fillClipped(painter, clip, r, solid, solid);
    }
}

void TNxPageControl::drawButton(QPainter &painter, const TabStripGeometry &strip, TTabButton button)
{
    const TPageOption needed = button == tbClose    ? pgCloseButton
        : button == tbTabList                       ? pgTabsPopup
                                                    : pgScrollButtons;
    if (!strip.has(needed))
        return;
    const QRect r = strip.buttonRect(button);
    const int L = r.x(), T = r.y(), R = rightOf(r);
    painter.save();
    if (button == m_hotButton) {
        if (m_tabStyle == tsClassic) {
            if (button == m_pressedButton)
                ClassicFrame::drawEdges(painter, r, clBlack, clBtnFace);
            else
                ClassicFrame::drawEdges(painter, r, clBtnFace, clBlack);
        } else {
            painter.setPen(qc(clHighlight));
            painter.setBrush(qc(ColorBlend::blendAlpha(clHighlight, clWindow, 80)));
            painter.drawRect(r.adjusted(0, 0, -1, -1));
        }
    }
    painter.setPen(Qt::black);
    painter.setBrush(Qt::black);
    const int maximum = strip.maxScroll();
    switch (button) {
    case tbClose: painter.drawPixmap(L + 4, T + 4, closeGlyph()); break;
    case tbTabList:
        painter.drawPolygon(points({{L + 4, T + 7}, {L + 11, T + 7}, {L + 8, T + 10}, {L + 7, T + 10}}));
        break;
    case tbScrollLeft:
        if (m_scrollOffset == 0)
            painter.setBrush(Qt::NoBrush);
        painter.drawPolygon(points({{R - 7, T + 3}, {R - 11, T + 7}, {R - 7, T + 11}}));
        break;
    case tbScrollRight:
        if (m_scrollOffset >= maximum)
            painter.setBrush(Qt::NoBrush);
        painter.drawPolygon(points({{L + 5, T + 3}, {L + 9, T + 7}, {L + 5, T + 11}}));
        break;
    case tbNone: break;
    }
    painter.restore();
}

void UseFixedPages(TNxPageControl &pages)
{
    pages.setOptions(pgBoldActiveTab | pgScrollButtons | pgTopBorder);
    pages.setScrollButtonsOnOverflow(true);
}

} // namespace talmo
