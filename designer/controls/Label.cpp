#include "designer/controls/Label.h"

#include "designer/controls/AcceleratorText.h"
#include "designer/controls/ControlTables.h"
#include "designer/controls/TextMeasurer.h"
#include "widgets/Colors.h"

#include <QEvent>
#include <QShortcutEvent>
#include <QPainter>

#include <algorithm>

namespace talmo {

TLabel::TLabel(QWidget *parent)
    : TFontedControl(clBtnFace, true, parent)
{
    setWidth(65);
    setHeight(17);
}

const DesignPropertyTable &TLabel::propertyTable()
{
    static const DesignPropertyTable table = controlTable(staticMetaObject, {
        row::align(), row::alignment(taLeftJustify), row::anchors(), row::boolean("AutoSize", true), row::caption(),
        row::color(clBtnFace), row::enabled(), row::reference("FocusControl"), row::font(), row::parentColor(true),
        row::parentFont(), row::boolean("ShowAccelChar", true), row::showHint(), row::visible(),
        row::boolean("WordWrap", false),
    });
    return table;
}

void TLabel::setAlignment(TAlignment alignment)
{
    m_alignment = alignment;
    update();
}

void TLabel::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    adjustSize();
}

void TLabel::setCaption(const QString &caption)
{
    m_caption = caption;
    grabAccelerator();
    adjustSize();
    update();
}

void TLabel::setShowAccelChar(bool show)
{
    m_showAccelChar = show;
    grabAccelerator();
    adjustSize();
    update();
}

void TLabel::setWordWrap(bool wordWrap)
{
    m_wordWrap = wordWrap;
    adjustSize();
    update();
}

bool TLabel::dialogChar(QChar typed)
{
    if (!m_focusControl || isDesigning() || !designEnabled() || !m_showAccelChar
        || !AcceleratorText::matches(m_caption, typed))
        return false;
    QWidget *target = m_focusControl->focusProxy() ? m_focusControl->focusProxy() : m_focusControl.data();
    if (target->isVisible() && target->isEnabled() && target->focusPolicy() != Qt::NoFocus)
        target->setFocus(Qt::ShortcutFocusReason);
    return true;
}

void TLabel::designingChanged()
{
    TFontedControl::designingChanged();
    grabAccelerator();
}

void TLabel::grabAccelerator()
{
    if (m_shortcutId != 0)
        releaseShortcut(m_shortcutId);
    m_shortcutId = 0;
    const QChar key = AcceleratorText::key(m_caption);
    if (!isDesigning() && m_showAccelChar && !key.isNull())
        m_shortcutId = grabShortcut(AcceleratorText::sequence(key));
}

bool TLabel::event(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        adjustSize();
    if (event->type() == QEvent::Shortcut && static_cast<QShortcutEvent *>(event)->shortcutId() == m_shortcutId)
        return dialogChar(AcceleratorText::key(m_caption)) || TFontedControl::event(event);
    return TFontedControl::event(event);
}

// Keeps left and top; with WordWrap the width stays and the lines set the height.
void TLabel::adjustSize()
{
    if (!m_autoSize || isLoading())
        return;
    QString text = m_showAccelChar ? AcceleratorText::shown(m_caption) : m_caption;
    if (text.isEmpty())
        text = QStringLiteral(" ");
    const int margin = autoSizeMargin();
    const int wrapWidth = m_wordWrap ? std::max(width() - margin, 1) : 0;
    const QSize size = TTextMeasurer::current().textSize(text, font(), wrapWidth);
    if (m_wordWrap)
        setHeight(size.height() + margin);
    else
        setBounds(left(), top(), size.width() + margin, size.height() + margin);
}

void TLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!parentColor())
        painter.fillRect(rect(), SystemColors::toQColor(color()));
    painter.setPen(designEnabled() ? SystemColors::toQColor(designFont().color())
                                   : palette().color(QPalette::Disabled, QPalette::Text));
    static const Qt::Alignment horizontal[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter};
    int flags = int(horizontal[m_alignment]) | Qt::AlignTop | Qt::TextExpandTabs;
    if (m_wordWrap)
        flags |= Qt::TextWordWrap;
    if (m_showAccelChar)
        flags |= Qt::TextShowMnemonic;
    painter.drawText(rect(), flags, m_caption);
}

} // namespace talmo
