#pragma once

#include "widgets/NxPopupEdit.h"

#include <QTest>

// Opens an edit's popup as a user does, with a press on the arrow button,
// and arms it with the release of that press (delivered to the popup, which
// holds the mouse while open).
template<typename Popup>
Popup *openByArrow(talmo::TNxPopupEdit &edit, const QPoint &releaseAt)
{
    QTest::mousePress(edit.button(), Qt::LeftButton);
    auto *popup = static_cast<Popup *>(edit.popupControl());
    QTest::mouseRelease(popup, Qt::LeftButton, {}, releaseAt);
    return popup;
}
