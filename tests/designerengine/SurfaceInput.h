#pragma once

#include "DesignerFixture.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

namespace talmo {

// Mouse and keys delivered straight to the overlay, in its coordinates
// (which are the design control's: both lie at the host's origin).
class SurfaceFixture : public DesignerFixture
{
protected:
    void mouse(QEvent::Type type, Qt::MouseButton button, const QPoint &point, Qt::KeyboardModifiers modifiers = {})
    {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent event(type, point, overlay().mapToGlobal(point), button, held, modifiers);
        QApplication::sendEvent(&overlay(), &event);
    }
    void press(const QPoint &point, Qt::KeyboardModifiers modifiers = {}, Qt::MouseButton button = Qt::LeftButton)
    {
        mouse(QEvent::MouseButtonPress, button, point, modifiers);
    }
    void moveTo(const QPoint &point) { mouse(QEvent::MouseMove, Qt::NoButton, point); }
    void release(const QPoint &point, Qt::MouseButton button = Qt::LeftButton)
    {
        mouse(QEvent::MouseButtonRelease, button, point);
    }
    void drag(const QPoint &from, const QPoint &to, Qt::KeyboardModifiers modifiers = {})
    {
        press(from, modifiers);
        moveTo(to);
        release(to);
    }
    void key(int key, Qt::KeyboardModifiers modifiers = {}) { QTest::keyClick(&overlay(), Qt::Key(key), modifiers); }
};

} // namespace talmo
