#include "designer/engine/TDEngKeys.h"

#include "designer/DesignControl.h"
#include "designer/engine/TDEng.h"
#include "designer/engine/TDEngArrowNavigation.h"
#include "designer/engine/TELDesigner.h"
#include "designer/engine/TELDesignerSelectedControls.h"

#include <QKeyEvent>

#include <algorithm>

namespace talmo {

TDEngKeys::TDEngKeys(TDEng &engine)
    : m_engine(engine)
{
}

void TDEngKeys::keyDown(const QKeyEvent &event)
{
    TELDesigner &designer = m_engine.designer();
    TELKeyArgs args{event.key(), event.modifiers()};
    if (designer.events.OnKeyDown)
        designer.events.OnKeyDown(args);
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    switch (args.key) {
    case 0:
        break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        tab(args.key == Qt::Key_Backtab || (modifiers & Qt::ShiftModifier));
        break;
    case Qt::Key_Escape:
        escape();
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
        if (!(modifiers & Qt::AltModifier))
            arrow(args.key, modifiers & Qt::ShiftModifier, modifiers & Qt::ControlModifier);
        break;
    case Qt::Key_Delete:
        designer.DeleteSelectedControls();
        break;
    default:
        break;
    }
    if (!event.text().isEmpty() && designer.events.OnKeyPress) {
        TELKeyPressArgs press{event.text()};
        designer.events.OnKeyPress(press);
    }
}

void TDEngKeys::keyUp(const QKeyEvent &event)
{
    TELDesigner &designer = m_engine.designer();
    TELKeyArgs args{event.key(), event.modifiers()};
    if (designer.events.OnKeyUp)
        designer.events.OnKeyUp(args);
}

// Walks the root's components in creation order, wrapping around.
void TDEngKeys::tab(bool backwards)
{
    if (m_engine.dragging())
        return;
    TDesignControl *root = m_engine.root();
    TDesignControl *last = m_engine.designer().SelectedControls().Last();
    if (!root || !last || last->owner() != root)
        return;
    const QList<TDesignControl *> &components = root->components();
    const qsizetype count = components.size();
    const qsizetype from = components.indexOf(last);
    for (qsizetype step = 1; step < count; ++step) {
        TDesignControl *next = components.at((from + (backwards ? count - step : step)) % count);
        if (next->parentWidget()) {
            m_engine.designer().SelectedControls().SelectOnly(next);
            return;
        }
    }
}

void TDEngKeys::escape()
{
    if (m_engine.dragging()) {
        m_engine.cancelDrag();
        return;
    }
    TELDesigner &designer = m_engine.designer();
    TDesignControl *last = designer.SelectedControls().Last();
    TDesignControl *parent = last ? designer.DesignableAtOrAbove(last->parentWidget()) : nullptr;
    designer.SelectedControls().SelectOnly(parent ? parent : designer.DesignControl());
}

void TDEngKeys::arrow(int key, bool shift, bool ctrl)
{
    TELDesigner &designer = m_engine.designer();
    TDesignControl *last = designer.SelectedControls().Last();
    if (!last || m_engine.dragging() || last == designer.DesignControl())
        return;
    if (shift || ctrl)
        nudge(key, shift);
    else
        navigate(key);
}

void TDEngKeys::nudge(int key, bool resize)
{
    TELDesigner &designer = m_engine.designer();
    TELDesignerSelectedControls &selection = designer.SelectedControls();
    selection.BeginUpdate();
    selection.KeepParent(selection.Last()->parentWidget());
    const int lock = resize ? LockResize : LockMove;
    for (int i = selection.GetCount() - 1; i >= 0; --i) {
        if (selection.GetItem(i)->lockBits() & lock)
            selection.Delete(i);
    }
    selection.EndUpdate();
    if (selection.GetCount() == 0)
        return;
    const int dx = key == Qt::Key_Left ? -1 : key == Qt::Key_Right ? 1 : 0;
    const int dy = key == Qt::Key_Up ? -1 : key == Qt::Key_Down ? 1 : 0;
    for (TDesignControl *control : selection.Controls()) {
        if (resize) {
            control->setBounds(control->x(), control->y(), std::max(control->width() + dx, 0),
                               std::max(control->height() + dy, 0));
        } else {
            control->setBounds(control->x() + dx, control->y() + dy, control->width(), control->height());
        }
    }
    designer.Modified();
}

void TDEngKeys::navigate(int key)
{
    TELDesigner &designer = m_engine.designer();
    TDesignControl *last = designer.SelectedControls().Last();
    QList<TDesignControl *> candidates;
    QList<QRect> bounds;
    for (QObject *child : last->parentWidget()->children()) {
        auto *control = qobject_cast<TDesignControl *>(child);
        if (control && control != last && designer.IsDesignable(control)) {
            candidates.append(control);
            bounds.append(control->geometry());
        }
    }
    static const QHash<int, TDEngArrowNavigation::Direction> directions = {
        {Qt::Key_Left, TDEngArrowNavigation::Left},
        {Qt::Key_Up, TDEngArrowNavigation::Up},
        {Qt::Key_Right, TDEngArrowNavigation::Right},
        {Qt::Key_Down, TDEngArrowNavigation::Down},
    };
    const int found = TDEngArrowNavigation::nearest(last->geometry(), bounds, directions.value(key));
    if (found >= 0)
        designer.SelectedControls().SelectOnly(candidates.at(found));
}

} // namespace talmo
