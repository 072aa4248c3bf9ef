#pragma once

#include <QProxyStyle>

namespace talmo {

// The program's look on top of the platform's style: a push button's text
// keeps a clear margin from its edges, however narrow the platform style
// makes its buttons.
class ProgramStyle : public QProxyStyle
{
public:
    static constexpr int ButtonTextMargin = 10;

    ProgramStyle();

    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &contentsSize,
                           const QWidget *widget) const override;

    // Makes it the application's style.
    static void install();
};

} // namespace talmo
