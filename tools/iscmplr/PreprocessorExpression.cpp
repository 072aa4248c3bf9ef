#include "PreprocessorExpression.h"

namespace talmo::iscmplr {

QString PreprocessorValue::toString() const
{
    switch (kind) {
    case Kind::Null:
        return QString();
    case Kind::Number:
        return QString::number(number);
    case Kind::Text:
        break;
    }
    return text;
}

bool PreprocessorValue::isTrue() const
{
    switch (kind) {
    case Kind::Null:
        return false;
    case Kind::Number:
        return number != 0;
    case Kind::Text:
        break;
    }
    return !text.isEmpty();
}

namespace {

class Parser
{
public:
    Parser(const QString &text, const PreprocessorContext &context)
        : m_text(text)
        , m_context(context)
    {
    }

    PreprocessorValue parseAll()
    {
        PreprocessorValue value = parseOr();
        skipBlanks();
        if (m_pos < m_text.size())
            fail(QStringLiteral("Unexpected text in expression: %1").arg(m_text.mid(m_pos)));
        return value;
    }

private:
    [[noreturn]] static void fail(const QString &message) { throw ExpressionError{message}; }

    // Counts one level of nesting for as long as it lives.
    class Nesting
    {
    public:
        explicit Nesting(Parser &parser)
            : m_parser(parser)
        {
            if (++m_parser.m_depth > PreprocessorExpression::kMaxNesting)
                fail(QStringLiteral("Expression nested more than %1 levels deep").arg(PreprocessorExpression::kMaxNesting));
        }
        ~Nesting() { --m_parser.m_depth; }
        Nesting(const Nesting &) = delete;
        Nesting &operator=(const Nesting &) = delete;

    private:
        Parser &m_parser;
    };

    void skipBlanks()
    {
        while (m_pos < m_text.size() && m_text.at(m_pos).isSpace())
            ++m_pos;
    }

    bool take(QLatin1StringView token)
    {
        skipBlanks();
        if (!QStringView(m_text).mid(m_pos).startsWith(token))
            return false;
        m_pos += token.size();
        return true;
    }

    static PreprocessorValue truth(bool b) { return PreprocessorValue::fromNumber(b ? 1 : 0); }

    PreprocessorValue parseOr()
    {
        PreprocessorValue left = parseAnd();
        while (take(QLatin1StringView("||"))) {
            const PreprocessorValue right = parseAnd();
            left = truth(left.isTrue() || right.isTrue());
        }
        return left;
    }

    PreprocessorValue parseAnd()
    {
        PreprocessorValue left = parseComparison();
        while (take(QLatin1StringView("&&"))) {
            const PreprocessorValue right = parseComparison();
            left = truth(left.isTrue() && right.isTrue());
        }
        return left;
    }

    static int compare(const PreprocessorValue &a, const PreprocessorValue &b)
    {
        if (a.kind == PreprocessorValue::Kind::Number && b.kind == PreprocessorValue::Kind::Number)
            return a.number < b.number ? -1 : (a.number > b.number ? 1 : 0);
        return QString::compare(a.toString(), b.toString(), Qt::CaseInsensitive);
    }

    PreprocessorValue parseComparison()
    {
        const PreprocessorValue left = parseAdditive();
        static const QLatin1StringView operators[] = {
            QLatin1StringView("=="), QLatin1StringView("!="), QLatin1StringView("<="),
            QLatin1StringView(">="), QLatin1StringView("<"), QLatin1StringView(">")};
        for (const QLatin1StringView op : operators) {
            if (!take(op))
                continue;
            const int c = compare(left, parseAdditive());
            if (op == QLatin1StringView("=="))
                return truth(c == 0);
            if (op == QLatin1StringView("!="))
                return truth(c != 0);
            if (op == QLatin1StringView("<="))
                return truth(c <= 0);
            if (op == QLatin1StringView(">="))
                return truth(c >= 0);
            if (op == QLatin1StringView("<"))
                return truth(c < 0);
            return truth(c > 0);
        }
        return left;
    }

    PreprocessorValue parseAdditive()
    {
        PreprocessorValue left = parseUnary();
        for (;;) {
            if (take(QLatin1StringView("+"))) {
                const PreprocessorValue right = parseUnary();
                if (left.kind == PreprocessorValue::Kind::Number && right.kind == PreprocessorValue::Kind::Number)
                    left = PreprocessorValue::fromNumber(added(left.number, right.number));
                else
                    left = joined(left, right);
            } else if (take(QLatin1StringView("-"))) {
                const PreprocessorValue right = parseUnary();
                if (left.kind != PreprocessorValue::Kind::Number || right.kind != PreprocessorValue::Kind::Number)
                    fail(QStringLiteral("Only numbers can be subtracted"));
                left = PreprocessorValue::fromNumber(subtracted(left.number, right.number));
            } else {
                return left;
            }
        }
    }

    static qint64 added(qint64 a, qint64 b)
    {
        qint64 sum = 0;
        if (__builtin_add_overflow(a, b, &sum))
            fail(QStringLiteral("Integer overflow in expression"));
        return sum;
    }

    static qint64 subtracted(qint64 a, qint64 b)
    {
        qint64 difference = 0;
        if (__builtin_sub_overflow(a, b, &difference))
            fail(QStringLiteral("Integer overflow in expression"));
        return difference;
    }

    static PreprocessorValue joined(const PreprocessorValue &left, const PreprocessorValue &right)
    {
        const QString a = left.toString();
        const QString b = right.toString();
        if (a.size() + b.size() > PreprocessorExpression::kMaxTextLength)
            fail(QStringLiteral("Text longer than %1 characters in expression").arg(PreprocessorExpression::kMaxTextLength));
        return PreprocessorValue::fromText(a + b);
    }

    PreprocessorValue parseUnary()
    {
        skipBlanks();
        if (m_pos < m_text.size() && m_text.at(m_pos) == QLatin1Char('!')
            && !(m_pos + 1 < m_text.size() && m_text.at(m_pos + 1) == QLatin1Char('='))) {
            ++m_pos;
            const Nesting nesting(*this);
            return truth(!parseUnary().isTrue());
        }
        return parsePrimary();
    }

    QString parseIdentifier()
    {
        skipBlanks();
        const qsizetype start = m_pos;
        while (m_pos < m_text.size() && (m_text.at(m_pos).isLetterOrNumber() || m_text.at(m_pos) == QLatin1Char('_')))
            ++m_pos;
        return m_text.mid(start, m_pos - start);
    }

    PreprocessorValue parseText(QChar quote)
    {
        ++m_pos;
        QString text;
        for (;;) {
            if (m_pos >= m_text.size())
                fail(QStringLiteral("Unterminated string in expression"));
            const QChar c = m_text.at(m_pos++);
            if (c != quote) {
                text += c;
                continue;
            }
            if (m_pos < m_text.size() && m_text.at(m_pos) == quote) {
                text += quote;
                ++m_pos;
                continue;
            }
            return PreprocessorValue::fromText(text);
        }
    }

    PreprocessorValue parseDefined()
    {
        const bool parenthesised = take(QLatin1StringView("("));
        const QString name = parseIdentifier();
        if (name.isEmpty())
            fail(QStringLiteral("A name is expected after \"defined\""));
        if (parenthesised && !take(QLatin1StringView(")")))
            fail(QStringLiteral("\")\" expected"));
        return truth(m_context.isDefined(name));
    }

    PreprocessorValue parseCall(const QString &name)
    {
        if (name.compare(QLatin1String("SetupSetting"), Qt::CaseInsensitive) != 0)
            fail(QStringLiteral("Undeclared identifier: %1").arg(name));
        const Nesting nesting(*this);
        const PreprocessorValue argument = parseOr();
        if (!take(QLatin1StringView(")")))
            fail(QStringLiteral("\")\" expected"));
        return PreprocessorValue::fromText(m_context.setupSetting(argument.toString()));
    }

    PreprocessorValue parsePrimary()
    {
        skipBlanks();
        if (m_pos >= m_text.size())
            fail(QStringLiteral("Expression expected"));
        const QChar c = m_text.at(m_pos);
        if (c == QLatin1Char('"') || c == QLatin1Char('\''))
            return parseText(c);
        if (c == QLatin1Char('(')) {
            ++m_pos;
            const Nesting nesting(*this);
            const PreprocessorValue inner = parseOr();
            if (!take(QLatin1StringView(")")))
                fail(QStringLiteral("\")\" expected"));
            return inner;
        }
        if (c.isDigit()) {
            const qsizetype start = m_pos;
            while (m_pos < m_text.size() && m_text.at(m_pos).isDigit())
                ++m_pos;
            const QString digits = m_text.mid(start, m_pos - start);
            bool ok = false;
            const qint64 number = digits.toLongLong(&ok);
            if (!ok)
                fail(QStringLiteral("Number out of range: %1").arg(digits));
            return PreprocessorValue::fromNumber(number);
        }
        const QString name = parseIdentifier();
        if (name.isEmpty())
            fail(QStringLiteral("Unexpected character in expression: %1").arg(c));
        if (name.compare(QLatin1String("defined"), Qt::CaseInsensitive) == 0)
            return parseDefined();
        if (take(QLatin1StringView("(")))
            return parseCall(name);
        const std::optional<PreprocessorValue> value = m_context.defineValue(name);
        if (!value)
            fail(QStringLiteral("Undeclared identifier: %1").arg(name));
        return *value;
    }

    const QString &m_text;
    const PreprocessorContext &m_context;
    qsizetype m_pos = 0;
    int m_depth = 0;
};

} // namespace

PreprocessorValue PreprocessorExpression::evaluate(const QString &text, const PreprocessorContext &context)
{
    return Parser(text, context).parseAll();
}

} // namespace talmo::iscmplr
