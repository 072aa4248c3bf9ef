// The designer's clipboard operations: controls travel as one block of
// binary component streams under the designer's MIME type.

#include "designer/DesignPasteNames.h"
#include "designer/DesignTreeReader.h"
#include "designer/DesignTreeWriter.h"
#include "designer/engine/EELDesigner.h"
#include "designer/engine/TELClipboard.h"
#include "designer/engine/TELDesigner.h"
#include "designer/engine/TELDesignerGrid.h"
#include "designer/engine/TELDesignerSelectedControls.h"
#include "helpers/core/ComponentBinaryStream.h"
#include "helpers/core/ComponentTextSyntax.h"

#include <QMimeData>
#include <QScopeGuard>

namespace talmo {

void TELDesigner::CopyToClipboard()
{
    if (!CanCopy())
        return;
    TELDesignerSelectedControls &selection = *m_selection;
    selection.KeepParent(selection.Last()->parentWidget());
    if (selection.GetCount() == 0)
        return;
    const TDesignTreeWriter writer(m_registry);
    std::vector<ComponentTextNode> components;
    for (TDesignControl *control : selection.Controls()) {
        if (control != m_designControl && !(LockBitsWithChildren(*control) & LockCopy))
            components.push_back(writer.write(*control, *m_designControl));
    }
    auto *data = new QMimeData;
    data->setData(ClipboardMimeType(), ComponentBinaryStream::writeBlock(components));
    m_clipboard->setMimeData(data);
}

void TELDesigner::CutToClipboard()
{
    if (!CanCut())
        return;
    CopyToClipboard();
    DeleteSelectedControls();
}

TDesignControl *TELDesigner::PasteTarget() const
{
    TDesignControl *last = m_selection->Last();
    auto *target = last ? qobject_cast<TDesignControl *>(ContainerAtOrAbove(last)) : nullptr;
    return target ? target : m_designControl.data();
}

void TELDesigner::PasteFromClipboard()
{
    if (!CanPaste())
        return;
    const QByteArray block = m_clipboard->mimeData()->data(ClipboardMimeType());
    TDesignControl &target = *PasteTarget();
    TDesignControl &root = *m_designControl;

    QList<TELPastedControl> made;
    TDesignPasteNames names(
        root, [this](const QString &className) { return MakeUniqueName(className); },
        [this](const QString &name) { return nameRefusal(name).isEmpty(); });
    TDesignReadHooks hooks = names.hooks();
    hooks.name = [&names, &made](const QString &storedName, const QString &className) {
        const QString name = names.name(storedName, className);
        made.append({storedName, name, nullptr});
        return name;
    };
    QList<TDesignControl *> pasted;
    try {
        pasted = TDesignTreeReader(m_registry).readComponents(root, target, ComponentBinaryStream::readBlock(block), hooks);
    } catch (const ComponentTextError &error) {
        throw EELDesigner(EELDesigner::unreadableClipboard(error.message()));
    }
    for (TELPastedControl &entry : made)
        entry.control = root.findComponent(entry.newName);

    {
        TELDesignerSelectedControls &selection = *m_selection;
        selection.BeginUpdate();
        const auto endUpdate = qScopeGuard([&] { selection.EndUpdate(); });
        selection.Clear();
        for (TDesignControl *control : pasted) {
            if (!IsDesignable(control) || !control->parentWidget())
                continue;
            cascade(*control);
            control->show();
            selection.Add(control);
            if (events.OnNotification)
                events.OnNotification(control, TELOperation::opInsert);
        }
    }
    emit controlsPasted(made);
    Modified();
}

// A pasted control never lies exactly over a sibling: it steps one grid
// step right and down until its place is free.
void TELDesigner::cascade(TDesignControl &control) const
{
    const QList<TDesignControl *> siblings =
        control.parentWidget()->findChildren<TDesignControl *>(Qt::FindDirectChildrenOnly);
    QPoint place = control.pos();
    const auto taken = [&] {
        return std::any_of(siblings.cbegin(), siblings.cend(), [&](const TDesignControl *sibling) {
            return sibling != &control && sibling->pos() == place;
        });
    };
    while (taken())
        place += QPoint(m_grid->xStep(), m_grid->yStep());
    control.setBounds(place.x(), place.y(), control.width(), control.height());
}

QString TELDesigner::nameRefusal(const QString &name, const QString &currentName) const
{
    TELValidateNameArgs args{name, ComponentTextSyntax::isName(name) && !ComponentTextSyntax::isKeyword(name),
                             currentName, QString()};
    if (args.isValidName && events.OnValidateName)
        events.OnValidateName(args);
    if (args.isValidName)
        return {};
    return args.refusal.isEmpty() ? EELDesigner::invalidName() : args.refusal;
}

} // namespace talmo
