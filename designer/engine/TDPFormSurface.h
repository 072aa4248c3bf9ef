#pragma once

#include <QWidget>

#include <functional>

namespace talmo {

// The client area of a design panel's host form: the design control and the
// engine's overlay are its children, and the engine paints its grid here.
class TDPFormSurface : public QWidget
{
    Q_OBJECT

public:
    using BackgroundPainter = std::function<void(QPainter &painter, const QRect &area)>;

    explicit TDPFormSurface(QWidget *parent = nullptr);

    // nullptr paints the plain background again.
    void setBackgroundPainter(BackgroundPainter painter);

signals:
    void resized();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    BackgroundPainter m_backgroundPainter;
};

} // namespace talmo
