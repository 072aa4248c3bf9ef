#include "designer/engine/TDPForm.h"

#include "designer/engine/TDPFormSurface.h"


namespace talmo {

TDPForm::TDPForm(QWidget *parent)
    : QScrollArea(parent),
      m_surface(new TDPFormSurface)
{
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setWidget(m_surface);
    setAutoScroll(true);
}

void TDPForm::setAutoScroll(bool autoScroll)
{
    m_autoScroll = autoScroll;
    const Qt::ScrollBarPolicy policy = autoScroll ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
    setHorizontalScrollBarPolicy(policy);
    setVerticalScrollBarPolicy(policy);
}

} // namespace talmo
