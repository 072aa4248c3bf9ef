#pragma once

#include <QStringList>

namespace talmo {

class TProjectContainer;

// The setup's "Copy Data" wizard page, from which the user copies the
// direct-copy modules onto the connected device: its globals, the copy
// button's click procedure, the page's Next and skip handlers and
// CopyToSD_CreatePage.
class StorageCardPage
{
public:
    // Nothing for a project without direct-copy modules.
    static void WriteCopyToSDPage(const TProjectContainer &project, QStringList &lines);
};

} // namespace talmo
