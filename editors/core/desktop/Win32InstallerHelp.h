#pragma once

#include <QString>
#include <QStringList>

namespace talmo {

// The help pane of the desktop-installer module page: an overview of the
// active tab, or the topics of the inspector row the user selected.
class Win32InstallerHelp
{
public:
    // The whole HTML document as lines. page is the active tab (0-6); without
    // a row selection (selectedCaption empty) the tab's overview is shown.
    static QStringList Page(int page, const QString &selectedCaption);
};

} // namespace talmo
