#pragma once

#include "widgets/NxTextItem.h"

#include <optional>

namespace talmo {

// A row holding a colour as text, in the platform's notation (clRed,
// $00BBGGRR, decimal) or the web's (red, #RRGGBB).
class TNxColorItem : public TNxPopupItem
{
    Q_OBJECT

public:
    enum ColorKind { ckDelphi, ckWeb };

    ColorKind colorKind() const { return m_colorKind; }
    void setColorKind(ColorKind value) { m_colorKind = value; }
    bool useColorNames() const { return m_useColorNames; }
    void setUseColorNames(bool value) { m_useColorNames = value; }

    // The row's text for a colour in its notation.
    QString textOfColor(TColor color) const;
    // clNone for empty text; nothing for text that is no colour of the notation.
    std::optional<TColor> colorOfText(const QString &text) const;

    TNxDisplayKind displayKind() const override { return TNxDisplayKind::Color; }
    TNxEditorKind editorKind() const override { return TNxEditorKind::ColorPicker; }

private:
    ColorKind m_colorKind = ckDelphi;
    bool m_useColorNames = false;
};

} // namespace talmo
