#include "designer/controls/VisualControl.h"

#include <QEvent>
#include <QVBoxLayout>

#include <algorithm>

namespace talmo {

namespace {

// The room left for aligned children, right and bottom exclusive.
struct Room
{
    int left;
    int top;
    int right;
    int bottom;

    int width() const { return std::max(right - left, 0); }
    int height() const { return std::max(bottom - top, 0); }
};

// Where an aligned child of that size goes; the room shrinks by what it takes.
QRect takeRoom(Room &room, TVisualControl::TAlign align, const QRect &bounds)
{
    const int width = std::max(bounds.width(), 0);
    const int height = std::max(bounds.height(), 0);
    QRect placed;
    switch (align) {
    case TVisualControl::alTop:
        placed = QRect(room.left, room.top, room.width(), height);
        room.top += height;
        break;
    case TVisualControl::alBottom:
        placed = QRect(room.left, room.bottom - height, room.width(), height);
        room.bottom -= height;
        break;
    case TVisualControl::alLeft:
        placed = QRect(room.left, room.top, width, room.height());
        room.left += width;
        break;
    case TVisualControl::alRight:
        placed = QRect(room.right - width, room.top, width, room.height());
        room.right -= width;
        break;
    default:
        placed = QRect(room.left, room.top, room.width(), room.height());
        break;
    }
    return placed;
}

// The order within one align group: nearest the edge it clings to first.
int alignKey(TVisualControl::TAlign align, const QRect &bounds)
{
    switch (align) {
    case TVisualControl::alTop:
        return bounds.top();
    case TVisualControl::alBottom:
        return -(bounds.top() + bounds.height());
    case TVisualControl::alLeft:
        return bounds.left();
    case TVisualControl::alRight:
        return -(bounds.left() + bounds.width());
    default:
        return 0;
    }
}

struct AxisRule
{
    int start;
    int extent;
};

// One axis of an anchored child: from is the parent's extent the rule was
// taken at, to the new one.
AxisRule anchorAxis(AxisRule rule, int from, int to, bool nearEdge, bool farEdge)
{
    if (farEdge && nearEdge)
        return {rule.start, std::max(rule.extent + to - from, 0)};
    if (farEdge)
        return {rule.start + to - from, rule.extent};
    if (nearEdge || from <= 0)
        return rule;
    const qint64 centre = rule.start + rule.extent / 2;
    return {int((centre * to + from / 2) / from) - rule.extent / 2, rule.extent};
}

} // namespace

TVisualControl::TVisualControl(QWidget *parent)
    : TDesignControl(parent)
{
    connect(this, &TDesignControl::renamed, this, &TVisualControl::followName);
    if (parent)
        takeLastTabPlace();
}

void TVisualControl::setAlign(TAlign align)
{
    m_align = align;
    captureAnchorRule();
    arrangeParent();
}

void TVisualControl::setAnchors(TAnchors anchors)
{
    m_anchors = anchors;
    captureAnchorRule();
}

void TVisualControl::setDesignEnabled(bool enabled)
{
    m_enabled = enabled;
    applyInputState();
    update();
}

void TVisualControl::setDesignVisible(bool visible)
{
    m_visible = visible;
    applyInputState();
    arrangeParent();
}

int TVisualControl::tabOrder() const
{
    if (!takesTabOrder())
        return -1;
    if (!parentWidget())
        return std::max(m_tabPlace, 0);
    return int(tabSequence(parentWidget()).indexOf(const_cast<TVisualControl *>(this)));
}

void TVisualControl::setTabOrder(int tabOrder)
{
    if (!takesTabOrder())
        return;
    if (isLoading() || !parentWidget()) {
        m_tabPlace = tabOrder;
        return;
    }
    QList<TVisualControl *> sequence = tabSequence(parentWidget());
    sequence.removeOne(this);
    sequence.insert(std::clamp<qsizetype>(tabOrder, 0, sequence.size()), this);
    for (qsizetype place = 0; place < sequence.size(); ++place)
        sequence.at(place)->m_tabPlace = int(place);
}

QList<TVisualControl *> TVisualControl::tabSequence(const QWidget *parent)
{
    QList<TVisualControl *> sequence;
    for (QObject *child : parent->children()) {
        auto *control = qobject_cast<TVisualControl *>(child);
        if (control && control->takesTabOrder())
            sequence.append(control);
    }
    std::stable_sort(sequence.begin(), sequence.end(),
                     [](const TVisualControl *a, const TVisualControl *b) { return a->m_tabPlace < b->m_tabPlace; });
    return sequence;
}

void TVisualControl::embed(QWidget *inner)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(inner);
    setFocusProxy(inner);
    m_inner = inner;
    applyInputState();
}

void TVisualControl::arrangeChildren()
{
    if (isLoading())
        return;
    QList<TVisualControl *> children;
    for (QObject *child : this->children()) {
        if (auto *control = qobject_cast<TVisualControl *>(child))
            children.append(control);
    }
    const QRect area = alignArea();
    Room room{area.left(), area.top(), area.left() + area.width(), area.top() + area.height()};
    for (const TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) {
        QList<TVisualControl *> group;
        for (TVisualControl *child : children) {
            if (child->m_align == align && child->takesRoom())
                group.append(child);
        }
        std::stable_sort(group.begin(), group.end(), [align](const TVisualControl *a, const TVisualControl *b) {
            return alignKey(align, a->designBounds()) < alignKey(align, b->designBounds());
        });
        for (TVisualControl *child : group)
            child->place(takeRoom(room, align, child->designBounds()));
    }
    for (TVisualControl *child : children) {
        if (child->m_align != alNone || !child->m_anchorParentSize.isValid())
            continue;
        const QRect &rule = child->m_anchorBounds;
        const QSize &from = child->m_anchorParentSize;
        const AxisRule x = anchorAxis({rule.left(), rule.width()}, from.width(), width(),
                                      child->m_anchors & akLeft, child->m_anchors & akRight);
        const AxisRule y = anchorAxis({rule.top(), rule.height()}, from.height(), height(),
                                      child->m_anchors & akTop, child->m_anchors & akBottom);
        child->place(QRect(x.start, y.start, x.extent, y.extent));
    }
}

void TVisualControl::designingChanged()
{
    applyInputState();
    arrangeParent();
    arrangeChildren();
}

void TVisualControl::boundsChanged()
{
    if (!m_placing) {
        captureAnchorRule();
        arrangeParent();
    }
    arrangeChildren();
}

bool TVisualControl::event(QEvent *event)
{
    if (event->type() == QEvent::ParentChange && parentWidget()) {
        takeLastTabPlace();
        captureAnchorRule();
        arrangeParent();
    }
    return TDesignControl::event(event);
}

void TVisualControl::followName(const QString &oldName, const QString &newName)
{
    if (isDesigning() && !isLoading() && designText() == oldName)
        setDesignText(newName);
}

// While designing the surface takes every press and key, a hidden control
// stays visible and a disabled one still paints disabled.
void TVisualControl::applyInputState()
{
    const bool designing = isDesigning();
    setFocusPolicy(designing ? Qt::NoFocus : (isWindowless() ? Qt::NoFocus : Qt::StrongFocus));
    if (m_inner) {
        m_inner->setAttribute(Qt::WA_TransparentForMouseEvents, designing);
        m_inner->setFocusPolicy(designing ? Qt::NoFocus : Qt::StrongFocus);
        m_inner->setEnabled(m_enabled);
    }
    const bool hide = !m_visible && !designing;
    if (hide && !isHidden())
        QWidget::hide();
    else if (!hide && isHidden() && testAttribute(Qt::WA_WState_ExplicitShowHide) && parentWidget())
        QWidget::show();
}

void TVisualControl::captureAnchorRule()
{
    m_anchorBounds = designBounds();
    m_anchorParentSize = parentWidget() ? parentWidget()->size() : QSize();
}

void TVisualControl::arrangeParent()
{
    auto *parent = qobject_cast<TVisualControl *>(parentWidget());
    if (parent && m_align != alNone)
        parent->arrangeChildren();
}

void TVisualControl::place(const QRect &bounds)
{
    if (bounds == designBounds())
        return;
    m_placing = true;
    setBounds(bounds.left(), bounds.top(), bounds.width(), bounds.height());
    m_placing = false;
}

void TVisualControl::takeLastTabPlace()
{
    int last = -1;
    for (QObject *sibling : parentWidget()->children()) {
        auto *control = qobject_cast<TVisualControl *>(sibling);
        if (control && control != this)
            last = std::max(last, control->m_tabPlace);
    }
    m_tabPlace = last + 1;
}

} // namespace talmo
