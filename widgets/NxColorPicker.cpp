#include "widgets/NxColorPicker.h"

#include "widgets/ColorNames.h"
#include "widgets/SharedDraw.h"
#include "widgets/SmallButton.h"
#include "widgets/WidgetImages.h"

#include <QColorDialog>
#include <QMouseEvent>
#include <QPainter>

namespace talmo {

namespace {

constexpr int PopupWidth = 213;
constexpr int PopupHeight = 151;
constexpr int GridTop = 28;

const QList<TColor> GreyAndPrimaryColumn = {
    rgbColor(0, 0, 0),       rgbColor(0x33, 0x33, 0x33), rgbColor(0x66, 0x66, 0x66), rgbColor(0x99, 0x99, 0x99),
    rgbColor(0xCC, 0xCC, 0xCC), rgbColor(0xFF, 0xFF, 0xFF), rgbColor(0xFF, 0, 0),       rgbColor(0, 0xFF, 0),
    rgbColor(0, 0, 0xFF),    rgbColor(0xFF, 0xFF, 0),    rgbColor(0, 0xFF, 0xFF),    rgbColor(0xFF, 0, 0xFF),
};

void drawNoColor(QPainter &painter, const QRect &box)
{
    painter.fillRect(box, Qt::white);
    painter.setPen(Qt::red);
    painter.drawLine(box.topLeft(), box.bottomRight());
    painter.drawLine(box.bottomLeft(), box.topRight());
}

std::optional<QColor> runQtColorDialog(QWidget *parent, const QColor &initial)
{
    const QColor color = QColorDialog::getColor(initial, parent);
    return color.isValid() ? std::optional<QColor>(color) : std::nullopt;
}

} // namespace

TNxColorPopup::TNxColorPopup(TNxPopupEdit *owner)
    : TNxPopupControl(owner)
    , m_colorsButton(new TSmallButton(this))
    , m_noneButton(new TSmallButton(this))
    , m_runDialog(runQtColorDialog)
{
    vertScrollBar().setVisible(false);
    m_colorsButton->setGeometry(160, 4, 20, 20);
    m_noneButton->setGeometry(180, 4, 20, 20);
    m_colorsButton->setIcon(WidgetImages::moreColorsGlyph());
    m_noneButton->setIcon(WidgetImages::noColorGlyph());
    connect(m_noneButton, &QAbstractButton::clicked, this, [this] { doSelect(QString()); });
    connect(m_colorsButton, &QAbstractButton::clicked, this, [this] { runColorDialog(); });
    resize(PopupWidth, PopupHeight);
}

TColor TNxColorPopup::gridColor(int column, int row)
{
    if (column == 0 || column == 2)
        return clBlack;
    if (column == 1)
        return GreyAndPrimaryColumn.at(row);
    const int k = column - 3;
    const int red = 51 * (k / 6) + (row >= 6 ? 153 : 0);
    return rgbColor(red, 51 * (k % 6), 51 * (row % 6));
}

std::optional<QPoint> TNxColorPopup::cellAt(const QPoint &pos)
{
    if (pos.x() < 0 || pos.y() < GridTop)
        return std::nullopt;
    const int column = pos.x() / 10;
    const int row = (pos.y() - GridTop) / 10;
    if (column >= GridColumns || row >= GridRows)
        return std::nullopt;
    return QPoint(column, row);
}

void TNxColorPopup::setNotation(bool webFormat, bool useColorNames)
{
    m_webFormat = webFormat;
    m_useColorNames = useColorNames;
}

QString TNxColorPopup::textOf(TColor color) const
{
    if (SystemColors::isSystemColor(color))
        return ColorNames::colorToString(color);
    return m_webFormat ? ColorNames::colorToWebText(color, m_useColorNames)
                       : ColorNames::colorToPascalText(color, m_useColorNames);
}

void TNxColorPopup::selectAt(const QPoint &pos)
{
    const auto cell = cellAt(pos);
    doSelect(cell ? textOf(gridColor(cell->x(), cell->y())) : QString());
}

void TNxColorPopup::mouseMoveEvent(QMouseEvent *event)
{
    const auto cell = cellAt(event->position().toPoint());
    m_shownColor = cell ? gridColor(cell->x(), cell->y()) : m_selectedColor;
    update(QRect(0, 0, 150, GridTop));
    emit colorOver(m_shownColor);
}

void TNxColorPopup::runColorDialog()
{
    closePopup();
    const auto chosen = m_runDialog(ownerEdit(), SystemColors::toQColor(m_selectedColor));
    if (!chosen) {
        emit dialogClose(false);
        return;
    }
    const TColor color = SystemColors::fromQColor(*chosen);
    doSelect(m_webFormat ? ColorNames::colorToWebColor(color) : ColorNames::colorToString(color));
    emit dialogClose(true);
}

void TNxColorPopup::paintContent(QPainter &painter)
{
    painter.fillRect(rect(), SystemColors::toQColor(clBtnFace));
    QRect selectedCell;
    for (int row = 0; row < GridRows; ++row) {
        for (int column = 0; column < GridColumns; ++column) {
            const QRect cell(10 * column, GridTop + 10 * row, 11, 11);
            const TColor color = gridColor(column, row);
            painter.setPen(Qt::black);
            painter.setBrush(SystemColors::toQColor(color));
            painter.drawRect(cell.adjusted(0, 0, -1, -1));
            if (color == m_selectedColor)
                selectedCell = cell;
        }
    }
    painter.setBrush(Qt::NoBrush);
    if (!selectedCell.isNull() && m_selectedColor != clNone)
        SharedDraw::drawFrame(painter, selectedCell, clWhite);
    painter.setPen(SystemColors::toQColor(clBtnText));
    painter.drawText(QRect(45, 8, 60, 17), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, shownText());
    const QRect swatch(4, 4, 35, 20);
    painter.setPen(Qt::black);
    if (m_shownColor == clNone) {
        painter.drawRect(swatch.adjusted(0, 0, -1, -1));
        drawNoColor(painter, swatch.adjusted(1, 1, -1, -1));
    } else {
        painter.setBrush(SystemColors::toQColor(m_shownColor));
        painter.drawRect(swatch.adjusted(0, 0, -1, -1));
    }
}

TNxColorPicker::TNxColorPicker(QWidget *parent)
    : TNxPopupEdit(parent)
{
    auto *popup = new TNxColorPopup(this);
    setPopup(popup);
    connect(popup, &TNxColorPopup::colorOver, this, &TNxColorPicker::colorOver);
    connect(popup, &TNxColorPopup::dialogClose, this, &TNxColorPicker::dialogClose);
    connect(this, &QLineEdit::textChanged, this, [this](const QString &text) { applyText(text); });
    setShowPreview(true);
    setPreviewBorder(true);
    setText(QStringLiteral("$00FFFFFF"));
}

TNxColorPopup *TNxColorPicker::colorPopup() const
{
    return static_cast<TNxColorPopup *>(popupControl());
}

void TNxColorPicker::setSelectedColor(TColor color)
{
    if (color == m_selectedColor)
        return;
    m_selectedColor = color;
    setText(colorToText(color));
    invalidatePreview();
}

void TNxColorPicker::setWebColorFormat(bool value)
{
    if (value == m_webColorFormat)
        return;
    m_webColorFormat = value;
    setText(colorToText(m_selectedColor));
}

void TNxColorPicker::applyText(const QString &text)
{
    // Text that cannot be read as a colour (a "#" pasted in platform
    // notation, say) leaves the colour as it was.
    if (const auto color = notation().colorOfTypedText(text))
        m_selectedColor = *color;
    invalidatePreview();
}

void TNxColorPicker::acceptPopupText(TNxPopupControl *sender, const QString &text)
{
    applyText(text);
    TNxPopupEdit::acceptPopupText(sender, text);
}

void TNxColorPicker::preparePopup()
{
    TNxColorPopup *popup = colorPopup();
    popup->setFont(font());
    popup->colorsButton()->setVisible(m_options & coColorsButton);
    popup->noneButton()->setVisible(m_options & coNoneButton);
    popup->setSelectedColor(m_selectedColor);
    popup->setNotation(m_webColorFormat, m_options & coAllowColorNames);
    popup->resize(PopupWidth, PopupHeight);
}

void TNxColorPicker::drawPreview(QPainter &painter, const QRect &rect)
{
    TNxPopupEdit::drawPreview(painter, rect);
    if (text().isEmpty())
        drawNoColor(painter, rect);
    else
        painter.fillRect(rect, SystemColors::toQColor(m_selectedColor));
}

bool TNxColorPicker::acceptsTypedText(const QString &text)
{
    if (m_options & coAllowColorNames)
        return true;
    const int position = hasSelectedText() ? selectionStart() : cursorPosition();
    return notation().acceptsTypedCharacter(this->text(), position, hasSelectedText(), text.at(0));
}

void TNxColorPicker::pasteText(const QString &text)
{
    const int caret = hasSelectedText() ? selectionStart() : cursorPosition();
    const ColorText rules = notation();
    QString whole = this->text();
    const QString cleaned = rules.cleanText(text, caret == 0);
    if (hasSelectedText())
        whole.replace(selectionStart(), selectedText().size(), cleaned);
    else
        whole.insert(caret, cleaned);
    setText(rules.fixLength(whole));
    setCursorPosition(caret);
}

void TNxColorPicker::focusOutEvent(QFocusEvent *event)
{
    TNxPopupEdit::focusOutEvent(event);
    applyText(text());
}

} // namespace talmo
