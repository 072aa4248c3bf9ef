#include "SimpleExpression.h"

namespace talmo::iscmplr {

namespace {

enum class Token { End, Open, Close, Comma, Not, And, Or, Identifier, String, Integer, Boolean };

bool isAsciiLetter(QChar c)
{
    return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || (c >= QLatin1Char('a') && c <= QLatin1Char('z'));
}

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

class Walker
{
public:
    Walker(const QString &text, const SimpleExpression::Rules &rules, const SimpleExpression::OnIdentifier &onIdentifier)
        : m_text(text)
        , m_rules(rules)
        , m_onIdentifier(onIdentifier)
    {
    }

    void run()
    {
        next();
        if (!m_rules.singleIdentifier) {
            expression();
        } else {
            if (m_token != Token::Identifier)
                invalidToken();
            identifier();
        }
        if (m_token != Token::End)
            invalidToken();
    }

private:
    [[noreturn]] static void fail(const QString &message) { throw SimpleExpression::SyntaxError{message}; }
    [[noreturn]] void invalidToken() const { fail(QStringLiteral("Invalid token '%1' found").arg(m_word)); }

    // TSimpleExpression.Next: blanks and control characters are skipped.
    void next()
    {
        while (m_pos < m_text.size() && m_text.at(m_pos).unicode() >= 1 && m_text.at(m_pos).unicode() <= 32)
            ++m_pos;
        if (m_pos >= m_text.size()) {
            m_word.clear();
            m_token = Token::End;
            return;
        }
        const QChar c = m_text.at(m_pos);
        if (c == QLatin1Char('(') || c == QLatin1Char(')') || c == QLatin1Char(',')) {
            m_word = c;
            m_token = c == QLatin1Char('(') ? Token::Open : (c == QLatin1Char(')') ? Token::Close : Token::Comma);
            ++m_pos;
        } else if (isAsciiLetter(c) || c == QLatin1Char('_')) {
            word();
        } else if (isAsciiDigit(c)) {
            const qsizetype start = m_pos;
            while (m_pos < m_text.size() && isAsciiDigit(m_text.at(m_pos)))
                ++m_pos;
            m_word = m_text.mid(start, m_pos - start);
            m_token = Token::Integer;
        } else if (c == QLatin1Char('\'')) {
            quoted();
        } else {
            fail(QStringLiteral("Invalid symbol '%1' found").arg(c));
        }
    }

    void word()
    {
        const qsizetype start = m_pos++;
        while (m_pos < m_text.size()
               && (isAsciiLetter(m_text.at(m_pos)) || isAsciiDigit(m_text.at(m_pos)) || m_text.at(m_pos) == QLatin1Char('_')
                   || m_text.at(m_pos) == QLatin1Char('\\')))
            ++m_pos;
        m_word = m_text.mid(start, m_pos - start);
        const auto is = [this](const char *keyword) { return m_word.compare(QLatin1String(keyword), Qt::CaseInsensitive) == 0; };
        m_token = is("not") ? Token::Not
            : is("and")     ? Token::And
            : is("or")      ? Token::Or
            : (is("true") || is("false")) ? Token::Boolean
                                          : Token::Identifier;
    }

    void quoted()
    {
        m_word.clear();
        for (;;) {
            ++m_pos;
            if (m_pos >= m_text.size())
                fail(QStringLiteral("Unexpected end of expression while reading string constant"));
            const QChar c = m_text.at(m_pos);
            if (c == QLatin1Char('\n') || c == QLatin1Char('\r'))
                fail(QStringLiteral("Unterminated string"));
            if (c == QLatin1Char('\'')) {
                ++m_pos;
                if (m_pos >= m_text.size() || m_text.at(m_pos) != QLatin1Char('\''))
                    break;
            }
            m_word += m_text.at(m_pos);
        }
        m_token = Token::String;
    }

    // FReadParameters: ten at most; an identifier only as ExpandConstant('...').
    void parameters()
    {
        int count = 0;
        while (m_token == Token::Identifier || m_token == Token::String || m_token == Token::Integer || m_token == Token::Boolean) {
            if (++count > 10)
                fail(QStringLiteral("Maximum number of parameters exceeded"));
            if (m_token == Token::Identifier) {
                if (m_word.compare(QLatin1String("ExpandConstant"), Qt::CaseInsensitive) != 0)
                    fail(QStringLiteral("Can only call function \"ExpandConstant\" within parameter lists"));
                for (const Token expected : {Token::Open, Token::String, Token::Close}) {
                    next();
                    if (m_token != expected)
                        invalidToken();
                }
            } else if (m_token == Token::Integer && m_word.toLongLong() > 2147483647) {
                fail(QStringLiteral("'%1' is not a valid integer value").arg(m_word));
            }
            next();
            if (m_token != Token::Comma)
                break;
            next();
        }
    }

    void identifier()
    {
        const QString name = m_word;
        next();
        if (m_rules.parametersAllowed && m_token == Token::Open) {
            next();
            parameters();
            if (m_token != Token::Close)
                invalidToken();
            next();
        }
        m_onIdentifier(name);
    }

    void factor()
    {
        switch (m_token) {
        case Token::Open:
            next();
            expression();
            if (m_token != Token::Close)
                fail(QStringLiteral("Invalid token"));
            next();
            break;
        case Token::Not:
            next();
            factor();
            break;
        case Token::Identifier:
            identifier();
            break;
        default:
            invalidToken();
        }
    }

    void term()
    {
        factor();
        while (m_token == Token::And) {
            next();
            factor();
        }
    }

    void expression()
    {
        term();
        while (m_token == Token::Or || (m_rules.silentOr && m_token == Token::Identifier)) {
            if (m_token == Token::Or)
                next();
            term();
        }
    }

    const QString &m_text;
    const SimpleExpression::Rules &m_rules;
    const SimpleExpression::OnIdentifier &m_onIdentifier;
    qsizetype m_pos = 0;
    Token m_token = Token::End;
    QString m_word;
};

} // namespace

void SimpleExpression::walk(const QString &text, const Rules &rules, const OnIdentifier &onIdentifier)
{
    Walker(text, rules, onIdentifier).run();
}

} // namespace talmo::iscmplr
