#pragma once

#include <QFont>
#include <QSize>
#include <QString>

namespace talmo {

// Measures caption text for AutoSize and default heights. Tests install one of
// their own so that sizes do not depend on the fonts of the machine.
class TTextMeasurer
{
public:
    virtual ~TTextMeasurer() = default;

    // The extent of text in font; with wrapWidth > 0 the lines break at words
    // within that width. Lines break at '\n' either way.
    virtual QSize textSize(const QString &text, const QFont &font, int wrapWidth) const;
    // The height of one text line.
    int lineHeight(const QFont &font) const { return textSize(QStringLiteral(" "), font, 0).height(); }

    static const TTextMeasurer &current();
    // nullptr restores the default (QFontMetrics). The measurer must outlive its use.
    static void install(const TTextMeasurer *measurer);
};

} // namespace talmo
