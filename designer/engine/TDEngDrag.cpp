#include "designer/engine/TDEngDrag.h"

#include "designer/DesignClassRegistry.h"
#include "designer/DesignControl.h"
#include "designer/engine/EELDesigner.h"
#include "designer/engine/TDEng.h"
#include "designer/engine/TELDesigner.h"
#include "designer/engine/TELDesignerSelectedControls.h"

#include <algorithm>
#include <memory>

namespace talmo {

namespace {

// The rectangle between two corners, whichever way round they lie.
QRect between(int left, int top, int right, int bottom)
{
    return QRect(std::min(left, right), std::min(top, bottom), std::abs(right - left), std::abs(bottom - top));
}

QString sizeText(const QRect &bounds)
{
    return QStringLiteral("%1 x %2").arg(bounds.width()).arg(bounds.height());
}

} // namespace

TDEngDrag::TDEngDrag(TDEng &engine, QWidget &container)
    : m_engine(engine),
      m_container(&container)
{
}

TDEngDrag::~TDEngDrag() = default;

void TDEngDrag::begin(const QPoint &start)
{
    m_start = start;
}

void TDEngDrag::cancel()
{
    m_engine.hideDragHint();
}

void TDEngBandDrag::apply()
{
    TELDesigner &designer = m_engine.designer();
    TELDesignerSelectedControls &selection = designer.SelectedControls();
    const QRect band = this->band();
    selection.BeginUpdate();
    for (QObject *child : m_container->children()) {
        auto *control = qobject_cast<TDesignControl *>(child);
        if (!control || !designer.IsDesignable(control))
            continue;
        const QRect bounds = control->geometry();
        const bool touches = bounds.x() <= band.x() + band.width() && bounds.x() + bounds.width() >= band.x()
            && bounds.y() <= band.y() + band.height() && bounds.y() + bounds.height() >= band.y();
        if (touches)
            selection.Add(control);
    }
    if (selection.GetCount() > 1)
        selection.Remove(designer.DesignControl());
    selection.EndUpdate();
}

QList<QRect> TDEngBandDrag::outlines() const
{
    return {band()};
}

QRect TDEngBandDrag::band() const
{
    return between(m_start.x(), m_start.y(), m_current.x(), m_current.y());
}

void TDEngMoveDrag::begin(const QPoint &start)
{
    TDEngDrag::begin(start);
    const TELDesignerSelectedControls &selection = m_engine.designer().SelectedControls();
    m_topLeft = QPoint(INT_MAX, INT_MAX);
    for (TDesignControl *control : selection.Controls()) {
        const QRect bounds = control->geometry();
        m_moved.push_back({control, bounds, bool(control->lockBits() & LockMove)});
        m_topLeft = QPoint(std::min(m_topLeft.x(), bounds.x()), std::min(m_topLeft.y(), bounds.y()));
    }
}

void TDEngMoveDrag::move(const QPoint &point)
{
    m_offset = point - m_start;
    if (m_engine.designer().ShowingHints() & TELDesignerHintType::htMove) {
        const QPoint place = m_topLeft + m_offset;
        m_engine.showDragHint(QStringLiteral("%1, %2").arg(place.x()).arg(place.y()));
    }
}

void TDEngMoveDrag::apply()
{
    m_engine.hideDragHint();
    if (m_offset.isNull())
        return;
    for (const Moved &moved : m_moved) {
        if (moved.control && !moved.locked) {
            const QRect bounds = moved.bounds.translated(m_offset);
            moved.control->setBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
        }
    }
    m_engine.designer().Modified();
}

QList<QRect> TDEngMoveDrag::outlines() const
{
    QList<QRect> rects;
    for (const Moved &moved : m_moved) {
        if (!moved.locked)
            rects.append(moved.bounds.translated(m_offset));
    }
    return rects;
}

TDEngResizeDrag::TDEngResizeDrag(TDEng &engine, QWidget &container, TDesignControl &control, int handle)
    : TDEngDrag(engine, container),
      m_control(&control),
      m_handle(handle),
      m_original(control.geometry()),
      m_bounds(m_original)
{
}

void TDEngResizeDrag::move(const QPoint &point)
{
    const QPoint offset = point - m_start;
    int left = m_original.x();
    int top = m_original.y();
    int right = left + m_original.width();
    int bottom = top + m_original.height();
    if (m_handle == 0 || m_handle == 6 || m_handle == 7)
        left += offset.x();
    if (m_handle <= 2)
        top += offset.y();
    if (m_handle >= 2 && m_handle <= 4)
        right += offset.x();
    if (m_handle >= 4 && m_handle <= 6)
        bottom += offset.y();
    m_bounds = between(left, top, right, bottom);
    if (m_engine.designer().ShowingHints() & TELDesignerHintType::htSize)
        m_engine.showDragHint(sizeText(m_bounds));
}

void TDEngResizeDrag::apply()
{
    m_engine.hideDragHint();
    if (!m_control || m_bounds == m_original)
        return;
    m_control->setBounds(m_bounds.x(), m_bounds.y(), m_bounds.width(), m_bounds.height());
    m_engine.designer().Modified();
}

TDEngDrag::Options TDEngResizeDrag::options() const
{
    return {true, m_handle == 1 || m_handle == 5, m_handle == 3 || m_handle == 7, false};
}

TDEngInsertDrag::TDEngInsertDrag(TDEng &engine, QWidget &container, const QString &controlClass)
    : TDEngDrag(engine, container),
      m_controlClass(controlClass)
{
}

void TDEngInsertDrag::move(const QPoint &point)
{
    m_size = point - m_start;
    m_drawn = true;
    if (m_engine.designer().ShowingHints() & TELDesignerHintType::htInsert)
        m_engine.showDragHint(sizeText(rectangle()));
}

// The rectangle reaches one pixel past the current point, so a click
// without a move is one pixel wide.
QRect TDEngInsertDrag::rectangle() const
{
    const QRect spanned = between(m_start.x(), m_start.y(), m_start.x() + m_size.x(), m_start.y() + m_size.y());
    return spanned.adjusted(0, 0, 1, 1);
}

QList<QRect> TDEngInsertDrag::outlines() const
{
    if (!m_drawn)
        return {};
    return {rectangle()};
}

void TDEngInsertDrag::apply()
{
    m_engine.hideDragHint();
    TELDesigner &designer = m_engine.designer();
    TDesignControl *root = designer.DesignControl();
    const TDesignClassRegistry::Entry *entry = designer.registry().find(m_controlClass);
    if (!entry || !root || !m_container)
        return;
    const QRect rect = rectangle();
    std::unique_ptr<TDesignControl> control(entry->create());
    if (rect.width() > 1 || rect.height() > 1)
        control->setBounds(rect.x(), rect.y(), rect.width(), rect.height());
    else
        control->move(rect.topLeft());
    // Owned first, so that the designer's rename rule judges the name; a
    // control that cannot be named goes again.
    root->insertComponent(control.get());
    const TRenameVerdict verdict = control->rename(designer.MakeUniqueName(entry->className));
    if (!verdict.accepted)
        throw EELDesigner(verdict.message);
    control->setParent(m_container);
    control->show();
    TDesignControl *inserted = control.release();
    designer.SelectedControls().SelectOnly(inserted);
    designer.NotifyInserted(inserted);
}

} // namespace talmo
