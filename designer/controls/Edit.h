#pragma once

#include "designer/controls/FontedControl.h"

class QLineEdit;

namespace talmo {

// A single-line edit, one text line plus 8 pixels high.
class TEdit : public TFontedControl
{
    Q_OBJECT
    Q_PROPERTY(bool AutoSelect READ autoSelect WRITE setAutoSelect)
    Q_PROPERTY(bool AutoSize READ autoSize WRITE setAutoSize)
    Q_PROPERTY(TBorderStyle BorderStyle READ borderStyle WRITE setBorderStyle)
    Q_PROPERTY(TEditCharCase CharCase READ charCase WRITE setCharCase)
    Q_PROPERTY(bool HideSelection READ hideSelection WRITE setHideSelection)
    Q_PROPERTY(int MaxLength READ maxLength WRITE setMaxLength)
    Q_PROPERTY(bool OEMConvert READ oemConvert WRITE setOemConvert)
    Q_PROPERTY(QString PasswordChar READ passwordChar WRITE setPasswordChar)
    Q_PROPERTY(bool ReadOnly READ readOnly WRITE setReadOnly)
    Q_PROPERTY(QString Text READ text WRITE setText)

public:
    explicit TEdit(QWidget *parent = nullptr);
    static const DesignPropertyTable &propertyTable();

    bool autoSelect() const { return m_autoSelect; }
    void setAutoSelect(bool autoSelect) { m_autoSelect = autoSelect; }
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize) { m_autoSize = autoSize; }
    TBorderStyle borderStyle() const { return m_borderStyle; }
    void setBorderStyle(TBorderStyle style);
    TEditCharCase charCase() const { return m_charCase; }
    void setCharCase(TEditCharCase charCase);
    bool hideSelection() const { return m_hideSelection; }
    void setHideSelection(bool hide) { m_hideSelection = hide; }
    int maxLength() const { return m_maxLength; }
    void setMaxLength(int maxLength);
    bool oemConvert() const { return m_oemConvert; }
    void setOemConvert(bool convert) { m_oemConvert = convert; }
    const QString &passwordChar() const { return m_passwordChar; }
    void setPasswordChar(const QString &passwordChar);
    bool readOnly() const;
    void setReadOnly(bool readOnly);
    QString text() const;
    void setText(const QString &text);

protected:
    QString designText() const override { return text(); }
    void setDesignText(const QString &text) override { setText(text); }
    QLineEdit *lineEdit() const { return m_edit; }
    virtual void applyEcho();

private:
    QLineEdit *m_edit;
    bool m_autoSelect = true;
    bool m_autoSize = true;
    TBorderStyle m_borderStyle = bsSingle;
    TEditCharCase m_charCase = ecNormal;
    bool m_hideSelection = true;
    int m_maxLength = 0;
    bool m_oemConvert = false;
    QString m_passwordChar;
};

} // namespace talmo
