#include "editors/desktop/Win32InspectorRows.h"

#include "pagehost/IProjectWindowHost.h"
#include "widgets/NextInspector.h"
#include "widgets/NxButtonItem.h"
#include "widgets/NxCheckBoxItem.h"
#include "widgets/NxComboBoxItem.h"
#include "widgets/NxNumberItem.h"
#include "widgets/NxTextItem.h"

#include <QSignalBlocker>

namespace talmo {

namespace {

constexpr int CategoryTag = 99;

TNxPropertyItem *makeRow(TNxPropertyItems *items, TNxPropertyItem *category, const QString &caption,
                         EntryRowKind kind)
{
    switch (kind) {
    case EntryRowKind::Text:
        return items->addChild<TNxTextItem>(category, caption);
    case EntryRowKind::Button:
        return items->addChild<TNxButtonItem>(category, caption);
    case EntryRowKind::FreeCombo:
    case EntryRowKind::ListCombo: {
        auto *combo = items->addChild<TNxComboBoxItem>(category, caption);
        if (kind == EntryRowKind::ListCombo) {
            combo->setStyle(TNxComboBoxItem::cbDropDownList);
            combo->setOptions(itoAutoApply);
        }
        return combo;
    }
    case EntryRowKind::Spin: {
        auto *spin = items->addChild<TNxSpinItem>(category, caption);
        spin->setIncrement(1);
        return spin;
    }
    case EntryRowKind::YesNo: {
        auto *check = items->addChild<TNxCheckBoxItem>(category, caption);
        check->setFalseText(QStringLiteral("no"));
        check->setTrueText(QStringLiteral("yes"));
        check->setShowText(true);
        check->setTextKind(TNxCheckBoxItem::tkYesNo);
        return check;
    }
    }
    return nullptr;
}

} // namespace

Win32InspectorRows::Win32InspectorRows(IProjectWindowHost &host)
    : m_host(host)
{
}

TNextInspector *Win32InspectorRows::inspector() const
{
    return m_host.inspector();
}

void Win32InspectorRows::Detach()
{
    for (const QMetaObject::Connection &connection : std::as_const(m_connections))
        QObject::disconnect(connection);
    m_connections.clear();
    inspector()->hideEditors();
}

void Win32InspectorRows::Clear()
{
    Detach();
    inspector()->items()->clear();
}

TNxPropertyItem *Win32InspectorRows::AddCategory(const QString &caption)
{
    auto *category = inspector()->items()->addChild<TNxTextItem>(nullptr, caption);
    category->setTag(CategoryTag);
    category->setReadOnly(true);
    QFont bold = category->font();
    bold.setBold(true);
    category->setFont(bold);
    return category;
}

TNxPropertyItem *Win32InspectorRows::AddRow(TNxPropertyItem *category, const QString &caption, EntryRowKind kind,
                                            int tag, const QString &value)
{
    TNxPropertyItem *row = makeRow(inspector()->items(), category, caption, kind);
    row->setTag(tag);
    row->setValue(value);
    return row;
}

void Win32InspectorRows::ShowValueQuietly(int tag, const QString &value)
{
    TNxPropertyItem *item = inspector()->items()->findByTag(tag);
    if (!item)
        return;
    const QSignalBlocker quiet(inspector());
    item->setValue(value);
}

void Win32InspectorRows::Attach(ChangeHandler onChange, SelectHandler onSelect)
{
    Detach();
    QObject *context = m_host.pageContext();
    TNextInspector *grid = inspector();
    if (onChange)
        m_connections.append(QObject::connect(grid, &TNextInspector::change, context, std::move(onChange)));
    if (onSelect)
        m_connections.append(QObject::connect(grid, &TNextInspector::itemSelected, context, std::move(onSelect)));
    IProjectWindowHost *host = &m_host;
    m_connections.append(QObject::connect(grid, &TNextInspector::dblClick, context,
                                          [host] { host->showSidePane(SidePane::Helper); }));
}

QString Win32InspectorRows::SelectedCaption() const
{
    const TNxPropertyItem *selected = inspector()->selected();
    return selected && RowCount() > 1 ? selected->caption() : QString();
}

int Win32InspectorRows::RowCount() const
{
    return inspector()->items()->count();
}

} // namespace talmo
