#pragma once

#include "designer/controls/Label.h"

namespace talmo {

// The installer's windowed caption: sized one pixel beyond its measured text,
// and its accelerator focuses FocusControl.
class TNewStaticText : public TLabel
{
    Q_OBJECT

public:
    explicit TNewStaticText(QWidget *parent = nullptr);
    static const DesignPropertyTable &propertyTable();

    bool isWindowless() const override { return false; }

protected:
    int autoSizeMargin() const override { return 1; }
};

} // namespace talmo
