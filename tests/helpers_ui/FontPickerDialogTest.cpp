#include "helpers/ui/FontPickerDialog.h"

#include <QComboBox>

#include <gtest/gtest.h>

using namespace talmo;

TEST(FontPickerDialog, ShowsTheInitialFontAndReturnsItUnchanged)
{
    FontChoice initial;
    initial.name = QStringLiteral("Courier New");
    initial.size = 14;
    initial.italic = true;
    initial.strikeOut = true;
    initial.color = QColor(0x12, 0x34, 0x56);
    initial.charset = 204;
    FontPickerDialog dialog(initial);
    EXPECT_EQ(dialog.choice(), initial);

    // A character set the list does not name is kept by its number.
    initial.charset = 99;
    EXPECT_EQ(FontPickerDialog(initial).choice().charset, 99);
}
