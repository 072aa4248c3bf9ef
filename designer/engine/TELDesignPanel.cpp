#include "designer/engine/TELDesignPanel.h"

#include "designer/engine/TDPForm.h"
#include "designer/engine/TDPFormSurface.h"
#include "designer/engine/TELDesigner.h"

#include <QEvent>
#include <QScrollBar>

namespace talmo {

TELDesignPanel::TELDesignPanel(QWidget *parent)
    : QFrame(parent),
      m_hostForm(new TDPForm(this))
{
    resize(185, 41);
    setFocusPolicy(Qt::TabFocus);
    SetBorderStyle(bsSingle);
    m_hostForm->hide();
}

// The designer gives the design control back before the host form goes.
TELDesignPanel::~TELDesignPanel()
{
    if (m_designer)
        m_designer->designPanelDestroying(this);
}

void TELDesignPanel::SetBorderStyle(int style)
{
    if (style != bsNone && style != bsSingle)
        return;
    m_borderStyle = style;
    setFrameStyle(style == bsSingle ? QFrame::StyledPanel | QFrame::Sunken : QFrame::NoFrame);
    placeHostForm();
}

bool TELDesignPanel::AutoScroll() const
{
    return m_hostForm->autoScroll();
}

void TELDesignPanel::SetAutoScroll(bool autoScroll)
{
    m_hostForm->setAutoScroll(autoScroll);
}

QScrollBar *TELDesignPanel::HorzScrollBar() const
{
    return m_hostForm->horizontalScrollBar();
}

QScrollBar *TELDesignPanel::VertScrollBar() const
{
    return m_hostForm->verticalScrollBar();
}

void TELDesignPanel::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    placeHostForm();
}

// The host form looks like the panel it sits in.
void TELDesignPanel::changeEvent(QEvent *event)
{
    QFrame::changeEvent(event);
    switch (event->type()) {
    case QEvent::FontChange:
        m_hostForm->surface()->setFont(font());
        break;
    case QEvent::PaletteChange:
        m_hostForm->surface()->setPalette(palette());
        break;
    case QEvent::LayoutDirectionChange:
        m_hostForm->setLayoutDirection(layoutDirection());
        break;
    default:
        break;
    }
}

void TELDesignPanel::setDesigner(TELDesigner *designer)
{
    m_designer = designer;
    placeHostForm();
    m_hostForm->setVisible(designer != nullptr);
}

void TELDesignPanel::placeHostForm()
{
    m_hostForm->setGeometry(contentsRect());
}

} // namespace talmo
