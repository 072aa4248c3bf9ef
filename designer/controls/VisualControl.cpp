#include "designer/controls/VisualControl.h"

#include <QEvent>
#include <QVBoxLayout>

#include <algorithm>

namespace talmo {

TVisualControl::TVisualControl(QWidget *parent)
    : TDesignControl(parent)
{
    connect(this, &TDesignControl::renamed, this, &TVisualControl::followName);
    if (parent)
        takeLastTabPlace();
}

void TVisualControl::setAlign(TAlign align)
{
    m_align = align;
}

void TVisualControl::setDesignEnabled(bool enabled)
{
    m_enabled = enabled;
    applyInputState();
    update();
}

void TVisualControl::setDesignVisible(bool visible)
{
    m_visible = visible;
    applyInputState();
}

int TVisualControl::tabOrder() const
{
    if (!takesTabOrder())
        return -1;
    if (!parentWidget())
        return std::max(m_tabPlace, 0);
    return int(tabSequence(parentWidget()).indexOf(const_cast<TVisualControl *>(this)));
}

void TVisualControl::setTabOrder(int tabOrder)
{
    if (!takesTabOrder())
        return;
    if (isLoading() || !parentWidget()) {
        m_tabPlace = tabOrder;
        return;
    }
    QList<TVisualControl *> sequence = tabSequence(parentWidget());
    sequence.removeOne(this);
    sequence.insert(std::clamp<qsizetype>(tabOrder, 0, sequence.size()), this);
    for (qsizetype place = 0; place < sequence.size(); ++place)
        sequence.at(place)->m_tabPlace = int(place);
}

QList<TVisualControl *> TVisualControl::tabSequence(const QWidget *parent)
{
    QList<TVisualControl *> sequence;
    for (QObject *child : parent->children()) {
        auto *control = qobject_cast<TVisualControl *>(child);
        if (control && control->takesTabOrder())
            sequence.append(control);
    }
    std::stable_sort(sequence.begin(), sequence.end(),
                     [](const TVisualControl *a, const TVisualControl *b) { return a->m_tabPlace < b->m_tabPlace; });
    return sequence;
}

void TVisualControl::embed(QWidget *inner)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(inner);
    m_inner = inner;
    applyInputState();
}

void TVisualControl::designingChanged()
{
    applyInputState();
}

bool TVisualControl::event(QEvent *event)
{
    if (event->type() == QEvent::ParentChange && parentWidget())
        takeLastTabPlace();
    return TDesignControl::event(event);
}

void TVisualControl::followName(const QString &oldName, const QString &newName)
{
    if (isDesigning() && !isLoading() && designText() == oldName)
        setDesignText(newName);
}

// While designing the surface takes every press and key, a hidden control
// stays visible and a disabled one still paints disabled.
void TVisualControl::applyInputState()
{
    const bool designing = isDesigning();
    setFocusPolicy(designing ? Qt::NoFocus : (isWindowless() ? Qt::NoFocus : Qt::StrongFocus));
    if (m_inner) {
        m_inner->setAttribute(Qt::WA_TransparentForMouseEvents, designing);
        m_inner->setFocusPolicy(designing ? Qt::NoFocus : Qt::StrongFocus);
        m_inner->setEnabled(m_enabled);
    }
    const bool hide = !m_visible && !designing;
    if (hide && !isHidden())
        QWidget::hide();
    else if (!hide && isHidden() && testAttribute(Qt::WA_WState_ExplicitShowHide) && parentWidget())
        QWidget::show();
}

void TVisualControl::takeLastTabPlace()
{
    int last = -1;
    for (QObject *sibling : parentWidget()->children()) {
        auto *control = qobject_cast<TVisualControl *>(sibling);
        if (control && control != this)
            last = std::max(last, control->m_tabPlace);
    }
    m_tabPlace = last + 1;
}

} // namespace talmo
