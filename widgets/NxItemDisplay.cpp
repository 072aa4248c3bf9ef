#include "widgets/NxItemDisplay.h"

#include "platform/AnsiCodec.h"
#include "widgets/ColorBlend.h"
#include "widgets/ColorSchemes.h"
#include "widgets/GlyphMask.h"
#include "widgets/NxCheckBoxItem.h"
#include "widgets/NxColorItem.h"
#include "widgets/NxTextItem.h"
#include "widgets/SharedDraw.h"
#include "widgets/Themes.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionButton>

namespace talmo {

namespace {

constexpr int MarginWidth = 14;
constexpr int PreviewWidth = 20;

QColor qcolor(TColor color)
{
    return SystemColors::toQColor(color);
}

TColor scheme(int element)
{
    return ColorSchemes::schemeColor(element, ColorSchemes::defaultScheme());
}

void fillRect(QPainter &painter, const QRect &rect, TColor color)
{
    painter.fillRect(rect, qcolor(color));
}

void frameAndFill(QPainter &painter, const QRect &rect, TColor pen, TColor brush)
{
    fillRect(painter, rect, brush);
    SharedDraw::drawFrame(painter, rect, pen);
}

void drawRaisedOrSunken(QPainter &painter, const QRect &rect, bool sunken, TColor face)
{
    fillRect(painter, rect, face);
    const QColor light = qcolor(sunken ? clBtnShadow : clBtnHighlight);
    const QColor dark = qcolor(sunken ? clBtnHighlight : clBtnShadow);
    painter.setPen(light);
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.drawLine(rect.topLeft(), rect.bottomLeft());
    painter.setPen(dark);
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomRight());
}

void drawCheckMark(QPainter &painter, const QRect &box, const QColor &color)
{
    QPainterPath tick;
    const QPointF c = QRectF(box).center();
    const qreal s = box.width() / 13.0;
    tick.moveTo(c.x() - 3.5 * s, c.y() - 0.5 * s);
    tick.lineTo(c.x() - 1.0 * s, c.y() + 2.0 * s);
    tick.lineTo(c.x() + 3.5 * s, c.y() - 2.5 * s);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(color, 1.8 * s, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(tick);
    painter.restore();
}

} // namespace

std::unique_ptr<TNxItemDisplay> TNxItemDisplay::create(TNxPropertyItem *item)
{
    switch (item->displayKind()) {
    case TNxDisplayKind::Text:
        return std::make_unique<TNxTextItemDisplay>(item);
    case TNxDisplayKind::Color:
        return std::make_unique<TNxColorItemDisplay>(item);
    case TNxDisplayKind::FontName:
        return std::make_unique<TNxFontNameItemDisplay>(item);
    case TNxDisplayKind::Toolbar:
        return std::make_unique<TNxToolbarItemDisplay>(item);
    case TNxDisplayKind::CheckBox:
        return std::make_unique<TNxCheckBoxItemDisplay>(item);
    case TNxDisplayKind::Plain:
        break;
    }
    return std::make_unique<TNxItemDisplay>(item);
}

namespace {

const QChar Ellipsis(0x2026);

template<typename Visit>
void ForEachSibling(const TNxPropertyItem *item, Visit visit)
{
    const TNxPropertyItem *parent = item->parentItem();
    for (int i = 0; parent && i < parent->childCount(); ++i) {
        const TNxPropertyItem *sibling = parent->item(i);
        if (sibling != item && sibling->caption() != item->caption())
            visit(sibling);
    }
}

QString CutInTheMiddle(const TNxPropertyItem *item, int width)
{
    return QFontMetrics(item->font()).elidedText(item->caption(), Qt::ElideMiddle, width);
}

// The rows of the group that the middle cut makes read as this one.
QList<const TNxPropertyItem *> ClashingSiblings(const TNxPropertyItem *item, const QString &shown, int width)
{
    QList<const TNxPropertyItem *> clashing;
    ForEachSibling(item, [&](const TNxPropertyItem *sibling) {
        if (CutInTheMiddle(sibling, width) == shown)
            clashing.append(sibling);
    });
    return clashing;
}

// The caption from the first word it does not share with every row it
// would read as, cut in the middle where it is still too long.
QString CutAfterSharedStart(const TNxPropertyItem *item, const QList<const TNxPropertyItem *> &clashing, int width)
{
    const QString &caption = item->caption();
    qsizetype shared = caption.size();
    for (const TNxPropertyItem *sibling : clashing) {
        qsizetype length = 0;
        while (length < shared && length < sibling->caption().size() && caption[length] == sibling->caption()[length])
            ++length;
        shared = length;
    }
    const qsizetype wordStart = shared > 0 ? caption.lastIndexOf(u' ', shared - 1) + 1 : 0;
    const QFontMetrics metrics(item->font());
    if (wordStart == 0)
        return metrics.elidedText(caption, Qt::ElideMiddle, width);
    const QString rest = metrics.elidedText(caption.mid(wordStart), Qt::ElideMiddle, width - metrics.horizontalAdvance(Ellipsis));
    return Ellipsis + rest;
}

} // namespace

QString ShownCaption(const TNxPropertyItem *item, int width)
{
    if (QFontMetrics(item->font()).horizontalAdvance(item->caption()) <= width)
        return item->caption();
    // The middle gives way first, so rows that differ at their start or end
    // stay apart; rows alike at both ends show where they differ.
    const QString middle = CutInTheMiddle(item, width);
    const QList<const TNxPropertyItem *> clashing = ClashingSiblings(item, middle, width);
    return clashing.isEmpty() ? middle : CutAfterSharedStart(item, clashing, width);
}

void TNxItemDisplay::paintCaption()
{
    QPainter &p = painter();
    const TNxPropertyItem *it = item();
    const bool topLevel = it->level() == 0;
    const bool selected = m_context.selected;
    const int indent = it->indent();
    p.setFont(it->font());
    const QFontMetrics metrics(it->font());

    const bool hasPicture = m_context.images && it->imageIndex() >= 0 && it->imageIndex() < m_context.images->size();
    const int pictureWidth = hasPicture ? m_context.images->at(it->imageIndex()).width() : 0;
    const int textWidth = metrics.horizontalAdvance(AnsiCodec::decode(AnsiCodec::encode(it->caption())));
    const QRect captionFrame(m_rect.left() + indent, m_rect.top(),
                             4 + textWidth + (hasPicture ? pictureWidth + 8 : 0), m_rect.height());

    TColor textColor = it->captionColor();
    if (topLevel) {
        switch (m_context.style) {
        case psDefault:
            fillRect(p, m_rect, m_context.categoriesColor);
            break;
        case psOffice2003:
            SharedDraw::drawVertGradient(p, m_rect, Themes::stateColor(selected ? 1 : 10), Themes::stateColor(selected ? 2 : 11));
            break;
        case psOffice2007:
            SharedDraw::fillGlossy(p, m_rect, scheme(selected ? 17 : 4), scheme(selected ? 16 : 3), m_rect.height() / 2);
            break;
        case psWhidbey:
            SharedDraw::drawVertGradient(p, m_rect, clWindow, clBtnFace);
            break;
        }
        if (selected && m_context.style == psDefault)
            SharedDraw::drawFocusFrame(p, captionFrame, true);
        if (selected && m_context.style == psWhidbey)
            SharedDraw::drawFrame(p, captionFrame, clBlack);
    } else if (selected) {
        switch (m_context.style) {
        case psDefault:
            fillRect(p, m_rect, m_context.selectionColor);
            textColor = m_context.highlightTextColor;
            break;
        case psOffice2003:
            frameAndFill(p, m_rect, clHotLight, Themes::stateColor(0));
            break;
        case psOffice2007:
            frameAndFill(p, m_rect, scheme(17), scheme(16));
            break;
        case psWhidbey:
            frameAndFill(p, m_rect, clHighlight, ColorBlend::blendAlpha(clHighlight, clWindow, 80));
            break;
        }
    } else {
        fillRect(p, m_rect, it->color());
    }
    if (!it->enabled())
        textColor = clGrayText;

    int textLeft = m_rect.left() + indent + 3;
    if (hasPicture) {
        const QPixmap &picture = m_context.images->at(it->imageIndex());
        p.drawPixmap(m_rect.left() + indent + 3, m_rect.top() + (m_rect.height() - picture.height()) / 2, picture);
        textLeft = m_rect.left() + indent + pictureWidth + 11;
    }
    p.setPen(qcolor(textColor));
    const QRect textRect(textLeft, m_rect.top(), m_rect.right() - textLeft, m_rect.height());
    SharedDraw::drawTextRect(p, textRect, HorzAlign::Left, topLevel ? it->caption() : ShownCaption(it, textRect.width()));
}

void TNxItemDisplay::paintExpandButton()
{
    QPainter &p = painter();
    const TNxPropertyItem *it = item();
    const int middle = m_rect.top() + m_rect.height() / 2;
    if (m_context.buttonsStyle == btCustom) {
        const QPixmap &glyph = it->expanded() ? m_context.collapseGlyph : m_context.expandGlyph;
        p.drawPixmap(7 - glyph.width() / 2, middle - glyph.height() / 2, glyph);
        return;
    }
    const QRect box(it->indent() + 2, middle - 5, 9, 9);
    const bool topLevel = it->level() == 0;
    const bool blackMargin = SystemColors::resolve(m_context.marginColor) == clBlack;
    TColor pen = blackMargin ? clWindow : clWindowText;
    TColor brush = topLevel ? m_context.marginColor : (blackMargin ? clBlack : clWindow);
    if (m_context.style != psDefault) {
        pen = m_context.style == psOffice2007 ? scheme(3) : clBtnShadow;
        brush = clWindow;
    }
    fillRect(p, box, brush);
    SharedDraw::drawFrame(p, box, pen);
    p.setPen(qcolor(pen));
    p.drawLine(box.left() + 2, box.top() + 4, box.left() + 6, box.top() + 4);
    if (!it->expanded())
        p.drawLine(box.left() + 4, box.top() + 2, box.left() + 4, box.top() + 6);
}

void TNxItemDisplay::paintSuffix()
{
    QPainter &p = painter();
    p.setFont(item()->valueFont());
    fillRect(p, m_rect, item()->color());
    p.setPen(qcolor(m_context.gridColor));
    p.drawLine(m_rect.left(), m_rect.top(), m_rect.left(), m_rect.bottom());
    p.setPen(qcolor(clWindowText));
    SharedDraw::drawTextRect(p, m_rect.adjusted(3, 0, 0, 0), HorzAlign::Left, item()->suffixValue());
}

void TNxItemDisplay::paintBackground()
{
    if (item()->level() > 0)
        fillRect(painter(), m_rect, item()->color());
}

void TNxItemDisplay::paintPreview(const QRect &) {}

void TNxItemDisplay::paintValue()
{
    paintBackground();
    if (item()->showPreview() && item()->hasPreview()) {
        const QRect box(m_rect.left() + 1, m_rect.top() + 1, PreviewWidth, m_rect.height() - 2);
        SharedDraw::drawFrame(painter(), box, rgbColor(0x80, 0x80, 0x80));
        paintPreview(box.adjusted(1, 1, -1, -1));
    }
}

void TNxItemDisplay::keyDown(int, Qt::KeyboardModifiers) {}
void TNxItemDisplay::mouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TNxItemDisplay::mouseMove(Qt::KeyboardModifiers, int, int) {}
void TNxItemDisplay::mouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}

QRect TNxTextItemDisplay::textRect() const
{
    return rect().adjusted(item()->showPreview() ? 30 : 3, 0, 0, 0);
}

void TNxTextItemDisplay::paintValue()
{
    TNxItemDisplay::paintValue();
    paintText();
}

QString TNxTextItemDisplay::shownText(const TNxPropertyItem &item)
{
    const QString value = item.getValue();
    if (value.isEmpty())
        return item.emptyValue();
    const QString display = item.getDisplayText();
    auto *textItem = dynamic_cast<const TNxTextItem *>(&item);
    if (textItem && !textItem->passwordChar().isNull())
        return QString(display.size(), textItem->passwordChar());
    return display;
}

bool TNxTextItemDisplay::drawsBold(const TNxPropertyItem &item)
{
    const auto lowered = [](const QString &s) { return AnsiCodec::decode(AnsiCodec::encode(s)).toLower(); };
    const QString value = item.getValue();
    return !value.isEmpty() && item.options().testFlag(itoBoldNonDefault) &&
           lowered(value) != lowered(item.defaultValue());
}

void TNxTextItemDisplay::paintText()
{
    QPainter &p = painter();
    const TNxPropertyItem *it = item();
    QFont font = it->valueFont();
    font.setBold(font.bold() || drawsBold(*it));
    const TColor color = it->getValue().isEmpty() || !it->enabled() ? clGrayText : it->valueColor();
    p.setFont(font);
    p.setPen(qcolor(color));
    SharedDraw::drawTextRect(p, textRect(), HorzAlign::Left, shownText(*it), context().rightToLeft);
}

void TNxColorItemDisplay::paintPreview(const QRect &rect)
{
    QPainter &p = painter();
    auto *colorItem = static_cast<TNxColorItem *>(item());
    const auto color = colorItem->colorOfText(colorItem->asString());
    if (!color || *color == clNone) {
        // No colour: a white box crossed in red.
        fillRect(p, rect, clWhite);
        p.setPen(qcolor(clRed));
        p.drawLine(rect.topLeft(), rect.bottomRight());
        p.drawLine(rect.topRight(), rect.bottomLeft());
        return;
    }
    fillRect(p, rect, *color);
}

void TNxFontNameItemDisplay::paintPreview(const QRect &rect)
{
    QPainter &p = painter();
    QFont sample(item()->asString());
    sample.setPointSize(8);
    fillRect(p, rect, clHighlight);
    p.setFont(sample);
    p.setPen(qcolor(clHighlightText));
    p.drawText(rect, Qt::AlignCenter, QStringLiteral("ab"));
}

TNxToolbarItemDisplay::TNxToolbarItemDisplay(TNxPropertyItem *item)
    : TNxItemDisplay(item)
{
}

TNxToolbarItem *TNxToolbarItemDisplay::toolbar() const
{
    return static_cast<TNxToolbarItem *>(item());
}

QRect TNxToolbarItemDisplay::buttonRect(int index, const QRect &cell) const
{
    const TNxToolbarItem *bar = toolbar();
    const int width = bar->buttonWidth();
    const int left = bar->alignment() == TNxToolbarItem::baLeftJustify
                         ? cell.left() + index * width
                         : cell.left() + cell.width() + width * (index - bar->buttons().count());
    return QRect(left, cell.top(), width, cell.height());
}

int TNxToolbarItemDisplay::buttonAt(int x, int cellWidth) const
{
    const TNxToolbarItem *bar = toolbar();
    const int width = bar->buttonWidth();
    const int count = bar->buttons().count();
    if (width <= 0)
        return -1;
    int index;
    if (bar->alignment() == TNxToolbarItem::baLeftJustify) {
        index = x >= 0 ? x / width : -1;
    } else {
        const int start = cellWidth - count * width;
        if (x < start)
            return -1;
        index = (x - start) / width;
    }
    return index >= 0 && index < count ? index : -1;
}

void TNxToolbarItemDisplay::paintBackground()
{
    if (!toolbar()->drawBackground()) {
        TNxItemDisplay::paintBackground();
        return;
    }
    if (context().style == psDefault)
        fillRect(painter(), rect(), clBtnFace);
    else if (context().style == psOffice2003)
        SharedDraw::drawVertGradient(painter(), rect(), Themes::stateColor(10), Themes::stateColor(11));
}

void TNxToolbarItemDisplay::paintValue()
{
    TNxItemDisplay::paintValue();
    QPainter &p = painter();
    const TNxToolbarItem *bar = toolbar();
    const int count = bar->buttons().count();
    for (int i = 0; i < count; ++i) {
        const QRect button = buttonRect(i, rect());
        const TNxToolbarItemButton *b = bar->buttons().item(i);
        if (b->divider()) {
            p.setPen(qcolor(clGrayText));
            const int x = button.left() + button.width() / 2;
            p.drawLine(x, button.top() + 2, x, button.bottom() - 2);
            continue;
        }
        paintButton(button, b->checked(), i == m_hot, i == m_pressed, i);
    }
    if (!bar->showText())
        return;
    p.setFont(bar->valueFont());
    p.setPen(qcolor(bar->enabled() ? clWindowText : clGrayText));
    const int buttons = count * bar->buttonWidth();
    const QRect textRect = bar->alignment() == TNxToolbarItem::baLeftJustify
                               ? rect().adjusted(buttons + 2, 0, 0, 0)
                               : rect().adjusted(2, 0, -buttons, 0);
    SharedDraw::drawTextRect(p, textRect, HorzAlign::Left, bar->asString());
}

void TNxToolbarItemDisplay::paintButton(const QRect &rect, bool checked, bool hot, bool pressed, int index)
{
    QPainter &p = painter();
    if (checked || hot) {
        switch (context().style) {
        case psDefault:
            if (hot && !checked && !pressed)
                drawRaisedOrSunken(p, rect, false, clBtnFace);
            else
                drawRaisedOrSunken(p, rect, true, hot ? clBtnFace : cl3DLight);
            break;
        case psOffice2003: {
            const int top = hot && (checked || pressed) ? 8 : hot ? 6 : 4;
            SharedDraw::drawVertGradient(p, rect, Themes::stateColor(top), Themes::stateColor(top + 1));
            SharedDraw::drawFrame(p, rect, Themes::stateColor(3));
            break;
        }
        case psOffice2007:
            if (checked || (hot && pressed)) {
                SharedDraw::drawFrame(p, rect, tcolor(0x55829E));
                SharedDraw::fillGlossy(p, rect.adjusted(1, 1, -1, -1), tcolor(0x398AFB), tcolor(0x60BBFE), rect.height() / 2);
            } else {
                SharedDraw::drawFrame(p, rect, tcolor(0x99CEDB));
                frameAndFill(p, rect.adjusted(1, 1, -1, -1), tcolor(0xC8F2FF), tcolor(0xC8F2FF));
                SharedDraw::fillGlossy(p, rect.adjusted(2, 2, -2, -2), tcolor(0x33CCFF), tcolor(0x84E6FF), rect.height() / 2);
            }
            break;
        case psWhidbey: {
            const int alpha = hot && (checked || pressed) ? 160 : hot ? 80 : 35;
            frameAndFill(p, rect, clHighlight, ColorBlend::blendAlpha(clHighlight, clWindow, alpha));
            break;
        }
        }
    }
    const QImage source = toolbar()->buttons().item(index)->glyph();
    if (source.isNull())
        return;
    const QPixmap glyph = GlyphMask::bottomLeftTransparent(QPixmap::fromImage(source));
    p.drawPixmap(rect.left() + (rect.width() - glyph.width()) / 2, rect.top() + (rect.height() - glyph.height()) / 2,
                 glyph);
}

void TNxToolbarItemDisplay::keyDown(int key, Qt::KeyboardModifiers)
{
    toolbar()->pressButtonKey(key);
}

void TNxToolbarItemDisplay::setHot(int index)
{
    if (index == m_hot)
        return;
    const int old = m_hot;
    m_hot = index;
    if (old >= 0)
        item()->notify(TNxItemNotification::ToolbarButtonChanged, old);
    if (index >= 0)
        item()->notify(TNxItemNotification::ToolbarButtonChanged, index);
}

void TNxToolbarItemDisplay::mouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int x, int)
{
    m_pressed = buttonAt(x, rect().width());
    if (m_pressed >= 0)
        item()->notify(TNxItemNotification::ToolbarButtonChanged, m_pressed);
}

void TNxToolbarItemDisplay::mouseLeave()
{
    setHot(-1);
}

void TNxToolbarItemDisplay::mouseMove(Qt::KeyboardModifiers, int x, int)
{
    setHot(buttonAt(x, rect().width()));
}

void TNxToolbarItemDisplay::mouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int x, int)
{
    const int pressed = m_pressed;
    m_pressed = -1;
    if (pressed >= 0)
        item()->notify(TNxItemNotification::ToolbarButtonChanged, pressed);
    const int index = buttonAt(x, rect().width());
    TNxToolbarItem *bar = toolbar();
    if (index < 0 || bar->buttons().item(index)->divider())
        return;
    if (bar->buttons().item(index)->autoCheck())
        bar->setButtonChecked(index, !bar->buttons().item(index)->checked());
    else
        bar->clickButton(index);
}

void TNxCheckBoxItemDisplay::keyDown(int key, Qt::KeyboardModifiers modifiers)
{
    if (key == Qt::Key_Space && !(modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)))
        static_cast<TNxCheckBoxItem *>(item())->toggle();
}

void TNxCheckBoxItemDisplay::paintButton(const QRect &rect, bool checked, bool hot, bool pressed, int index)
{
    auto *box = static_cast<TNxCheckBoxItem *>(item());
    if (box->style() == TNxCheckBoxItem::bsButton) {
        TNxToolbarItemDisplay::paintButton(rect, checked, hot, pressed, index);
        if (checked)
            drawCheckMark(painter(), QRect(rect.center() - QPoint(6, 6), QSize(13, 13)), qcolor(clWindowText));
        return;
    }
    QPainter &p = painter();
    const QRect square(rect.left() + (rect.width() - 13) / 2, rect.top() + (rect.height() - 13) / 2, 13, 13);
    if (context().style == psDefault) {
        QStyleOptionButton option;
        option.rect = square;
        option.state = (checked ? QStyle::State_On : QStyle::State_Off) | QStyle::State_Enabled;
        if (!box->enabled())
            option.state &= ~QStyle::State_Enabled;
        if (pressed)
            option.state |= QStyle::State_Sunken;
        if (hot)
            option.state |= QStyle::State_MouseOver;
        QApplication::style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &p);
        return;
    }
    const bool enabled = box->enabled();
    TColor border = enabled ? (context().style == psOffice2007 ? scheme(1) : clBtnShadow) : clGrayText;
    TColor face = enabled && hot ? (pressed ? tcolor(0x60BBFE) : tcolor(0xC8F2FF)) : clWindow;
    frameAndFill(p, square, border, face);
    if (checked)
        drawCheckMark(p, square, qcolor(enabled ? clWindowText : clGrayText));
}

} // namespace talmo
