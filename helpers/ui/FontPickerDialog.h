#pragma once

#include "helpers/ui/UiServices.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QFontComboBox;
class QPushButton;
class QSpinBox;

namespace talmo {

// The font picker behind UiServices::pickFont: name, size, the four styles,
// colour and character set, which Qt's own font dialog lacks.
class FontPickerDialog : public QDialog
{
    Q_OBJECT
public:
    explicit FontPickerDialog(const FontChoice &initial, QWidget *parent = nullptr);

    FontChoice choice() const;

    // The character sets offered, as GDI numbers and names.
    static const QList<std::pair<int, QString>> &charsets();

private:
    void chooseColor();
    void showColor();

    QFontComboBox *m_name;
    QSpinBox *m_size;
    QCheckBox *m_bold;
    QCheckBox *m_italic;
    QCheckBox *m_underline;
    QCheckBox *m_strikeOut;
    QPushButton *m_colorButton;
    QComboBox *m_charset;
    QColor m_color;
};

} // namespace talmo
