#include "designer/controls/RadioButton.h"

#include "designer/controls/ControlTables.h"
#include "widgets/Colors.h"

#include <QRadioButton>

namespace talmo {

TRadioButton::TRadioButton(QWidget *parent)
    : TFontedControl(clBtnFace, true, parent),
      m_button(new QRadioButton)
{
    // Each designed radio button is its own group: the page decides grouping.
    m_button->setAutoExclusive(false);
    setDefaultTabStop(false);
    embed(m_button);
    setWidth(113);
    setHeight(17);
}

const DesignPropertyTable &TRadioButton::propertyTable()
{
    static const DesignPropertyTable table = controlTable(staticMetaObject, {
        row::alignment(taRightJustify), row::anchors(), row::caption(), row::boolean("Checked", false),
        row::color(clBtnFace), row::enabled(), row::font(), row::parentColor(true), row::parentFont(),
        row::showHint(), row::tabOrder(), row::tabStop(false), row::visible(),
    });
    return table;
}

void TRadioButton::setAlignment(TAlignment alignment)
{
    m_alignment = alignment;
    m_button->setLayoutDirection(alignment == taLeftJustify ? Qt::RightToLeft : Qt::LeftToRight);
}

QString TRadioButton::caption() const
{
    return m_button->text();
}

void TRadioButton::setCaption(const QString &caption)
{
    m_button->setText(caption);
}

bool TRadioButton::checked() const
{
    return m_button->isChecked();
}

void TRadioButton::setChecked(bool checked)
{
    m_button->setChecked(checked);
}

} // namespace talmo
