#include "widgets/NxComboBox.h"

#include "widgets/ColorBlend.h"
#include "widgets/SharedDraw.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

namespace talmo {

QString ComboItemText::name(const QString &line)
{
    const qsizetype equals = line.indexOf(u'=');
    return equals < 0 ? line : line.left(equals);
}

QString ComboItemText::value(const QString &line)
{
    const qsizetype equals = line.indexOf(u'=');
    return equals < 0 ? QString() : line.mid(equals + 1);
}

QString ComboItemText::display(const QString &line, TItemsDisplayMode mode)
{
    switch (mode) {
    case dmDefault: return line;
    case dmNameList: return name(line);
    case dmValueList:
    case dmIndentList: return value(line);
    }
    return line;
}

int ComboItemText::indentLevel(const QString &line)
{
    return name(line).trimmed().toInt();
}

TNxPopupList::TNxPopupList(TNxPopupEdit *owner)
    : TNxPopupControl(owner)
{
    vertScrollBar().setVisible(false);
}

void TNxPopupList::setColors(TColor dropDown, TColor highlightText, TColor selection)
{
    m_dropDownColor = dropDown;
    m_highlightTextColor = highlightText;
    m_selectionColor = selection;
}

int TNxPopupList::visibleCount() const
{
    return (height() - 4) / m_itemHeight;
}

void TNxPopupList::setItemIndex(int index)
{
    m_itemIndex = index;
    TNxVertScrollBar &bar = vertScrollBar();
    if (index >= bar.position() + visibleCount())
        bar.setPosition(index - visibleCount() + 1);
    else if (index < bar.position())
        bar.setPosition(index);
    setHoverIndex(index);
}

void TNxPopupList::setHoverIndex(int index)
{
    if (index == m_hoverIndex)
        return;
    const int old = m_hoverIndex;
    m_hoverIndex = index;
    update(rowRect(old - vertScrollBar().position()));
    update(rowRect(index - vertScrollBar().position()));
}

void TNxPopupList::popup(const QPoint &globalPoint, bool openedByMouse)
{
    TNxVertScrollBar &bar = vertScrollBar();
    bar.setMax(scrollRange());
    if (itemCount() > 0) {
        const int b = bar.buttonSize();
        bar.setBounds(width() - b - 2, 2, b, height() - 4);
        const double share = double(visibleCount()) / itemCount() * 100;
        bar.setPageSize(ColorBlend::roundHalfEven(bar.trackLength() * share / 100));
    }
    TNxPopupControl::popup(globalPoint, openedByMouse);
}

int TNxPopupList::vertScrollDelta(int oldPosition, int newPosition) const
{
    return (oldPosition - newPosition) * m_itemHeight;
}

QRect TNxPopupList::rowRect(int row) const
{
    const QRect inner = innerRect();
    return QRect(inner.x(), inner.y() + row * m_itemHeight, inner.width(), m_itemHeight);
}

void TNxPopupList::paintContent(QPainter &painter)
{
    const QRect inner = innerRect();
    painter.fillRect(rect(), SystemColors::toQColor(m_dropDownColor));
    const int first = vertScrollBar().position();
    for (int row = 0; first + row < itemCount(); ++row) {
        const QRect rowArea = rowRect(row);
        if (rowArea.y() >= inner.y() + inner.height())
            break;
        const int index = first + row;
        const bool hover = index == m_hoverIndex;
        painter.fillRect(rowArea, SystemColors::toQColor(hover ? m_selectionColor : m_dropDownColor));
        painter.setPen(SystemColors::toQColor(hover ? m_highlightTextColor : clWindowText));
        drawItem(painter, index, rowArea);
    }
}

int TNxPopupList::textIndent(int index) const
{
    int indent = 2;
    if (m_showImages && index < m_images.size())
        indent = m_images.at(index).width() + 5;
    if (m_displayMode == dmIndentList)
        indent += 10 * ComboItemText::indentLevel(m_items.at(index));
    return indent;
}

int TNxPopupList::widthForItems() const
{
    // The frame, and the scroll bar where not every line shows.
    const int frameWidth = 4 + (scrollRange() > 0 ? vertScrollBar().buttonSize() : 0);
    int widest = 0;
    for (int index = 0; index < itemCount(); ++index) {
        const int text = fontMetrics().horizontalAdvance(ComboItemText::display(m_items.at(index), m_displayMode));
        // A pixel of room after the text, as before it.
        widest = std::max(widest, textIndent(index) + text + 2);
    }
    return widest + frameWidth;
}

void TNxPopupList::drawItem(QPainter &painter, int index, const QRect &rect)
{
    if (m_showImages && index < m_images.size()) {
        const QPixmap &image = m_images.at(index);
        painter.drawPixmap(rect.x() + 2, rect.y() + m_itemHeight / 2 - image.height() / 2, image);
    }
    QRect textRect = rect;
    textRect.setLeft(rect.x() + textIndent(index));
    SharedDraw::drawTextRect(painter, textRect, HorzAlign::Left,
                             ComboItemText::display(m_items.at(index), m_displayMode));
}

void TNxPopupList::selectAt(const QPoint &pos)
{
    if (!innerRect().contains(pos))
        return;
    m_itemIndex = (pos.y() - 2) / m_itemHeight + vertScrollBar().position();
    if (m_itemIndex >= 0 && m_itemIndex < itemCount())
        doSelect(m_items.at(m_itemIndex));
}

void TNxPopupList::mouseMoveEvent(QMouseEvent *event)
{
    TNxPopupControl::mouseMoveEvent(event);
    const QPoint pos = event->position().toPoint();
    if (innerRect().contains(pos) && !thumbDown())
        setHoverIndex((pos.y() - 2) / m_itemHeight + vertScrollBar().position());
}

void TNxPopupList::wheelEvent(QWheelEvent *event)
{
    vertScrollBar().moveBy(event->angleDelta().y() > 0 ? -1 : 1);
    event->accept();
}

TNxComboBox::TNxComboBox(QWidget *parent)
    : TNxComboBox(parent, [](TNxPopupEdit *owner) { return new TNxPopupList(owner); })
{
}

TNxComboBox::TNxComboBox(QWidget *parent, ListFactory createList)
    : TNxPopupEdit(parent)
{
    setPopup(createList(this));
}

TNxPopupList *TNxComboBox::popupList() const
{
    return static_cast<TNxPopupList *>(popupControl());
}

void TNxComboBox::setItems(const QStringList &items)
{
    m_items = items;
}

QString TNxComboBox::textOfItem(int index) const
{
    if (index < 0 || index >= m_items.size())
        return QString();
    return ComboItemText::display(m_items.at(index), m_displayMode);
}

void TNxComboBox::setItemIndex(int index)
{
    m_itemIndex = index;
    setText(textOfItem(index));
    popupList()->setItemIndex(index);
    if (showPreview())
        invalidatePreview();
}

void TNxComboBox::setStyle(TDropDownStyle style)
{
    TNxPopupEdit::setStyle(style);
    if (style == dsDropDownList)
        setItemIndex(m_itemIndex);
}

void TNxComboBox::preparePopup()
{
    TNxPopupList *list = popupList();
    list->setColors(m_dropDownColor, m_highlightTextColor, m_selectionColor);
    list->setDisplayMode(m_displayMode);
    list->setItems(m_items);
    list->setImages(m_images);
    list->setItemHeight(m_itemHeight);
    list->setShowImages(!m_images.isEmpty());
    const int rows = std::min(m_dropDownCount, int(m_items.size()));
    list->resize(width(), rows * list->itemHeight() + 4);
    // The list is never narrower than the box, and wider where a line needs it.
    list->resize(std::max(width(), list->widthForItems()), list->height());
    list->setItemIndex(m_itemIndex);
}

void TNxComboBox::acceptPopupText(TNxPopupControl *sender, const QString &text)
{
    setItemIndex(popupList()->itemIndex());
    TNxPopupEdit::acceptPopupText(sender, text);
}

void TNxComboBox::setTextFromPopup(const QString &)
{
    // The text follows ItemIndex by the display mode, not the raw line.
}

void TNxComboBox::textEditedByUser(const QString &text)
{
    if (m_displayMode != dmDefault)
        return;
    const bool isLine = std::any_of(m_items.begin(), m_items.end(), [&text](const QString &line) {
        return line.compare(text, Qt::CaseInsensitive) == 0;
    });
    if (!isLine)
        m_itemIndex = -1;
}

void TNxComboBox::drawPreview(QPainter &painter, const QRect &rect)
{
    TNxPopupEdit::drawPreview(painter, rect);
    const bool highlighted = hasFocus() && style() == dsDropDownList && !inplaceEditor();
    painter.fillRect(rect, palette().color(highlighted ? QPalette::Highlight : QPalette::Base));
    if (m_itemIndex >= 0 && m_itemIndex < m_images.size()) {
        const QPixmap &image = m_images.at(m_itemIndex);
        painter.drawPixmap(rect.x() + 1, height() / 2 - image.height() / 2, image);
    }
}

void TNxComboBox::stepItem(int delta)
{
    if (m_items.isEmpty())
        return;
    const int from = droppedDown() ? popupList()->hoverIndex() : m_itemIndex;
    setItemIndex(std::clamp(from + delta, 0, int(m_items.size()) - 1));
}

void TNxComboBox::selectByFirstLetter(QChar letter)
{
    const auto startsWith = [letter](const QString &line) {
        return !line.isEmpty() && line.at(0).toCaseFolded() == letter.toCaseFolded();
    };
    const bool onMatch = m_itemIndex >= 0 && m_itemIndex < m_items.size() && startsWith(m_items.at(m_itemIndex));
    for (int i = onMatch ? m_itemIndex + 1 : 0; i < m_items.size(); ++i) {
        if (startsWith(m_items.at(i))) {
            setItemIndex(i);
            return;
        }
    }
}

void TNxComboBox::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if ((key == Qt::Key_Up || key == Qt::Key_Down) && !(event->modifiers() & Qt::AltModifier)) {
        stepItem(key == Qt::Key_Up ? -1 : 1);
        event->accept();
        return;
    }
    const QString typed = event->text();
    if (style() == dsDropDownList && !typed.isEmpty() && typed.at(0).isPrint()
        && !(event->modifiers() & Qt::ControlModifier)) {
        selectByFirstLetter(typed.at(0));
        event->accept();
        return;
    }
    TNxPopupEdit::keyPressEvent(event);
}

void TNxComboBox::wheelEvent(QWheelEvent *event)
{
    const int delta = event->angleDelta().y() > 0 ? -1 : 1;
    if (droppedDown()) {
        popupList()->vertScrollBar().moveBy(delta);
    } else if (!m_items.isEmpty()) {
        setItemIndex(std::clamp(m_itemIndex + delta, 0, int(m_items.size()) - 1));
    }
    event->accept();
}

void TFontPopup::drawItem(QPainter &painter, int index, const QRect &rect)
{
    QFont font(items().at(index));
    font.setPointSize(std::max(1, itemHeight() - 8));
    painter.save();
    painter.setFont(font);
    SharedDraw::drawTextRect(painter, rect.adjusted(2, 0, 0, 0), HorzAlign::Left, items().at(index));
    painter.restore();
}

TNxFontComboBox::TNxFontComboBox(QWidget *parent)
    : TNxComboBox(parent, [](TNxPopupEdit *owner) -> TNxPopupList * { return new TFontPopup(owner); })
{
    setItems(QFontDatabase::families());
}

void TNxFontComboBox::drawPreview(QPainter &painter, const QRect &rect)
{
    TNxComboBox::drawPreview(painter, rect);
    SharedDraw::drawFontSample(painter, rect, text());
}

} // namespace talmo
