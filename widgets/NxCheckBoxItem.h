#pragma once

#include "widgets/NxToolbarItem.h"

namespace talmo {

// A yes/no row: one self-checking button whose state reads as a word pair.
class TNxCheckBoxItem : public TNxToolbarItem
{
    Q_OBJECT

public:
    enum CheckBoxStyle { bsButton, bsCheckMark };
    enum TextKind { tkTrueFalse, tkYesNo, tkEnabledDisabled, tkCustom };

    TNxCheckBoxItem();

    bool asBoolean() const override;
    void setAsBoolean(bool value) override;
    // The word of the checked state by the text kind.
    QString asString() const override;
    // Checked exactly when the value is the checked word (case-sensitive).
    void setAsString(const QString &value) override;
    void setButtonChecked(int index, bool checked) override;
    void toggle() { setAsBoolean(!asBoolean()); }

    TNxDisplayKind displayKind() const override { return TNxDisplayKind::CheckBox; }

    QString falseText() const { return m_falseText; }
    void setFalseText(const QString &value);
    QString trueText() const { return m_trueText; }
    void setTrueText(const QString &value);
    bool flatStyle() const { return m_flatStyle; }
    void setFlatStyle(bool value);
    CheckBoxStyle style() const { return m_style; }
    void setStyle(CheckBoxStyle value);
    TextKind textKind() const { return m_textKind; }
    void setTextKind(TextKind value);

    QString wordFor(bool checked) const;

protected:
    void createButtons() override;

private:
    QString m_falseText;
    QString m_trueText;
    bool m_flatStyle = false;
    CheckBoxStyle m_style = bsCheckMark;
    TextKind m_textKind = tkTrueFalse;
};

} // namespace talmo
