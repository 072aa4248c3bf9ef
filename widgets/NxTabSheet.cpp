#include "widgets/NxTabSheet.h"

#include "widgets/GlyphMask.h"
#include "widgets/NxNotebook.h"

#include <QEvent>
#include <QPainter>

namespace talmo {

TNxTabSheet::TNxTabSheet(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

TNxTabSheet::~TNxTabSheet()
{
    if (m_notebook)
        m_notebook->pageDestroyed(this);
}

int TNxTabSheet::pageIndex() const
{
    return m_notebook ? m_notebook->indexOfPage(this) : -1;
}

void TNxTabSheet::setPageIndex(int index)
{
    if (m_notebook)
        m_notebook->movePage(this, index);
}

void TNxTabSheet::setCaption(const QString &caption)
{
    m_caption = caption;
    tabChanged();
}

void TNxTabSheet::setColor(TColor color)
{
    m_color = color;
    update();
}

void TNxTabSheet::setDisplayMode(TTabDisplayMode mode)
{
    m_displayMode = mode;
    tabChanged();
}

void TNxTabSheet::setGlyph(const QPixmap &glyph)
{
    m_sourceGlyph = glyph;
    applyTransparency();
    tabChanged();
}

void TNxTabSheet::setImageIndex(int index)
{
    m_imageIndex = index;
    ownTabChanged();
}

void TNxTabSheet::setMargin(int margin)
{
    m_margin = margin;
    setContentsMargins(margin, margin, margin, margin);
    update();
}

void TNxTabSheet::setPageVisible(bool value)
{
    m_pageVisible = value;
    setVisible(value && m_notebook && m_notebook->activePage() == this);
    tabChanged();
}

void TNxTabSheet::setParentTabFont(bool value)
{
    m_parentTabFont = value;
    if (value && m_notebook)
        m_tabFont = m_notebook->font();
    tabChanged();
}

void TNxTabSheet::setTabColor(TColor color)
{
    m_tabColor = color;
    ownTabChanged();
}

void TNxTabSheet::setTabFont(const QFont &font)
{
    m_tabFont = font;
    m_parentTabFont = false;
    tabChanged();
}

void TNxTabSheet::takeNotebookFont(const QFont &font)
{
    m_tabFont = font;
}

void TNxTabSheet::setTabVisible(bool value)
{
    m_tabVisible = value;
    tabChanged();
}

void TNxTabSheet::setTabWidth(int width)
{
    m_tabWidth = width;
    tabChanged();
}

void TNxTabSheet::setTransparentColor(TColor color)
{
    m_transparentColor = color;
    applyTransparency();
    tabChanged();
}

void TNxTabSheet::applyTransparency()
{
    m_glyph = GlyphMask::colorTransparent(m_sourceGlyph, m_transparentColor);
}

void TNxTabSheet::doShow()
{
    emit pageShown();
}

void TNxTabSheet::doHide()
{
    emit pageHidden();
}

void TNxTabSheet::tabChanged()
{
    if (m_notebook)
        m_notebook->pagesChanged();
}

void TNxTabSheet::ownTabChanged()
{
    if (m_notebook)
        m_notebook->invalidateTab(pageIndex());
}

bool TNxTabSheet::event(QEvent *event)
{
    if (event->type() == QEvent::ZOrderChange && !m_zOrderGuard && m_notebook && parentWidget() == m_notebook)
        m_notebook->sheetRestacked(this);
    return QWidget::event(event);
}

void TNxTabSheet::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), SystemColors::toQColor(m_color));
}

} // namespace talmo
