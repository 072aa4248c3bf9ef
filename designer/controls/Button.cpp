#include "designer/controls/Button.h"

#include "designer/controls/ControlTables.h"
#include "widgets/Colors.h"

#include <QPushButton>

namespace talmo {

TButton::TButton(QWidget *parent)
    : TFontedControl(clBtnFace, false, parent),
      m_button(new QPushButton)
{
    embed(m_button);
    setWidth(75);
    setHeight(25);
}

const DesignPropertyTable &TButton::propertyTable()
{
    static const DesignPropertyTable table = controlTable(staticMetaObject, {
        row::anchors(), row::boolean("Cancel", false), row::caption(), row::boolean("Default", false),
        row::enabled(), row::font(), row::integer("ModalResult", 0), row::parentFont(), row::showHint(),
        row::tabOrder(), row::tabStop(true), row::visible(),
    });
    return table;
}

QString TButton::caption() const
{
    return m_button->text();
}

void TButton::setCaption(const QString &caption)
{
    m_button->setText(caption);
}

bool TButton::isDefault() const
{
    return m_button->isDefault();
}

void TButton::setDefault(bool isDefault)
{
    m_button->setDefault(isDefault);
}

} // namespace talmo
