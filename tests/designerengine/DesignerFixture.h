#pragma once

#include "designer/DesignClassRegistry.h"
#include "designer/controls/Button.h"
#include "designer/controls/FormDesignerClasses.h"
#include "designer/controls/Label.h"
#include "designer/controls/Panel.h"
#include "designer/engine/EELDesigner.h"
#include "designer/engine/TDEng.h"
#include "designer/engine/TDEngOverlay.h"
#include "designer/engine/TDPForm.h"
#include "designer/engine/TDPFormSurface.h"
#include "designer/engine/TELDesignPanel.h"
#include "designer/engine/TELDesigner.h"
#include "designer/engine/TELDesignerGrid.h"
#include "designer/engine/TELDesignerSelectedControls.h"
#include "helpers/ui/FakeUiServices.h"

#include <QWidget>
#include <gtest/gtest.h>

#include <memory>

namespace talmo {

// A page designer in miniature: a window with a design panel and a root
// panel beside it, a designer with the page designer's grid of 4.
class DesignerFixture : public ::testing::Test
{
protected:
    DesignerFixture()
    {
        InitFormDesignerUnit(registry);
        window.resize(600, 400);
        panel = new TELDesignPanel(&window);
        panel->setObjectName(QStringLiteral("DesignPanel"));
        panel->setGeometry(47, 104, 418, 230);
        root = new TPanel(&window);
        root->setGeometry(5, 6, 410, 220);
        designer = std::make_unique<TELDesigner>(registry);
        designer->Grid().setXStep(4);
        designer->Grid().setYStep(4);
        designer->SetDesignPanel(panel);
        designer->SetDesignControl(root);
        designer->SetHintPauses(0, 0);
        window.show();
    }

    template <typename T>
    T *add(const QString &name, const QRect &bounds, QWidget *parent = nullptr)
    {
        auto *control = new T;
        control->setParent(parent ? parent : root);
        root->insertComponent(control);
        control->rename(name);
        control->setBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
        control->show();
        return control;
    }

    TELDesignerSelectedControls &selection() { return designer->SelectedControls(); }
    TDEngOverlay &overlay() { return designer->engine()->overlay(); }
    QList<TDesignControl *> selected() { return selection().Controls(); }

    FakeUiServices ui;
    ScopedCurrentUiServices installUi{ui};
    TDesignClassRegistry registry;
    QWidget window;
    TELDesignPanel *panel = nullptr;
    TPanel *root = nullptr;
    std::unique_ptr<TELDesigner> designer;
};

// The message of the EELDesigner a call throws; empty when it throws none.
template <typename Call>
QString designerError(Call &&call)
{
    try {
        call();
    } catch (const EELDesigner &error) {
        return error.message();
    }
    return {};
}

} // namespace talmo
