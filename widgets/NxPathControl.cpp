#include "widgets/NxPathControl.h"

#include "widgets/ClassicFrame.h"
#include "widgets/ColorBlend.h"
#include "widgets/ColorSchemes.h"
#include "widgets/PathBarLayout.h"
#include "widgets/SharedDraw.h"

#include <QMenu>
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

TNxPathControl::TNxPathControl(QWidget *parent)
    : QWidget(parent)
    , m_nodes(this, [this](TNxPathNode *node) { nodeGone(node); })
    , m_menu(new QMenu(this))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    resize(250, 21);
}

TNxPathControl::~TNxPathControl() = default;

void TNxPathControl::nodeGone(TNxPathNode *node)
{
    // A freed node may be neither selected, hot nor pressed any longer.
    if (m_selectedNode == node)
        m_selectedNode = nullptr;
    if (m_hotNode == node)
        m_hotNode = nullptr;
    if (m_pressedNode == node)
        m_pressedNode = nullptr;
    update();
}

void TNxPathControl::setButtonStyle(TPathButtonStyle style)
{
    m_buttonStyle = style;
    update();
}

void TNxPathControl::setImages(TNxImageList *images)
{
    m_images = images;
    update();
}

void TNxPathControl::setSelectedNode(TNxPathNode *node)
{
    if (node == m_selectedNode)
        return;
    m_selectedNode = node;
    doSelect();
    update();
}

void TNxPathControl::doSelect()
{
    emit select();
}

int TNxPathControl::getArrowWidth() const
{
    return PathBarLayout::arrowWidth(height());
}

int TNxPathControl::getNodeWidth(const TNxPathNode *node) const
{
    if (!node)
        return 40;
    int width = fontMetrics().horizontalAdvance(node->text()) + 10;
    if (node->childCount() > 0)
        width += getArrowWidth();
    return width;
}

TNxPathNode *TNxPathControl::pathNodeAt(int level) const
{
    TNxTreeNode *node = m_selectedNode;
    while (node && node->level() > level)
        node = node->parent();
    return static_cast<TNxPathNode *>(node);
}

int TNxPathControl::firstShownLevel() const
{
    if (!m_selectedNode)
        return 0;
    QList<int> widths;
    for (int level = 0; level <= m_selectedNode->level(); ++level)
        widths << getNodeWidth(pathNodeAt(level));
    return PathBarLayout::firstShownLevel(widths, width());
}

QList<TNxPathNode *> TNxPathControl::shownNodes() const
{
    QList<TNxPathNode *> shown;
    if (!m_selectedNode)
        return shown;
    for (int level = firstShownLevel(); level <= m_selectedNode->level(); ++level)
        shown << pathNodeAt(level);
    return shown;
}

QRect TNxPathControl::nodeRect(const TNxPathNode *node) const
{
    int x = PathBarLayout::RootButtonWidth;
    for (const TNxPathNode *shown : shownNodes()) {
        // The selected node shows even where it does not fit: cut to the room.
        const int w = shown == m_selectedNode ? std::min(getNodeWidth(shown), width() - x) : getNodeWidth(shown);
        if (shown == node)
            return QRect(x, 0, w, height());
        x += w;
    }
    return {};
}

TNxPathNode *TNxPathControl::nodeAt(const QPoint &point, bool *onArrow) const
{
    if (onArrow)
        *onArrow = false;
    if (!rect().contains(point))
        return nullptr;
    for (TNxPathNode *node : shownNodes()) {
        const QRect button = nodeRect(node);
        const int x = button.x();
        const int right = x + button.width();
        if (point.x() >= x && point.x() <= right) {
            if (onArrow)
                *onArrow = node->childCount() > 0 && point.x() >= right - getArrowWidth();
            return node;
        }
    }
    return nullptr;
}

QMenu *TNxPathControl::fillRootMenu()
{
    m_menu->clear();
    for (int i = 0; i < m_nodes.count(); ++i) {
        const TNxPathNode *node = m_nodes.getItem(i);
        if (node->level() == 0)
            m_menu->addAction(node->text())->setData(i);
    }
    return m_menu;
}

QMenu *TNxPathControl::fillNodeMenu(const TNxPathNode *node)
{
    m_menu->clear();
    for (int i = 0; i < m_nodes.count(); ++i) {
        const TNxPathNode *child = m_nodes.getItem(i);
        if (child->parent() == node)
            m_menu->addAction(child->text())->setData(i);
    }
    return m_menu;
}

void TNxPathControl::runMenu(const QPoint &at)
{
    QAction *chosen = m_menuRunner(*m_menu, mapToGlobal(at));
    if (chosen)
        setSelectedNode(m_nodes.getItem(chosen->data().toInt()));
}

void TNxPathControl::repaintNode(const TNxPathNode *node)
{
    if (node)
        update(nodeRect(node));
}

void TNxPathControl::setHot(TNxPathNode *node, HotPart part)
{
    if (node == m_hotNode && part == m_hotPart)
        return;
    repaintNode(m_hotNode);
    m_hotNode = node;
    m_hotPart = part;
    repaintNode(m_hotNode);
}

void TNxPathControl::pressRoot()
{
    const bool mayOpen = m_menuMayOpen;
    m_menuMayOpen = !m_menuMayOpen;
    if (!mayOpen)
        return;
    m_rootPressed = true;
    update(rootRect());
    fillRootMenu();
    runMenu(QPoint(0, height()));
    m_rootPressed = false;
    if (!rootRect().contains(mapFromGlobal(QCursor::pos()))) {
        m_menuMayOpen = true;
        m_rootHot = false;
    }
    update(rootRect());
}

void TNxPathControl::pressArrow(TNxPathNode *node)
{
    const bool mayOpen = m_menuMayOpen;
    m_menuMayOpen = !m_menuMayOpen;
    if (!mayOpen)
        return;
    fillNodeMenu(node);
    m_dropDownOpen = true;
    repaintNode(node);
    const QRect button = nodeRect(node);
    struct DropDownEnd
    {
        TNxPathControl *control;
        TNxPathNode *node;
        ~DropDownEnd() { control->dropDownClosed(node); }
    } end{this, node};
    runMenu(QPoint(button.x() + button.width() - getArrowWidth(), button.y() + button.height()));
}

void TNxPathControl::dropDownClosed(TNxPathNode *shownFor)
{
    m_dropDownOpen = false;
    repaintNode(m_pressedNode);
    m_pressedNode = nullptr;
    bool onArrow = false;
    TNxPathNode *under = nodeAt(mapFromGlobal(QCursor::pos()), &onArrow);
    setHot(under, onArrow ? hpArrow : hpBody);
    m_menuMayOpen = under != shownFor;
    repaintNode(under);
}

void TNxPathControl::mousePressEvent(QMouseEvent *event)
{
    QWidget::mousePressEvent(event);
    if (m_nodes.isEmpty())
        return;
    const QPoint pos = event->position().toPoint();
    if (rootRect().contains(pos)) {
        pressRoot();
        return;
    }
    m_rootPressed = false;
    bool onArrow = false;
    TNxPathNode *node = m_selectedNode ? nodeAt(pos, &onArrow) : nullptr;
    if (!node)
        return;
    m_pressedNode = node;
    if (onArrow) {
        pressArrow(node);
    } else {
        m_menuMayOpen = true;
        repaintNode(node);
    }
}

void TNxPathControl::mouseMoveEvent(QMouseEvent *event)
{
    QWidget::mouseMoveEvent(event);
    const QPoint pos = event->position().toPoint();
    if (m_nodes.isEmpty() || !rect().contains(pos))
        return;
    if (rootRect().contains(pos)) {
        if (!m_rootHot) {
            m_rootHot = true;
            update(rootRect());
        }
        setHot(nullptr, hpBody);
        return;
    }
    if (m_rootHot) {
        m_rootHot = false;
        update(rootRect());
    }
    bool onArrow = false;
    TNxPathNode *node = nodeAt(pos, &onArrow);
    setHot(node, onArrow ? hpArrow : hpBody);
}

void TNxPathControl::leaveEvent(QEvent *event)
{
    setHot(nullptr, hpBody);
    m_rootHot = false;
    update(rootRect());
    QWidget::leaveEvent(event);
}

void TNxPathControl::mouseReleaseEvent(QMouseEvent *event)
{
    QWidget::mouseReleaseEvent(event);
    if (!m_selectedNode)
        return;
    m_rootPressed = false;
    TNxPathNode *pressed = m_pressedNode;
    m_pressedNode = nullptr;
    repaintNode(pressed);
    bool onArrow = false;
    TNxPathNode *node = nodeAt(event->position().toPoint(), &onArrow);
    if (pressed && node == pressed && !onArrow)
        setSelectedNode(node);
}

// ---- painting ----

void TNxPathControl::drawFrame(QPainter &painter, const QRect &r, int state) const
{
    if (state == 0) {
        painter.fillRect(r, painter.brush());
        return;
    }
    if (m_buttonStyle == bsOffice2007) {
        const int pen = state == 1 ? 18 : state == 2 ? 2 : 17;
        const int brush = state == 1 ? 18 : state == 2 ? 3 : 16;
        painter.save();
        painter.setPen(qc(ColorSchemes::schemeColor(pen, csDefault)));
        painter.setBrush(qc(ColorSchemes::schemeColor(brush, csDefault)));
        painter.drawRect(r.adjusted(0, 0, -1, -1));
        painter.restore();
        return;
    }
    painter.fillRect(r, qc(clBtnFace));
    if (state == 1)
        SharedDraw::drawFrame(painter, r, clBtnShadow);
    else
        ClassicFrame::drawRaised(painter, r, state == 3);
}

void TNxPathControl::drawTriangle(QPainter &painter, const QRect &arrow, bool down, bool root) const
{
    const int w = getArrowWidth();
    const int cy = height() / 2;
    QPolygon triangle;
    if (root) {
        const int x0 = arrow.x();
        const int c = x0 + w / 2, d = w / 2 - 4, e = d / 2;
        triangle = down ? QPolygon({QPoint(x0 + 4, cy), QPoint(c + d, cy), QPoint(c, cy + d)})
                        : QPolygon({QPoint(c - e, cy - d), QPoint(c + e, cy), QPoint(c - e, cy + d)});
    } else {
        const int cx = arrow.x() + arrow.width() / 2;
        const int b = w / 2 - 4, e = b / 2;
        triangle = down ? QPolygon({QPoint(cx - b, cy), QPoint(cx + b, cy), QPoint(cx, cy + b)})
                        : QPolygon({QPoint(cx - e, cy - b), QPoint(cx + e, cy), QPoint(cx - e, cy + b)});
    }
    painter.save();
    painter.setPen(Qt::black);
    painter.setBrush(Qt::black);
    painter.drawPolygon(triangle);
    painter.restore();
}

void TNxPathControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor background = palette().color(QPalette::Window);
    painter.setBrush(background);
    painter.fillRect(rect(), background);

    const QRect root = rootRect();
    const int arrowWidth = getArrowWidth();
    drawFrame(painter, root, m_rootPressed ? 1 : m_rootHot ? 3 : 0);
    if (m_images && m_selectedNode) {
        const int index = pathNodeAt(0)->imageIndex();
        const int y = ColorBlend::roundHalfEven(height() / 2.0 - m_images->height() / 2.0);
        m_images->draw(painter, 2, y, index);
    }
    drawTriangle(painter, QRect(32 - arrowWidth, 0, arrowWidth, height()), m_rootPressed, true);
    if (!m_selectedNode)
        return;

    painter.setFont(font());
    for (TNxPathNode *node : shownNodes()) {
        const QRect button = nodeRect(node);
        const bool hasArrow = node->childCount() > 0;
        const QRect arrow(button.x() + button.width() - arrowWidth, 0, arrowWidth, height());
        const QRect body = hasArrow ? button.adjusted(0, 0, -arrowWidth, 0) : button;
        const bool pressed = node == m_pressedNode;
        if (node == m_hotNode || pressed) {
            const bool onArrow = node == m_hotNode && m_hotPart == hpArrow;
            drawFrame(painter, body, onArrow ? 2 : pressed ? 1 : 3);
            if (hasArrow)
                drawFrame(painter, arrow, pressed ? 1 : onArrow ? 3 : 2);
        } else {
            painter.fillRect(button, background);
        }
        if (hasArrow)
            drawTriangle(painter, arrow, pressed, false);
        painter.setPen(palette().color(QPalette::WindowText));
        SharedDraw::drawTextRect(painter, QRect(button.x() + 4, 0, body.width() - 4, height()), HorzAlign::Left,
                                 node->text());
    }
}

} // namespace talmo
