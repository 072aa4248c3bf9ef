#include "helpers/ui/TntButtonEdit.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace talmo;

namespace {

class ButtonEditTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        edit.resize(200, 24);
        edit.setText(QStringLiteral("C:\\Output"));
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        other.setFocus();
    }

    QWidget window;
    TTntButtonEdit edit{ &window };
    QLineEdit other{ &window };
};

} // namespace

TEST_F(ButtonEditTest, ButtonIsASquareInsideTheRightEdge)
{
    const QRect button = edit.button()->geometry();
    EXPECT_EQ(button.width(), button.height());
    EXPECT_GT(button.height(), 0);
    EXPECT_LE(button.right(), edit.width() - 1);
    EXPECT_EQ(edit.width() - 1 - button.right(), button.top());
    EXPECT_EQ(edit.button()->text(), QString(3, QChar(0x2219)));
    EXPECT_EQ(edit.button()->focusPolicy(), Qt::NoFocus);

    edit.resize(300, 40);
    EXPECT_EQ(edit.button()->geometry().right(), 299 - button.top());
}

TEST_F(ButtonEditTest, ClickReportsAndFocusesTheEditWithoutTouchingTheText)
{
    QSignalSpy clicks(&edit, &TTntButtonEdit::buttonClicked);
    QTest::mouseClick(edit.button(), Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_TRUE(edit.hasFocus());
    EXPECT_EQ(edit.text(), QStringLiteral("C:\\Output"));
}

TEST_F(ButtonEditTest, DisabledEditIgnoresClicks)
{
    QSignalSpy clicks(&edit, &TTntButtonEdit::buttonClicked);
    edit.setEnabled(false);
    EXPECT_FALSE(edit.button()->isEnabled());
    QTest::mouseClick(edit.button(), Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_FALSE(edit.hasFocus());
}
