#include "designer/controls/Edit.h"

#include "designer/controls/ControlTables.h"
#include "designer/controls/TextMeasurer.h"
#include "widgets/Colors.h"

#include <QLineEdit>

namespace talmo {

TEdit::TEdit(QWidget *parent)
    : TFontedControl(clWindow, false, parent),
      m_edit(new QLineEdit)
{
    embed(m_edit);
    colorChanged();
    setWidth(121);
    setHeight(TTextMeasurer::current().lineHeight(font()) + 8);
}

const DesignPropertyTable &TEdit::propertyTable()
{
    static const DesignPropertyTable table = controlTable(staticMetaObject, {
        row::anchors(), row::boolean("AutoSelect", true), row::boolean("AutoSize", true), row::borderStyle(bsSingle),
        row::enumeration("CharCase", ecNormal), row::color(clWindow), row::enabled(), row::font(),
        row::boolean("HideSelection", true), row::integer("MaxLength", 0), row::boolean("OEMConvert", false),
        row::parentColor(false), row::parentFont(), row::text("PasswordChar"), row::boolean("ReadOnly", false),
        row::showHint(), row::tabOrder(), row::tabStop(true), row::text("Text"), row::visible(),
    });
    return table;
}

void TEdit::setBorderStyle(TBorderStyle style)
{
    m_borderStyle = style;
    m_edit->setFrame(style == bsSingle);
}

void TEdit::setCharCase(TEditCharCase charCase)
{
    m_charCase = charCase;
    setText(text());
}

void TEdit::setMaxLength(int maxLength)
{
    m_maxLength = maxLength;
    m_edit->setMaxLength(maxLength > 0 ? maxLength : 32767);
}

void TEdit::setPasswordChar(const QString &passwordChar)
{
    m_passwordChar = passwordChar;
    applyEcho();
}

bool TEdit::readOnly() const
{
    return m_edit->isReadOnly();
}

void TEdit::setReadOnly(bool readOnly)
{
    m_edit->setReadOnly(readOnly);
}

QString TEdit::text() const
{
    return m_edit->text();
}

void TEdit::setText(const QString &text)
{
    static const auto cased = [](const QString &text, TEditCharCase charCase) {
        return charCase == ecUpperCase ? text.toUpper() : charCase == ecLowerCase ? text.toLower() : text;
    };
    m_edit->setText(cased(text, m_charCase));
}

void TEdit::applyEcho()
{
    m_edit->setEchoMode(m_passwordChar.isEmpty() ? QLineEdit::Normal : QLineEdit::Password);
}

} // namespace talmo
