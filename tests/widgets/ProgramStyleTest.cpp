#include "widgets/ProgramStyle.h"

#include <QPushButton>

#include <gtest/gtest.h>

using namespace talmo;

namespace {

// The button's text keeps the margin from both edges inside the frame.
TEST(ProgramStyleTest, AButtonsTextKeepsItsMarginFromTheEdges)
{
    ProgramStyle style;
    for (const char *text : {"Build CAB(s)", "Set Custom", "Add Association", "A much longer caption for a button"}) {
        QPushButton button(QString::fromLatin1(text));
        button.setStyle(&style);
        const int textWidth = button.fontMetrics().horizontalAdvance(button.text());
        const int frame = style.pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button);
        EXPECT_GE(button.sizeHint().width(), textWidth + 2 * (ProgramStyle::ButtonTextMargin + frame)) << text;
    }
    // A button without text keeps the platform's size.
    QPushButton empty;
    empty.setStyle(&style);
    QPushButton plain;
    EXPECT_EQ(empty.sizeHint(), plain.sizeHint());
}

} // namespace
