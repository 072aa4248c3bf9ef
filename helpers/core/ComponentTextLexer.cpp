#include "helpers/core/ComponentTextLexer.h"

#include "helpers/core/ComponentTextError.h"
#include "helpers/core/ComponentTextSyntax.h"

namespace talmo {

using namespace ComponentTextSyntax;

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

int hexDigitValue(QChar c)
{
    if (isDigit(c))
        return c.unicode() - u'0';
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    return -1;
}

const QString Symbols = QStringLiteral("=:[](),<>+");

} // namespace

ComponentTextLexer::ComponentTextLexer(const QString &text)
    : m_text(text)
{
}

std::vector<ComponentTextToken> ComponentTextLexer::tokenize(const QString &text)
{
    ComponentTextLexer lexer(text);
    std::vector<Token> tokens;
    do {
        tokens.push_back(lexer.next());
    } while (tokens.back().type != Token::Type::End);
    return tokens;
}

void ComponentTextLexer::advance()
{
    // CR LF, lone CR and lone LF each end one line.
    const QChar c = m_text[m_index++];
    if (c == u'\n' || (c == u'\r' && at(m_index) != u'\n'))
        ++m_line;
}

void ComponentTextLexer::fail(const QString &message) const
{
    throw ComponentTextError(message, m_line);
}

void ComponentTextLexer::skipBlanks()
{
    while (!atEnd() && isBlank(m_text[m_index]))
        advance();
}

ComponentTextToken ComponentTextLexer::next()
{
    skipBlanks();
    if (atEnd())
        return Token{Token::Type::End, QString(), 0, {}, {}, m_line};
    const QChar c = m_text[m_index];
    if (isNameStart(c))
        return readName();
    if (isDigit(c) || (c == u'-' && isDigit(at(m_index + 1))))
        return readNumber();
    if (c == u'\'' || c == u'#')
        return readString();
    if (c == u'{')
        return readBinary();
    if (Symbols.contains(c)) {
        advance();
        return Token{Token::Type::Symbol, QString(c), 0, {}, {}, m_line};
    }
    fail(QStringLiteral("Invalid character \"%1\"").arg(c));
}

ComponentTextToken ComponentTextLexer::readName()
{
    const qsizetype start = m_index;
    while (!atEnd() && (isNameChar(m_text[m_index]) || (m_text[m_index] == u'.' && isNameStart(at(m_index + 1)))))
        advance();
    return Token{Token::Type::Name, m_text.mid(start, m_index - start), 0, {}, {}, m_line};
}

ComponentTextToken ComponentTextLexer::readNumber()
{
    const qsizetype start = m_index;
    bool isFloat = false;
    if (m_text[m_index] == u'-')
        advance();
    while (isDigit(at(m_index)))
        advance();
    if (at(m_index) == u'.' && isDigit(at(m_index + 1))) {
        isFloat = true;
        advance();
        while (isDigit(at(m_index)))
            advance();
    }
    if ((at(m_index) == u'e' || at(m_index) == u'E')
        && (isDigit(at(m_index + 1)) || ((at(m_index + 1) == u'+' || at(m_index + 1) == u'-') && isDigit(at(m_index + 2))))) {
        isFloat = true;
        advance();
        advance();
        while (isDigit(at(m_index)))
            advance();
    }
    Token token{Token::Type::Float, m_text.mid(start, m_index - start), 0, {}, {}, m_line};
    const QChar suffix = at(m_index).toLower();
    if (suffix == u's' || suffix == u'c' || suffix == u'd') {
        isFloat = true;
        token.floatType = suffix == u's' ? ComponentTextValue::FloatType::Single
                        : suffix == u'c' ? ComponentTextValue::FloatType::Currency
                                         : ComponentTextValue::FloatType::Date;
        advance();
    }
    if (isNameChar(at(m_index)) || at(m_index) == u'.')
        fail(QStringLiteral("Invalid number"));
    if (!isFloat) {
        bool ok = false;
        token.type = Token::Type::Integer;
        token.integer = token.text.toLongLong(&ok);
        if (!ok)
            fail(QStringLiteral("Number out of range"));
    }
    return token;
}

ComponentTextToken ComponentTextLexer::readString()
{
    Token token{Token::Type::String, QString(), 0, {}, {}, m_line};
    for (;;) {
        if (at(m_index) == u'\'') {
            advance();
            for (;;) {
                if (atEnd() || m_text[m_index] == u'\r' || m_text[m_index] == u'\n')
                    fail(QStringLiteral("Unterminated string"));
                if (m_text[m_index] == u'\'') {
                    advance();
                    if (at(m_index) != u'\'')
                        break;
                }
                token.text += m_text[m_index];
                advance();
            }
        } else if (at(m_index) == u'#') {
            advance();
            const qsizetype start = m_index;
            while (isDigit(at(m_index)))
                advance();
            bool ok = false;
            const uint code = m_text.mid(start, m_index - start).toUInt(&ok);
            if (!ok || code > 0xFFFF)
                fail(QStringLiteral("Invalid character code"));
            token.text += QChar(char16_t(code));
        } else {
            return token;
        }
    }
}

ComponentTextToken ComponentTextLexer::readBinary()
{
    Token token{Token::Type::Binary, QString(), 0, {}, {}, m_line};
    advance();
    int pending = -1;
    for (;;) {
        skipBlanks();
        if (atEnd())
            fail(QStringLiteral("Unterminated binary data"));
        const QChar c = m_text[m_index];
        if (c == u'}') {
            if (pending >= 0)
                fail(QStringLiteral("Odd number of digits in binary data"));
            advance();
            return token;
        }
        const int digit = hexDigitValue(c);
        if (digit < 0)
            fail(QStringLiteral("Invalid binary data"));
        if (pending < 0) {
            pending = digit;
        } else {
            token.bytes.append(char(pending * 16 + digit));
            pending = -1;
        }
        advance();
    }
}

} // namespace talmo
