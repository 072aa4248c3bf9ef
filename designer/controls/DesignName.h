#pragma once

#include "designer/DesignControl.h"

#include <QPaintEvent>
#include <QPainter>

class QRect;

namespace talmo {

// A list on a page being designed holds nothing until the setup fills it, so
// empty lists would look alike: while designed and empty, a list shows its
// control's name in its top-left corner, as design surfaces do.
void PaintDesignName(QPainter &painter, const QRect &area, const QString &name);

// A Qt item view that does so for the control it fills.
template <typename View>
class DesignNamedView : public View
{
public:
    explicit DesignNamedView(const TDesignControl &control)
        : m_control(control)
    {
        QObject::connect(&control, &TDesignControl::renamed, this, [this] { this->viewport()->update(); });
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        View::paintEvent(event);
        if (!m_control.isDesigning() || this->model()->rowCount() > 0)
            return;
        QPainter painter(this->viewport());
        PaintDesignName(painter, this->viewport()->rect(), m_control.name());
    }

private:
    const TDesignControl &m_control;
};

} // namespace talmo
