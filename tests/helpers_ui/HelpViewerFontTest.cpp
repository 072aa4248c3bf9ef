#include "helpers/ui/HelpViewerFont.h"

#include <QFontInfo>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

using namespace talmo;

namespace {

// The size in points that the first character of the page is drawn at.
qreal FirstCharacterPoints(QTextBrowser &viewer, const QString &html)
{
    viewer.setHtml(html);
    QTextCursor cursor(viewer.document());
    cursor.setPosition(1);
    return QFontInfo(cursor.charFormat().font()).pointSizeF();
}

TEST(HelpViewerFontTest, TheSmallestHtmlSizeReadsAtEightPointsAtLeast)
{
    const QString smallest = QStringLiteral("<font size=\"1\" face=\"tahoma\">Help</font>");
    for (qreal points : {6.0, 8.0, 9.0}) {
        QTextBrowser viewer;
        QFont font = viewer.font();
        font.setPointSizeF(points);
        viewer.setFont(font);
        EXPECT_LT(FirstCharacterPoints(viewer, smallest), 7.95) << points << " points before";
        FitHelpViewerFont(viewer);
        EXPECT_GE(FirstCharacterPoints(viewer, smallest), 7.95) << points;
    }
    // A larger font stays as it is.
    QTextBrowser large;
    QFont font = large.font();
    font.setPointSizeF(14);
    large.setFont(font);
    FitHelpViewerFont(large);
    EXPECT_EQ(large.font().pointSizeF(), 14);
}

} // namespace
