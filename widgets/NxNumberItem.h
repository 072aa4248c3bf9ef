#pragma once

#include "widgets/NxTextItem.h"

namespace talmo {

// A text row that holds a number: typed text is cleaned to a number, and the
// number is shown through the format mask.
class TNxCustomNumberItem : public TNxTextItem
{
    Q_OBJECT

public:
    enum EditOption { eoAllowAll = 0x1, eoAllowFloat = 0x2, eoAllowSigns = 0x4, eoDisablePaste = 0x8, eoDisableTyping = 0x10 };
    Q_DECLARE_FLAGS(EditOptions, EditOption)

    QString asString() const override;
    void setAsString(const QString &value) override;
    double asFloat() const override { return m_number; }
    void setAsFloat(double value) override;
    // The number rounded to the nearest integer, halves to even.
    int asInteger() const override;
    void setAsInteger(int value) override;

    EditOptions editOptions() const { return m_editOptions; }
    void setEditOptions(EditOptions value) { m_editOptions = value; }
    QString formatMask() const { return m_formatMask; }
    void setFormatMask(const QString &value);
    double max() const { return m_max; }
    void setMax(double value) { m_max = value; }
    double min() const { return m_min; }
    void setMin(double value) { m_min = value; }

    // A number written through a mask of "0", "#", "." and "," with literal
    // text around it ("0.00", "#,##0", "0.0 ms"); an empty mask writes the
    // shortest text.
    static QString formatFloat(const QString &mask, double value);

private:
    double m_number = 0;
    EditOptions m_editOptions = EditOptions(eoAllowFloat) | eoAllowSigns;
    QString m_formatMask;
    double m_max = 0;
    double m_min = 0;
};

// A number row edited with spin buttons.
class TNxSpinItem : public TNxCustomNumberItem
{
    Q_OBJECT

public:
    TNxEditorKind editorKind() const override { return TNxEditorKind::SpinEdit; }

    double increment() const { return m_increment; }
    void setIncrement(double value) { m_increment = value; }
    bool spinButtons() const { return m_spinButtons; }
    void setSpinButtons(bool value) { m_spinButtons = value; }

private:
    double m_increment = 1.0;
    bool m_spinButtons = true;
};

} // namespace talmo

Q_DECLARE_OPERATORS_FOR_FLAGS(talmo::TNxCustomNumberItem::EditOptions)
