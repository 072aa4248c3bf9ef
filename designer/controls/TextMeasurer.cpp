#include "designer/controls/TextMeasurer.h"

#include <QFontMetrics>

namespace talmo {

namespace {

const TTextMeasurer *installedMeasurer = nullptr;

} // namespace

QSize TTextMeasurer::textSize(const QString &text, const QFont &font, int wrapWidth) const
{
    const QFontMetrics metrics(font);
    const int flags = Qt::TextExpandTabs | (wrapWidth > 0 ? Qt::TextWordWrap : 0);
    const QRect bounds(0, 0, wrapWidth > 0 ? wrapWidth : 0x7FFF, 0x7FFF);
    return metrics.boundingRect(bounds, flags, text).size();
}

const TTextMeasurer &TTextMeasurer::current()
{
    static const TTextMeasurer fallback;
    return installedMeasurer ? *installedMeasurer : fallback;
}

void TTextMeasurer::install(const TTextMeasurer *measurer)
{
    installedMeasurer = measurer;
}

} // namespace talmo
