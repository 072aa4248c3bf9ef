#include "editors/PagePanels.h"

#include "widgets/NxFlipPanel.h"

namespace talmo {

TNxFlipPanel *pageSectionPanel(const QString &caption, int minimumHeight)
{
    auto *panel = new TNxFlipPanel;
    panel->setCaption(caption);
    panel->setFlipKind(fkNone);
    panel->setShowButtons(false);
    panel->setMinimumHeight(minimumHeight);
    return panel;
}

} // namespace talmo
