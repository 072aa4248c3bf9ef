#pragma once

#include "widgets/ColorText.h"
#include "widgets/Colors.h"
#include "widgets/NxPopupEdit.h"

#include <functional>
#include <optional>

namespace talmo {

class TSmallButton;

// Runs the more-colours dialog: the chosen colour, or nothing when cancelled.
using ColorDialogRunner = std::function<std::optional<QColor>(QWidget *parent, const QColor &initial)>;

// The colour grid under a colour picker: 21 x 12 cells (greys, primaries and
// the 216 web-safe colours), a swatch with the colour's text, and buttons
// for more colours and for no colour.
class TNxColorPopup : public TNxPopupControl
{
    Q_OBJECT
public:
    static constexpr int GridColumns = 21;
    static constexpr int GridRows = 12;

    explicit TNxColorPopup(TNxPopupEdit *owner);

    static TColor gridColor(int column, int row);
    // The cell under a point, if any.
    static std::optional<QPoint> cellAt(const QPoint &pos);

    TColor selectedColor() const { return m_selectedColor; }
    void setSelectedColor(TColor color) { m_selectedColor = m_shownColor = color; }
    void setNotation(bool webFormat, bool useColorNames);
    // The colour the swatch shows: the cell under the pointer or the selection.
    TColor shownColor() const { return m_shownColor; }
    // The text beside the swatch: the shown colour in the picker's notation,
    // a system colour by its name (no hex value says what it looks like).
    QString shownText() const { return textOf(m_shownColor); }
    TSmallButton *colorsButton() const { return m_colorsButton; }
    TSmallButton *noneButton() const { return m_noneButton; }
    void setColorDialogRunner(ColorDialogRunner runner) { m_runDialog = std::move(runner); }

signals:
    void colorOver(TColor color);
    void dialogClose(bool executed);

protected:
    void selectAt(const QPoint &pos) override;
    void paintContent(QPainter &painter) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QString textOf(TColor color) const;
    void runColorDialog();

    TColor m_selectedColor = clWhite;
    TColor m_shownColor = clWhite;
    bool m_webFormat = false;
    bool m_useColorNames = false;
    TSmallButton *m_colorsButton;
    TSmallButton *m_noneButton;
    ColorDialogRunner m_runDialog;
};

enum TNxColorPickerOption { coAllowColorNames = 0x1, coColorsButton = 0x2, coNoneButton = 0x4 };
Q_DECLARE_FLAGS(TNxColorPickerOptions, TNxColorPickerOption)

// A drop-down edit whose text is a colour and whose preview box shows it.
// The text follows SelectedColor; typed text sets SelectedColor as if padded
// to its full length, while the field keeps what was typed.
class TNxColorPicker : public TNxPopupEdit
{
    Q_OBJECT
public:
    explicit TNxColorPicker(QWidget *parent = nullptr);

    TNxColorPickerOptions options() const { return m_options; }
    void setOptions(TNxColorPickerOptions options) { m_options = options; }
    TColor selectedColor() const { return m_selectedColor; }
    void setSelectedColor(TColor color);
    bool webColorFormat() const { return m_webColorFormat; }
    void setWebColorFormat(bool value);
    TNxColorPopup *colorPopup() const;

    ColorText notation() const { return ColorText(m_webColorFormat, m_options & coAllowColorNames); }
    QString colorToText(TColor color) const { return notation().colorToText(color); }
    // Sets SelectedColor from a text; empty or unreadable text keeps it.
    void applyText(const QString &text);
    void acceptPopupText(TNxPopupControl *sender, const QString &text) override;

signals:
    void colorOver(TColor color);
    void dialogClose(bool executed);

protected:
    void preparePopup() override;
    void drawPreview(QPainter &painter, const QRect &rect) override;
    bool acceptsTypedText(const QString &text) override;
    void pasteText(const QString &text) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    TNxColorPickerOptions m_options = {coColorsButton, coNoneButton};
    TColor m_selectedColor = clWhite;
    bool m_webColorFormat = false;
};

} // namespace talmo

Q_DECLARE_OPERATORS_FOR_FLAGS(talmo::TNxColorPickerOptions)
