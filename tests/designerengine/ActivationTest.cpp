#include "DesignerFixture.h"

#include <QSignalSpy>

namespace talmo {

using Activation = DesignerFixture;

TEST_F(Activation, ApiCallsCheckTheDesignersStateWithItsOwnTexts)
{
    TELDesigner bare(registry);
    EXPECT_EQ(designerError([&] { bare.SetActive(true); }), "Design control not specified");
    bare.SetDesignControl(root);
    EXPECT_EQ(designerError([&] { bare.SetActive(true); }), "No design panel specified");
    EXPECT_EQ(designerError([&] { designer->SelectedControls().Clear(); }), "Designer mast be active");
    EXPECT_EQ(designerError([&] { designer->DeleteSelectedControls(); }), "Designer mast be active");
    EXPECT_EQ(designerError([&] { designer->SelectedControls().SelectAll(); }), "Designer mast be active");
    EXPECT_EQ(designerError([&] { designer->SelectedControls().Add(root); }), "Designer mast be active");

    designer->SetActive(true);
    EXPECT_EQ(designerError([&] { designer->SetDesignControl(nullptr); }), "Designer mast be inactive");
    EXPECT_EQ(designerError([&] { designer->SetDesignPanel(nullptr); }), "Designer mast be inactive");
    TPanel stranger;
    stranger.rename(QStringLiteral("Stranger"));
    EXPECT_EQ(designerError([&] { selection().Add(&stranger); }), "Control 'Stranger' can not be selected");
}

TEST_F(Activation, CarriesTheDesignControlIntoTheHostAndBackWhereItWas)
{
    TButton *button = add<TButton>("Button1", {10, 20, 75, 25});
    designer->SetActive(true);

    TDPFormSurface *host = panel->hostForm()->surface();
    EXPECT_TRUE(designer->Active());
    EXPECT_EQ(root->parentWidget(), host);
    EXPECT_EQ(root->pos(), QPoint(0, 0));
    EXPECT_TRUE(panel->hostForm()->isVisible());
    EXPECT_TRUE(root->isDesigning());
    EXPECT_TRUE(button->isDesigning());
    EXPECT_EQ(panel->designer(), designer.get());
    EXPECT_EQ(selected(), QList<TDesignControl *>{root});
    EXPECT_EQ(selection().Entry(0).mode, 0); // the root shows no handles
    EXPECT_EQ(button->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(overlay().geometry(), host->rect());

    designer->SetActive(false);
    EXPECT_FALSE(designer->Active());
    EXPECT_EQ(root->parentWidget(), &window);
    EXPECT_EQ(root->pos(), QPoint(5, 6));
    EXPECT_FALSE(root->isDesigning());
    EXPECT_FALSE(button->isDesigning());
    EXPECT_FALSE(panel->hostForm()->isVisible());
    EXPECT_EQ(panel->designer(), nullptr);
    EXPECT_EQ(selection().GetCount(), 0);
}

TEST_F(Activation, AClientAlignedDesignControlFillsTheHost)
{
    root->setAlign(TVisualControl::alClient);
    designer->SetActive(true);
    const TDPFormSurface *host = panel->hostForm()->surface();
    EXPECT_EQ(root->geometry(), host->rect());
    panel->resize(500, 300);
    EXPECT_EQ(root->size(), host->size());
    EXPECT_EQ(overlay().geometry(), host->rect());
}

TEST_F(Activation, ASecondDesignerOnAUsedPanelIsRefused)
{
    designer->SetActive(true);
    TPanel otherRoot;
    TELDesigner second(registry);
    second.SetDesignPanel(panel);
    second.SetDesignControl(&otherRoot);
    EXPECT_EQ(designerError([&] { second.SetActive(true); }), "Design panel 'DesignPanel' is used by another designer");
    EXPECT_FALSE(second.Active());
    EXPECT_EQ(panel->designer(), designer.get());
}

TEST_F(Activation, DestroyingTheDesignControlOrThePanelEndsDesigning)
{
    designer->SetActive(true);
    delete root;
    EXPECT_FALSE(designer->Active());
    EXPECT_EQ(designer->DesignControl(), nullptr);

    root = new TPanel(&window);
    root->move(7, 8);
    designer->SetDesignControl(root);
    designer->SetActive(true);
    delete panel;
    EXPECT_FALSE(designer->Active());
    EXPECT_EQ(designer->DesignPanel(), nullptr);
    EXPECT_EQ(root->parentWidget(), &window); // given back before the host form went
    EXPECT_EQ(root->pos(), QPoint(7, 8));
}

TEST_F(Activation, PanelKeepsOnlyItsTwoBorderStyles)
{
    EXPECT_EQ(panel->BorderStyle(), TELDesignPanel::bsSingle);
    panel->SetBorderStyle(TELDesignPanel::bsNone);
    EXPECT_EQ(panel->frameShape(), QFrame::NoFrame);
    panel->SetBorderStyle(7);
    EXPECT_EQ(panel->BorderStyle(), TELDesignPanel::bsNone);
    designer->SetActive(true);
    EXPECT_EQ(panel->hostForm()->geometry(), panel->contentsRect());
}

TEST_F(Activation, ClipboardFormatBecomesOneMimeType)
{
    EXPECT_EQ(designer->ClipboardMimeType(), "application/x-extension-library-designer-components");
    designer->SetClipboardFormat(QStringLiteral("  My__Format 2.0!"));
    EXPECT_EQ(designer->ClipboardMimeType(), "application/x--my-format-2-0-");
}

TEST_F(Activation, GridStepsStayBetweenTwoAndThirtyTwo)
{
    TELDesignerGrid grid;
    EXPECT_EQ(grid.xStep(), 8);
    QSignalSpy changed(&grid, &TELDesignerGrid::changed);
    grid.setXStep(1);
    grid.setYStep(40);
    EXPECT_EQ(grid.xStep(), 2);
    EXPECT_EQ(grid.yStep(), 32);
    EXPECT_EQ(changed.count(), 2);
}

} // namespace talmo
