#include "SurfaceInput.h"

#include "designer/engine/TDEngHint.h"

#include <QToolTip>

namespace talmo {

using Hints = SurfaceFixture;

TEST_F(Hints, HoverNamesTheControlAndAKeyHidesIt)
{
    TButton *button = add<TButton>("Button1", {20, 20, 75, 25});
    designer->SetHintPauses(0, 60000);
    designer->SetActive(true);
    TDEngHint &hint = designer->engine()->hint();
    // Activation would end a hint on screen: let it happen first.
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    moveTo({30, 30});
    ASSERT_TRUE(QTest::qWaitFor([&] { return hint.isShown(); }, 2000));
    EXPECT_EQ(hint.text(), "Button1: TButton");
    EXPECT_EQ(QToolTip::text(), "Button1: TButton");
    key(Qt::Key_Shift);
    EXPECT_FALSE(hint.isShown());

    designer->events.OnControlHint = [&](TELControlHintArgs &args) {
        EXPECT_EQ(args.control, button);
        args.hint.clear();
    };
    moveTo({300, 200}); // the root shows none
    moveTo({30, 30});
    QCoreApplication::processEvents();
    EXPECT_FALSE(hint.isShown());
}

TEST_F(Hints, DragsShowThePlaceAndTheSizeAtOnce)
{
    TButton *button = add<TButton>("Button1", {20, 20, 75, 25});
    designer->SetActive(true);
    TDEngHint &hint = designer->engine()->hint();
    press({30, 30});
    moveTo({38, 46});
    EXPECT_TRUE(hint.isShown());
    EXPECT_EQ(hint.text(), "28, 36");
    release({38, 46});
    EXPECT_FALSE(hint.isShown());

    selection().SelectOnly(button);
    const QPoint grip = overlay().handleRect(button, 4).center();
    press(grip);
    moveTo(grip + QPoint(4, 4));
    EXPECT_EQ(hint.text(), "79 x 29");
    release(grip + QPoint(4, 4));

    designer->events.OnControlInserting = [](TELControlInsertingArgs &args) { args.controlClass = "TLabel"; };
    press({200, 100});
    moveTo({240, 112});
    EXPECT_EQ(hint.text(), "41 x 13");
    release({240, 112});
}

} // namespace talmo
