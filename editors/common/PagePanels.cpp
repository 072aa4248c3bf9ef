#include "editors/common/PagePanels.h"

#include "widgets/NxFlipPanel.h"

#include <QLayout>

namespace talmo {

namespace {

// A folding panel keeps the height it was given; a panel that never folds
// asks its layout, so its controls are never squeezed below their own size.
class PageSectionPanel : public TNxFlipPanel
{
public:
    explicit PageSectionPanel(int leastHeight)
        : m_leastHeight(leastHeight)
    {
        // May grow past its hint where wrapped texts need more lines.
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Minimum);
    }

    QSize sizeHint() const override
    {
        const QSize content = layout() ? layout()->sizeHint() : TNxFlipPanel::sizeHint();
        return content.expandedTo({0, m_leastHeight});
    }

    // Wrapped texts in the panel grow it as it narrows.
    int heightForWidth(int width) const override
    {
        return layout() ? qMax(m_leastHeight, layout()->totalHeightForWidth(width)) : -1;
    }

private:
    int m_leastHeight;
};

} // namespace

TNxFlipPanel *pageSectionPanel(const QString &caption, int leastHeight)
{
    auto *panel = new PageSectionPanel(leastHeight);
    panel->setCaption(caption);
    panel->setFlipKind(fkNone);
    panel->setShowButtons(false);
    return panel;
}

} // namespace talmo
