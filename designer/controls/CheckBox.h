#pragma once

#include "designer/controls/FontedControl.h"

class QCheckBox;

namespace talmo {

class TCheckBox : public TFontedControl
{
    Q_OBJECT
    Q_PROPERTY(TAlignment Alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(bool AllowGrayed READ allowGrayed WRITE setAllowGrayed)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(bool Checked READ checked WRITE setChecked)
    Q_PROPERTY(TCheckBoxState State READ state WRITE setState)

public:
    explicit TCheckBox(QWidget *parent = nullptr);
    static const DesignPropertyTable &propertyTable();

    TAlignment alignment() const { return m_alignment; }
    void setAlignment(TAlignment alignment);
    bool allowGrayed() const;
    void setAllowGrayed(bool allow);
    QString caption() const;
    void setCaption(const QString &caption);
    bool checked() const { return state() == cbChecked; }
    void setChecked(bool checked) { setState(checked ? cbChecked : cbUnchecked); }
    TCheckBoxState state() const;
    void setState(TCheckBoxState state);

protected:
    QString designText() const override { return caption(); }
    void setDesignText(const QString &text) override { setCaption(text); }

private:
    QCheckBox *m_box;
    TAlignment m_alignment = taRightJustify;
};

} // namespace talmo
