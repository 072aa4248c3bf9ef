#include "editors/registry/EditorRegistryEntry.h"

#include "editors/common/DialogLayout.h"
#include "editors/common/EditorMessages.h"
#include "helpers/core/DeviceRegistryData.h"
#include "model/RegistrySection.h"
#include "widgets/HexEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace talmo {

TeditorRegistryEntry::TeditorRegistryEntry(QWidget *parent)
    : QDialog(parent)
    , ComboBox1(new QComboBox(this))
    , editor_string(new QLineEdit(this))
    , hexEditor(new HexEdit(this))
    , overwrite_key(new QCheckBox(QStringLiteral("If the registry key exists, do not overwrite it."), this))
    , okButton(new QPushButton(QStringLiteral("Ok"), this))
    , cancelButton(new QPushButton(QStringLiteral("Cancel"), this))
{
    setWindowTitle(QStringLiteral("Edit Registry Key"));
    prepareDialog(this, "editorRegistryEntry");
    ComboBox1->addItems(RegistryEntryValue::typeNames());

    auto *column = new QVBoxLayout(this);
    column->addWidget(new QLabel(QStringLiteral("Registry key type"), this));
    column->addWidget(ComboBox1);
    column->addWidget(new QLabel(QStringLiteral("Value"), this));
    column->addWidget(editor_string);
    column->addWidget(hexEditor, 1);
    column->addWidget(overwrite_key);
    column->addLayout(buttonRow({cancelButton, okButton}));
    resize(420, 188);

    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TeditorRegistryEntry::ComboBox1Change);
    connect(editor_string, &QLineEdit::textEdited, this, [this](const QString &text) { m_value.setText(text); });
    connect(hexEditor, &HexEdit::dataChanged, this, [this] { m_value.setBytes(hexEditor->data()); });
    connect(okButton, &QPushButton::clicked, this, &TeditorRegistryEntry::okClick);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    UpdateValueEditor();
}

void TeditorRegistryEntry::load(const TRegistryEntry &entry)
{
    m_value.load(entry.flags, entry.value);
    overwrite_key->setChecked(entry.overwrite);
    {
        const QSignalBlocker quiet(ComboBox1);
        ComboBox1->clear();
        ComboBox1->addItems(m_value.typeChoices());
        ComboBox1->setCurrentIndex(m_value.type());
    }
    UpdateValueEditor();
}

void TeditorRegistryEntry::store(TRegistryEntry &entry) const
{
    entry.flags = m_value.typeText();
    entry.value = m_value.storedValue();
    entry.overwrite = overwrite_key->isChecked();
}

// Data the build would refuse is refused here, where the user can mend it.
void TeditorRegistryEntry::okClick()
{
    const QString problem = DeviceRegistryData::Problem(m_value.typeText(), m_value.storedValue());
    if (!problem.isEmpty()) {
        ShowEditorError(this, problem);
        return;
    }
    accept();
}

void TeditorRegistryEntry::ComboBox1Change(int index)
{
    m_value.setType(index);
    UpdateValueEditor();
}

void TeditorRegistryEntry::UpdateValueEditor()
{
    const bool binary = m_value.isBinary();
    editor_string->setVisible(!binary);
    hexEditor->setVisible(binary);
    if (binary) {
        hexEditor->setData(m_value.bytes());
        hexEditor->setFocus();
    } else {
        editor_string->setText(m_value.text());
        editor_string->setFocus();
    }
    resize(width(), binary ? 275 : 188);
}

} // namespace talmo
