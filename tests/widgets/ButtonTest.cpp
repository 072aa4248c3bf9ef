#include "widgets/Colors.h"
#include "widgets/NxButton.h"

#include <QDialog>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace talmo;

namespace {

// A dialog with an edit, an "Ok" default button and a "Cancel" cancel button.
struct ButtonDialogFixture : ::testing::Test
{
    QDialog dialog;
    QLineEdit *edit = new QLineEdit(&dialog);
    TNxButton *ok = new TNxButton(&dialog);
    TNxButton *cancel = new TNxButton(&dialog);
    TNxButton *other = new TNxButton(&dialog);

    void SetUp() override
    {
        ok->setText("Ok");
        ok->setModalResult(QDialog::Accepted);
        ok->setDefault(true);
        ok->move(0, 40);
        cancel->setText("Cancel");
        cancel->setCancel(true);
        cancel->setModalResult(7);
        cancel->move(80, 40);
        other->move(160, 40);
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        edit->setFocus();
        ASSERT_TRUE(edit->hasFocus());
    }
};

TEST_F(ButtonDialogFixture, EnterClicksTheDefaultButtonWhileAnotherControlHasTheFocus)
{
    QSignalSpy okClicks(ok, &TNxButton::clicked);
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(okClicks.count(), 1);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(ButtonDialogFixture, EnterClicksTheFocusedButtonInsteadOfTheDefault)
{
    QSignalSpy okClicks(ok, &TNxButton::clicked);
    QSignalSpy otherClicks(other, &TNxButton::clicked);
    other->setFocus();
    EXPECT_TRUE(other->activeDefault());
    EXPECT_FALSE(ok->activeDefault());
    QTest::keyClick(other, Qt::Key_Return);
    EXPECT_EQ(otherClicks.count(), 1);
    EXPECT_EQ(okClicks.count(), 0);

    edit->setFocus();
    EXPECT_TRUE(ok->activeDefault());
    EXPECT_FALSE(other->activeDefault());
}

TEST_F(ButtonDialogFixture, EscapeClicksTheCancelButtonAndShiftedKeysDoNothing)
{
    QSignalSpy cancelClicks(cancel, &TNxButton::clicked);
    QSignalSpy okClicks(ok, &TNxButton::clicked);
    QTest::keyClick(edit, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(okClicks.count(), 0);
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(cancelClicks.count(), 1);
    EXPECT_EQ(dialog.result(), 7);
}

TEST_F(ButtonDialogFixture, ADisabledDefaultButtonIgnoresEnter)
{
    QSignalSpy okClicks(ok, &TNxButton::clicked);
    ok->setEnabled(false);
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(okClicks.count(), 0);
}

TEST(NxButtonTest, SpaceShowsPressedAndClicksOnRelease)
{
    TNxButton button;
    QSignalSpy clicks(&button, &TNxButton::clicked);
    QTest::keyPress(&button, Qt::Key_Space);
    EXPECT_TRUE(button.spacePressed());
    EXPECT_EQ(clicks.count(), 0);
    QTest::keyRelease(&button, Qt::Key_Space);
    EXPECT_FALSE(button.spacePressed());
    EXPECT_EQ(clicks.count(), 1);
}

TEST(NxButtonTest, ADisabledButtonShowsTheGreyGlyph)
{
    TNxButton button;
    button.resize(75, 23);
    button.setText("Build");
    QPixmap glyph(16, 16);
    glyph.fill(QColor(200, 40, 40));
    button.setGlyph(glyph);
    const QColor grey = button.disabledGlyph().toImage().pixelColor(3, 3);
    EXPECT_EQ(grey, QColor(93, 93, 93));

    button.setEnabled(false);
    QImage image(button.size(), QImage::Format_ARGB32);
    button.render(&image);
    const int total = 16 + button.fontMetrics().horizontalAdvance("Build") + 3;
    EXPECT_EQ(image.pixelColor(75 / 2 - total / 2 + 3, 23 / 2 - 8 + 3), grey);
}

TEST(NxButtonTest, TransparentGlyphsLoseTheirCornerColour)
{
    TNxButton button;
    QImage glyph(8, 8, QImage::Format_RGB32);
    glyph.fill(Qt::magenta);
    glyph.setPixelColor(4, 4, Qt::blue);
    button.setGlyph(QPixmap::fromImage(glyph));
    EXPECT_EQ(button.glyph().toImage().pixelColor(0, 0).alpha(), 255);
    button.setTransparent(true);
    const QImage masked = button.glyph().toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(masked.pixelColor(0, 0).alpha(), 0);
    EXPECT_EQ(masked.pixelColor(4, 4), QColor(Qt::blue));
    EXPECT_EQ(button.disabledGlyph().toImage().convertToFormat(QImage::Format_ARGB32).pixelColor(0, 0).alpha(), 0);
}

TEST(NxButtonTest, StickyDownDrawsThePressedLook)
{
    TNxButton button;
    button.resize(75, 23);
    QImage image(button.size(), QImage::Format_ARGB32);
    button.render(&image);
    EXPECT_EQ(image.pixelColor(0, 0), SystemColors::toQColor(clBtnHighlight));
    button.setStickyDown(true);
    button.render(&image);
    EXPECT_EQ(image.pixelColor(0, 0), SystemColors::toQColor(clBtnShadow));
    EXPECT_EQ(image.pixelColor(74, 22), SystemColors::toQColor(clBtnShadow));
}

} // namespace
