#include "designer/DesignControl.h"
#include "designer/controls/Panel.h"
#include "designer/core/EventCodeController.h"
#include "designer/core/PageEventRules.h"
#include "designer/engine/TDEng.h"
#include "designer/engine/TDEngOverlay.h"
#include "designer/engine/TDPForm.h"
#include "designer/engine/TDPFormSurface.h"
#include "designer/engine/TELDesignPanel.h"
#include "designer/engine/TELDesigner.h"
#include "designer/engine/TELDesignerEvents.h"
#include "designer/engine/TELDesignerSelectedControls.h"
#include "designer/script/CompletionPopup.h"
#include "designer/script/ScriptEditor.h"
#include "designer/pages/DesignerPalette.h"
#include "designer/pages/EventCodeTab.h"
#include "designer/pages/FormDesigner.h"
#include "helpers/ui/FakeUiServices.h"
#include "model/ProjectContainer.h"
#include "pagehost/FakeProjectWindowHost.h"
#include "pagehost/ProjectPageFactory.h"
#include "scriptknowledge/ScriptKnowledgeBase.h"
#include "tests/designerpages/InspectorRows.h"
#include "tests/support/QtPrinters.h"
#include "widgets/NextInspector.h"
#include "widgets/NxEdit.h"
#include "widgets/NxPageControl.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace talmo;

namespace {

const QStringList ThreeControls = {
    "object TPanel",
    "  object Label1: TLabel",
    "    Left = 8", "    Top = 8", "    Width = 31", "    Height = 13", "    Caption = 'Label1'",
    "  end",
    "  object Button1: TButton",
    "    Left = 8", "    Top = 40", "    Width = 75", "    Height = 25", "    Caption = 'Button1'", "    TabOrder = 0",
    "  end",
    "  object Button10: TButton",
    "    Left = 100", "    Top = 40", "    Width = 75", "    Height = 25", "    Caption = 'Button10'",
    "    TabOrder = 1",
    "  end",
    "end",
};

// The designer of page 0 on the fake project window.
class FormDesignerTest : public ::testing::Test
{
protected:
    FormDesignerTest()
    {
        TCustomForm &page = project.CustomForms.AddNew(false);
        page.Name = QStringLiteral("Details");
        page.Data = ThreeControls;
    }

    TFormDesigner &open(int index = 0)
    {
        designer = std::make_unique<TFormDesigner>(project, host, index, nullptr);
        designer->setCodeTabDelay(0);
        return *designer;
    }

    TDesignControl *control(const QString &name) const { return designer->rootPanel()->findComponent(name); }
    TELDesignerSelectedControls &selection() const { return designer->designer().SelectedControls(); }
    QStringList dropDownItems()
    {
        QStringList items;
        for (int i = 0; i < host.objectsDropDown()->count(); ++i)
            items.append(host.objectsDropDown()->itemText(i));
        return items;
    }
    TCustomForm &page() { return project.CustomForms[0]; }

    FakeUiServices ui;
    ScopedCurrentUiServices useUi{ ui };
    TProjectContainer project;
    FakeProjectWindowHost host;
    std::unique_ptr<TFormDesigner> designer;
};

} // namespace

TEST_F(FormDesignerTest, ShowingThePageFillsTheDropDownInOwnershipOrder)
{
    open();
    EXPECT_TRUE(designer->pageLoaded());
    EXPECT_EQ(designer->windowTitle(), "Custom Form Designer - Details");
    EXPECT_EQ(dropDownItems(),
              QStringList({ "Form: TWizardForm", "Label1: TLabel", "Button1: TButton", "Button10: TButton" }));
    EXPECT_EQ(host.objectsDropDown()->currentIndex(), 0);
    EXPECT_EQ(host.sidePane(), SidePane::PropertiesAndHelp);
    // The root alone is never shown as selected.
    EXPECT_EQ(selection().GetCount(), 0);

    selection().SelectOnly(control("Button1"));
    EXPECT_EQ(host.objectsDropDown()->currentText(), "Button1: TButton");
    selection().SelectList({ control("Button1"), control("Button10") });
    EXPECT_EQ(host.objectsDropDown()->currentIndex(), -1);
    EXPECT_EQ(host.objectsDropDown()->placeholderText(), "Multiple Objects Selected");

    // Choosing an entry selects its control; the page entry clears the selection.
    host.objectsDropDown()->setCurrentIndex(3);
    EXPECT_EQ(selection().Controls(), QList<TDesignControl *>{ control("Button10") });
    host.objectsDropDown()->setCurrentIndex(0);
    EXPECT_EQ(selection().GetCount(), 0);
}

TEST_F(FormDesignerTest, ShiftOnThePaletteKeepsTheClassForFurtherInserts)
{
    open();
    TELDesignerEvents &events = designer->designer().events;
    QTest::mouseClick(designer->palette()->button(1), Qt::LeftButton);
    TELControlInsertingArgs first;
    events.OnControlInserting(first);
    EXPECT_EQ(first.controlClass, "TButton");
    EXPECT_EQ(designer->palette()->selectedIndex(), -1);
    TELControlInsertingArgs none;
    events.OnControlInserting(none);
    EXPECT_EQ(none.controlClass, QString());

    QTest::mouseClick(designer->palette()->button(16), Qt::LeftButton, Qt::ShiftModifier);
    for (int i = 0; i < 3; ++i) {
        TELControlInsertingArgs args;
        events.OnControlInserting(args);
        EXPECT_EQ(args.controlClass, "TNewProgressBar");
    }
    EXPECT_EQ(designer->palette()->button(16)->toolTip(), "ProgressBar");
}

TEST_F(FormDesignerTest, SurfaceMenuEnabling)
{
    open();
    selection().SelectOnly(control("Label1"));
    designer->prepareSurfaceMenu();
    EXPECT_TRUE(designer->selectAllAction()->isEnabled());
    EXPECT_TRUE(designer->bringToFrontAction()->isEnabled());
    EXPECT_TRUE(designer->deleteAction()->isEnabled());

    selection().Clear();
    designer->prepareSurfaceMenu();
    EXPECT_FALSE(designer->deleteAction()->isEnabled());
    EXPECT_FALSE(designer->sendToBackAction()->isEnabled());

    // One control left: Select All is off.
    selection().SelectList({ control("Button1"), control("Button10") });
    designer->deleteControls();
    designer->prepareSurfaceMenu();
    EXPECT_FALSE(designer->selectAllAction()->isEnabled());
    EXPECT_EQ(dropDownItems(), QStringList({ "Form: TWizardForm", "Label1: TLabel" }));
    EXPECT_EQ(PageEventRules::EntryOf(page().ExecUnits, "Button1", "OnClick"), -1);
}

TEST_F(FormDesignerTest, OnlyCtrlAloneCopies)
{
    open();
    selection().SelectOnly(control("Button1"));
    TELKeyArgs withShift{ Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier };
    designer->designer().events.OnKeyDown(withShift);
    EXPECT_FALSE(designer->designer().CanPaste());
    TELKeyArgs ctrl{ Qt::Key_C, Qt::ControlModifier };
    designer->designer().events.OnKeyDown(ctrl);
    EXPECT_TRUE(designer->designer().CanPaste());
}

TEST_F(FormDesignerTest, APageThatDoesNotLoadIsNeverSaved)
{
    page().Data = QStringList{ "object TPanel", "  object Button1: TButton", "    Left = 'eight", "  end", "end" };
    const QStringList stored = page().Data;
    open();
    EXPECT_FALSE(designer->pageLoaded());
    ASSERT_EQ(ui.calls().size(), 1);
    EXPECT_EQ(ui.calls().first().messageKind, UiMessageKind::Error);
    designer.reset();
    EXPECT_EQ(page().Data, stored);
    EXPECT_FALSE(project.Modified);
}

TEST_F(FormDesignerTest, AWrongPageIndexLoadsNothing)
{
    open(3);
    EXPECT_EQ(ui.shownTexts(), QStringList{ "Wrong form index !!" });
    EXPECT_FALSE(designer->pageLoaded());
    designer.reset();
    EXPECT_EQ(page().Data, ThreeControls);
}

TEST_F(FormDesignerTest, BringToFrontAndSendToBackSaveTheOrder)
{
    open();
    selection().SelectOnly(control("Button1"));
    designer->changeControlOrder(0);
    EXPECT_TRUE(project.Modified);
    const QString text = page().Data.join(u'\n');
    EXPECT_LT(text.indexOf("object Button10"), text.indexOf("object Button1:"));

    // With two selected nothing moves.
    project.Modified = false;
    selection().SelectList({ control("Button1"), control("Button10") });
    designer->changeControlOrder(1);
    EXPECT_FALSE(project.Modified);
}

TEST_F(FormDesignerTest, CreateEventOpensTheCodeEditor)
{
    open();
    selection().SelectOnly(control("Button1"));
    TNextInspector *inspector = host.inspector();
    TNxPropertyItem *click = nullptr;
    for (int i = 0; i < inspector->items()->count(); ++i) {
        if (inspector->items()->item(i)->caption() == "OnClick")
            click = inspector->items()->item(i);
    }
    ASSERT_NE(click, nullptr);
    click->setValue("Create Event");
    QTRY_COMPARE(designer->pageControl()->activePageIndex(), 1);
    EXPECT_EQ(host.sidePane(), SidePane::Helper);
    EventCodeTab *tab = designer->codeTab();
    EXPECT_EQ(tab->objectsBox()->currentText(), "Button1");
    EXPECT_EQ(tab->eventsBox()->currentText(), "OnClick");
    EXPECT_EQ(tab->editor()->Lines().first(), "procedure Details_Button1OnClick(Sender: TObject);");
    designer->pageControl()->setActivePageIndex(0);
    EXPECT_EQ(host.sidePane(), SidePane::PropertiesAndHelp);
}

TEST_F(FormDesignerTest, TheCodeTabEditsTheOwnersCodeAndAsksBeforeDeleting)
{
    TCustomForm &form = page();
    open();
    const int owner = PageEventRules::EntryOf(form.ExecUnits, "Button1", "OnClick");
    const int linked = PageEventRules::EntryOf(form.ExecUnits, "Button10", "OnClick");
    ASSERT_TRUE(PageEventRules::EnableEvent(form.ExecUnits, owner, "Details_Button1OnClick").accepted);
    ASSERT_TRUE(PageEventRules::EnableEvent(form.ExecUnits, linked, "Details_Button1OnClick").accepted);
    EventCodeTab *tab = designer->codeTab();
    tab->refreshObjects();
    tab->objectsBox()->setCurrentText("Button10");
    EXPECT_EQ(tab->linkedObjects()->count(), 2);
    QStringList lines = tab->editor()->Lines();
    lines.insert(2, "  Beep;");
    tab->editor()->setLines(lines);
    emit tab->editor()->codeChanged();
    EXPECT_EQ(form.ExecUnits[owner].Code, QStringList({ "begin", "  Beep;", "// Your Code Here ...", "end;" }));

    ui.queueAnswer(UiButton::No);
    tab->deleteButton()->click();
    EXPECT_TRUE(form.ExecUnits[linked].Enabled);
    ui.queueAnswer(UiButton::Yes);
    tab->defaultCodeButton()->click();
    EXPECT_EQ(form.ExecUnits[owner].Code, QStringList({ "begin", "// Your Code Here ...", "end;" }));
    ui.queueAnswer(UiButton::Yes);
    tab->deleteButton()->click();
    EXPECT_FALSE(form.ExecUnits[linked].Enabled);
    EXPECT_EQ(ui.shownTexts(), QStringList({ "Are you sure ?", "Are you sure ?", "Are you sure ?" }));
    EXPECT_EQ(tab->editor()->Lines(), QStringList{ EventCodeController::NoEventLine });
    // The line shows as a message in the editor's place, wrapped to the pane.
    EXPECT_TRUE(tab->noEventMessage()->isVisibleTo(tab));
    EXPECT_FALSE(tab->editor()->isVisibleTo(tab));
    EXPECT_EQ(tab->noEventMessage()->text(), EventCodeController::NoEventLine);
    EXPECT_TRUE(tab->noEventMessage()->wordWrap());

    // Button10 has one event: once it is enabled again, nothing is left to add.
    tab->addButton()->click();
    ASSERT_EQ(tab->eventsMenu()->actions().size(), 1);
    tab->eventsMenu()->actions().first()->trigger();
    EXPECT_TRUE(form.ExecUnits[linked].Enabled);
    EXPECT_TRUE(tab->editor()->isVisibleTo(tab));
    EXPECT_FALSE(tab->noEventMessage()->isVisibleTo(tab));
    tab->addButton()->click();
    ASSERT_EQ(tab->eventsMenu()->actions().size(), 1);
    EXPECT_EQ(tab->eventsMenu()->actions().first()->text(), "All Events are added");
    EXPECT_FALSE(tab->eventsMenu()->actions().first()->isEnabled());
    tab->eventsMenu()->close();
}

TEST_F(FormDesignerTest, TheFactoryMakesTheDesignerForCustomPages)
{
    ProjectPageFactory factory;
    registerDesignerPages(factory);
    std::unique_ptr<HostedPage> made(factory.create(PageKind::CustomPage, { project, host, 0, nullptr }, nullptr));
    EXPECT_NE(qobject_cast<TFormDesigner *>(made.get()), nullptr);
}

TEST_F(FormDesignerTest, CutAndPasteBackKeepsTheEventCode)
{
    TCustomForm &form = page();
    open();
    const int click = PageEventRules::EntryOf(form.ExecUnits, "Button1", "OnClick");
    ASSERT_TRUE(PageEventRules::EnableEvent(form.ExecUnits, click, "Details_Button1OnClick").accepted);
    form.ExecUnits[click].Code = QStringList{ "begin", "  Beep;", "end;" };
    selection().SelectOnly(control("Button1"));
    designer->cutControls();
    EXPECT_EQ(control("Button1"), nullptr);
    EXPECT_EQ(PageEventRules::EntryOf(form.ExecUnits, "Button1", "OnClick"), -1);
    EXPECT_FALSE(dropDownItems().contains("Button1: TButton"));

    selection().Clear();
    designer->pasteControls();
    ASSERT_NE(control("Button1"), nullptr);
    const int restored = PageEventRules::EntryOf(form.ExecUnits, "Button1", "OnClick");
    ASSERT_GE(restored, 0);
    EXPECT_TRUE(form.ExecUnits[restored].Enabled);
    EXPECT_EQ(form.ExecUnits[restored].Code, QStringList({ "begin", "  Beep;", "end;" }));
    EXPECT_TRUE(dropDownItems().contains("Button1: TButton"));

    // A second paste is a copy: Button2 with fresh default entries.
    designer->pasteControls();
    ASSERT_NE(control("Button2"), nullptr);
    const int copy = PageEventRules::EntryOf(form.ExecUnits, "Button2", "OnClick");
    ASSERT_GE(copy, 0);
    EXPECT_FALSE(form.ExecUnits[copy].Enabled);
    EXPECT_TRUE(form.ExecUnits[copy].Code.isEmpty());
}

TEST_F(FormDesignerTest, ClosingSavesThePageText)
{
    open();
    selection().SelectOnly(control("Label1"));
    control("Label1")->setProperty("Caption", "Changed");
    designer.reset();
    EXPECT_TRUE(page().Data.join(u'\n').contains("Caption = 'Changed'"));
}

TEST_F(FormDesignerTest, TheEnginesOwnDeleteBringsTheEntriesAlong)
{
    open();
    selection().SelectOnly(control("Button10"));
    designer->designer().DeleteSelectedControls();
    EXPECT_EQ(PageEventRules::EntryOf(page().ExecUnits, "Button10", "OnClick"), -1);
    EXPECT_FALSE(dropDownItems().contains("Button10: TButton"));
    EXPECT_EQ(designer->codeTab()->objectsBox()->count(), 3);
}

TEST_F(FormDesignerTest, ALockedControlIsNotDeleted)
{
    open();
    control("Label1")->setDesignInfo(LockDelete);
    selection().SelectOnly(control("Label1"));
    designer->deleteAction()->trigger();
    EXPECT_NE(control("Label1"), nullptr);
    ASSERT_EQ(ui.calls().size(), 1);
    EXPECT_EQ(ui.calls().first().messageKind, UiMessageKind::Error);
}

TEST_F(FormDesignerTest, TheDeclarationLineSurvivesSelectAllAndPaste)
{
    TCustomForm &form = page();
    open();
    const int click = PageEventRules::EntryOf(form.ExecUnits, "Button1", "OnClick");
    ASSERT_TRUE(PageEventRules::EnableEvent(form.ExecUnits, click, "Details_Button1OnClick").accepted);
    EventCodeTab *tab = designer->codeTab();
    tab->refreshObjects();
    tab->objectsBox()->setCurrentText("Button1");
    ScriptEditor *editor = tab->editor();
    QApplication::clipboard()->setText("begin\n  Beep;\nend;");
    editor->selectAll();
    editor->paste();
    EXPECT_EQ(editor->Lines().first(), "procedure Details_Button1OnClick(Sender: TObject);");
    EXPECT_EQ(form.ExecUnits[click].Code, QStringList({ "begin", "  Beep;", "end;" }));
}

// Typed at a steady pace into the page's own code editor with its own delays:
// the list due after "Button1." never opens on the finished statement, where
// Enter would insert its first entry instead of breaking the line.
TEST_F(FormDesignerTest, CodeTypedAtSpeedIsKeptAsTyped)
{
    TCustomForm &form = page();
    static const ScriptKnowledgeBase knowledge;
    designer = std::make_unique<TFormDesigner>(project, host, 0, &knowledge);
    const int click = PageEventRules::EntryOf(form.ExecUnits, "Button1", "OnClick");
    ASSERT_TRUE(PageEventRules::EnableEvent(form.ExecUnits, click, "Details_Button1OnClick").accepted);
    EventCodeTab *tab = designer->codeTab();
    tab->refreshObjects();
    tab->objectsBox()->setCurrentText("Button1");
    ScriptEditor *editor = tab->editor();
    ASSERT_NE(editor->completion(), nullptr);
    editor->setLines({ "procedure Details_Button1OnClick(Sender: TObject);", "begin", "  ", "end;" });
    editor->setCursorPosition(2, 2);
    constexpr int KeyInterval = 15;
    constexpr int PastTheListDelay = ScriptCompletion::DefaultMemberListDelay + 100;
    QTest::keyClicks(editor, QStringLiteral("Button1.Caption := 'Hello';"), Qt::NoModifier, KeyInterval);
    QTest::keyClick(editor, Qt::Key_Return, Qt::NoModifier, PastTheListDelay);
    QTest::keyClicks(editor, QStringLiteral("Button1.Enabled := False;"), Qt::NoModifier, KeyInterval);
    QTest::keyClick(editor, Qt::Key_Return, Qt::NoModifier, KeyInterval);
    QTest::keyClick(editor, Qt::Key_Return, Qt::NoModifier, PastTheListDelay);
    EXPECT_FALSE(editor->completion()->popup()->isVisible());
    EXPECT_EQ(editor->Lines(), QStringList({ "procedure Details_Button1OnClick(Sender: TObject);", "begin",
                                             "  Button1.Caption := 'Hello';", "  Button1.Enabled := False;", "", "",
                                             "end;" }));
}

// Whatever changes the set of controls, the drop-down names what the
// inspector shows: the page once the selected control is gone.
TEST_F(FormDesignerTest, TheDropDownFollowsTheInspectorAfterTheControlsChange)
{
    open();
    selection().SelectOnly(control("Button1"));
    designer->copyControls();
    const std::pair<const char *, std::function<void()>> commands[] = {
        { "cut", [this] { designer->cutControls(); } },
        { "Ctrl+X", [this] {
             TELKeyArgs key{ Qt::Key_X, Qt::ControlModifier };
             designer->designer().events.OnKeyDown(key);
         } },
        { "delete", [this] { designer->deleteControls(); } },
        { "engine delete", [this] { designer->designer().DeleteSelectedControls(); } },
    };
    for (const auto &[name, command] : commands) {
        designer->pasteControls();
        ASSERT_GE(designer->rootPanel()->components().size(), 2) << name;
        TDesignControl *last = designer->rootPanel()->components().last();
        selection().SelectOnly(last);
        ASSERT_EQ(host.objectsDropDown()->currentText(), last->name() + ": TButton") << name;
        command();
        EXPECT_EQ(host.objectsDropDown()->currentText(), "Form: TWizardForm") << name;
        EXPECT_EQ(host.inspector()->items()->item(0)->childCount(), 5) << name;
    }
    selection().SelectOnly(control("Label1"));
    designer->copyControls();
    selection().Clear();
    designer->pasteControls();
    const QList<TDesignControl *> pasted = selection().Controls();
    ASSERT_EQ(pasted.size(), 1);
    EXPECT_EQ(host.objectsDropDown()->currentText(), pasted.first()->name() + ": TLabel");
}

TEST_F(FormDesignerTest, TheRootFillsTheDesignSurfaceExactly)
{
    page().Data.insert(1, "  Width = 500");
    page().Data.insert(2, "  Height = 300");
    open();
    designer->show();
    const QWidget *surface = designer->designer().DesignPanel()->hostForm()->surface();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(designer.get()));
    EXPECT_EQ(designer->rootPanel()->parentWidget(), surface);
    EXPECT_EQ(designer->rootPanel()->geometry(), surface->rect());
    EXPECT_EQ(surface->size(), designer->designer().DesignPanel()->contentsRect().size());
}

namespace {

// Types into the row's editor and ends the edit with Return, as a user does.
void typeInto(TNextInspector *inspector, TNxPropertyItem *row, const QString &text)
{
    inspector->selectItem(row);
    TNxCustomEdit *editor = inspector->editor();
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
}

} // namespace

// A typed procedure name applies when the edit ends: its letters on the way
// ("In" is a reserved word) are no names of their own.
TEST_F(FormDesignerTest, TypedProcedureNamesThatCannotCompileAreRefused)
{
    project.CommonCode = QStringList{ "procedure Shared;", "begin", "end;" };
    open();
    const int click = PageEventRules::EntryOf(page().ExecUnits, "Button1", "OnClick");
    selection().SelectOnly(control("Button1"));
    TNextInspector *inspector = host.inspector();
    for (const QString &name : { QStringLiteral("My Handler"), QStringLiteral("Shared"), QStringLiteral("begin") }) {
        typeInto(inspector, inspectorRow(*inspector, "OnClick", "Events"), name);
        EXPECT_FALSE(page().ExecUnits[click].Enabled) << name.toStdString();
    }
    EXPECT_EQ(ui.shownTexts(), QStringList({ "\"My Handler\" is not a valid procedure name",
                                             "Shared is already used in the setup's code by the global code",
                                             "\"begin\" is not a valid procedure name" }));

    typeInto(inspector, inspectorRow(*inspector, "OnClick", "Events"), "InitPage");
    EXPECT_TRUE(page().ExecUnits[click].Enabled);
    EXPECT_EQ(page().ExecUnits[click].eventNameInCode, "InitPage");
    EXPECT_EQ(ui.shownTexts().size(), 3);
}

TEST_F(FormDesignerTest, ControlsAndPagesCannotTakeDeclaredNames)
{
    open();
    const int click = PageEventRules::EntryOf(page().ExecUnits, "Button1", "OnClick");
    ASSERT_TRUE(PageEventRules::EnableEvent(page().ExecUnits, click, "Details_Button1OnClick").accepted);
    selection().SelectOnly(control("Button10"));
    TNextInspector *inspector = host.inspector();
    typeInto(inspector, inspectorRow(*inspector, "Name", "Properties"), "Button1OnClick");
    EXPECT_EQ(control("Button10")->name(), "Button10");
    EXPECT_EQ(ui.shownTexts().last(), "Details_Button1OnClick is already used in the setup's code by the procedure "
                                      "of Button1.OnClick on page Details");

    selection().Clear();
    typeInto(inspector, inspectorRow(*inspector, "Name", "Properties"), "Result");
    EXPECT_EQ(page().Name, "Details");
    EXPECT_EQ(ui.shownTexts().last(), "Result is already used in the setup's code by the script itself");
    EXPECT_EQ(ui.shownTexts().size(), 2);
}

// New controls take the first number whose variable is free.
TEST_F(FormDesignerTest, NewControlsSkipNamesTheCodeDeclares)
{
    project.CommonCode = QStringList{ "var", "  Details_Button2: Integer;" };
    open();
    selection().SelectOnly(control("Button1"));
    designer->copyControls();
    designer->pasteControls();
    EXPECT_NE(control("Button3"), nullptr);
    EXPECT_EQ(control("Button2"), nullptr);
}

// As narrow and low as the main window's smallest size leaves it, the
// designer keeps every palette button whole and lets the page scroll.
TEST_F(FormDesignerTest, NarrowThePaletteWrapsAndThePageScrolls)
{
    open();
    designer->resize(300, 380);
    designer->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(designer.get()));
    DesignerPalette *palette = designer->palette();
    QList<QAbstractButton *> buttons{ palette->pointerButton() };
    for (int i = 0; i < DesignerPalette::ButtonCount; ++i)
        buttons.append(palette->button(i));
    for (QAbstractButton *button : buttons) {
        EXPECT_EQ(button->size(), button->sizeHint()) << button->toolTip().toStdString();
        EXPECT_TRUE(palette->rect().contains(button->geometry())) << button->toolTip().toStdString();
        EXPECT_TRUE(button->isVisible());
    }
    EXPECT_GT(buttons.last()->y(), buttons.first()->y());

    auto *scroll = qobject_cast<QScrollArea *>(designer->designer().DesignPanel()->parentWidget()->parentWidget()->parentWidget());
    ASSERT_NE(scroll, nullptr);
    EXPECT_GE(scroll->viewport()->height(), 60);
    EXPECT_EQ(scroll->horizontalScrollBar()->maximum(), scroll->widget()->width() - scroll->viewport()->width());
    EXPECT_EQ(scroll->verticalScrollBar()->maximum(), scroll->widget()->height() - scroll->viewport()->height());
}

namespace {

void sendMouse(QWidget &target, QEvent::Type type, const QPoint &point)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(Qt::LeftButton);
    QMouseEvent event(type, point, target.mapToGlobal(point), Qt::LeftButton, held, {});
    QApplication::sendEvent(&target, &event);
}

// What the window shows of a widget, against the widget drawn afresh.
void expectShownAsDrawn(QWidget &window, QWidget &widget, const char *step)
{
    QApplication::processEvents();
    const QPoint at = widget.mapTo(&window, QPoint(0, 0));
    const QImage shown = QGuiApplication::primaryScreen()->grabWindow(window.winId()).toImage().copy(QRect(at, widget.size()));
    const QImage drawn = widget.grab().toImage();
    EXPECT_EQ(shown.convertToFormat(QImage::Format_RGB32), drawn.convertToFormat(QImage::Format_RGB32)) << step;
}

} // namespace

// An edit made after a button lies above it: dragged under the edit and
// nudged, the button stays drawn below it on screen as in the page text.
TEST_F(FormDesignerTest, OverlappingControlsArePaintedInTheirStackingOrder)
{
    page().Data = QStringList{ "object TPanel",
                               "  object Button1: TButton", "    Left = 10", "    Top = 60", "    Width = 75",
                               "    Height = 25", "    Caption = 'Button1'", "  end",
                               "  object Edit1: TEdit", "    Left = 10", "    Top = 10", "    Width = 120",
                               "    Height = 21", "  end",
                               "end" };
    open();
    designer->resize(700, 600);
    designer->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(designer.get()));
    QWidget &surface = *designer->designer().DesignPanel()->hostForm()->surface();
    QWidget &overlay = designer->designer().engine()->overlay();
    sendMouse(overlay, QEvent::MouseButtonPress, QPoint(40, 70));
    sendMouse(overlay, QEvent::MouseMove, QPoint(60, 50));
    sendMouse(overlay, QEvent::MouseMove, QPoint(80, 25));
    expectShownAsDrawn(*designer, surface, "dragging");
    sendMouse(overlay, QEvent::MouseButtonRelease, QPoint(80, 25));
    ASSERT_TRUE(control("Button1")->geometry().intersects(control("Edit1")->geometry()));
    expectShownAsDrawn(*designer, surface, "dropped");
    QTest::keyClick(&overlay, Qt::Key_Right, Qt::ControlModifier);
    expectShownAsDrawn(*designer, surface, "nudged");
    const QString text = page().Data.join(u'\n');
    EXPECT_LT(text.indexOf("object Button1"), text.indexOf("object Edit1"));
}

// The Code Editor tab's captions show whole, however wide the tab is.
TEST_F(FormDesignerTest, TheCodeTabsCaptionsAreNeverClipped)
{
    open();
    designer->show();
    designer->pageControl()->setActivePageIndex(1);
    for (const int width : { 420, 700, 1200 }) {
        designer->resize(width, 500);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(designer.get()));
        QApplication::processEvents();
        for (const QLabel *label : designer->codeTab()->findChildren<QLabel *>()) {
            const int room = label->contentsRect().width();
            const bool fits = label->wordWrap()
                                  ? label->heightForWidth(room) <= label->contentsRect().height()
                                  : label->fontMetrics().horizontalAdvance(label->text()) <= room;
            EXPECT_TRUE(fits) << label->text().toStdString() << " at " << width;
        }
    }
}
