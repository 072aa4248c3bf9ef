#include "widgets/NxInplaceEditors.h"

#include "widgets/Colors.h"
#include "widgets/NxButtonEdit.h"
#include "widgets/NxButtonItem.h"
#include "widgets/NxColorItem.h"
#include "widgets/NxColorPicker.h"
#include "widgets/NxComboBox.h"
#include "widgets/NxComboBoxItem.h"
#include "widgets/NxDatePicker.h"
#include "widgets/NxDateTimeItems.h"
#include "widgets/NxNumberItem.h"
#include "widgets/NxSpinEdit.h"

#include <QFontDatabase>
#include <QPalette>

namespace talmo {

NxInplaceEditors::NxInplaceEditors(QWidget *parent)
    : m_parent(parent)
{
}

TNxCustomEdit *NxInplaceEditors::create(TNxEditorKind kind)
{
    switch (kind) {
    case TNxEditorKind::ComboBox:
        return new TNxComboBox(m_parent);
    case TNxEditorKind::FontComboBox:
        return new TNxFontComboBox(m_parent);
    case TNxEditorKind::ColorPicker:
        return new TNxColorPicker(m_parent);
    case TNxEditorKind::DatePicker:
        return new TNxDatePicker(m_parent);
    case TNxEditorKind::ButtonEdit:
        return new TNxButtonEdit(m_parent);
    case TNxEditorKind::SpinEdit:
        return new TNxSpinEdit(m_parent);
    case TNxEditorKind::TimeEdit:
        return new TNxTimeEdit(m_parent);
    case TNxEditorKind::Edit:
    case TNxEditorKind::None:
        break;
    }
    return new TNxEdit(m_parent);
}

TNxCustomEdit *NxInplaceEditors::editorFor(TNxEditorKind kind)
{
    if (kind == TNxEditorKind::None)
        return nullptr;
    TNxCustomEdit *&editor = m_editors[kind];
    if (!editor) {
        editor = create(kind);
        editor->hide();
        editor->setFrame(false);
        editor->setInplaceEditor(true);
    }
    return editor;
}

TNxComboBox *NxInplaceEditors::suffixEditor()
{
    if (!m_suffix) {
        m_suffix = new TNxComboBox(m_parent);
        m_suffix->hide();
        m_suffix->setFrame(false);
        m_suffix->setInplaceEditor(true);
    }
    return m_suffix;
}

namespace {

void applyLook(TNxCustomEdit *editor, const TNxPropertyItem *item)
{
    QPalette palette = editor->palette();
    palette.setColor(QPalette::Base, SystemColors::toQColor(item->color()));
    editor->setPalette(palette);
    editor->setFont(item->valueFont());
    editor->setEditMargins(2, 0);
}

void prepareCombo(TNxComboBox *combo, TNxComboBoxItem *item)
{
    combo->setItems(item->lines());
    combo->setStyle(item->style() == TNxComboBoxItem::cbDropDownList ? dsDropDownList : dsDropDown);
    combo->setHideFocus(true);
    combo->setDisplayMode(TItemsDisplayMode(int(item->displayMode())));
    combo->setDropDownCount(item->dropDownCount());
    combo->setText(item->asString());
    if (item->itemIndex() >= 0)
        combo->setItemIndex(item->itemIndex());
}

// A drop-down row hears when its editor's list closes and when a choice is made.
void routePopupEvents(TNxCustomEdit *editor, TNxPopupItem *item, std::vector<QMetaObject::Connection> &connections)
{
    auto *popup = dynamic_cast<TNxPopupEdit *>(editor);
    if (!popup)
        return;
    connections.push_back(QObject::connect(popup, &TNxPopupEdit::closeUp, item, [popup, item] {
        if (auto *combo = dynamic_cast<TNxComboBoxItem *>(item))
            combo->editorClosedUp(NxInplaceEditors::editorItemIndex(popup));
        else
            emit item->closeUp(item);
    }));
    connections.push_back(QObject::connect(popup, &TNxPopupEdit::select, item, [item] { emit item->select(item); }));
}

} // namespace

void NxInplaceEditors::prepare(TNxCustomEdit *editor, TNxPropertyItem *item)
{
    dropItemConnections();
    editor->setEditorUpdating(true);
    editor->setShowPreview(item->showPreview());
    editor->setPreviewBorder(true);
    editor->setReadOnly(false);
    editor->setEchoMode(QLineEdit::Normal);
    if (auto *text = dynamic_cast<TNxTextItem *>(item); text && !text->passwordChar().isNull())
        editor->setEchoMode(QLineEdit::Password);
    if (auto *fontName = dynamic_cast<TNxFontNameItem *>(item))
        fontName->setLines(QFontDatabase::families());
    if (auto *combo = dynamic_cast<TNxComboBoxItem *>(item)) {
        if (auto *comboEditor = dynamic_cast<TNxComboBox *>(editor))
            prepareCombo(comboEditor, combo);
    } else if (auto *color = dynamic_cast<TNxColorItem *>(item)) {
        if (auto *picker = dynamic_cast<TNxColorPicker *>(editor)) {
            picker->setWebColorFormat(color->colorKind() == TNxColorItem::ckWeb);
            TNxColorPickerOptions options = picker->options();
            options.setFlag(coAllowColorNames, color->useColorNames());
            picker->setOptions(options);
            picker->applyText(color->asString());
        }
    } else if (auto *date = dynamic_cast<TNxDateItem *>(item)) {
        if (auto *picker = dynamic_cast<TNxDatePicker *>(editor))
            picker->setStartDay(date->startDay());
    } else if (auto *button = dynamic_cast<TNxButtonItem *>(item)) {
        if (auto *buttonEdit = dynamic_cast<TNxButtonEdit *>(editor)) {
            buttonEdit->setOptions(TNxEditOptions(int(button->editOptions())));
            buttonEdit->setButtonCaption(button->buttonCaption());
            buttonEdit->setButtonGlyph(QPixmap::fromImage(button->glyph()));
            buttonEdit->setTransparentColor(button->transparentColor());
            m_itemConnections.push_back(QObject::connect(buttonEdit, &TNxCustomButtonEdit::buttonClick, button,
                                                         [button] { button->clickButton(); }));
        }
    } else if (auto *spin = dynamic_cast<TNxSpinItem *>(item)) {
        if (auto *spinEdit = dynamic_cast<TNxSpinEdit *>(editor)) {
            spinEdit->setIncrement(spin->increment());
            spinEdit->setMax(spin->max());
            spinEdit->setMin(spin->min());
            spinEdit->setOptions(TNxNumberEditOptions(int(spin->editOptions())));
            spinEdit->setSpinButtons(spin->spinButtons());
        }
    }
    if (auto *popupItem = dynamic_cast<TNxPopupItem *>(item))
        routePopupEvents(editor, popupItem, m_itemConnections);
    if (!dynamic_cast<TNxComboBoxItem *>(item))
        editor->setText(item->asString());
    applyLook(editor, item);
    editor->selectAll();
    editor->setEditorUpdating(false);
}

void NxInplaceEditors::prepareSuffix(TNxComboBox *editor, TNxPropertyItem *item)
{
    QObject::disconnect(m_suffixConnection);
    editor->setStyle(item->suffixStyle() == ssDropDownList ? dsDropDownList : dsDropDown);
    editor->setHideFocus(true);
    editor->setItems(item->suffixes());
    editor->setText(item->suffixValue());
    applyLook(editor, item);
    m_suffixConnection = QObject::connect(editor, &QLineEdit::textChanged, item,
                                          [item](const QString &text) { item->setSuffixValue(text); });
    editor->show();
}

void NxInplaceEditors::dropItemConnections()
{
    for (const auto &connection : m_itemConnections)
        QObject::disconnect(connection);
    m_itemConnections.clear();
}

int NxInplaceEditors::editorItemIndex(const TNxCustomEdit *editor)
{
    auto *combo = dynamic_cast<const TNxComboBox *>(editor);
    return combo ? combo->itemIndex() : -1;
}

bool NxInplaceEditors::droppedDown(const TNxCustomEdit *editor)
{
    auto *popup = dynamic_cast<const TNxPopupEdit *>(editor);
    return popup && popup->droppedDown();
}

} // namespace talmo
