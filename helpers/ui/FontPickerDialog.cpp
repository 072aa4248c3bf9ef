#include "helpers/ui/FontPickerDialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace talmo {

FontPickerDialog::FontPickerDialog(const FontChoice &initial, QWidget *parent)
    : QDialog(parent),
      m_name(new QFontComboBox(this)),
      m_size(new QSpinBox(this)),
      m_bold(new QCheckBox(QStringLiteral("Bold"), this)),
      m_italic(new QCheckBox(QStringLiteral("Italic"), this)),
      m_underline(new QCheckBox(QStringLiteral("Underline"), this)),
      m_strikeOut(new QCheckBox(QStringLiteral("Strikeout"), this)),
      m_colorButton(new QPushButton(this)),
      m_charset(new QComboBox(this)),
      m_color(initial.color)
{
    setWindowTitle(QStringLiteral("Font"));
    m_name->setCurrentFont(QFont(initial.name));
    m_name->setEditText(initial.name);
    m_size->setRange(1, 1638);
    m_size->setValue(initial.size);
    m_bold->setChecked(initial.bold);
    m_italic->setChecked(initial.italic);
    m_underline->setChecked(initial.underline);
    m_strikeOut->setChecked(initial.strikeOut);
    for (const auto &[number, name] : charsets())
        m_charset->addItem(name, number);
    const int charsetIndex = m_charset->findData(initial.charset);
    if (charsetIndex < 0)
        m_charset->addItem(QString::number(initial.charset), initial.charset);
    m_charset->setCurrentIndex(charsetIndex < 0 ? m_charset->count() - 1 : charsetIndex);
    showColor();
    connect(m_colorButton, &QPushButton::clicked, this, &FontPickerDialog::chooseColor);

    auto *styles = new QHBoxLayout;
    for (QCheckBox *box : { m_bold, m_italic, m_underline, m_strikeOut })
        styles->addWidget(box);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Font:"), m_name);
    form->addRow(QStringLiteral("Size:"), m_size);
    form->addRow(QStringLiteral("Style:"), styles);
    form->addRow(QStringLiteral("Color:"), m_colorButton);
    form->addRow(QStringLiteral("Script:"), m_charset);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

FontChoice FontPickerDialog::choice() const
{
    FontChoice font;
    font.name = m_name->currentText();
    font.size = m_size->value();
    font.bold = m_bold->isChecked();
    font.italic = m_italic->isChecked();
    font.underline = m_underline->isChecked();
    font.strikeOut = m_strikeOut->isChecked();
    font.color = m_color;
    font.charset = m_charset->currentData().toInt();
    return font;
}

const QList<std::pair<int, QString>> &FontPickerDialog::charsets()
{
    static const QList<std::pair<int, QString>> list = {
        { 0, QStringLiteral("Western") },      { 1, QStringLiteral("Default") },
        { 2, QStringLiteral("Symbol") },       { 77, QStringLiteral("Mac") },
        { 128, QStringLiteral("Japanese") },   { 129, QStringLiteral("Korean") },
        { 134, QStringLiteral("Chinese (Simplified)") }, { 136, QStringLiteral("Chinese (Traditional)") },
        { 161, QStringLiteral("Greek") },      { 162, QStringLiteral("Turkish") },
        { 163, QStringLiteral("Vietnamese") }, { 177, QStringLiteral("Hebrew") },
        { 178, QStringLiteral("Arabic") },     { 186, QStringLiteral("Baltic") },
        { 204, QStringLiteral("Cyrillic") },   { 222, QStringLiteral("Thai") },
        { 238, QStringLiteral("Central European") }, { 255, QStringLiteral("OEM/DOS") },
    };
    return list;
}

void FontPickerDialog::chooseColor()
{
    const QColor color = QColorDialog::getColor(m_color, this);
    if (color.isValid()) {
        m_color = color;
        showColor();
    }
}

void FontPickerDialog::showColor()
{
    m_colorButton->setText(m_color.name());
    m_colorButton->setStyleSheet(QStringLiteral("text-align: left; padding-left: 4px;"));
}

} // namespace talmo
