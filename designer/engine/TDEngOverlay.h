#pragma once

#include "designer/engine/TDEngKeys.h"

#include <QHash>
#include <QRect>
#include <QWidget>

namespace talmo {

class TDEng;
class TDesignControl;

// The transparent pane over the design control: it takes every mouse, wheel
// and key event and the focus while the designer is active, and paints the
// grab handles and the outlines of a running drag over the controls. A
// failure while handling an event is shown to the user; the tree stays as
// it was before the failing step.
class TDEngOverlay : public QWidget
{
    Q_OBJECT

public:
    TDEngOverlay(TDEng &engine, QWidget *host);

    // Repaints the handles whose place or look changed since the last call.
    void refreshHandles();
    void repaintAreas(const QList<QRect> &areas);
    // The handle rectangles the overlay shows for that control, in overlay
    // coordinates, clipped to the parent's client area; empty when hidden.
    QRect handleRect(const TDesignControl *control, int position) const;
    QRect handleRectAt(int index, int position) const;
    // The handle under the point of a control selected alone: its control
    // and position, or nullptr.
    TDesignControl *handleAt(const QPoint &point, int *position) const;
    // Between a designed widget's coordinates and the overlay's (both lie on the host).
    QPoint fromWidget(const QWidget *widget, const QPoint &point) const;
    QPoint toWidget(const QWidget *widget, const QPoint &point) const;
    // The widget's rectangle in overlay coordinates.
    QRect boundsOf(const QWidget *widget) const;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QRect parentClientArea(const TDesignControl *control) const;
    QRect paintedExtent(int index) const;
    void paintHandles(QPainter &painter, const QRect &area) const;
    void paintOutlines(QPainter &painter) const;
    void dispatch(QEvent *event);
    static bool editsWith(int key);

    TDEng &m_engine;
    TDEngKeys m_keys;
    QHash<const TDesignControl *, QRect> m_painted;
};

} // namespace talmo
