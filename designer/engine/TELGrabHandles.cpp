#include "designer/engine/TELGrabHandles.h"

#include "designer/DesignControl.h"

namespace talmo {

QRect TELGrabHandles::rect(int position, const QRect &bounds, int mode)
{
    const int m = mode == 1 ? 1 : 0;
    const int l = bounds.x();
    const int t = bounds.y();
    const int w = bounds.width();
    const int h = bounds.height();
    int top = 0;
    if (position <= 2)
        top = t - 2 * m;
    else if (position == 3 || position == 7)
        top = t + h / 2 - 2;
    else
        top = t + h + 2 * m - 5;
    int left = 0;
    if (position == 1 || position == 5)
        left = l + w / 2 - 2;
    else if (position >= 2 && position <= 4)
        left = l + w + 2 * m - 5;
    else
        left = l - 2 * m;
    return QRect(left, top, Size, Size);
}

bool TELGrabHandles::visible(int position, int mode)
{
    return mode == 1 || (mode == 2 && position % 2 == 0);
}

TELGrabHandles::Colors TELGrabHandles::colors(int mode, bool active, int lockBits, const TELHandleColors &palette)
{
    if (!active) {
        return mode == 1 ? Colors{palette.inactiveHandleClr, palette.inactiveHandleBorderClr}
                         : Colors{palette.multySelectHandleClr, palette.multySelectHandleBorderClr};
    }
    Colors result = mode == 1 ? Colors{palette.handleClr, palette.handleBorderClr}
                              : Colors{palette.multySelectHandleClr, palette.multySelectHandleBorderClr};
    if (lockBits & LockMove)
        result.fill = palette.lockedHandleClr;
    if (lockBits & LockResize)
        result.border = palette.lockedHandleClr;
    return result;
}

Qt::CursorShape TELGrabHandles::cursor(int position, int mode, int lockBits)
{
    if (mode != 1 || (lockBits & LockResize))
        return Qt::ArrowCursor;
    static const Qt::CursorShape shapes[Count] = {Qt::SizeFDiagCursor, Qt::SizeVerCursor, Qt::SizeBDiagCursor,
                                                  Qt::SizeHorCursor,   Qt::SizeFDiagCursor, Qt::SizeVerCursor,
                                                  Qt::SizeBDiagCursor, Qt::SizeHorCursor};
    return shapes[position];
}

QRect TELGrabHandles::extent(const QRect &bounds, int mode)
{
    QRect result;
    for (int position = 0; position < Count; ++position) {
        if (visible(position, mode))
            result |= rect(position, bounds, mode);
    }
    return result;
}

} // namespace talmo
