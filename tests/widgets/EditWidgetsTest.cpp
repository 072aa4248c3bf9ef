#include "tests/support/QtPrinters.h"

#include "widgets/NxButtonEdit.h"
#include "widgets/NxCheckBox.h"
#include "widgets/NxEdit.h"
#include "widgets/NxMemo.h"
#include "widgets/NxSmallButton.h"

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace talmo;

namespace {

QPixmap glyphOfWidth(int width)
{
    QPixmap pixmap(width, 16);
    pixmap.fill(Qt::red);
    return pixmap;
}

} // namespace

TEST(EditMargins, PreviewDoublesTheLeftMarginAndAddsTheBox)
{
    struct Case
    {
        int marginLeft;
        bool preview;
        int glyphWidth;
        int expectedLeft, expectedInfoWidth;
    };
    const Case cases[] = {
        {3, true, 0, 31, 20}, {0, true, 0, 25, 20}, {0, false, 16, 20, 20}, {2, false, 16, 22, 20},
        {0, true, 16, 45, 40}, {5, false, 0, 5, 0},
    };
    for (const Case &c : cases) {
        TNxEdit edit;
        edit.setEditMargins(c.marginLeft, 0);
        edit.setShowPreview(c.preview);
        if (c.glyphWidth)
            edit.setGlyph(glyphOfWidth(c.glyphWidth));
        EXPECT_EQ(edit.textMargins().left(), c.expectedLeft) << c.marginLeft << c.preview << c.glyphWidth;
        EXPECT_EQ(edit.infoArea()->width(), c.expectedInfoWidth);
        EXPECT_EQ(edit.infoArea()->isVisibleTo(&edit), c.preview || c.glyphWidth);
    }
}

TEST(EditMargins, RemovingTheGlyphHidesTheInfoArea)
{
    TNxEdit edit;
    edit.setGlyph(glyphOfWidth(16));
    EXPECT_TRUE(edit.infoArea()->isVisibleTo(&edit));
    edit.setGlyph(QPixmap());
    EXPECT_FALSE(edit.infoArea()->isVisibleTo(&edit));
    EXPECT_EQ(edit.textMargins().left(), 0);
}

TEST(EditMargins, ButtonEditKeepsTheRightMarginClearOfItsButton)
{
    TNxButtonEdit edit;
    edit.resize(121, 20);
    EXPECT_EQ(edit.textMargins().right(), 21);
    EXPECT_EQ(edit.button()->geometry(), QRect(100, 0, 21, 20));
    edit.setButtonWidth(30);
    EXPECT_EQ(edit.textMargins().right(), 30);
    EXPECT_EQ(edit.button()->x(), 91);
}

TEST(Edit, GlyphClickFiresOncePerClick)
{
    TNxEdit edit;
    edit.setGlyph(glyphOfWidth(16));
    edit.show();
    QSignalSpy clicks(&edit, &TNxCustomEdit::glyphClick);
    QTest::mouseClick(edit.infoArea(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks.count(), 1);
    QTest::mouseClick(edit.infoArea(), Qt::LeftButton, {}, QPoint(18, 5)); // beside the glyph
    EXPECT_EQ(clicks.count(), 1);
}

TEST(Edit, ClickBesideTheInfoAreaSelectsAllWithinTwoPixels)
{
    TNxEdit edit;
    edit.setShowPreview(true);
    edit.setText("some text");
    edit.show();
    const int right = edit.infoArea()->width();
    QTest::mouseClick(&edit, Qt::LeftButton, {}, QPoint(right + 5, 10));
    EXPECT_FALSE(edit.hasSelectedText());
    QTest::mouseClick(&edit, Qt::LeftButton, {}, QPoint(right + 2, 10));
    EXPECT_EQ(edit.selectedText(), "some text");
}

TEST(ButtonEdit, DisabledTypingDropsKeysButTheButtonStillClicks)
{
    TNxButtonEdit edit;
    edit.setOptions(epDisableTyping);
    edit.setText("keep");
    edit.show();
    QSignalSpy clicks(&edit, &TNxCustomButtonEdit::buttonClick);
    QTest::keyClicks(&edit, "abc");
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QTest::keyClick(&edit, Qt::Key_Delete);
    QTest::keyClick(&edit, Qt::Key_Home);
    QTest::keyClick(&edit, Qt::Key_Delete);
    QGuiApplication::clipboard()->setText("pasted");
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), "keep");
    QTest::mouseClick(edit.button(), Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);
}

TEST(ButtonEdit, DisabledPasteIgnoresPastingOnly)
{
    TNxButtonEdit edit;
    edit.setOptions(epDisablePaste);
    edit.show();
    QGuiApplication::clipboard()->setText("pasted");
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(&edit, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(edit.text(), "");
    QTest::keyClicks(&edit, "typed");
    EXPECT_EQ(edit.text(), "typed");
    edit.setOptions({});
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), "typedpasted");
}

TEST(ButtonEdit, CaptionAndTransparentGlyph)
{
    TNxButtonEdit edit;
    edit.setButtonCaption("...");
    EXPECT_EQ(edit.button()->caption(), "...");
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    image.setPixel(1, 1, qRgb(0, 0, 0));
    edit.setTransparentColor(clFuchsia);
    edit.setButtonGlyph(QPixmap::fromImage(image));
    const QImage shown = edit.buttonGlyph().toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(qAlpha(shown.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(shown.pixel(1, 1)), 255);
}

TEST(CheckBox, SpaceTogglesOnReleaseNotOnPress)
{
    TNxCheckBox box;
    box.show();
    box.setFocus();
    QSignalSpy changes(&box, &QAbstractButton::toggled);
    QTest::keyPress(&box, Qt::Key_Space);
    EXPECT_FALSE(box.isChecked());
    EXPECT_TRUE(box.isDown());
    QTest::keyRelease(&box, Qt::Key_Space);
    EXPECT_TRUE(box.isChecked());
    EXPECT_EQ(changes.count(), 1);
}

TEST(CheckBox, OnlyTheBoxReactsUnlessTheActiveRectIsExpanded)
{
    TNxCheckBox box;
    box.setText("Caption");
    box.resize(100, 21);
    box.show();
    const QPoint onCaption(60, 10);
    QTest::mouseClick(&box, Qt::LeftButton, {}, onCaption);
    EXPECT_FALSE(box.isChecked());
    QTest::mouseClick(&box, Qt::LeftButton, {}, box.boxRect().center());
    EXPECT_TRUE(box.isChecked());
    box.setOptions(coExpandActiveRect);
    QTest::mouseClick(&box, Qt::LeftButton, {}, onCaption);
    EXPECT_FALSE(box.isChecked());
}

TEST(CheckBox, SettingTheCurrentValueFiresNothing)
{
    TNxCheckBox box;
    QSignalSpy changes(&box, &QAbstractButton::toggled);
    box.setChecked(false);
    EXPECT_EQ(changes.count(), 0);
    box.setChecked(true);
    box.setChecked(true);
    EXPECT_EQ(changes.count(), 1);
}

TEST(CheckBox, BoxIsElevenPixelsPlacedByAlignment)
{
    TNxCheckBox box;
    box.resize(75, 21);
    EXPECT_EQ(box.boxRect(), QRect(2, 5, 11, 11));
    box.setAlignment(HorzAlign::Right);
    box.setVerticalAlignment(VertAlign::Top);
    EXPECT_EQ(box.boxRect(), QRect(62, 2, 11, 11));
}

TEST(EditValues, ConversionsReadWhatTheWritersWrite)
{
    TNxEdit edit;
    edit.setAsBoolean(true);
    EXPECT_EQ(edit.text(), "True");
    EXPECT_EQ(edit.asBoolean(), true);
    edit.setAsInteger(-42);
    EXPECT_EQ(edit.asInteger(), -42);
    edit.setAsFloat(2.5);
    EXPECT_EQ(edit.asFloat(), 2.5);
    const QDateTime noon(QDate(2024, 2, 29), QTime(12, 30));
    edit.setAsDateTime(noon);
    EXPECT_EQ(edit.asDateTime(), noon);
    edit.setAsDateTime(QDateTime(QDate(2031, 1, 2), QTime(0, 0)));
    EXPECT_EQ(edit.asDateTime(), QDateTime(QDate(2031, 1, 2), QTime(0, 0)));
    edit.setText("not a number");
    EXPECT_EQ(edit.asInteger(), std::nullopt);
    EXPECT_EQ(edit.asBoolean(), std::nullopt);
}

TEST(Memo, MarginKeepsTheTextAwayFromTheLeftEdge)
{
    TNxMemo memo;
    memo.resize(100, 50);
    memo.show();
    const int plainLeft = memo.viewport()->x();
    const int plainRight = memo.viewport()->geometry().right();
    memo.setMargin(6);
    EXPECT_EQ(memo.viewport()->x(), plainLeft + 6);
    EXPECT_EQ(memo.viewport()->geometry().right(), plainRight - 7);
    EXPECT_EQ(memo.textRect(), QRect(QPoint(6, 0), QPoint(92, 50)));
}

TEST(CheckBox, AWrappingCaptionTakesMoreLinesAsTheBoxNarrowsAndNeverWidensItsLayout)
{
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *box = new TNxCheckBox;
    box->setText(QStringLiteral("Stretch or shrunk the wizard images if the wizard is larger or smaller than normal."));
    box->setWordWrap(true);
    layout->addWidget(box);
    const int oneLine = box->fontMetrics().horizontalAdvance(box->text());
    EXPECT_LT(window.minimumSizeHint().width(), oneLine / 2) << "the sentence does not set the least width";

    window.resize(oneLine / 3, 300);
    window.show();
    QCoreApplication::processEvents();
    const QRect text = box->textRect();
    const int needed =
        box->fontMetrics().boundingRect(QRect(0, 0, text.width(), 100000), Qt::TextWordWrap, box->text()).height();
    EXPECT_GE(needed, 3 * box->fontMetrics().height()) << "three lines or more";
    EXPECT_GE(text.height(), needed) << "every line shows";
    EXPECT_EQ(box->boxRect().top(), 2) << "the box stands beside the first line";
}
