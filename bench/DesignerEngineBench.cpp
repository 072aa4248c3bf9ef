#include "designer/DesignClassRegistry.h"
#include "designer/controls/Button.h"
#include "designer/controls/FormDesignerClasses.h"
#include "designer/controls/Panel.h"
#include "designer/engine/TDEng.h"
#include "designer/engine/TDEngOverlay.h"
#include "designer/engine/TELDesignPanel.h"
#include "designer/engine/TELDesigner.h"
#include "designer/engine/TELDesignerGrid.h"
#include "designer/engine/TELDesignerSelectedControls.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

using namespace talmo;

// A page of n buttons in rows of 20, designed on a panel large enough for all.
class Page
{
public:
    explicit Page(int count)
    {
        InitFormDesignerUnit(registry);
        panel.resize(1700, 40 * (count / 20 + 1) + 10);
        root = new TPanel(&panel);
        root->resize(panel.size());
        for (int i = 0; i < count; ++i) {
            auto *button = new TButton(root);
            root->insertComponent(button);
            button->rename(QStringLiteral("Button%1").arg(i + 1));
            button->setBounds(8 + (i % 20) * 80, 8 + (i / 20) * 40, 75, 25);
        }
        designer.SetDesignPanel(&panel);
        designer.SetDesignControl(root);
        designer.Grid().setXStep(4);
        designer.Grid().setYStep(4);
        panel.show();
        designer.SetActive(true);
        QCoreApplication::processEvents();
    }

    QWidget &overlay() { return designer.engine()->overlay(); }

    void key(int key, Qt::KeyboardModifiers modifiers)
    {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QCoreApplication::sendEvent(&overlay(), &event);
    }

    void mouse(QEvent::Type type, const QPoint &point, Qt::MouseButtons held)
    {
        QMouseEvent event(type, point, overlay().mapToGlobal(point), Qt::LeftButton, held, Qt::NoModifier);
        QCoreApplication::sendEvent(&overlay(), &event);
    }

    TDesignClassRegistry registry;
    TELDesignPanel panel;
    TPanel *root = nullptr;
    TELDesigner designer{registry};
};

// Every control selected, moved one grid step right and back by Ctrl+arrows
// (one pixel a press), handles and the changed area repainted each time.
void BM_MoveSelectionByKeys(benchmark::State &state)
{
    Page page(int(state.range(0)));
    page.designer.SelectedControls().SelectAll();
    for (auto _ : state) {
        for (int step = 0; step < 4; ++step)
            page.key(Qt::Key_Right, Qt::ControlModifier);
        QCoreApplication::processEvents();
        for (int step = 0; step < 4; ++step)
            page.key(Qt::Key_Left, Qt::ControlModifier);
        QCoreApplication::processEvents();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_MoveSelectionByKeys)->RangeMultiplier(2)->Range(50, 400)->Complexity(benchmark::oN);

// A rubber band from the corner over every control, then back to the root alone.
void BM_RubberBandOverAll(benchmark::State &state)
{
    Page page(int(state.range(0)));
    const QPoint corner(page.root->width() - 1, page.root->height() - 1);
    for (auto _ : state) {
        page.mouse(QEvent::MouseButtonPress, QPoint(1, 1), Qt::LeftButton);
        for (int x = 1; x <= 8; ++x)
            page.mouse(QEvent::MouseMove, QPoint(corner.x() * x / 8, corner.y() * x / 8), Qt::LeftButton);
        page.mouse(QEvent::MouseButtonRelease, corner, Qt::NoButton);
        QCoreApplication::processEvents();
        page.designer.SelectedControls().SelectOnly(page.root);
        QCoreApplication::processEvents();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_RubberBandOverAll)->RangeMultiplier(2)->Range(50, 400)->Complexity(benchmark::oN);

} // namespace
