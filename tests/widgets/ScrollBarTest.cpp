#include "tests/support/QtPrinters.h"

#include "widgets/NxScrollBar.h"

#include <gtest/gtest.h>

#include <vector>

using namespace talmo;

namespace {

class RecordingOwner : public ScrollBarOwner
{
public:
    std::vector<int> scrolledBy;
    std::vector<ScrollCode> requests;

    int vertScrollDelta(int oldPosition, int newPosition) const override { return (oldPosition - newPosition) * 16; }
    void scrollContent(TNxCustomScrollBar &, int, int dy) override { scrolledBy.push_back(dy); }
    void scrollRequest(TNxCustomScrollBar &bar, ScrollCode code) override
    {
        requests.push_back(code);
        ScrollBarOwner::scrollRequest(bar, code);
    }
};

} // namespace

TEST(ScrollBarModel, MaxIsNeverNegativeAndHidesWithAutoHide)
{
    RecordingOwner owner;
    TNxCustomScrollBar bar(owner, TNxCustomScrollBar::Vertical);
    bar.setMax(10);
    EXPECT_TRUE(bar.visible());
    bar.setMax(-5);
    EXPECT_EQ(bar.max(), 0);
    EXPECT_FALSE(bar.visible());
    bar.setAutoHide(false);
    bar.setMax(3);
    bar.setMax(0);
    EXPECT_TRUE(bar.visible());
}

TEST(ScrollBarModel, PositionIsLimitedToMaxThenMinThenZero)
{
    RecordingOwner owner;
    TNxCustomScrollBar bar(owner, TNxCustomScrollBar::Vertical);
    bar.setMax(20);
    struct Case
    {
        int min, value, expected;
    };
    for (const Case &c : {Case{0, 30, 20}, Case{5, 2, 5}, Case{-3, -1, 0}, Case{0, 7, 7}}) {
        bar.setMin(c.min);
        bar.setPosition(c.value);
        EXPECT_EQ(bar.position(), c.expected) << c.value;
    }
}

TEST(ScrollBarModel, LoweringMaxPullsThePositionBackAndScrolls)
{
    RecordingOwner owner;
    TNxCustomScrollBar bar(owner, TNxCustomScrollBar::Vertical);
    bar.setMax(20);
    bar.setPosition(15);
    bar.setMax(10);
    EXPECT_EQ(bar.position(), 10);
    EXPECT_EQ(owner.scrolledBy, (std::vector<int>{-240, 80}));
    bar.setPosition(10); // same position still scrolls, by 0
    EXPECT_EQ(owner.scrolledBy.back(), 0);
}

TEST(ScrollBarModel, ManualScrollAndUpdatesDoNotMoveContent)
{
    RecordingOwner owner;
    TNxCustomScrollBar bar(owner, TNxCustomScrollBar::Vertical);
    bar.setMax(20);
    bar.setManualScroll(true);
    bar.setPosition(3);
    bar.setManualScroll(false);
    bar.beginUpdate();
    bar.setPosition(4);
    bar.endUpdate();
    EXPECT_TRUE(owner.scrolledBy.empty());
    EXPECT_EQ(bar.position(), 4);
}

TEST(ScrollBarModel, PageSizeIsAtLeastEight)
{
    RecordingOwner owner;
    TNxCustomScrollBar bar(owner, TNxCustomScrollBar::Vertical);
    bar.setPageSize(3);
    EXPECT_EQ(bar.pageSize(), 8);
    bar.setPageSize(30);
    EXPECT_EQ(bar.pageSize(), 30);
}

TEST(ScrollBarModel, LineRequestsNeedARangeAndStepBySmallChange)
{
    RecordingOwner owner;
    TNxCustomScrollBar bar(owner, TNxCustomScrollBar::Vertical);
    bar.lineDown();
    EXPECT_TRUE(owner.requests.empty());
    bar.setMax(10);
    bar.setSmallChange(2);
    bar.setLargeChange(5);
    bar.lineDown();
    EXPECT_EQ(bar.position(), 2);
    EXPECT_EQ(bar.scrollKind(), TNxCustomScrollBar::LineScroll);
    bar.pageDown();
    EXPECT_EQ(bar.position(), 7);
    EXPECT_EQ(bar.positionForScroll(ScrollBarOwner::Bottom, 0), 10);
    EXPECT_EQ(bar.positionForScroll(ScrollBarOwner::ThumbTrack, 4), 4);
    EXPECT_EQ(bar.positionForScroll(ScrollBarOwner::EndScroll, 4), 7);
}
