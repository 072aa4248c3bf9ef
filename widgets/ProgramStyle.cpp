#include "widgets/ProgramStyle.h"

#include <QApplication>
#include <QStyleFactory>
#include <QStyleOptionButton>

namespace talmo {

ProgramStyle::ProgramStyle()
    : QProxyStyle(QStyleFactory::create(QApplication::style()->name()))
{
}

QSize ProgramStyle::sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &contentsSize,
                                     const QWidget *widget) const
{
    QSize size = QProxyStyle::sizeFromContents(type, option, contentsSize, widget);
    if (type != CT_PushButton)
        return size;
    const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
    if (!button || button->text.isEmpty())
        return size;
    const int frame = pixelMetric(PM_DefaultFrameWidth, option, widget);
    size.setWidth(std::max(size.width(), contentsSize.width() + 2 * (ButtonTextMargin + frame)));
    return size;
}

void ProgramStyle::install()
{
    QApplication::setStyle(new ProgramStyle);
}

} // namespace talmo
