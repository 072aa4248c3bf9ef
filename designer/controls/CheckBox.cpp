#include "designer/controls/CheckBox.h"

#include "designer/controls/ControlTables.h"
#include "widgets/Colors.h"

#include <QCheckBox>

namespace talmo {

TCheckBox::TCheckBox(QWidget *parent)
    : TFontedControl(clBtnFace, true, parent),
      m_box(new QCheckBox)
{
    embed(m_box);
    setWidth(97);
    setHeight(17);
}

const DesignPropertyTable &TCheckBox::propertyTable()
{
    static const DesignPropertyTable table = controlTable(staticMetaObject, {
        row::alignment(taRightJustify), row::boolean("AllowGrayed", false), row::anchors(), row::caption(),
        row::boolean("Checked", false), row::color(clBtnFace), row::enabled(), row::font(), row::parentColor(true),
        row::parentFont(), row::showHint(), row::enumeration("State", cbUnchecked), row::tabOrder(),
        row::tabStop(true), row::visible(),
    });
    return table;
}

// The box stands left of the caption unless the caption is left-justified.
void TCheckBox::setAlignment(TAlignment alignment)
{
    m_alignment = alignment;
    m_box->setLayoutDirection(alignment == taLeftJustify ? Qt::RightToLeft : Qt::LeftToRight);
}

bool TCheckBox::allowGrayed() const
{
    return m_box->isTristate();
}

void TCheckBox::setAllowGrayed(bool allow)
{
    m_box->setTristate(allow);
}

QString TCheckBox::caption() const
{
    return m_box->text();
}

void TCheckBox::setCaption(const QString &caption)
{
    m_box->setText(caption);
}

TVisualControl::TCheckBoxState TCheckBox::state() const
{
    static const TCheckBoxState states[] = {cbUnchecked, cbGrayed, cbChecked};
    return states[m_box->checkState()];
}

void TCheckBox::setState(TCheckBoxState state)
{
    static const Qt::CheckState states[] = {Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked};
    m_box->setCheckState(states[state]);
}

} // namespace talmo
