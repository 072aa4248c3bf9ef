#include "widgets/Colors.h"
#include "widgets/ImageFit.h"
#include "widgets/NxImage.h"

#include <QTest>

#include <gtest/gtest.h>

using namespace talmo;

namespace {

TEST(ImageFitTest, FitRectTable)
{
    // A 110 x 110 box with Margin 4 leaves (5, 5, 100, 100) for the picture.
    const QRect imageRect(5, 5, 100, 100);
    struct Case
    {
        QSize picture;
        QRect expected;
    };
    const Case cases[] = {
        {{100, 50}, QRect(5, 30, 100, 50)}, {{50, 100}, QRect(30, 5, 50, 100)},
        {{200, 100}, QRect(5, 30, 100, 50)}, {{10, 10}, QRect(5, 5, 100, 100)},
        {{3, 2}, QRect(5, 21, 100, 67)},     {{300, 301}, QRect(5, 5, 100, 100)},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ImageFit::fitRect(imageRect, c.picture), c.expected) << c.picture.width() << "x" << c.picture.height();
}

TEST(NxImageTest, PaintsThePictureInsideItsFrameAndTakesFocusOnPress)
{
    TNxImage box;
    box.resize(110, 110);
    QPixmap picture(100, 50);
    picture.fill(Qt::blue);
    box.setPicture(picture);
    EXPECT_EQ(box.imageRect(), QRect(5, 5, 100, 100));
    EXPECT_EQ(box.fitRect(), QRect(5, 30, 100, 50));

    QImage image(box.size(), QImage::Format_ARGB32);
    image.fill(Qt::red);
    box.render(&image);
    EXPECT_EQ(image.pixelColor(5, 30), SystemColors::toQColor(clBtnFace));
    EXPECT_EQ(image.pixelColor(6, 31), SystemColors::toQColor(clBtnFace));
    EXPECT_EQ(image.pixelColor(7, 32), QColor(Qt::blue));
    EXPECT_NE(image.pixelColor(50, 10), QColor(Qt::red));

    box.setDrawFrame(false);
    box.render(&image);
    EXPECT_EQ(image.pixelColor(5, 30), QColor(Qt::blue));

    box.show();
    box.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_TRUE(box.hasFocus());
}

} // namespace
