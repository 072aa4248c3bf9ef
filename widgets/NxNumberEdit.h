#pragma once

#include "widgets/NumberText.h"
#include "widgets/NxEdit.h"

namespace talmo {

enum TNxNumberEditOption {
    eoAllowAll = 0x1,
    eoAllowFloat = 0x2,
    eoAllowSigns = 0x4,
    eoDisablePaste = 0x8,
    eoDisableTyping = 0x10,
};
Q_DECLARE_FLAGS(TNxNumberEditOptions, TNxNumberEditOption)

// An edit that keeps a number in its text: typing and pasting are filtered,
// the value is limited when Max or Min is set, and leaving the field writes
// it back with the precision, the text for zero and the unit text.
class TNxCustomNumberEdit : public TNxEdit
{
    Q_OBJECT
public:
    explicit TNxCustomNumberEdit(QWidget *parent = nullptr);

    double max() const { return m_max; }
    void setMax(double value) { m_max = value; }
    double min() const { return m_min; }
    void setMin(double value) { m_min = value; }
    bool hasLimits() const { return m_max != 0 || m_min != 0; }
    QString nullText() const { return m_nullText; }
    // Shows at once: the value becomes 0.
    void setNullText(const QString &text);
    TNxNumberEditOptions options() const { return m_options; }
    void setOptions(TNxNumberEditOptions options) { m_options = options; }
    int precision() const { return m_precision; }
    void setPrecision(int value);
    QString textAfter() const { return m_textAfter; }
    void setTextAfter(const QString &text);

    // Min for an empty text; otherwise the cleaned, limited number.
    double value() const;
    // Leaves the text alone while a host writes a value in.
    void setValue(double value);
    QString formatValue(double value) const;
    void assign(const TNxCustomNumberEdit &source);

    std::optional<double> asFloat() const override { return value(); }
    void setAsFloat(double value) override;
    void endEditing() override;

protected:
    void reformat();
    bool acceptsTypedText(const QString &text) override;
    bool acceptsEditingKey(QKeyEvent *event) override;
    bool pasteAllowed() const override { return !(m_options & eoDisablePaste); }
    void pasteText(const QString &text) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    double m_max = 0;
    double m_min = 0;
    QString m_nullText;
    TNxNumberEditOptions m_options = {eoAllowFloat, eoAllowSigns};
    int m_precision = 2;
    QString m_textAfter;
};

} // namespace talmo

Q_DECLARE_OPERATORS_FOR_FLAGS(talmo::TNxNumberEditOptions)
