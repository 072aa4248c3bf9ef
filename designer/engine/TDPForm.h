#pragma once

#include <QScrollArea>

namespace talmo {

class TDPFormSurface;

// The frameless form a design panel carries while a designer uses it: it
// scrolls its surface, on which the design control lies at (0, 0).
class TDPForm : public QScrollArea
{
    Q_OBJECT

public:
    explicit TDPForm(QWidget *parent = nullptr);

    TDPFormSurface *surface() const { return m_surface; }
    bool autoScroll() const { return m_autoScroll; }
    void setAutoScroll(bool autoScroll);

private:
    TDPFormSurface *m_surface;
    bool m_autoScroll = true;
};

} // namespace talmo
