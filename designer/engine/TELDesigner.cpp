#include "designer/engine/TELDesigner.h"

#include "designer/DesignControl.h"
#include "designer/controls/VisualControl.h"
#include "designer/engine/EELDesigner.h"
#include "designer/engine/TDEng.h"
#include "designer/engine/TDEngHint.h"
#include "designer/engine/TDEngOverlay.h"
#include "designer/engine/TDPFormSurface.h"
#include "designer/engine/TELClipboard.h"
#include "designer/engine/TELDesignPanel.h"
#include "designer/engine/TELDesignerGrid.h"
#include "designer/engine/TELDesignerSelectedControls.h"
#include "helpers/core/ComponentTextSyntax.h"
#include "helpers/ui/UiServices.h"

#include <QCoreApplication>
#include <QMimeData>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScopedValueRollback>

namespace talmo {

TELDesigner::TELDesigner(const TDesignClassRegistry &registry, QObject *parent)
    : QObject(parent),
      m_registry(registry),
      m_grid(new TELDesignerGrid(this)),
      m_selection(new TELDesignerSelectedControls(*this)),
      m_applicationClipboard(std::make_unique<TELApplicationClipboard>()),
      m_clipboard(m_applicationClipboard.get())
{
    connect(m_grid, &TELDesignerGrid::changed, this, &TELDesigner::gridChanged);
    connect(m_selection, &TELDesignerSelectedControls::changed, this, &TELDesigner::selectionChanged);
    connect(m_selection, &TELDesignerSelectedControls::handlesChanged, this, [this] {
        if (m_engine)
            m_engine->refreshHandles();
    });
}

TELDesigner::~TELDesigner()
{
    if (Active())
        deactivate(false);
}

void TELDesigner::SetDesignPanel(TELDesignPanel *panel)
{
    checkInactive();
    m_designPanel = panel;
}

void TELDesigner::SetDesignControl(TDesignControl *control)
{
    checkInactive();
    if (m_designControl)
        disconnect(m_designControl, &QObject::destroyed, this, &TELDesigner::designControlDestroyed);
    m_designControl = control;
    if (control)
        connect(control, &QObject::destroyed, this, &TELDesigner::designControlDestroyed);
}

void TELDesigner::SetActive(bool active)
{
    if (active == Active())
        return;
    if (!active) {
        deactivate(false);
        return;
    }
    if (!m_designControl)
        throw EELDesigner(EELDesigner::noDesignControl());
    if (!m_designPanel)
        throw EELDesigner(EELDesigner::noDesignPanel());
    if (m_designPanel->designer())
        throw EELDesigner(EELDesigner::panelInUse(m_designPanel->objectName()));
    const QScopedValueRollback changing(m_changing, true);
    m_designPanel->setDesigner(this);
    m_engine = std::make_unique<TDEng>(*this, *m_designControl, *m_designPanel);
    m_designControl->setRenameHook([this](const TDesignControl &component, const QString &newName) {
        try {
            CheckComponentRename(component, component.name(), newName);
            return TRenameVerdict::accept();
        } catch (const EELDesigner &error) {
            return TRenameVerdict::refuse(error.message());
        }
    });
    m_selection->SetRoot(m_designControl);
    m_selection->SetActive(m_engine->overlay().hasFocus() || m_designPanel->hasFocus());
    m_selection->Add(m_designControl);
    m_selection->SetVisible(true);
}

void TELDesigner::deactivate(bool controlDestroyed)
{
    const QScopedValueRollback changing(m_changing, true);
    m_selection->SetVisible(false);
    m_selection->Clear();
    m_selection->SetRoot(nullptr);
    if (controlDestroyed)
        m_engine->forgetRoot();
    else if (m_designControl)
        m_designControl->setRenameHook({});
    m_engine.reset();
    if (m_designPanel)
        m_designPanel->setDesigner(nullptr);
}

void TELDesigner::designPanelDestroying(TELDesignPanel *panel)
{
    if (m_changing || panel != m_designPanel)
        return;
    if (Active())
        deactivate(false);
    m_designPanel = nullptr;
}

void TELDesigner::designControlDestroyed()
{
    if (m_changing)
        return;
    if (Active())
        deactivate(true);
    m_designControl = nullptr;
}

void TELDesigner::SetHandleColors(const TELHandleColors &colors)
{
    m_handleColors = colors;
    if (m_engine)
        m_engine->overlay().update();
}

QString TELDesigner::ClipboardMimeType() const
{
    static const QRegularExpression others(QStringLiteral("[^a-z0-9]+"));
    return QStringLiteral("application/x-") + m_clipboardFormat.toLower().replace(others, QStringLiteral("-"));
}

void TELDesigner::SetClipboard(TELClipboard *clipboard)
{
    m_clipboard = clipboard ? clipboard : m_applicationClipboard.get();
}

TELClipboard &TELDesigner::Clipboard() const
{
    return *m_clipboard;
}

void TELDesigner::SetHintPauses(int showMilliseconds, int hideMilliseconds)
{
    m_hintPause = showMilliseconds;
    m_hintHidePause = hideMilliseconds;
    if (m_engine)
        m_engine->hint().setPauses(showMilliseconds, hideMilliseconds);
}

bool TELDesigner::IsDesignable(const TDesignControl *control) const
{
    if (!control || !m_designControl)
        return false;
    return control == m_designControl || (control->isDesigning() && control->owner() == m_designControl);
}

bool TELDesigner::AcceptsControls(const QWidget *control) const
{
    if (control && control == m_designControl)
        return true;
    const auto *visual = qobject_cast<const TVisualControl *>(control);
    return visual && visual->acceptsChildren();
}

TDesignControl *TELDesigner::DesignableAtOrAbove(QWidget *widget) const
{
    for (; widget; widget = widget->parentWidget()) {
        auto *control = qobject_cast<TDesignControl *>(widget);
        if (IsDesignable(control))
            return control;
        if (widget == m_designControl)
            return nullptr;
    }
    return nullptr;
}

QWidget *TELDesigner::ContainerAtOrAbove(QWidget *widget) const
{
    for (; widget; widget = widget->parentWidget()) {
        if (AcceptsControls(widget))
            return widget;
        if (widget == m_designControl)
            return nullptr;
    }
    return nullptr;
}

int TELDesigner::LockBitsWithChildren(const TDesignControl &control)
{
    int bits = control.lockBits();
    for (const TDesignControl *child : control.findChildren<TDesignControl *>(Qt::FindDirectChildrenOnly))
        bits |= child->lockBits();
    return bits;
}

void TELDesigner::DeleteSelectedControls()
{
    checkActive();
    TELDesignerSelectedControls &selection = *m_selection;
    if (selection.GetCount() == 0 || (selection.GetCount() == 1 && selection.GetItem(0) == m_designControl))
        return;
    selection.BeginUpdate();
    const auto endUpdate = qScopeGuard([&] { selection.EndUpdate(); });
    QList<TDesignControl *> locked;
    for (TDesignControl *control : selection.Controls()) {
        if (control != m_designControl && (LockBitsWithChildren(*control) & LockDelete))
            locked.append(control);
    }
    if (locked.size() == 1)
        throw EELDesigner(EELDesigner::lockedAgainstDelete(locked.first()->name()));
    if (locked.size() > 1)
        throw EELDesigner(EELDesigner::severalLockedAgainstDelete());
    for (int index = selection.GetCount() - 1; index >= 0; index = std::min(index - 1, selection.GetCount() - 1)) {
        TDesignControl *control = selection.GetItem(index);
        if (control == m_designControl)
            continue;
        if (events.OnNotification)
            events.OnNotification(control, TELOperation::opRemove);
        delete control;
    }
    Modified();
}

bool TELDesigner::CanCopy() const
{
    if (!Active())
        return false;
    const TELDesignerSelectedControls &selection = *m_selection;
    if (selection.GetCount() == 0 || (selection.GetCount() == 1 && selection.GetItem(0) == m_designControl))
        return false;
    return !siblingsOfLastLocked(LockCopy);
}

bool TELDesigner::CanCut() const
{
    return CanCopy() && !siblingsOfLastLocked(LockDelete);
}

// Whether a selected control (the root aside) beside the last selected one
// holds the lock, itself or in a direct child.
bool TELDesigner::siblingsOfLastLocked(int lock) const
{
    const QWidget *parent = m_selection->Last()->parentWidget();
    const QList<TDesignControl *> selected = m_selection->Controls();
    return std::any_of(selected.cbegin(), selected.cend(), [&](const TDesignControl *control) {
        return control != m_designControl && control->parentWidget() == parent
            && (LockBitsWithChildren(*control) & lock);
    });
}

bool TELDesigner::CanPaste() const
{
    if (!Active())
        return false;
    if (TDesignControl *last = m_selection->Last()) {
        auto *target = qobject_cast<TDesignControl *>(ContainerAtOrAbove(last));
        if (!target || (target->lockBits() & LockInsertInto))
            return false;
    }
    const QMimeData *data = m_clipboard->mimeData();
    return data && data->hasFormat(ClipboardMimeType());
}

QString TELDesigner::MakeUniqueName(const QString &baseName) const
{
    if (events.OnGetUniqueName) {
        TELUniqueNameArgs args{baseName, QString()};
        events.OnGetUniqueName(args);
        if (!args.uniqueName.isEmpty())
            return args.uniqueName;
    }
    QString prefix = baseName;
    if (baseName.size() >= 2 && (baseName.front() == u'T' || baseName.front() == u't'))
        prefix = baseName.mid(1);
    for (int number = 1;; ++number) {
        const QString name = prefix + QString::number(number);
        if ((!m_designControl || !m_designControl->findComponent(name)) && nameRefusal(name).isEmpty())
            return name;
    }
}

void TELDesigner::CheckComponentRename(const TDesignControl &component, const QString &currentName,
                                       const QString &newName) const
{
    if (!IsDesignable(&component))
        return;
    const QString refusal = nameRefusal(newName, currentName);
    if (!refusal.isEmpty())
        throw EELDesigner(refusal);
    const TDesignControl *holder = m_designControl->findComponent(newName);
    if (holder && holder != &component)
        throw EELDesigner(EELDesigner::duplicateName());
}

void TELDesigner::NotifyInserted(TDesignControl *control)
{
    if (events.OnNotification)
        events.OnNotification(control, TELOperation::opInsert);
    if (events.OnControlInserted)
        events.OnControlInserted();
    Modified();
}

void TELDesigner::ShowError(const std::exception &error) const
{
    QString message = QString::fromStdString(error.what());
    if (const auto *designerError = dynamic_cast<const EELDesigner *>(&error))
        message = designerError->message();
    QWidget *parent = m_engine ? static_cast<QWidget *>(&m_engine->host()) : nullptr;
    UiServices::current().showMessage(parent, UiMessageKind::Error, QCoreApplication::applicationName(), message);
}

void TELDesigner::Modified()
{
    if (m_engine)
        m_engine->refreshHandles();
    if (events.OnModified)
        events.OnModified();
}

void TELDesigner::checkActive() const
{
    if (!Active())
        throw EELDesigner(EELDesigner::mustBeActive());
}

void TELDesigner::checkInactive() const
{
    if (Active())
        throw EELDesigner(EELDesigner::mustBeInactive());
}

void TELDesigner::selectionChanged()
{
    if (events.OnChangeSelection)
        events.OnChangeSelection();
}

void TELDesigner::gridChanged()
{
    if (m_engine)
        m_engine->repaintGrid();
}

} // namespace talmo
