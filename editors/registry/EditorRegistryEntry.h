#pragma once

#include "editors/core/registry/RegistryEntryValue.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace talmo {

class HexEdit;
struct TRegistryEntry;

// Type, data and no-overwrite flag of one device registry value. The caller
// loads an entry, shows the dialog and on OK stores it back. A new default
// value is loaded as an entry of type "TYPE_SZ"; a type text the dialog does
// not edit is offered as a fifth choice, so OK keeps it.
class TeditorRegistryEntry : public QDialog
{
    Q_OBJECT
public:
    explicit TeditorRegistryEntry(QWidget *parent = nullptr);

    void load(const TRegistryEntry &entry);
    // Type, value text and flag as the dialog shows them.
    void store(TRegistryEntry &entry) const;
    const RegistryEntryValue &value() const { return m_value; }

    QComboBox *ComboBox1;
    QLineEdit *editor_string;
    HexEdit *hexEditor;
    QCheckBox *overwrite_key;
    QPushButton *okButton;
    QPushButton *cancelButton;

private:
    void okClick();
    void ComboBox1Change(int index);
    void UpdateValueEditor();

    RegistryEntryValue m_value;
};

} // namespace talmo
