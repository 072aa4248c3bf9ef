#include "helpers/ui/HelpViewerFont.h"

#include <QFont>
#include <QFontInfo>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>

namespace talmo {

namespace {

constexpr qreal SmallestReadablePoints = 8.0;
constexpr qreal LargestViewerPoints = 24.0;
constexpr qreal Step = 0.25;

// The points the screen draws HTML size 1 in on a viewer of this font: the
// scale is the text engine's, the rounding to whole pixels the screen's.
qreal SmallestDrawnPoints(const QFont &viewerFont)
{
    QTextDocument probe;
    probe.setDefaultFont(viewerFont);
    probe.setHtml(QStringLiteral("<font size=\"1\">x</font>"));
    QTextCursor cursor(&probe);
    cursor.setPosition(1);
    return QFontInfo(cursor.charFormat().font()).pointSizeF();
}

} // namespace

void FitHelpViewerFont(QTextBrowser &viewer)
{
    QFont font = viewer.font();
    if (font.pointSizeF() <= 0)
        font.setPointSizeF(QFontInfo(font).pointSizeF());
    const qreal start = font.pointSizeF();
    while (SmallestDrawnPoints(font) < SmallestReadablePoints - 0.01 && font.pointSizeF() < LargestViewerPoints)
        font.setPointSizeF(font.pointSizeF() + Step);
    if (font.pointSizeF() != start)
        viewer.setFont(font);
}

} // namespace talmo
