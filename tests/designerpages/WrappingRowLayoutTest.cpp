#include "designer/pages/WrappingRowLayout.h"

#include <QWidget>

#include <gtest/gtest.h>

using namespace talmo;

namespace {

QWidget *fixedWidget(QWidget *parent, int width, int height)
{
    auto *widget = new QWidget(parent);
    widget->setFixedSize(width, height);
    return widget;
}

TEST(WrappingRowLayoutTest, ItsHintHoldsEveryItemOnOneRowAndANarrowerWidthWraps)
{
    QWidget host;
    auto *layout = new WrappingRowLayout(&host);
    layout->setContentsMargins(3, 4, 5, 6);
    layout->setSpacing(2);
    for (int width : {30, 40, 50})
        layout->addWidget(fixedWidget(&host, width, 20));

    EXPECT_EQ(layout->sizeHint(), QSize(3 + 30 + 2 + 40 + 2 + 50 + 5, 4 + 20 + 6));
    EXPECT_EQ(layout->heightForWidth(layout->sizeHint().width()), layout->sizeHint().height());
    EXPECT_EQ(layout->heightForWidth(layout->sizeHint().width() - 1), 4 + 20 + 2 + 20 + 6);
    EXPECT_EQ(layout->minimumSize(), QSize(3 + 50 + 5, 4 + 20 + 6));
}

} // namespace
