#include "designer/controls/Memo.h"

#include "designer/controls/ControlTables.h"
#include "widgets/Colors.h"

#include <QPlainTextEdit>

namespace talmo {

TMemo::TMemo(QWidget *parent)
    : TMemo(new QPlainTextEdit, parent)
{
}

TMemo::TMemo(QAbstractScrollArea *view, QWidget *parent)
    : TFontedControl(clWindow, false, parent),
      m_view(view)
{
    embed(m_view);
    colorChanged();
    setScrollBars(ssNone);
    connect(&m_lines, &TDesignStrings::changed, this, &TMemo::showLines);
    setWidth(185);
    setHeight(89);
}

std::vector<DesignProperty> TMemo::memoRows()
{
    return {
        row::align(), row::alignment(taLeftJustify), row::anchors(), row::borderStyle(bsSingle),
        row::color(clWindow), row::enabled(), row::font(), row::boolean("HideSelection", true),
        row::strings("Lines"), row::integer("MaxLength", 0), row::parentColor(false), row::parentFont(),
        row::boolean("ReadOnly", false), row::enumeration("ScrollBars", ssNone), row::showHint(), row::tabOrder(),
        row::tabStop(true), row::visible(), row::boolean("WantReturns", true), row::boolean("WantTabs", false),
        row::boolean("WordWrap", true),
    };
}

const DesignPropertyTable &TMemo::propertyTable()
{
    static const DesignPropertyTable table = controlTable(staticMetaObject, memoRows());
    return table;
}

void TMemo::setBorderStyle(TBorderStyle style)
{
    m_borderStyle = style;
    m_view->setFrameShape(style == bsSingle ? QFrame::StyledPanel : QFrame::NoFrame);
}

void TMemo::setScrollBars(TScrollStyle scrollBars)
{
    m_scrollBars = scrollBars;
    const auto policy = [](bool on) { return on ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff; };
    m_view->setHorizontalScrollBarPolicy(policy(scrollBars == ssHorizontal || scrollBars == ssBoth));
    m_view->setVerticalScrollBarPolicy(policy(scrollBars == ssVertical || scrollBars == ssBoth));
}

void TMemo::setWordWrap(bool wordWrap)
{
    m_wordWrap = wordWrap;
    if (auto *edit = qobject_cast<QPlainTextEdit *>(m_view))
        edit->setLineWrapMode(wordWrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void TMemo::showLines()
{
    if (auto *edit = qobject_cast<QPlainTextEdit *>(m_view))
        edit->setPlainText(m_lines.strings().join(u'\n'));
}

} // namespace talmo
