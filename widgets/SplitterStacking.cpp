#include "widgets/SplitterStacking.h"

#include <QEvent>
#include <QSplitter>

namespace talmo {

SplitterStacking *SplitterStacking::install(QSplitter *splitter, int sideBySideWidth)
{
    return new SplitterStacking(splitter, sideBySideWidth);
}

SplitterStacking::SplitterStacking(QSplitter *splitter, int sideBySideWidth)
    : QObject(splitter)
    , m_splitter(splitter)
    , m_sideBySideWidth(sideBySideWidth)
{
    splitter->installEventFilter(this);
}

bool SplitterStacking::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_splitter && event->type() == QEvent::Resize)
        follow();
    return QObject::eventFilter(watched, event);
}

void SplitterStacking::follow()
{
    const Qt::Orientation wanted = m_splitter->width() < m_sideBySideWidth ? Qt::Vertical : Qt::Horizontal;
    if (wanted == m_splitter->orientation())
        return;
    if (wanted == Qt::Vertical) {
        m_sideBySideState = m_splitter->saveState();
        m_splitter->setOrientation(Qt::Vertical);
        return;
    }
    if (!m_splitter->restoreState(m_sideBySideState))
        m_splitter->setOrientation(Qt::Horizontal);
}

} // namespace talmo
