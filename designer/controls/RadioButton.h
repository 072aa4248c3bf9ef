#pragma once

#include "designer/controls/FontedControl.h"

class QRadioButton;

namespace talmo {

class TRadioButton : public TFontedControl
{
    Q_OBJECT
    Q_PROPERTY(TAlignment Alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(bool Checked READ checked WRITE setChecked)

public:
    explicit TRadioButton(QWidget *parent = nullptr);
    static const DesignPropertyTable &propertyTable();

    TAlignment alignment() const { return m_alignment; }
    void setAlignment(TAlignment alignment);
    QString caption() const;
    void setCaption(const QString &caption);
    bool checked() const;
    void setChecked(bool checked);

protected:
    QString designText() const override { return caption(); }
    void setDesignText(const QString &text) override { setCaption(text); }

private:
    QRadioButton *m_button;
    TAlignment m_alignment = taRightJustify;
};

} // namespace talmo
