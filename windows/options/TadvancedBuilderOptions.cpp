#include "windows/options/TadvancedBuilderOptions.h"

#include "editors/common/DialogLayout.h"
#include "editors/common/FileReferenceBrowser.h"
#include "model/ProjectContainer.h"
#include "widgets/NextInspector.h"
#include "widgets/NxButtonItem.h"
#include "widgets/NxCheckBoxItem.h"
#include "widgets/NxHeaderPanel.h"
#include "windows/options/AdvancedHelpBrowser.h"
#include "windows/options/AdvancedOptionsHelp.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace talmo {

namespace {

constexpr int CategoryTag = 99;

enum class RowKind { Category, Flag, Text, Button };

struct RowDefinition
{
    int tag;
    const char *caption;
    RowKind kind;
    int parentRow;  // index in RowDefinitions, -1 at the top level
    const char *defaultValue = nullptr;
};

using Values = AdvancedBuilderValues;

const RowDefinition RowDefinitions[] = {
    { CategoryTag, "Setup Wizard Options", RowKind::Category, -1 },
    { Values::Uninstallable, "Uninstallable", RowKind::Flag, 0 },
    { Values::DefaultDirName, "Default Installation Folder", RowKind::Text, 0, "{pf}\\%AppName%" },
    { Values::WizardIcon, "Wizard Executable Icon", RowKind::Button, 0 },
    { CategoryTag, "Setup Wizard Version Info", RowKind::Category, 0 },
    { Values::VersionInfoCompany, "Company", RowKind::Text, 4 },
    { Values::VersionInfoCopyright, "Copyright", RowKind::Text, 4 },
    { Values::VersionInfoDescription, "Description", RowKind::Text, 4 },
    { Values::VersionInfoVersion, "Version", RowKind::Text, 4 },
    { CategoryTag, "Updates Support", RowKind::Category, 0 },
    { Values::CreateUninstallRegKey, "Create Uninstall Registry Key", RowKind::Flag, 9 },
    { Values::UpdateUninstallLogAppName, "Update Uninstall Log Application Name", RowKind::Flag, 9 },
    { Values::AppID, "Application ID", RowKind::Text, 9 },
    { CategoryTag, "User Info Dialog", RowKind::Category, 0 },
    { Values::DefaultUserInfoName, "Default User Name", RowKind::Text, 13, "{sysuserinfoname}" },
    { Values::DefaultUserInfoOrg, "Default User Organization", RowKind::Text, 13, "{sysuserinfoorg}" },
    { Values::DefaultUserInfoSerial, "Default User Serial", RowKind::Text, 13 },
    { CategoryTag, "Components Dialog", RowKind::Category, 0 },
    { Values::AlwaysShowComponentsList, "Always Show Components List", RowKind::Flag, 17 },
    { CategoryTag, "Windows Mobile Options", RowKind::Category, -1 },
    { Values::CompressCab, "Compress CAB", RowKind::Flag, 19 },
    { Values::DCMRequired, "Direct Copy Module Required", RowKind::Flag, 19 },
    { Values::WaitBetweenCabs, "Wait Between CAB(s)", RowKind::Flag, 19 },
    { Values::ActiveSyncIcon, "ActiveSync Icon", RowKind::Button, 19 },
    { Values::CreateCABIcons, "Ask for creating shortcut(s)", RowKind::Flag, 19 },
    { Values::CreateCABIconsEnabledForHidden, "Also enabled for hidden modules", RowKind::Flag, 24 },
};

TNxPropertyItem *makeRow(TNxPropertyItems *items, const RowDefinition &definition, TNxPropertyItem *parent)
{
    const QString caption = QLatin1String(definition.caption);
    switch (definition.kind) {
    case RowKind::Category: {
        auto *category = items->addChild<TNxTextItem>(parent, caption);
        QFont bold(QStringLiteral("Tahoma"));
        bold.setBold(true);
        category->setFont(bold);
        category->setExpanded(true);
        category->setExpandLock(true);
        category->setReadOnly(true);
        return category;
    }
    case RowKind::Flag: {
        auto *flag = items->addChild<TNxCheckBoxItem>(parent, caption);
        flag->setTextKind(TNxCheckBoxItem::tkYesNo);
        flag->setShowText(true);
        flag->setAllowAllUp(true);
        flag->setOptions(itoAutoApply);
        flag->setExpanded(true);
        return flag;
    }
    case RowKind::Text:
        return items->addChild<TNxTextItem>(parent, caption);
    case RowKind::Button:
        return items->addChild<TNxButtonItem>(parent, caption);
    }
    return nullptr;
}

} // namespace

TadvancedBuilderOptions::TadvancedBuilderOptions(QWidget *parent)
    : QDialog(parent)
    , NextInspector1(new TNextInspector(this))
    , htmlHelper(new AdvancedHelpBrowser(this))
    , bt_ok(new QPushButton(QStringLiteral("Ok"), this))
    , bt_cancel(new QPushButton(QStringLiteral("Cancel"), this))
{
    prepareDialog(this, "advancedBuilderOptions");
    setWindowTitle(QStringLiteral("Advanced Options"));
    NextInspector1->setObjectName(QStringLiteral("NextInspector1"));
    NextInspector1->setOptions(TNextInspector::Options(TNextInspector::poGrid) | TNextInspector::poSplitterMoving
                               | TNextInspector::poUniformSelect);
    NextInspector1->setSplitterPosition(200);
    NextInspector1->setStyle(psOffice2007);
    htmlHelper->setObjectName(QStringLiteral("htmlHelper"));
    createRows();
    NextInspector1->setSplitterPosition(qMax(200, NextInspector1->captionsWidth()));

    auto *options = new TNxHeaderPanel(this);
    options->setCaption(QStringLiteral("Advanced Options"));
    (new QVBoxLayout(options))->addWidget(NextInspector1);
    auto *help = new TNxHeaderPanel(this);
    help->setCaption(QStringLiteral("Help"));
    (new QVBoxLayout(help))->addWidget(htmlHelper);
    auto *panes = new QHBoxLayout;
    panes->addWidget(options, 3);
    panes->addWidget(help, 2);
    auto *column = new QVBoxLayout(this);
    column->addLayout(panes, 1);
    column->addLayout(okCancelRow(bt_ok, bt_cancel));
    resize(673, 466);

    bt_ok->setDefault(true);
    connect(bt_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(bt_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(NextInspector1, &TNextInspector::change, this,
            [this](TNxPropertyItem *item) { NextInspector1Change(item); });
    connect(NextInspector1, &TNextInspector::itemSelected, this, &TadvancedBuilderOptions::NextInspector1SelectItem);
    connect(htmlHelper, &QTextBrowser::anchorClicked, this, &TadvancedBuilderOptions::htmlHelperHotSpotClick);
}

void TadvancedBuilderOptions::createRows()
{
    TNxPropertyItems *items = NextInspector1->items();
    QList<TNxPropertyItem *> made;
    for (const RowDefinition &definition : RowDefinitions) {
        TNxPropertyItem *item = makeRow(items, definition, definition.parentRow < 0 ? nullptr : made[definition.parentRow]);
        item->setTag(definition.tag);
        if (definition.defaultValue)
            item->setDefaultValue(QLatin1String(definition.defaultValue));
        if (auto *button = qobject_cast<TNxButtonItem *>(item))
            connect(button, &TNxButtonItem::buttonClick, this, &TadvancedBuilderOptions::ButtonClick);
        made.append(item);
    }
}

TNxPropertyItem *TadvancedBuilderOptions::row(int tag) const
{
    return NextInspector1->items()->findByTag(tag);
}

QString TadvancedBuilderOptions::projectFileName() const
{
    return Container ? Container->GetFileName() : QString();
}

void TadvancedBuilderOptions::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TadvancedBuilderOptions::FormShow()
{
    m_filling = true;
    for (int tag = 0; tag < Values::Count; ++tag) {
        TNxPropertyItem *item = row(tag);
        if (Values::IsFlag(tag))
            item->setAsBoolean(Values.flag(tag));
        else
            item->setAsString(Values.text(tag));
        if (auto *button = qobject_cast<TNxButtonItem *>(item))
            button->setButtonCaption(QStringLiteral("..."));
    }
    row(Values::CreateCABIconsEnabledForHidden)->setVisible(Values.flag(Values::CreateCABIcons));
    m_filling = false;
    NextInspector1SelectItem();
}

void TadvancedBuilderOptions::NextInspector1Change(TNxPropertyItem *item)
{
    const int tag = item->tag();
    if (m_filling || tag == CategoryTag)
        return;
    if (Values::IsFlag(tag))
        Values.setFlag(tag, item->asBoolean());
    else
        Values.setText(tag, item->asString());
    if (tag == Values::CreateCABIcons)
        row(Values::CreateCABIconsEnabledForHidden)->setVisible(item->asBoolean());
}

void TadvancedBuilderOptions::NextInspector1SelectItem()
{
    const TNxPropertyItem *selected = NextInspector1->selected();
    htmlHelper->clear();
    htmlHelper->setHtml(AdvancedOptionsHelp::Html(selected ? std::optional<int>(selected->tag()) : std::nullopt,
                                                  Values, projectFileName()));
}

void TadvancedBuilderOptions::setRowValue(TNxPropertyItem *item, const QString &value)
{
    item->setAsString(value);
    if (item == NextInspector1->selected())
        NextInspector1SelectItem();
}

void TadvancedBuilderOptions::ButtonClick(TNxPropertyItem *item)
{
    if (const std::optional<QString> chosen =
            BrowseFileReference(this, projectFileName(), IconFilter, item->asString()))
        setRowValue(item, *chosen);
}

void TadvancedBuilderOptions::htmlHelperHotSpotClick(const QUrl &link)
{
    const QString target = link.toString();
    if (target == AdvancedOptionsHelp::BrowseActiveSyncIconLink)
        ButtonClick(row(Values::ActiveSyncIcon));
    else if (target == AdvancedOptionsHelp::ClearActiveSyncIconLink)
        setRowValue(row(Values::ActiveSyncIcon), QString());
    else if (target == AdvancedOptionsHelp::ClearWizardIconLink)
        setRowValue(row(Values::WizardIcon), QString());
}

bool TadvancedBuilderOptions::EditProject(TProjectContainer &project, QWidget *parent, const DialogRunner &runDialog)
{
    TadvancedBuilderOptions dialog(parent);
    dialog.Container = &project;
    dialog.Values = AdvancedBuilderValues::FromProject(project);
    if (runDialog(dialog) != QDialog::Accepted)
        return false;
    dialog.Values.ApplyTo(project);
    return true;
}

} // namespace talmo
