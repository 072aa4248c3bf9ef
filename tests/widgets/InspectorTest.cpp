#include "tests/support/QtPrinters.h"
#include "tests/widgets/InspectorRowsFixture.h"

#include "widgets/NextInspector.h"
#include "widgets/NxButtonEdit.h"
#include "widgets/NxButtonItem.h"
#include "widgets/NxCheckBoxItem.h"
#include "widgets/NxComboBox.h"
#include "widgets/NxComboBoxItem.h"
#include "widgets/NxEdit.h"
#include "widgets/NxTextItem.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

using namespace talmo;

namespace {

// The three-row inspector; every OnChange is written down as "Caption=Value".
class InspectorFixture : public InspectorRowsFixture
{
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(InspectorRowsFixture::SetUp());
        QObject::connect(inspector, &TNextInspector::change, [this](TNxPropertyItem *item, const QString &value) {
            changes << item->caption() + QStringLiteral("=") + value;
        });
    }

    // A point in the row's value cell, x pixels into it.
    QPoint valuePoint(const TNxPropertyItem *row, int x = 20) const
    {
        return QPoint(inspector->splitterPosition() + 1 + x, inspector->rowTop(row) + 8);
    }

    void click(const TNxPropertyItem *row, int x = 20)
    {
        QTest::mouseClick(inspector->viewport(), Qt::LeftButton, {}, valuePoint(row, x));
    }

    // Selects the row by mouse and types over its editor's text.
    QLineEdit *typeInto(TNxPropertyItem *row, const char *text)
    {
        click(row);
        QLineEdit *editor = inspector->editor();
        EXPECT_NE(editor, nullptr);
        if (!editor)
            return nullptr;
        editor->selectAll();
        QTest::keyClicks(editor, QString::fromLatin1(text));
        return editor;
    }

    // One notch of the wheel, towards the rows below.
    void wheel(Qt::KeyboardModifiers modifiers)
    {
        const QPointF at(50, 50);
        QWheelEvent event(at, inspector->viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                          modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(inspector->viewport(), &event);
    }

    QStringList changes;
};

} // namespace

TEST_F(InspectorFixture, TakingTheFocusSelectsTheFirstRow)
{
    EXPECT_EQ(inspector->selected(), general);
    EXPECT_EQ(inspector->editor(), nullptr) << "a category row has no editor";
}

TEST_F(InspectorFixture, EnterAppliesAndKeepsTheTextSelected)
{
    inspector->setOptions(inspector->options() & ~TNextInspector::poEnterSelectNext);
    changes.clear();
    QLineEdit *editor = typeInto(name, "delta");
    ASSERT_TRUE(editor);
    EXPECT_TRUE(changes.isEmpty()) << "nothing applies before Enter";
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(changes, QStringList({"Name=delta"}));
    EXPECT_EQ(name->getValue(), QStringLiteral("delta"));
    EXPECT_EQ(inspector->selected(), name);
    EXPECT_EQ(inspector->editor(), editor);
    EXPECT_EQ(editor->selectedText(), QStringLiteral("delta"));
}

TEST_F(InspectorFixture, EnterWithSelectNextAppliesAndMovesOn)
{
    changes.clear();
    QLineEdit *editor = typeInto(name, "delta");
    ASSERT_TRUE(editor);
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(changes, QStringList({"Name=delta"}));
    EXPECT_EQ(inspector->selected(), title);
    ASSERT_TRUE(inspector->editor());
    EXPECT_EQ(inspector->editor()->text(), QStringLiteral("beta"));
}

TEST_F(InspectorFixture, VetoRestoresTheTextWithoutAChange)
{
    QStringList offered;
    QObject::connect(inspector, &TNextInspector::edit, [&](TNxPropertyItem *, const QString &value, bool &accept) {
        offered << value;
        accept = false;
    });
    inspector->setOptions(inspector->options() & ~TNextInspector::poEnterSelectNext);
    changes.clear();
    QLineEdit *editor = typeInto(name, "xy");
    ASSERT_TRUE(editor);
    offered.clear();
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(offered, QStringList({"xy"}));
    EXPECT_TRUE(changes.isEmpty());
    EXPECT_EQ(name->getValue(), QStringLiteral("alpha"));
    EXPECT_EQ(editor->text(), QStringLiteral("alpha"));
}

TEST_F(InspectorFixture, TabHomeAndEndDropUnappliedTextWhileUpAndDownApplyIt)
{
    inspector->setWantTabs(true);
    changes.clear();
    QLineEdit *editor = typeInto(name, "dropped");
    ASSERT_TRUE(editor);
    QTest::keyClick(editor, Qt::Key_Tab);
    EXPECT_EQ(inspector->selected(), title);
    EXPECT_EQ(name->getValue(), QStringLiteral("alpha"));

    editor = inspector->editor();
    ASSERT_TRUE(editor);
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("kept"));
    QTest::keyClick(editor, Qt::Key_Up);
    EXPECT_EQ(inspector->selected(), name);
    EXPECT_EQ(title->getValue(), QStringLiteral("kept"));

    editor = inspector->editor();
    ASSERT_TRUE(editor);
    QTest::keyClicks(editor, QStringLiteral("zz"));
    QTest::keyClick(editor, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(inspector->selected(), note);
    EXPECT_EQ(name->getValue(), QStringLiteral("alpha"));
    EXPECT_EQ(changes, QStringList({"Title=kept"}));

    // Home without Ctrl stays with the editor.
    editor = inspector->editor();
    ASSERT_TRUE(editor);
    QTest::keyClick(editor, Qt::Key_Home);
    EXPECT_EQ(inspector->selected(), note);
    EXPECT_EQ(editor->cursorPosition(), 0);
}

TEST_F(InspectorFixture, EscapeDropsTheEdit)
{
    changes.clear();
    QLineEdit *editor = typeInto(title, "typed");
    ASSERT_TRUE(editor);
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_EQ(inspector->editor(), nullptr);
    EXPECT_EQ(title->getValue(), QStringLiteral("beta"));
    EXPECT_TRUE(changes.isEmpty());
}

TEST_F(InspectorFixture, AutoApplyReportsEveryKeystroke)
{
    note->setOptions(itoAutoApply);
    changes.clear();
    QLineEdit *editor = typeInto(note, "ab");
    ASSERT_TRUE(editor);
    EXPECT_EQ(changes, QStringList({"Note=a", "Note=ab"}));
    EXPECT_EQ(editor->text(), QStringLiteral("ab"));
}

TEST_F(InspectorFixture, ClickingRowsFollowsEnabledAndReadOnly)
{
    title->setEnabled(false);
    note->setReadOnly(true);
    click(name);
    click(title);
    EXPECT_EQ(inspector->selected(), name) << "a disabled row cannot be clicked";
    click(note);
    EXPECT_EQ(inspector->selected(), note);
    EXPECT_EQ(inspector->editor(), nullptr) << "a read-only row gets no editor";
    click(general);
    EXPECT_EQ(inspector->selected(), general);
    EXPECT_EQ(inspector->editor(), nullptr);

    // The keys reach a disabled row; it still gets no editor.
    QTest::keyClick(inspector, Qt::Key_Down);
    QTest::keyClick(inspector, Qt::Key_Down);
    EXPECT_EQ(inspector->selected(), title);
    EXPECT_EQ(inspector->editor(), nullptr);
}

TEST_F(InspectorFixture, EditedValueChangedInCodeReachesTheEditor)
{
    click(name);
    ASSERT_TRUE(inspector->editor());
    name->setValue(QStringLiteral("from code"));
    EXPECT_EQ(inspector->editor()->text(), QStringLiteral("from code"));
    EXPECT_EQ(changes.last(), QStringLiteral("Name=from code"));
}

TEST_F(InspectorFixture, SplitterStopsAtFourteen)
{
    inspector->setSplitterPosition(3);
    EXPECT_EQ(inspector->splitterPosition(), 14);
    inspector->setSplitterPosition(15);
    EXPECT_EQ(inspector->splitterPosition(), 15);
    inspector->setSplitterPosition(120);
    TNxPropertyItem *selected = inspector->selected();

    QWidget *viewport = inspector->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, QPoint(121, 30));
    QTest::mouseMove(viewport, QPoint(60, 30));
    EXPECT_EQ(inspector->splitterPosition(), 60);
    QTest::mouseMove(viewport, QPoint(2, 30));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, QPoint(2, 30));
    EXPECT_EQ(inspector->splitterPosition(), 14);
    EXPECT_EQ(inspector->selected(), selected) << "a splitter drag selects nothing";
}

TEST_F(InspectorFixture, HiddenTopLevelRowsTakeNoSpace)
{
    EXPECT_EQ(inspector->rowTop(general), 0);
    EXPECT_EQ(inspector->rowTop(name), 17);
    inspector->setHideTopLevel(true);
    EXPECT_EQ(inspector->rowTop(general), -1);
    EXPECT_EQ(inspector->rowTop(name), 0);
    EXPECT_EQ(inspector->itemAtPos(QPoint(50, 20)), title);
    inspector->setOptions(inspector->options() & ~TNextInspector::poGrid);
    EXPECT_EQ(inspector->rowTop(title), 16);
}

TEST_F(InspectorFixture, CollapsedRowsGetNoEditorAndDoubleClickToggles)
{
    click(name);
    ASSERT_TRUE(inspector->editor());
    general->setExpanded(false);
    EXPECT_EQ(inspector->editor(), nullptr) << "collapsing hides the editors";
    inspector->selectItem(title);
    EXPECT_EQ(inspector->editor(), nullptr);

    QTest::mouseDClick(inspector->viewport(), Qt::LeftButton, {}, QPoint(60, 8));
    EXPECT_TRUE(general->expanded());
    // A press on the expand button toggles too.
    QTest::mouseClick(inspector->viewport(), Qt::LeftButton, {}, QPoint(5, 8));
    EXPECT_FALSE(general->expanded());
}

TEST_F(InspectorFixture, RemovingARowForgetsItsSelectedDescendant)
{
    auto *sub = inspector->items()->addChild<TNxTextItem>(name, QStringLiteral("Sub"));
    click(sub);
    ASSERT_EQ(inspector->selected(), sub);
    ASSERT_TRUE(inspector->editor());
    delete name;
    EXPECT_EQ(inspector->selected(), nullptr);
    EXPECT_EQ(inspector->editor(), nullptr);
    inspector->items()->clear();
    EXPECT_EQ(inspector->items()->count(), 0);
    QTest::keyClick(inspector, Qt::Key_Down);
}

TEST_F(InspectorFixture, LeavingTheControlAppliesTheEdit)
{
    QLineEdit outside(&window);
    outside.setGeometry(0, 190, 50, 10);
    outside.show();
    changes.clear();
    QLineEdit *editor = typeInto(note, "left");
    ASSERT_TRUE(editor);
    ASSERT_TRUE(editor->hasFocus());
    outside.setFocus();
    EXPECT_EQ(changes, QStringList({"Note=left"}));
    EXPECT_EQ(inspector->editor(), nullptr);
}

TEST_F(InspectorFixture, WheelScrollsByRowsAndHidesTheEditor)
{
    for (int i = 0; i < 30; ++i)
        addRow("Extra", "x");
    click(name);
    ASSERT_TRUE(inspector->editor());
    wheel(Qt::NoModifier);
    EXPECT_EQ(inspector->verticalScrollBar()->value(), 1);
    EXPECT_EQ(inspector->editor(), nullptr);
    wheel(Qt::ControlModifier);
    EXPECT_EQ(inspector->verticalScrollBar()->value(), 5);
    EXPECT_EQ(inspector->rowTop(general), -5 * 17);

    // Selecting a row below the page scrolls it into view.
    TNxPropertyItem *last = inspector->items()->item(inspector->items()->count() - 1);
    inspector->selectItem(last);
    EXPECT_GE(inspector->rowTop(last), 0);
    EXPECT_LE(inspector->rowTop(last) + 17, inspector->viewport()->height());
}

// The rows were refilled while another control had the focus, then scrolled
// by the wheel: the click that brings the focus back edits the row it hits.
TEST_F(InspectorFixture, AClickAfterWheelScrollingEditsTheRowUnderThePointer)
{
    auto *elsewhere = new QLineEdit(&window);
    elsewhere->setGeometry(0, 190, 50, 10);
    elsewhere->show();
    elsewhere->setFocus();
    ASSERT_TRUE(elsewhere->hasFocus());
    inspector->items()->clear();
    general = inspector->items()->addChild<TNxPropertyItem>(nullptr, QStringLiteral("General"));
    QList<TNxTextItem *> rows;
    for (int i = 0; i < 30; ++i)
        rows.append(addRow("Row", "x"));
    ASSERT_EQ(inspector->selected(), nullptr);
    for (int notch = 0; notch < 12; ++notch)
        wheel(Qt::NoModifier);
    ASSERT_EQ(inspector->verticalScrollBar()->value(), 12);
    TNxTextItem *target = rows.at(14);
    const QPoint atTarget = valuePoint(target);
    QTest::mouseClick(inspector->viewport(), Qt::LeftButton, {}, atTarget);
    EXPECT_EQ(inspector->verticalScrollBar()->value(), 12);
    EXPECT_EQ(inspector->selected(), target);
    EXPECT_EQ(inspector->editingItem(), target);
    ASSERT_TRUE(inspector->editor());
    QTest::keyClicks(inspector->editor(), QStringLiteral("typed"));
    QTest::keyClick(inspector->editor(), Qt::Key_Return);
    EXPECT_EQ(target->asString(), QStringLiteral("typed"));
    EXPECT_EQ(rows.at(0)->asString(), QStringLiteral("x"));
}

TEST_F(InspectorFixture, CheckBoxRowsToggleBySpaceAndByClick)
{
    auto *box = inspector->items()->addChild<TNxCheckBoxItem>(general, QStringLiteral("Flag"));
    box->setTextKind(TNxCheckBoxItem::tkYesNo);
    changes.clear();
    click(box, 8);
    EXPECT_EQ(inspector->selected(), box);
    EXPECT_EQ(inspector->editor(), nullptr);
    EXPECT_TRUE(box->asBoolean()) << "the click lands on the check button";
    QTest::keyClick(inspector, Qt::Key_Space);
    EXPECT_FALSE(box->asBoolean());
    ASSERT_FALSE(changes.isEmpty());
    EXPECT_EQ(changes.last(), QStringLiteral("Flag=no"));
}

TEST_F(InspectorFixture, ComboRowsFillTheirEditorAndApplyAChoiceAtOnce)
{
    auto *root = inspector->items()->addChild<TNxComboBoxItem>(general, QStringLiteral("Root Key"));
    root->setLines({QStringLiteral("HKEY_CLASSES_ROOT"), QStringLiteral("HKEY_CURRENT_USER"),
                    QStringLiteral("HKEY_LOCAL_MACHINE")});
    root->setStyle(TNxComboBoxItem::cbDropDownList);
    root->setOptions(itoAutoApply);
    root->setValue(QStringLiteral("HKEY_CURRENT_USER"));
    int closedUp = 0;
    QObject::connect(root, &TNxPopupItem::closeUp, [&] { ++closedUp; });
    changes.clear();

    click(root);
    auto *combo = dynamic_cast<TNxComboBox *>(inspector->editor());
    ASSERT_TRUE(combo);
    EXPECT_EQ(combo->items(), root->lines());
    EXPECT_EQ(combo->text(), QStringLiteral("HKEY_CURRENT_USER"));
    EXPECT_EQ(combo->style(), dsDropDownList);
    combo->setItemIndex(2);
    EXPECT_EQ(changes, QStringList({"Root Key=HKEY_LOCAL_MACHINE"}));
    emit combo->closeUp();
    EXPECT_EQ(root->itemIndex(), 2);
    EXPECT_EQ(closedUp, 1);
}

TEST_F(InspectorFixture, ButtonRowsHearTheirEditorsButton)
{
    auto *source = inspector->items()->addChild<TNxButtonItem>(general, QStringLiteral("Source"));
    source->setEditOptions(TNxButtonItem::epDisableTyping);
    int clicks = 0;
    QObject::connect(source, &TNxButtonItem::buttonClick, [&] { ++clicks; });
    click(source);
    auto *edit = dynamic_cast<TNxButtonEdit *>(inspector->editor());
    ASSERT_TRUE(edit);
    EXPECT_EQ(edit->options(), TNxEditOptions(epDisableTyping));
    emit edit->buttonClick();
    EXPECT_EQ(clicks, 1);

    // Once the row is left, the editor no longer speaks for it.
    click(name);
    emit edit->buttonClick();
    EXPECT_EQ(clicks, 1);
}

TEST_F(InspectorFixture, SuffixBoxEditsTheSuffixValue)
{
    title->setShowSuffix(true);
    title->setSuffixes({QStringLiteral("px"), QStringLiteral("%")});
    title->setSuffixValue(QStringLiteral("px"));
    QStringList suffixEdits;
    QObject::connect(inspector, &TNextInspector::suffixEdit,
                     [&](TNxPropertyItem *, const QString &value) { suffixEdits << value; });
    click(title);
    TNxComboBox *suffix = inspector->suffixEditor();
    ASSERT_TRUE(suffix);
    EXPECT_TRUE(suffix->isVisible());
    EXPECT_EQ(suffix->text(), QStringLiteral("px"));
    EXPECT_EQ(suffix->geometry().right(), inspector->viewport()->width() - 1);
    EXPECT_EQ(inspector->editor()->geometry().right(),
              inspector->viewport()->width() - inspector->suffixWidth() - 1);
    suffix->setText(QStringLiteral("%"));
    EXPECT_EQ(title->suffixValue(), QStringLiteral("%"));
    EXPECT_EQ(title->fullText(), QStringLiteral("beta%"));
    EXPECT_EQ(suffixEdits.last(), QStringLiteral("%"));

    click(name);
    EXPECT_EQ(inspector->suffixEditor(), nullptr);
    EXPECT_FALSE(suffix->isVisible());
}

TEST_F(InspectorFixture, TheSuffixBoxGoesWhenTheNextRowsSuffixIsReadOnly)
{
    title->setShowSuffix(true);
    title->setSuffixes({QStringLiteral("px"), QStringLiteral("%")});
    note->setShowSuffix(true);
    note->setSuffixStyle(ssReadOnly);
    click(title);
    TNxComboBox *suffix = inspector->suffixEditor();
    ASSERT_TRUE(suffix);
    ASSERT_TRUE(suffix->isVisible());

    click(note);
    EXPECT_EQ(inspector->suffixEditor(), nullptr);
    EXPECT_FALSE(suffix->isVisible()) << "no box stays behind at the row left";
}

TEST_F(InspectorFixture, ByNameArrangementShowsSortedRowsWithoutCategories)
{
    note->setCaption(QStringLiteral("Author"));
    inspector->setItemsArrange(taName);
    EXPECT_EQ(inspector->rowTop(general), -1);
    EXPECT_EQ(inspector->itemAtPos(QPoint(50, 5)), note);
    EXPECT_EQ(inspector->itemAtPos(QPoint(50, 22)), name);
    EXPECT_EQ(inspector->itemAtPos(QPoint(50, 39)), title);
    inspector->setItemsArrange(taCatagory);
    EXPECT_EQ(inspector->itemAtPos(QPoint(50, 5)), general);
}

TEST_F(InspectorFixture, RowsRebuiltByAChangeHandlerLeaveNothingBehind)
{
    QObject::connect(inspector, &TNextInspector::change, inspector, [this](TNxPropertyItem *item) {
        if (item->caption() != QStringLiteral("Name"))
            return;
        QSignalBlocker blocker(inspector);
        inspector->hideEditors();
        inspector->items()->clear();
        general = inspector->items()->addChild<TNxPropertyItem>(nullptr, QStringLiteral("Rebuilt"));
    });
    QLineEdit *editor = typeInto(name, "x");
    ASSERT_TRUE(editor);
    QTest::keyClick(editor, Qt::Key_Down);
    EXPECT_EQ(inspector->items()->count(), 1);
    EXPECT_EQ(inspector->selected(), nullptr);
    EXPECT_EQ(inspector->editor(), nullptr);

    // The same with a row that applies every keystroke.
    auto *live = inspector->items()->addChild<TNxTextItem>(general, QStringLiteral("Name"));
    live->setOptions(itoAutoApply);
    editor = typeInto(live, "y");
    EXPECT_EQ(inspector->items()->count(), 1);
    EXPECT_EQ(inspector->editor(), nullptr);
}
