#include "designer/controls/NewStaticText.h"

#include "designer/controls/ControlTables.h"
#include "widgets/Colors.h"

namespace talmo {

TNewStaticText::TNewStaticText(QWidget *parent)
    : TLabel(parent)
{
    setDefaultTabStop(false);
}

const DesignPropertyTable &TNewStaticText::propertyTable()
{
    static const DesignPropertyTable table = controlTable(staticMetaObject, {
        row::align(), row::anchors(), row::boolean("AutoSize", true), row::caption(), row::color(clBtnFace),
        row::enabled(), row::reference("FocusControl"), row::font(), row::parentColor(true), row::parentFont(),
        row::boolean("ShowAccelChar", true), row::showHint(), row::tabOrder(), row::tabStop(false), row::visible(),
        row::boolean("WordWrap", false),
    });
    return table;
}

} // namespace talmo
