#pragma once

#include "designer/DesignStrings.h"
#include "designer/controls/FontedControl.h"

class QComboBox;

namespace talmo {

// A drop-down list with an edit part, one text line plus 8 pixels high.
class TComboBox : public TFontedControl
{
    Q_OBJECT
    Q_PROPERTY(int DropDownCount READ dropDownCount WRITE setDropDownCount)
    Q_PROPERTY(QObject *Items READ itemsObject)
    Q_PROPERTY(int MaxLength READ maxLength WRITE setMaxLength)
    Q_PROPERTY(bool Sorted READ sorted WRITE setSorted)
    Q_PROPERTY(TComboBoxStyle Style READ style WRITE setStyle)
    Q_PROPERTY(QString Text READ text WRITE setText)

public:
    explicit TComboBox(QWidget *parent = nullptr);
    static const DesignPropertyTable &propertyTable();

    int dropDownCount() const { return m_dropDownCount; }
    void setDropDownCount(int count);
    TDesignStrings &items() { return m_items; }
    QObject *itemsObject() { return &m_items; }
    int maxLength() const { return m_maxLength; }
    void setMaxLength(int maxLength) { m_maxLength = maxLength; }
    bool sorted() const { return m_sorted; }
    void setSorted(bool sorted);
    TComboBoxStyle style() const { return m_style; }
    void setStyle(TComboBoxStyle style);
    const QString &text() const { return m_text; }
    void setText(const QString &text);

protected:
    QString designText() const override { return m_text; }
    void setDesignText(const QString &text) override { setText(text); }

private:
    void showItems();

    QComboBox *m_combo;
    TDesignStrings m_items;
    int m_dropDownCount = 8;
    int m_maxLength = 0;
    bool m_sorted = false;
    TComboBoxStyle m_style = csDropDown;
    QString m_text;
};

} // namespace talmo
