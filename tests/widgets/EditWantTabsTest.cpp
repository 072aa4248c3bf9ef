#include "widgets/NxEdit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

using namespace talmo;

namespace {

// An edit followed by a plain field: Tab either moves on or stays.
struct EditTabFixture : ::testing::Test
{
    void SetUp() override
    {
        auto *layout = new QVBoxLayout(&window);
        edit = new TNxEdit(&window);
        next = new QLineEdit(&window);
        layout->addWidget(edit);
        layout->addWidget(next);
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        edit->setFocus();
    }

    // Whether the key left the focus in the edit.
    bool tabStays(Qt::KeyboardModifiers modifiers)
    {
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Tab, modifiers);
        return QApplication::focusWidget() == edit;
    }

    QWidget window;
    TNxEdit *edit = nullptr;
    QLineEdit *next = nullptr;
};

} // namespace

TEST_F(EditTabFixture, TabMovesTheFocusOnUnlessTheEditWantsTabs)
{
    EXPECT_FALSE(tabStays(Qt::NoModifier));
    EXPECT_EQ(QApplication::focusWidget(), next);

    edit->setWantTabs(true);
    EXPECT_TRUE(tabStays(Qt::NoModifier));
    EXPECT_TRUE(tabStays(Qt::ShiftModifier));
    EXPECT_EQ(edit->text(), QString()) << "a wanted Tab types nothing";
}
