#include "widgets/NxImageList.h"
#include "widgets/NxLabel.h"
#include "widgets/NxLinkLabel.h"

#include <QCoreApplication>
#include <QEnterEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <cmath>

using namespace talmo;

namespace {

TEST(LabelPlacementTest, NinePositionsInsideAndOutside)
{
    // Associate at (100, 50), 80 x 20; label 30 x 13; margins 4 and 2.
    const QRect associate(100, 50, 80, 20);
    const QSize label(30, 13);
    struct Case
    {
        THorizontalPosition h;
        TVerticalPosition v;
        bool innerH, innerV;
        QPoint expected;
    };
    const Case cases[] = {
        {hpLeft, vpTop, true, false, {104, 35}},    {hpLeft, vpTop, false, true, {66, 52}},
        {hpCenter, vpTop, true, false, {129, 35}},  {hpRight, vpTop, true, false, {146, 35}},
        {hpRight, vpTop, false, false, {184, 35}},  {hpLeft, vpMiddle, true, false, {104, 56}},
        {hpCenter, vpMiddle, false, true, {129, 56}}, {hpRight, vpMiddle, false, false, {184, 56}},
        {hpLeft, vpBottom, true, true, {104, 59}},  {hpCenter, vpBottom, true, false, {129, 72}},
        {hpRight, vpBottom, true, false, {146, 72}},
    };
    for (const Case &c : cases) {
        LabelPlacement placement;
        placement.horizontalPosition = c.h;
        placement.verticalPosition = c.v;
        placement.innerHorizontal = c.innerH;
        placement.innerVertical = c.innerV;
        placement.horizontalMargin = 4;
        placement.verticalMargin = 2;
        EXPECT_EQ(placement.place(associate, label), c.expected) << c.h << " " << c.v << " " << c.innerH << c.innerV;
    }
}

struct AttachedLabelFixture : ::testing::Test
{
    QWidget form;
    QLineEdit *edit = new QLineEdit(&form);
    TNxLabel *label = new TNxLabel(&form);

    void SetUp() override
    {
        form.resize(400, 300);
        edit->setGeometry(100, 60, 120, 21);
        label->setCaption("Name");
        form.show();
    }
};

TEST_F(AttachedLabelFixture, ANewLabelSitsAboveFlushLeftTwoPixelsApart)
{
    label->setAssociate(edit);
    EXPECT_EQ(label->pos(), QPoint(100, 60 - label->height() - 2));
}

TEST_F(AttachedLabelFixture, TheLabelFollowsItsAssociateUntilItIsFreed)
{
    label->setAssociate(edit);
    label->setHorizontalPosition(hpRight);
    label->setInnerHorizontal(false);
    label->innerMargins().setHorizontal(4);
    EXPECT_EQ(label->x(), 224);

    edit->move(10, 200);
    EXPECT_EQ(label->x(), 134);
    edit->resize(50, 21);
    EXPECT_EQ(label->x(), 64);

    const QPoint before = label->pos();
    delete edit;
    EXPECT_EQ(label->associate(), nullptr);
    EXPECT_EQ(label->pos(), before);
    label->setVerticalPosition(vpBottom);
    EXPECT_EQ(label->pos(), before);
}

TEST_F(AttachedLabelFixture, TheLabelIgnoresItselfAndAssignCopiesThePlacement)
{
    label->setAssociate(label);
    EXPECT_EQ(label->associate(), nullptr);

    label->setAssociate(edit);
    label->setVerticalPosition(vpMiddle);
    TNxLabel copy(&form);
    copy.assign(*label);
    EXPECT_EQ(copy.associate(), edit);
    EXPECT_EQ(copy.verticalPosition(), vpMiddle);
    EXPECT_EQ(copy.text(), "Name");
    edit->move(0, 0);
    EXPECT_EQ(copy.pos(), label->pos());
}

TEST(LinkLabelTest, SizesItselfToPictureAndText)
{
    TNxLinkLabel link;
    link.setCaption("Build project");
    const QFontMetricsF metrics(link.font());
    const int textWidth = int(std::ceil(metrics.horizontalAdvance("Build project")));
    const int textHeight = int(std::ceil(metrics.height()));
    EXPECT_EQ(link.size(), QSize(textWidth, textHeight + 2));

    QPixmap glyph(16, 40);
    glyph.fill(Qt::green);
    link.setGlyph(glyph);
    link.setTextDistance(6);
    EXPECT_EQ(link.size(), QSize(textWidth + 22, 42));
    EXPECT_EQ(link.textStart(), 22);

    link.setDisplayMode(dmNone);
    EXPECT_EQ(link.textStart(), 0);
}

TEST(LinkLabelTest, ALayoutNeverSqueezesALinkBelowItsText)
{
    QWidget column;
    auto *layout = new QVBoxLayout(&column);
    auto *link = new TNxLinkLabel;
    link->setCaption("Create new project using wizard.");
    layout->addWidget(link);
    column.resize(20, 5);
    column.show();
    QCoreApplication::processEvents();
    EXPECT_GE(link->width(), link->contentSize().width());
    EXPECT_GE(link->height(), link->contentSize().height());
}

TEST(LinkLabelTest, ImagesCountOnlyWithAValidIndexAndClearWhenFreed)
{
    TNxLinkLabel link;
    link.setCaption("Open");
    link.setDisplayMode(dmImageList);
    auto *images = new TNxImageList(24, 24);
    QPixmap image(24, 24);
    image.fill(Qt::blue);
    images->add(image);
    link.setImages(images);
    EXPECT_EQ(link.textStart(), 0);
    link.setImageIndex(0);
    EXPECT_EQ(link.textStart(), 26);
    delete images;
    EXPECT_EQ(link.images(), nullptr);
    EXPECT_EQ(link.textStart(), 0);
}

TEST(LinkLabelTest, AnEmptyCaptionTakesTheNewName)
{
    TNxLinkLabel link;
    link.setObjectName("lbl_Welcome");
    EXPECT_EQ(link.caption(), "lbl_Welcome");
    link.setObjectName("lbl_Other");
    EXPECT_EQ(link.caption(), "lbl_Welcome");
}

TEST(LinkLabelTest, HoverMarksItHot)
{
    TNxLinkLabel link;
    link.setCaption("Build and run project");
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QCoreApplication::sendEvent(&link, &enter);
    EXPECT_TRUE(link.hot());
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&link, &leave);
    EXPECT_FALSE(link.hot());
}

TEST(LinkLabelTest, ItsTextIsInTheLinkColourAndItsCursorAHand)
{
    TNxLinkLabel link;
    link.setCaption("Build project");
    link.resize(link.sizeHint());
    EXPECT_EQ(link.cursor().shape(), Qt::PointingHandCursor);
    const QImage image = link.grab().toImage();
    const QColor linkColour = link.palette().color(QPalette::Link);
    bool inLinkColour = false;
    for (int y = 0; y < image.height() && !inLinkColour; ++y) {
        for (int x = 0; x < image.width() && !inLinkColour; ++x)
            inLinkColour = image.pixelColor(x, y) == linkColour;
    }
    EXPECT_TRUE(inLinkColour);
}

TEST(LinkLabelTest, AClickReportsAndRendersUnderEveryMode)
{
    TNxLinkLabel link;
    link.setCaption("Advanced options");
    QSignalSpy clicks(&link, &TNxLinkLabel::clicked);
    QTest::mouseClick(&link, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(clicks.count(), 1);
    QImage image(link.size(), QImage::Format_ARGB32);
    link.setEnabled(false);
    link.render(&image);
}

} // namespace
