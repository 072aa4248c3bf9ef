#include "designer/pages/PageInspector.h"

#include "designer/DesignControl.h"
#include "designer/DesignFont.h"
#include "designer/DesignFontChoice.h"
#include "designer/DesignSetMembers.h"
#include "designer/core/PageEventRules.h"
#include "helpers/ui/UiServices.h"
#include "model/ProjectContainer.h"
#include "model/StandardWizardPages.h"
#include "scriptknowledge/PropertyWhiteList.h"
#include "widgets/NextInspector.h"
#include "widgets/NxButtonItem.h"
#include "widgets/NxCheckBoxItem.h"
#include "widgets/NxColorItem.h"
#include "widgets/NxComboBoxItem.h"
#include "widgets/NxDateTimeItems.h"
#include "widgets/NxNumberItem.h"
#include "widgets/NxPropertyBinding.h"
#include "widgets/NxTextItem.h"

#include <QMetaProperty>

namespace talmo {

namespace {

void makeBold(TNxPropertyItem *row)
{
    QFont font = row->font();
    font.setBold(true);
    row->setFont(font);
}

// The class name the script and the white-list know: without our namespace,
// and our designed value classes under the class library's names.
QString scriptTypeName(const QObject *object)
{
    QString name = QString::fromLatin1(object->metaObject()->className()).section(QStringLiteral("::"), -1);
    if (name.startsWith(QLatin1String("TDesign")))
        name.replace(0, 7, QStringLiteral("T"));
    return name;
}

QList<QMetaProperty> propertiesOf(const QObject *object, const QStringList &allowed)
{
    QList<QMetaProperty> properties;
    GetDesignPropList(object, allowed, &properties);
    return properties;
}

QStringList allPropertyNames(const QObject *object)
{
    QStringList names;
    const QMetaObject *meta = object->metaObject();
    for (int i = 0; i < meta->propertyCount(); ++i)
        names.append(QString::fromLatin1(meta->property(i).name()));
    return names;
}

template <typename Row>
Row *boundRow(TNxPropertyItems *items, TNxPropertyItem *parent, QObject *owner, const QString &name)
{
    auto *row = items->addChild<Row>(parent, name);
    row->setMapObject(owner);
    row->setMapProperty(name);
    return row;
}

// A set row is bound to no property: its text and its members' ticks are
// written from the set as it is now.
void showSet(TNxPropertyItem &setRow)
{
    const DesignSetMembers set(setRow.mapObject(), setRow.caption());
    if (!set.isValid())
        return;
    setRow.setValue(set.text());
    const QList<DesignSetMembers::Member> members = set.members();
    for (int i = 0; i < setRow.childCount() && i < members.size(); ++i)
        setRow.item(i)->setAsBoolean(members.at(i).ticked);
}

// The rows below row show their properties again, sets included.
void readAgain(TNxPropertyItem *row)
{
    TNxPropertyItems *items = row->items();
    for (int i = items->indexOf(row) + 1; i < items->count() && items->item(i)->level() > row->level(); ++i) {
        TNxPropertyItem *below = items->item(i);
        below->readFromProperty();
        if (below->tag() == PageInspector::SetTag)
            showSet(*below);
    }
}

} // namespace

PageInspector::PageInspector(TNextInspector &inspector, TProjectContainer &project, int pageIndex,
                             const PropertyWhiteList &whiteList, PageInspectorHooks hooks, QObject *context)
    : QObject(context),
      m_inspector(inspector),
      m_project(project),
      m_pageIndex(pageIndex),
      m_whiteList(whiteList),
      m_hooks(std::move(hooks)),
      m_fields(project, pageIndex),
      m_rename(project, pageIndex),
      m_events(project, pageIndex)
{
    connect(&inspector, &TNextInspector::itemSelected, context, [this](TNxPropertyItem *row) { itemSelected(row); });
    connect(&inspector, &TNextInspector::edit, context,
            [this](TNxPropertyItem *row, const QString &text, bool &accept) { edit(row, text, accept); });
    connect(&inspector, &TNextInspector::editDblClick, context, [this] { editDoubleClick(); });
    connect(&inspector, &TNextInspector::changeWritten, context,
            [this](TNxPropertyItem *row, const QString &value) { changed(row, value); });
}

TCustomForm &PageInspector::page() const
{
    return m_project.CustomForms[m_pageIndex];
}

QString PageInspector::selectedObject() const
{
    if (m_selection.size() == 1 && m_selection.first())
        return m_selection.first()->name();
    return PageEventRules::FormObject;
}

void PageInspector::fill(const QList<TDesignControl *> &selection)
{
    m_quiet = true;
    m_selection.clear();
    for (TDesignControl *control : selection)
        m_selection.append(control);
    m_inspector.hideEditors();
    m_inspector.items()->clear();
    m_inspector.setAssociate(nullptr);
    if (selection.isEmpty()) {
        fillPage();
    } else if (selection.size() == 1) {
        fillControl(*selection.first());
    } else {
        m_inspector.items()->addChild<TNxPropertyItem>(nullptr, MultipleSelection)->setTag(PropertiesTag);
    }
    m_quiet = false;
}

void PageInspector::fillPage()
{
    TNxPropertyItems *items = m_inspector.items();
    const TCustomForm &form = page();
    TNxPropertyItem *properties = items->addChild<TNxPropertyItem>(nullptr, QStringLiteral("Properties"));
    properties->setTag(PropertiesTag);
    makeBold(properties);
    const std::pair<const char *, std::pair<int, QString>> texts[] = {
        { "Name", { PageNameTag, form.Name } },
        { "Caption", { PageCaptionTag, form.Caption } },
        { "Description", { PageDescriptionTag, form.Description } },
    };
    for (const auto &[caption, field] : texts) {
        auto *row = items->addChild<TNxTextItem>(properties, QString::fromLatin1(caption));
        row->setTag(field.first);
        row->setValue(field.second);
    }
    auto *order = items->addChild<TNxComboBoxItem>(properties, QStringLiteral("Creation Order"));
    order->setTag(CreationOrderTag);
    order->setLines(PageFields::creationOrderChoices());
    order->setStyle(TNxComboBoxItem::cbDropDownList);
    order->setOptions(itoAutoApply);
    order->setValue(StandardWizardPageName(form.CreationOrder));
    auto *enabled = items->addChild<TNxCheckBoxItem>(properties, QStringLiteral("Enabled"));
    enabled->setTag(PageEnabledTag);
    enabled->setTextKind(TNxCheckBoxItem::tkYesNo);
    enabled->setAsBoolean(form.Enabled);
    addEventRows(PageEventRules::FormObject);
}

void PageInspector::fillControl(TDesignControl &control)
{
    m_inspector.setAssociate(&control);
    m_rename.select(control.name());
    TNxPropertyItem *properties = m_inspector.items()->addChild<TNxPropertyItem>(nullptr, QStringLiteral("Properties"));
    properties->setTag(PropertiesTag);
    makeBold(properties);
    addPropertyRows(properties, &control, true);
    addEventRows(control.name());
}

// One row per property of object by its type; sub-objects list all of theirs.
void PageInspector::addPropertyRows(TNxPropertyItem *parent, QObject *object, bool whiteListed)
{
    TNxPropertyItems *items = m_inspector.items();
    const QStringList allowed = whiteListed
                                    ? m_whiteList.row(m_whiteList.DesignClassIndex(scriptTypeName(object)))
                                    : allPropertyNames(object);
    for (const QMetaProperty &property : propertiesOf(object, allowed)) {
        const QString name = QString::fromLatin1(property.name());
        switch (NxPropertyBinding::typeOf(object, property)) {
        case TNxPropertyType::Font:
        case TNxPropertyType::Object: {
            QObject *value = property.read(object).value<QObject *>();
            if (!value) {
                items->addChild<TNxTextItem>(parent, name);
            } else if (auto *font = qobject_cast<TDesignFont *>(value)) {
                auto *row = items->addChild<TNxButtonItem>(parent, name);
                row->setTag(FontTag);
                row->setEditOptions(TNxButtonItem::epDisableTyping);
                row->setMapObject(font);
                row->setValue(QStringLiteral("(TFont)"));
                connect(row, &TNxButtonItem::buttonClick, this, &PageInspector::fontButtonClick);
                addPropertyRows(row, font, false);
                row->setExpanded(false);
            } else if (auto *component = qobject_cast<TDesignControl *>(value)) {
                auto *row = items->addChild<TNxComboBoxItem>(parent, name);
                row->setCaptionColor(clRed);
                row->setValue(component->name());
                row->setExpanded(false);
            } else {
                auto *row = items->addChild<TNxTextItem>(parent, name);
                row->setReadOnly(true);
                row->setMapObject(value);
                row->setValue(u'(' + scriptTypeName(value) + u')');
                addPropertyRows(row, value, false);
                row->setExpanded(false);
            }
            break;
        }
        case TNxPropertyType::Set: {
            auto *row = items->addChild<TNxTextItem>(parent, name);
            row->setTag(SetTag);
            row->setReadOnly(true);
            row->setMapObject(object);
            const DesignSetMembers set(object, name);
            row->setValue(set.text());
            for (const DesignSetMembers::Member &member : set.members()) {
                auto *memberRow = items->addChild<TNxCheckBoxItem>(row, member.name);
                memberRow->setTag(SetMemberTag);
                memberRow->setTextKind(TNxCheckBoxItem::tkYesNo);
                memberRow->setAsBoolean(member.ticked);
            }
            row->setExpanded(false);
            break;
        }
        case TNxPropertyType::Boolean:
            boundRow<TNxCheckBoxItem>(items, parent, object, name);
            break;
        case TNxPropertyType::Enumeration: {
            auto *row = items->addChild<TNxComboBoxItem>(parent, name);
            QStringList choices;
            for (int i = 0; i < property.enumerator().keyCount(); ++i)
                choices.append(QString::fromLatin1(property.enumerator().key(i)));
            row->setLines(choices);
            row->setStyle(TNxComboBoxItem::cbDropDownList);
            row->setOptions(itoAutoApply);
            row->setMapObject(object);
            row->setMapProperty(name);
            break;
        }
        case TNxPropertyType::String:
            if (qobject_cast<TDesignFont *>(object) && name == QLatin1String("Name"))
                boundRow<TNxFontNameItem>(items, parent, object, name)->setOptions(itoAutoApply);
            else
                boundRow<TNxTextItem>(items, parent, object, name);
            break;
        case TNxPropertyType::Time:
            boundRow<TNxTimeItem>(items, parent, object, name);
            break;
        case TNxPropertyType::Date:
        case TNxPropertyType::DateTime:
            boundRow<TNxDateItem>(items, parent, object, name);
            break;
        case TNxPropertyType::Float:
            boundRow<TNxSpinItem>(items, parent, object, name);
            break;
        case TNxPropertyType::Color:
            boundRow<TNxColorItem>(items, parent, object, name)->setOptions(itoAutoApply);
            break;
        case TNxPropertyType::Integer:
        case TNxPropertyType::Int64: {
            auto *row = items->addChild<TNxSpinItem>(parent, name);
            row->setEditOptions(TNxCustomNumberItem::eoAllowSigns);
            row->setMapObject(object);
            row->setMapProperty(name);
            break;
        }
        case TNxPropertyType::Unsupported:
            break;
        }
    }
}

void PageInspector::addEventRows(const QString &object)
{
    TNxPropertyItems *items = m_inspector.items();
    TNxPropertyItem *events = items->addChild<TNxPropertyItem>(nullptr, QStringLiteral("Events"));
    events->setTag(EventsTag);
    makeBold(events);
    const TFormCodeExecutionUnits &units = page().ExecUnits;
    for (int i = 0; i < units.Count(); ++i) {
        if (units[i].Object != object)
            continue;
        auto *row = items->addChild<TNxComboBoxItem>(events, units[i].Event);
        row->setTag(i);
        // A typed name applies when the edit ends, not under every letter
        // ("In" on the way to "InitPage" is no name); a choice applies at once,
        // once the editor holds it.
        TNextInspector *inspector = &m_inspector;
        connect(row, &TNxPopupItem::closeUp, this, [inspector] {
            QMetaObject::invokeMethod(inspector, [inspector] { inspector->applyEdit(false); }, Qt::QueuedConnection);
        });
        showEventValue(row, i);
    }
}

void PageInspector::showEventValue(TNxPropertyItem *row, int entry)
{
    const EventRowValue value = m_events.valueOf(entry);
    row->setValueColor(value.linked ? clRed : clWindowText);
    showQuietly(row, value.text);
}

void PageInspector::showQuietly(TNxPropertyItem *row, const QString &value)
{
    const bool quiet = m_quiet;
    m_quiet = true;
    row->setValue(value);
    m_quiet = quiet;
}

bool PageInspector::isEventRow(const TNxPropertyItem *row)
{
    return row->level() == 1 && row->parentItem() && row->parentItem()->tag() == EventsTag;
}

bool PageInspector::isPropertyRow(const TNxPropertyItem *row)
{
    if (row->level() == 0)
        return row->tag() == PropertiesTag;
    return row->level() > 1 || (row->parentItem() && row->parentItem()->tag() == PropertiesTag);
}

void PageInspector::itemSelected(TNxPropertyItem *row)
{
    if (!row || !isEventRow(row))
        return;
    auto *combo = qobject_cast<TNxComboBoxItem *>(row);
    if (!combo)
        return;
    combo->setLines(m_events.choicesOf(selectedObject(), row->caption()));
}

void PageInspector::edit(TNxPropertyItem *row, const QString &, bool &accept)
{
    if (row && row->tag() == FontTag && !isEventRow(row))
        accept = false;
    m_hooks.savePage();
}

void PageInspector::editDoubleClick()
{
    TNxPropertyItem *row = m_inspector.selected();
    if (row && isEventRow(row))
        row->setValue(PageEventRows::doubleClicked(row->getValue()));
}

void PageInspector::changed(TNxPropertyItem *row, const QString &value)
{
    if (m_quiet || !row)
        return;
    if (row->level() > 0)
        m_hooks.savePage();
    const bool renameRow = row->level() == 1 && row->parentItem()->tag() == PropertiesTag
                           && row->tag() == PropertiesTag && row->caption() == QLatin1String("Name")
                           && m_selection.size() == 1;
    if (renameRow)
        controlRenamed(row);
    else if (isPropertyRow(row))
        propertyChanged(row, value);
    else if (isEventRow(row))
        eventChanged(row, value);
}

void PageInspector::controlRenamed(TNxPropertyItem *row)
{
    TDesignControl *control = m_selection.first();
    if (!control)
        return;
    const std::optional<QString> refusal = m_rename.apply(
        control->name(), row->getValue(), [control](const QString &name) { return control->rename(name).message; });
    if (refusal) {
        showQuietly(row, control->name());
        showError(*refusal);
        return;
    }
    m_hooks.controlRenamed();
    m_hooks.savePage();
}

void PageInspector::propertyChanged(TNxPropertyItem *row, const QString &value)
{
    if (row->tag() == SetMemberTag)
        setMemberChanged(row);
    const QString refusal = pageFieldChanged(row, value);
    if (!refusal.isEmpty()) {
        showQuietly(row, page().Name);
        showError(refusal);
        return;
    }
    m_hooks.pageFieldsChanged();
    markModified();
    m_hooks.savePage();
}

QString PageInspector::pageFieldChanged(TNxPropertyItem *row, const QString &value)
{
    switch (row->tag()) {
    case PageNameTag:
        return m_fields.setName(value);
    case PageCaptionTag:
        m_fields.setCaption(value);
        break;
    case PageDescriptionTag:
        m_fields.setDescription(value);
        break;
    case CreationOrderTag:
        m_fields.setCreationOrder(value);
        break;
    case PageEnabledTag:
        m_fields.setEnabled(row->asBoolean());
        break;
    default:
        break;
    }
    return {};
}

void PageInspector::setMemberChanged(TNxPropertyItem *member)
{
    TNxPropertyItem *setRow = member->parentItem();
    DesignSetMembers set(setRow ? setRow->mapObject() : nullptr, setRow ? setRow->caption() : QString());
    if (!set.isValid())
        return;
    QStringList ticked;
    for (int i = 0; i < setRow->childCount(); ++i) {
        if (setRow->item(i)->asBoolean())
            ticked.append(setRow->item(i)->caption());
    }
    set.setTicked(ticked);
    showQuietly(setRow, set.text());
}

void PageInspector::eventChanged(TNxPropertyItem *row, const QString &value)
{
    const int entry = row->tag();
    const EventRowEdit edit = m_events.apply(entry, value);
    if (edit.named)
        showQuietly(row, *edit.named);
    switch (edit.result) {
    case EventRowEdit::Ignored:
        break;
    case EventRowEdit::Disabled:
        m_hooks.eventDisabled();
        break;
    case EventRowEdit::Refused:
        showEventValue(row, entry);
        showError(edit.message);
        break;
    case EventRowEdit::Enabled:
        m_hooks.showEventCode(entry);
        break;
    }
}

void PageInspector::fontButtonClick(TNxPropertyItem *row)
{
    auto *font = qobject_cast<TDesignFont *>(row->mapObject());
    if (!font)
        return;
    const std::optional<FontChoice> choice =
        UiServices::current().pickFont(&m_inspector, DesignFontChoice::choiceOf(*font));
    if (!choice)
        return;
    DesignFontChoice::apply(*font, *choice);
    m_quiet = true;
    readAgain(row);
    m_quiet = false;
    markModified();
    m_hooks.savePage();
}

void PageInspector::showError(const QString &message)
{
    UiServices::current().showMessage(&m_inspector, UiMessageKind::Error, QString(), message);
}

void PageInspector::markModified()
{
    m_project.Modified = true;
}

} // namespace talmo
