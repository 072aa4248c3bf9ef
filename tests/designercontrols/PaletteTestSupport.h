#pragma once

#include "designer/DesignClassRegistry.h"
#include "designer/DesignTreeWriter.h"
#include "designer/PageDfm.h"
#include "designer/controls/FormDesignerClasses.h"
#include "designer/controls/Panel.h"
#include "designer/controls/TextMeasurer.h"

#include <gtest/gtest.h>

namespace talmo::testing {

// 6 pixels a character, 13 a line, whatever the font.
class FixedTextMeasurer : public TTextMeasurer
{
public:
    QSize textSize(const QString &text, const QFont &, int wrapWidth) const override
    {
        int lines = 0;
        int widest = 0;
        for (const QString &line : text.split(u'\n')) {
            const int width = int(line.size()) * 6;
            const int wrapped = wrapWidth > 0 ? std::max(1, (width + wrapWidth - 1) / wrapWidth) : 1;
            lines += wrapped;
            widest = std::max(widest, wrapWidth > 0 ? std::min(width, wrapWidth) : width);
        }
        return {widest, lines * 13};
    }
};

// An empty designed page with the palette registered and the fixed measurer
// installed; insert() adds a control as the palette does.
class PalettePage : public ::testing::Test
{
protected:
    PalettePage()
    {
        TTextMeasurer::install(&measurer);
        InitFormDesignerUnit(registry);
        root.setBounds(0, 0, 418, 230);
        root.setDesigning(true);
    }
    ~PalettePage() override
    {
        root.destroyComponents();
        TTextMeasurer::install(nullptr);
    }

    TDesignControl *insert(const QString &className, int left = 8, int top = 8, TDesignControl *parent = nullptr)
    {
        const TDesignClassRegistry::Entry *entry = registry.find(className);
        EXPECT_NE(entry, nullptr) << className.toStdString();
        TDesignControl *control = entry->create();
        control->setParent(parent ? parent : &root);
        control->show();
        root.insertComponent(control);
        control->setLeft(left);
        control->setTop(top);
        const QString base = className.mid(1).replace(QLatin1String("NewProgressBar"), QLatin1String("ProgressBar"));
        for (int number = 1; !control->rename(base + QString::number(number)).accepted; ++number) {
        }
        return control;
    }

    QStringList written() const { return PageDfm::WritePageDfm(root, registry); }

    FixedTextMeasurer measurer;
    TDesignClassRegistry registry;
    TPanel root;
};

} // namespace talmo::testing
