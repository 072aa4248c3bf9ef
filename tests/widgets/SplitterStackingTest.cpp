#include "widgets/SplitterStacking.h"

#include <QSplitter>
#include <QWidget>

#include <gtest/gtest.h>

using namespace talmo;

namespace {

struct TwoPaneSplitter
{
    QSplitter splitter{Qt::Horizontal};

    TwoPaneSplitter()
    {
        splitter.addWidget(new QWidget);
        splitter.addWidget(new QWidget);
        SplitterStacking::install(&splitter, 600);
        splitter.resize(800, 400);
        splitter.show();
    }
};

TEST(SplitterStackingTest, PanesGoUnderEachOtherBelowTheWidthAndBesideAboveIt)
{
    struct Case
    {
        int width;
        Qt::Orientation expected;
    };
    const Case cases[] = {{800, Qt::Horizontal}, {599, Qt::Vertical}, {600, Qt::Horizontal}, {300, Qt::Vertical}};
    TwoPaneSplitter panes;
    for (const Case &c : cases) {
        panes.splitter.resize(c.width, 400);
        EXPECT_EQ(panes.splitter.orientation(), c.expected) << c.width;
    }
}

TEST(SplitterStackingTest, SideBySideWidthsComeBackAfterStacking)
{
    TwoPaneSplitter panes;
    panes.splitter.setSizes({250, 541});
    const QList<int> sideBySide = panes.splitter.sizes();
    panes.splitter.resize(500, 400);
    ASSERT_EQ(panes.splitter.orientation(), Qt::Vertical);
    panes.splitter.resize(800, 400);
    EXPECT_EQ(panes.splitter.sizes(), sideBySide);
}

TEST(SplitterStackingTest, WidthsGivenBeforeAFirstNarrowShowComeBackWhenWide)
{
    QSplitter splitter(Qt::Horizontal);
    splitter.addWidget(new QWidget);
    splitter.addWidget(new QWidget);
    splitter.setSizes({250, 541});
    SplitterStacking::install(&splitter, 600);
    splitter.resize(500, 400);
    splitter.show();
    ASSERT_EQ(splitter.orientation(), Qt::Vertical);
    splitter.resize(800, 400);
    ASSERT_EQ(splitter.orientation(), Qt::Horizontal);
    // Spread over the room the handle leaves, as the splitter does when laid out.
    EXPECT_NEAR(splitter.sizes().value(0), 250, 5);
}

} // namespace
