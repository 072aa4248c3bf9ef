#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <functional>

namespace talmo {

// The hint of one engine: hover names, positions and sizes near the cursor.
// Every hint object shows its text in the one process-wide tooltip, and one
// of them at a time is "on screen". A hover hint waits for the pause, hides
// after the hide pause, when the mouse leaves its control, and on a key or
// button press; the hints of a drag show at once and stay until hidden.
class TDEngHint : public QObject
{
    Q_OBJECT

public:
    // hovered names the control under the mouse, for hints bound to one.
    TDEngHint(QWidget &surface, std::function<QWidget *()> hovered);
    ~TDEngHint() override;

    void setPauses(int showMilliseconds, int hideMilliseconds);
    // globalPos is where the cursor is; the hint shows just below it.
    void show(const QString &text, const QPoint &globalPos, bool delayed, bool autoHide, QWidget *boundControl,
              bool hideOnMessage);
    void hide();
    // Hides a hint on screen when the event is one that ends hints.
    void hideOnEvent(const QEvent &event);
    // Whether this object's hint is the one on screen.
    bool isShown() const;
    const QString &text() const { return m_text; }
    static bool endsHints(const QEvent &event);

private:
    void tick();
    void showNow();

    QWidget &m_surface;
    std::function<QWidget *()> m_hovered;
    QTimer m_timer;
    QString m_text;
    QPoint m_position;
    QPointer<QWidget> m_boundControl;
    bool m_bound = false;
    bool m_autoHide = false;
    bool m_hideOnMessage = false;
    bool m_hidePending = false;
    int m_pause = 500;
    int m_hidePause = 2500;
};

} // namespace talmo
