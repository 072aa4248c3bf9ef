#pragma once

#include "helpers/ui/FakeUiServices.h"
#include "platform/ShellServices.h"
#include "widgets/PopupMenuRunner.h"

#include <QAbstractButton>
#include <QDialog>
#include <QMenu>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace talmo::testing {

// Every editor test answers its questions and pickers from a script.
class EditorTest : public ::testing::Test
{
protected:
    FakeUiServices ui;
    FakeShellServices shell;
    ScopedCurrentUiServices useUi{ui};
    ScopedCurrentShellServices useShell{shell};
};

inline void click(QAbstractButton *button)
{
    button->click();
}

// The small button of a suite button edit reacts to the mouse only.
inline void click(QWidget *smallButton)
{
    QTest::mouseClick(smallButton, Qt::LeftButton);
}

// A widget of a page found by its name, as a user finds it on the screen.
template <typename Widget>
Widget *pageWidget(const QWidget &page, const QString &name)
{
    auto *widget = page.findChild<Widget *>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
}

// Chooses the popup menu's item of this caption, as a user would; nothing when it has none.
inline PopupMenuRunner choose(const QString &text)
{
    return scriptedPopupMenu([text](QMenu &menu) -> QAction * {
        for (QAction *action : menu.actions()) {
            if (action->text() == text)
                return action;
        }
        return nullptr;
    });
}

// A dialog shown without a modal loop: still open, or closed with its result.
inline bool isOpen(const QDialog &dialog)
{
    return dialog.isVisible();
}

} // namespace talmo::testing
