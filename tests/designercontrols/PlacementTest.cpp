#include "tests/designercontrols/PaletteTestSupport.h"
#include "tests/support/QtPrinters.h"

#include "designer/controls/Button.h"
#include "designer/controls/Label.h"
#include "designer/controls/Memo.h"

using namespace talmo;
using namespace talmo::testing;

namespace {

using Align = TVisualControl::TAlign;
using Anchors = TVisualControl::TAnchors;

QRect boundsOf(const TDesignControl *control)
{
    return {control->left(), control->top(), control->width(), control->height()};
}

// A page whose root has no frame, so its whole area is the aligned room.
class Placement : public PalettePage
{
protected:
    Placement() { root.setBevelOuter(TVisualControl::bvNone); }

    TVisualControl *add(const char *className, const QRect &bounds, Align align = TVisualControl::alNone,
                        TDesignControl *parent = nullptr)
    {
        auto *control = qobject_cast<TVisualControl *>(insert(QString::fromLatin1(className), 0, 0, parent));
        control->setBounds(bounds.left(), bounds.top(), bounds.width(), bounds.height());
        control->setAlign(align);
        return control;
    }

    QStringList objectLines() const { return written().filter(QStringLiteral("  object ")); }
};

TEST_F(Placement, TopPanelAndClientMemoShareTheRootAndFollowItsSize)
{
    TVisualControl *memo = add("TMemo", {40, 60, 100, 50}, TVisualControl::alClient);
    TVisualControl *panel = add("TPanel", {10, 10, 100, 41}, TVisualControl::alTop);
    EXPECT_EQ(boundsOf(panel), QRect(0, 0, 418, 41));
    EXPECT_EQ(boundsOf(memo), QRect(0, 41, 418, 189));

    root.setBounds(0, 0, 300, 150);
    EXPECT_EQ(boundsOf(panel), QRect(0, 0, 300, 41));
    EXPECT_EQ(boundsOf(memo), QRect(0, 41, 300, 109));

    panel->setHeight(60);
    EXPECT_EQ(boundsOf(memo), QRect(0, 60, 300, 90));
}

struct AlignedCase
{
    const char *className;
    QRect bounds;
    Align align;
    QRect placed;
};

// Tops by Top, bottoms from the lowest edge up, then lefts and rights in the
// height the tops and bottoms left, the client last; creation order apart.
const AlignedCase AlignedCases[] = {
    {"TPanel", {0, 50, 10, 20}, TVisualControl::alTop, {0, 30, 418, 20}},
    {"TPanel", {0, 5, 10, 30}, TVisualControl::alTop, {0, 0, 418, 30}},
    {"TPanel", {0, 100, 10, 15}, TVisualControl::alBottom, {0, 200, 418, 15}},
    {"TPanel", {0, 150, 10, 15}, TVisualControl::alBottom, {0, 215, 418, 15}},
    {"TPanel", {30, 0, 25, 10}, TVisualControl::alLeft, {0, 50, 25, 150}},
    {"TPanel", {300, 0, 40, 10}, TVisualControl::alRight, {378, 50, 40, 150}},
    {"TMemo", {1, 1, 1, 1}, TVisualControl::alClient, {25, 50, 353, 150}},
};

TEST_F(Placement, AlignGroupsTakeTheRoomInOrderEachByPosition)
{
    // As reading does: all in place first, so the given positions decide.
    root.beginLoading();
    QList<TVisualControl *> controls;
    for (const AlignedCase &aligned : AlignedCases)
        controls.append(add(aligned.className, aligned.bounds, aligned.align));
    root.endLoading();
    for (qsizetype index = 0; index < controls.size(); ++index)
        EXPECT_EQ(boundsOf(controls.at(index)), AlignedCases[index].placed) << index;
}

TEST_F(Placement, AlignedChildrenOfAPanelStayInsideItsFrameAndBevels)
{
    TVisualControl *panel = add("TPanel", {8, 8, 200, 100});
    auto *framed = static_cast<TPanel *>(panel);
    framed->setBorderStyle(TVisualControl::bsSingle);
    framed->setBorderWidth(2);
    framed->setBevelInner(TVisualControl::bvLowered);
    TVisualControl *memo = add("TMemo", {0, 0, 10, 10}, TVisualControl::alClient, panel);
    EXPECT_EQ(boundsOf(memo), QRect(5, 5, 190, 90));

    framed->setBevelInner(TVisualControl::bvNone);
    EXPECT_EQ(boundsOf(memo), QRect(4, 4, 192, 92));
}

TEST_F(Placement, AHiddenControlTakesRoomOnlyWhileDesigned)
{
    TVisualControl *top = add("TPanel", {0, 0, 10, 40}, TVisualControl::alTop);
    TVisualControl *memo = add("TMemo", {0, 0, 10, 10}, TVisualControl::alClient);
    top->setDesignVisible(false);
    EXPECT_EQ(boundsOf(memo), QRect(0, 40, 418, 190));

    root.setDesigning(false);
    EXPECT_EQ(boundsOf(memo), QRect(0, 0, 418, 230));
}

struct AnchorCase
{
    Anchors anchors;
    QRect afterGrowth;
};

// A 50 x 20 button at (20, 10) in a 200 x 100 panel that grows to 300 x 140.
const AnchorCase AnchorCases[] = {
    {Anchors(TVisualControl::akLeft) | TVisualControl::akTop, {20, 10, 50, 20}},
    {Anchors(TVisualControl::akRight) | TVisualControl::akBottom, {120, 50, 50, 20}},
    {Anchors(TVisualControl::akLeft) | TVisualControl::akRight | TVisualControl::akTop, {20, 10, 150, 20}},
    {Anchors(TVisualControl::akLeft) | TVisualControl::akTop | TVisualControl::akBottom, {20, 10, 50, 60}},
    {Anchors(), {43, 18, 50, 20}},
};

TEST_F(Placement, AnchoredButtonFollowsTheEdgesOfAResizedPanel)
{
    for (const AnchorCase &anchored : AnchorCases) {
        root.destroyComponents();
        TVisualControl *panel = add("TPanel", {8, 8, 200, 100});
        TVisualControl *button = add("TButton", {20, 10, 50, 20}, TVisualControl::alNone, panel);
        button->setAnchors(anchored.anchors);
        panel->setBounds(8, 8, 300, 140);
        EXPECT_EQ(boundsOf(button), anchored.afterGrowth) << int(anchored.anchors);

        panel->setBounds(8, 8, 20, 10);
        panel->setBounds(8, 8, 200, 100);
        EXPECT_EQ(boundsOf(button), QRect(20, 10, 50, 20)) << "back to the first size, " << int(anchored.anchors);
    }
}

TEST_F(Placement, AnchorsKeepToWhereTheControlWasLastPut)
{
    TVisualControl *panel = add("TPanel", {8, 8, 200, 100});
    TVisualControl *button = add("TButton", {20, 10, 50, 20}, TVisualControl::alNone, panel);
    button->setAnchors(Anchors(TVisualControl::akRight) | TVisualControl::akTop);
    panel->setWidth(300);
    button->setLeft(60);
    panel->setWidth(250);
    EXPECT_EQ(boundsOf(button), QRect(10, 10, 50, 20));
}

TEST_F(Placement, ReadingLaysOutAlignedChildrenOnceTheParentHasLoaded)
{
    const QStringList page = {
        "object Root: TPanel", "  Left = 0", "  Top = 0", "  Width = 300", "  Height = 200", "  BevelOuter = bvNone",
        "  object Memo1: TMemo", "    Left = 0", "    Top = 0", "    Width = 300", "    Height = 200",
        "    Align = alClient", "    TabOrder = 0", "  end", "  object Panel1: TPanel", "    Left = 0",
        "    Top = 0", "    Width = 300", "    Height = 41", "    Align = alTop", "    TabOrder = 1", "  end", "end"};
    PageDfm::LoadPageDfm(root, PageDfm::preparedPage(page, registry), registry);
    EXPECT_EQ(boundsOf(root.findComponent(QStringLiteral("Memo1"))), QRect(0, 41, 300, 159));
    EXPECT_EQ(boundsOf(root.findComponent(QStringLiteral("Panel1"))), QRect(0, 0, 300, 41));
}

TEST_F(Placement, LabelCreatedAfterAButtonIsWrittenFirstAndStaysBelowOnBringToFront)
{
    TDesignControl *button = insert(QStringLiteral("TButton"));
    TDesignControl *label = insert(QStringLiteral("TLabel"));
    const QStringList labelFirst = {"  object Label1: TLabel", "  object Button1: TButton"};
    EXPECT_EQ(objectLines(), labelFirst);
    EXPECT_LT(root.children().indexOf(label), root.children().indexOf(button));

    label->bringToFront();
    EXPECT_EQ(objectLines(), labelFirst);
    EXPECT_LT(root.children().indexOf(label), root.children().indexOf(button));
}

TEST_F(Placement, BringToFrontAndSendToBackMoveWithinTheControlsGroup)
{
    TDesignControl *button = insert(QStringLiteral("TButton"));
    TDesignControl *edit = insert(QStringLiteral("TEdit"));
    TDesignControl *label = insert(QStringLiteral("TLabel"));
    TDesignControl *bevel = insert(QStringLiteral("TBevel"));
    const auto order = [&] {
        QStringList names;
        for (QObject *child : root.children()) {
            if (auto *control = qobject_cast<TDesignControl *>(child))
                names.append(control->name());
        }
        return names.join(u' ');
    };
    EXPECT_EQ(order(), QStringLiteral("Label1 Bevel1 Button1 Edit1"));

    edit->sendToBack();
    EXPECT_EQ(order(), QStringLiteral("Label1 Bevel1 Edit1 Button1"));
    label->bringToFront();
    EXPECT_EQ(order(), QStringLiteral("Bevel1 Label1 Edit1 Button1"));
    label->sendToBack();
    EXPECT_EQ(order(), QStringLiteral("Label1 Bevel1 Edit1 Button1"));
    edit->bringToFront();
    EXPECT_EQ(order(), QStringLiteral("Label1 Bevel1 Button1 Edit1"));
    bevel->sendToBack();
    button->sendToBack();
    EXPECT_EQ(order(), QStringLiteral("Bevel1 Label1 Button1 Edit1"));
    EXPECT_EQ(objectLines(), QStringList({"  object Bevel1: TBevel", "  object Label1: TLabel",
                                          "  object Button1: TButton", "  object Edit1: TEdit"}));
}

} // namespace
