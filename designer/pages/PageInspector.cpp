#include "designer/pages/PageInspector.h"

#include "designer/DesignControl.h"
#include "designer/DesignFont.h"
#include "designer/core/PageEventEntries.h"
#include "designer/core/PageEventRules.h"
#include "designer/core/CodeIdentifiers.h"
#include "designer/core/ProcedureNames.h"
#include "helpers/ui/UiServices.h"
#include "model/EventUnitHandOver.h"
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

const QString ViewCode = QStringLiteral("View Code");
const QString CreateEvent = QStringLiteral("Create Event");
const QString DisableEvent = QStringLiteral("Disable Event");

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

QString bracketed(const QString &setText)
{
    return u'[' + setText + u']';
}

template <typename Row>
Row *boundRow(TNxPropertyItems *items, TNxPropertyItem *parent, QObject *owner, const QString &name)
{
    auto *row = items->addChild<Row>(parent, name);
    row->setMapObject(owner);
    row->setMapProperty(name);
    return row;
}

void readAgain(TNxPropertyItem *row)
{
    TNxPropertyItems *items = row->items();
    for (int i = items->indexOf(row) + 1; i < items->count() && items->item(i)->level() > row->level(); ++i)
        items->item(i)->readFromProperty();
}

FontChoice choiceOf(const TDesignFont &font)
{
    FontChoice choice;
    choice.name = font.name();
    choice.size = font.size();
    choice.bold = font.style().testFlag(TDesignFont::fsBold);
    choice.italic = font.style().testFlag(TDesignFont::fsItalic);
    choice.underline = font.style().testFlag(TDesignFont::fsUnderline);
    choice.strikeOut = font.style().testFlag(TDesignFont::fsStrikeOut);
    choice.color = SystemColors::toQColor(TColor(font.color()));
    choice.charset = font.charset();
    return choice;
}

void applyChoice(TDesignFont &font, const FontChoice &choice)
{
    TDesignFont chosen;
    chosen.assign(font);
    chosen.setName(choice.name);
    chosen.setSize(choice.size);
    TDesignFont::TFontStyles style;
    style.setFlag(TDesignFont::fsBold, choice.bold);
    style.setFlag(TDesignFont::fsItalic, choice.italic);
    style.setFlag(TDesignFont::fsUnderline, choice.underline);
    style.setFlag(TDesignFont::fsStrikeOut, choice.strikeOut);
    chosen.setStyle(style);
    chosen.setColor(int(SystemColors::fromQColor(choice.color)));
    chosen.setCharset(choice.charset);
    font.assign(chosen);
}

} // namespace

PageInspector::PageInspector(TNextInspector &inspector, TProjectContainer &project, int pageIndex,
                             const PropertyWhiteList &whiteList, PageInspectorHooks hooks, QObject *context)
    : QObject(context),
      m_inspector(inspector),
      m_project(project),
      m_pageIndex(pageIndex),
      m_whiteList(whiteList),
      m_hooks(std::move(hooks))
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
    QStringList pageNames;
    for (const char *name : StandardWizardPageNames)
        pageNames.append(QString::fromLatin1(name));
    order->setLines(pageNames);
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
    m_controlName = control.name();
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
            const QVariant value = property.read(object);
            row->setValue(bracketed(NxPropertyBinding::setToText(property, value)));
            const QMetaEnum members = property.enumerator();
            const int bits = value.toInt();
            for (int i = 0; i < members.keyCount(); ++i) {
                auto *member = items->addChild<TNxCheckBoxItem>(row, QString::fromLatin1(members.key(i)));
                member->setTag(SetMemberTag);
                member->setTextKind(TNxCheckBoxItem::tkYesNo);
                member->setAsBoolean((bits & members.value(i)) == members.value(i) && members.value(i) != 0);
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
    const TFormCodeExecutionUnits &units = page().ExecUnits;
    const TFormCodeExecutionUnit &unit = units[entry];
    const bool linked = unit.Enabled && unit.linkTo >= 0;
    QString value;
    if (linked)
        value = units[unit.linkTo].eventNameInCode + LinkedSuffix;
    else if (unit.Enabled)
        value = unit.eventNameInCode;
    row->setValueColor(linked ? clRed : clWindowText);
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
    const TFormCodeExecutionUnits &units = page().ExecUnits;
    const int entry = PageEventRules::EntryOf(units, selectedObject(), row->caption());
    QStringList choices;
    if (entry >= 0) {
        choices.append(units[entry].Enabled ? ViewCode : CreateEvent);
        choices += PageEventRules::ShareableProcedures(units, entry);
    }
    combo->setLines(choices);
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
        row->setValue(row->getValue().isEmpty() ? CreateEvent : ViewCode);
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

// The binding has renamed the control, or the control refused the name.
void PageInspector::controlRenamed(TNxPropertyItem *row)
{
    TDesignControl *control = m_selection.first();
    if (!control)
        return;
    const QString wanted = row->getValue();
    if (control->name() != wanted) {
        const QString message = control->rename(wanted).message;
        m_quiet = true;
        row->setValue(control->name());
        m_quiet = false;
        UiServices::current().showMessage(&m_inspector, UiMessageKind::Error, QString(), message);
        return;
    }
    PageEventEntries::RenameObject(page().ExecUnits, m_controlName, wanted);
    m_controlName = wanted;
    m_hooks.controlRenamed();
    markModified();
    m_hooks.savePage();
}

void PageInspector::propertyChanged(TNxPropertyItem *row, const QString &value)
{
    TCustomForm &form = page();
    switch (row->tag()) {
    case SetMemberTag:
        setMemberChanged(row);
        break;
    case PageNameTag:
        if (!pageNameChanged(row, value))
            return;
        break;
    case PageCaptionTag:
        form.Caption = value;
        break;
    case PageDescriptionTag:
        form.Description = value;
        break;
    case CreationOrderTag: {
        const auto found = std::find_if(StandardWizardPageNames.begin(), StandardWizardPageNames.end(),
                                        [&value](const char *name) { return value == QLatin1String(name); });
        form.CreationOrder = found == StandardWizardPageNames.end() ? 0 : int(found - StandardWizardPageNames.begin());
        break;
    }
    case PageEnabledTag:
        form.Enabled = row->asBoolean();
        break;
    default:
        break;
    }
    m_hooks.pageFieldsChanged();
    markModified();
    m_hooks.savePage();
}

void PageInspector::setMemberChanged(TNxPropertyItem *member)
{
    TNxPropertyItem *setRow = member->parentItem();
    QObject *owner = setRow ? setRow->mapObject() : nullptr;
    if (!owner)
        return;
    const TNxResolvedProperty target = NxPropertyBinding::resolve(owner, setRow->caption());
    if (!target.isValid())
        return;
    QStringList ticked;
    for (int i = 0; i < setRow->childCount(); ++i) {
        if (setRow->item(i)->asBoolean())
            ticked.append(setRow->item(i)->caption());
    }
    if (const std::optional<int> bits = NxPropertyBinding::textToSet(target.property, ticked.join(u',')))
        target.property.write(target.object, QVariant::fromValue(*bits));
    m_quiet = true;
    setRow->setValue(bracketed(NxPropertyBinding::setToText(target.property, target.property.read(target.object))));
    m_quiet = false;
}

bool PageInspector::pageNameChanged(TNxPropertyItem *row, const QString &value)
{
    const QString refusal = identifiers().PageNameRefusal(m_pageIndex, value);
    if (refusal.isEmpty()) {
        page().Name = value;
        return true;
    }
    m_quiet = true;
    row->setValue(page().Name);
    m_quiet = false;
    UiServices::current().showMessage(&m_inspector, UiMessageKind::Error, QString(), refusal);
    return false;
}

void PageInspector::eventChanged(TNxPropertyItem *row, QString value)
{
    TCustomForm &form = page();
    const int entry = row->tag();
    if (entry < 0 || entry >= form.ExecUnits.Count())
        return;
    m_quiet = true;
    markModified();
    if (value == DisableEvent)
        value.clear();
    if (value.endsWith(LinkedSuffix))
        value.chop(LinkedSuffix.size());
    if (value == ViewCode) {
        value = form.ExecUnits[entry].eventNameInCode;
        row->setValue(value);
    } else if (value == CreateEvent) {
        value = createdEventName(entry);
        row->setValue(value);
    }
    if (value.isEmpty()) {
        DisableEventUnit(form.ExecUnits, entry);
        m_quiet = false;
        m_hooks.eventDisabled();
        return;
    }
    const QString refusal = identifiers().ProcedureNameRefusal(m_pageIndex, entry, value);
    const EventEnableVerdict verdict =
        refusal.isEmpty() ? PageEventRules::EnableEvent(form.ExecUnits, entry, value) : EventEnableVerdict{ false, refusal };
    m_quiet = false;
    if (!verdict.accepted) {
        showEventValue(row, entry);
        UiServices::current().showMessage(&m_inspector, UiMessageKind::Error, QString(), verdict.message);
        return;
    }
    m_hooks.showEventCode(entry);
}

void PageInspector::fontButtonClick(TNxPropertyItem *row)
{
    auto *font = qobject_cast<TDesignFont *>(row->mapObject());
    if (!font)
        return;
    const std::optional<FontChoice> choice = UiServices::current().pickFont(&m_inspector, choiceOf(*font));
    if (!choice)
        return;
    applyChoice(*font, *choice);
    m_quiet = true;
    readAgain(row);
    m_quiet = false;
    markModified();
    m_hooks.savePage();
}

// The name "Create Event" gives, numbered on while the setup's code already
// declares it otherwise.
QString PageInspector::createdEventName(int entry) const
{
    const QString base = PageEventRules::CreatedEventName(page(), entry, ProcedureNames(&m_project.CustomForms, page()));
    const CodeIdentifiers declared = identifiers();
    QString name = base;
    for (int number = 2; !declared.ProcedureNameRefusal(m_pageIndex, entry, name).isEmpty(); ++number)
        name = base + QString::number(number);
    return name;
}

CodeIdentifiers PageInspector::identifiers() const
{
    return CodeIdentifiers(m_project.CustomForms, m_project.CommonCode);
}

void PageInspector::markModified()
{
    m_project.Modified = true;
}

} // namespace talmo
