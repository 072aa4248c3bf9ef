#include "designer/controls/PasswordEdit.h"

#include "designer/controls/ControlTables.h"
#include "widgets/Colors.h"

#include <QLineEdit>

namespace talmo {

TPasswordEdit::TPasswordEdit(QWidget *parent)
    : TEdit(parent)
{
    applyEcho();
}

const DesignPropertyTable &TPasswordEdit::propertyTable()
{
    static const DesignPropertyTable table = controlTable(staticMetaObject, {
        row::anchors(), row::boolean("AutoSelect", true), row::boolean("AutoSize", true), row::borderStyle(bsSingle),
        row::enumeration("CharCase", ecNormal), row::color(clWindow), row::enabled(), row::font(),
        row::boolean("HideSelection", true), row::integer("MaxLength", 0), row::boolean("OEMConvert", false),
        row::parentColor(false), row::parentFont(), row::boolean("Password", true), row::boolean("ReadOnly", false),
        row::showHint(), row::tabOrder(), row::tabStop(true), row::text("Text"), row::visible(),
    });
    return table;
}

void TPasswordEdit::setPassword(bool password)
{
    m_password = password;
    applyEcho();
}

void TPasswordEdit::applyEcho()
{
    if (m_password)
        lineEdit()->setEchoMode(QLineEdit::Password);
    else
        TEdit::applyEcho();
}

} // namespace talmo
