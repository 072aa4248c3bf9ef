#include "widgets/NxNumberEdit.h"

#include <QKeyEvent>

namespace talmo {

namespace {

bool isSign(QChar ch)
{
    return ch == u'+' || ch == u'-';
}

} // namespace

TNxCustomNumberEdit::TNxCustomNumberEdit(QWidget *parent)
    : TNxEdit(parent)
{
    reformat();
}

void TNxCustomNumberEdit::setNullText(const QString &text)
{
    m_nullText = text;
    setValue(0);
}

void TNxCustomNumberEdit::setPrecision(int value)
{
    m_precision = value;
    reformat();
}

void TNxCustomNumberEdit::setTextAfter(const QString &text)
{
    m_textAfter = text;
    if (!(m_options & eoAllowAll))
        reformat();
}

double TNxCustomNumberEdit::value() const
{
    if (text().isEmpty())
        return m_min;
    return NumberText::parse(text(), m_options & eoAllowFloat, m_options & eoAllowSigns, m_min, m_max);
}

void TNxCustomNumberEdit::setValue(double value)
{
    if (!editorUpdating())
        setText(formatValue(value));
}

QString TNxCustomNumberEdit::formatValue(double value) const
{
    return NumberText::format(value, {bool(m_options & eoAllowFloat), m_precision, m_nullText, m_textAfter});
}

void TNxCustomNumberEdit::assign(const TNxCustomNumberEdit &source)
{
    m_max = source.m_max;
    m_min = source.m_min;
    setNullText(source.m_nullText);
    m_options = source.m_options;
    setPrecision(source.m_precision);
    setValue(source.value());
}

void TNxCustomNumberEdit::setAsFloat(double value)
{
    setText(NumberText::shortestText(value));
    setValue(value);
}

void TNxCustomNumberEdit::endEditing()
{
    if (!(m_options & eoAllowAll))
        reformat();
}

void TNxCustomNumberEdit::reformat()
{
    setValue(value());
}

bool TNxCustomNumberEdit::acceptsTypedText(const QString &typed)
{
    if (m_options & eoDisableTyping)
        return false;
    if (m_options & eoAllowAll)
        return true;
    const QChar ch = typed.at(0);
    const QChar separator = NumberText::localeDecimalSeparator();
    const QString selection = selectedText();
    if (ch == separator)
        return (m_options & eoAllowFloat) && (!text().contains(separator) || selection.contains(separator));
    if (isSign(ch)) {
        if (!(m_options & eoAllowSigns))
            return false;
        const bool textHasSign = text().contains(u'+') || text().contains(u'-');
        const int caret = hasSelectedText() ? selectionStart() : cursorPosition();
        return (caret == 0 && !textHasSign) || selection.contains(u'+') || selection.contains(u'-');
    }
    return ch.isDigit() && ch.unicode() < 128;
}

bool TNxCustomNumberEdit::acceptsEditingKey(QKeyEvent *event)
{
    return !(m_options & eoDisableTyping) || !changesText(event);
}

void TNxCustomNumberEdit::pasteText(const QString &clipboard)
{
    const QChar separator = NumberText::localeDecimalSeparator();
    const int caret = hasSelectedText() ? selectionStart() : cursorPosition();
    QString outside = text();
    if (hasSelectedText())
        outside.remove(selectionStart(), selectedText().size());
    const bool allowFloat = (m_options & eoAllowFloat) && !outside.contains(separator);
    const bool allowSigns = (m_options & eoAllowSigns) && caret == 0;
    const QString number = NumberText::clean(clipboard, allowFloat, allowSigns, m_min, m_max);
    setText(outside.insert(caret, number));
    setCursorPosition(caret);
}

void TNxCustomNumberEdit::focusOutEvent(QFocusEvent *event)
{
    TNxEdit::focusOutEvent(event);
    if (!(m_options & eoAllowAll))
        reformat();
}

} // namespace talmo
