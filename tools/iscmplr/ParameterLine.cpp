#include "ParameterLine.h"

#include "CompileError.h"


namespace talmo::iscmplr {

namespace {

// ExtractParameters: SCompilerParamDuplicated, SCompilerParamHasNoValue,
// SCompilerParamQuoteError (a quote in an unquoted value, or text after the
// closing quote) and SCompilerParamMissingClosingQuote. A name ends at the
// ":" there, so "A; B: x" names an unknown parameter; here it has no value.
class Scanner
{
public:
    explicit Scanner(const SourceLine &line)
        : m_line(line)
        , m_text(line.text)
    {
    }

    QList<Parameter> parameters()
    {
        QList<Parameter> result;
        for (;;) {
            skipBlanks();
            if (atEnd())
                return result;
            Parameter parameter;
            parameter.name = readName();
            for (const Parameter &seen : std::as_const(result)) {
                if (seen.name.compare(parameter.name, Qt::CaseInsensitive) == 0)
                    fail(QStringLiteral("Cannot have multiple \"%1\" parameters").arg(parameter.name));
            }
            skipBlanks();
            parameter.value = (!atEnd() && m_text.at(m_pos) == QLatin1Char('"')) ? readQuoted(parameter.name) : readPlain(parameter.name);
            result.append(parameter);
        }
    }

private:
    [[noreturn]] void fail(const QString &message) const { throw CompileError::at(m_line, message); }
    [[noreturn]] void failMisplacedQuotes(const QString &name) const
    {
        fail(QStringLiteral("Mismatched or misplaced quotes on parameter \"%1\"").arg(name));
    }
    bool atEnd() const { return m_pos >= m_text.size(); }

    void skipBlanks()
    {
        while (!atEnd() && m_text.at(m_pos).isSpace())
            ++m_pos;
    }

    QString readName()
    {
        const qsizetype start = m_pos;
        while (!atEnd() && m_text.at(m_pos) != QLatin1Char(':') && m_text.at(m_pos) != QLatin1Char(';'))
            ++m_pos;
        const QString name = m_text.mid(start, m_pos - start).trimmed();
        if (atEnd() || m_text.at(m_pos) != QLatin1Char(':'))
            fail(QStringLiteral("Specified parameter \"%1\" has no value").arg(name));
        if (name.isEmpty())
            fail(QStringLiteral("Unrecognized parameter name \"\""));
        ++m_pos;
        return name;
    }

    QString readQuoted(const QString &name)
    {
        ++m_pos;
        QString value;
        for (;;) {
            if (atEnd())
                fail(QStringLiteral("Missing closing quote on parameter \"%1\"").arg(name));
            const QChar c = m_text.at(m_pos++);
            if (c != QLatin1Char('"')) {
                value += c;
            } else if (!atEnd() && m_text.at(m_pos) == QLatin1Char('"')) {
                value += c;
                ++m_pos;
            } else {
                break;
            }
        }
        skipBlanks();
        if (!atEnd() && m_text.at(m_pos) != QLatin1Char(';'))
            failMisplacedQuotes(name);
        if (!atEnd())
            ++m_pos;
        return value;
    }

    QString readPlain(const QString &name)
    {
        const qsizetype start = m_pos;
        while (!atEnd() && m_text.at(m_pos) != QLatin1Char(';'))
            ++m_pos;
        const QString value = m_text.mid(start, m_pos - start).trimmed();
        if (value.contains(QLatin1Char('"')))
            failMisplacedQuotes(name);
        if (!atEnd())
            ++m_pos;
        return value;
    }

    const SourceLine &m_line;
    const QString &m_text;
    qsizetype m_pos = 0;
};

} // namespace

ParameterLine ParameterLine::parse(const SourceLine &line)
{
    ParameterLine result;
    result.m_where = line;
    result.m_parameters = Scanner(line).parameters();
    return result;
}

bool ParameterLine::has(const QString &name) const
{
    for (const Parameter &p : m_parameters) {
        if (p.name.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

QString ParameterLine::value(const QString &name) const
{
    for (const Parameter &p : m_parameters) {
        if (p.name.compare(name, Qt::CaseInsensitive) == 0)
            return p.value;
    }
    return QString();
}

// ExtractFlag reads words between spaces (ExtractStr), each trimmed, so a
// tab between two flags makes one word of them.
QStringList ParameterLine::words(const QString &name) const
{
    QStringList result;
    for (const QString &word : value(name).toLower().split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!word.trimmed().isEmpty())
            result << word.trimmed();
    }
    return result;
}

} // namespace talmo::iscmplr
