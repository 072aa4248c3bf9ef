#include "CodeSection.h"

#include "CompileError.h"

namespace talmo::iscmplr {

namespace {

struct Token
{
    enum class Kind { Word, Text, Symbol };
    Kind kind;
    QString text;
    const SourceLine *where;
};

// Splits Pascal source into words, string literals and symbols.
class Tokenizer
{
public:
    explicit Tokenizer(const SourceLines &lines)
        : m_lines(lines)
    {
    }

    QList<Token> tokens()
    {
        QList<Token> result;
        const SourceLine *commentStart = nullptr;
        QString commentEnd;
        for (const SourceLine &line : m_lines) {
            const QString &text = line.text;
            qsizetype i = 0;
            while (i < text.size()) {
                if (commentStart) {
                    const qsizetype end = text.indexOf(commentEnd, i);
                    if (end < 0)
                        break;
                    i = end + commentEnd.size();
                    commentStart = nullptr;
                    continue;
                }
                const QChar c = text.at(i);
                if (c.isSpace()) {
                    ++i;
                } else if (c == QLatin1Char('{')) {
                    commentStart = &line;
                    commentEnd = QStringLiteral("}");
                    ++i;
                } else if (text.mid(i, 2) == QLatin1String("(*")) {
                    commentStart = &line;
                    commentEnd = QStringLiteral("*)");
                    i += 2;
                } else if (text.mid(i, 2) == QLatin1String("//")) {
                    break;
                } else if (c == QLatin1Char('\'')) {
                    result.append({Token::Kind::Text, readString(line, i), &line});
                } else if (c.isLetter() || c == QLatin1Char('_')) {
                    const qsizetype start = i;
                    while (i < text.size() && (text.at(i).isLetterOrNumber() || text.at(i) == QLatin1Char('_')))
                        ++i;
                    result.append({Token::Kind::Word, text.mid(start, i - start).toLower(), &line});
                } else {
                    result.append({Token::Kind::Symbol, QString(c), &line});
                    ++i;
                }
            }
        }
        if (commentStart)
            throw CompileError::at(*commentStart, QStringLiteral("A comment in [Code] is not closed"));
        return result;
    }

private:
    static QString readString(const SourceLine &line, qsizetype &i)
    {
        const QString &text = line.text;
        QString value;
        ++i;
        for (;;) {
            if (i >= text.size())
                throw CompileError::at(line, QStringLiteral("A string in [Code] is not closed"));
            const QChar c = text.at(i++);
            if (c != QLatin1Char('\'')) {
                value += c;
            } else if (i < text.size() && text.at(i) == QLatin1Char('\'')) {
                value += c;
                ++i;
            } else {
                return value;
            }
        }
    }

    const SourceLines &m_lines;
};

QString filesLibraryOf(const QString &binding)
{
    const qsizetype at = binding.indexOf(QLatin1String("@files:"), 0, Qt::CaseInsensitive);
    if (at < 0)
        return QString();
    const QString rest = binding.mid(at + 7);
    return rest.section(QLatin1Char(' '), 0, 0).trimmed();
}

} // namespace

CodeSection CodeSection::scan(const SourceLines &lines)
{
    CodeSection result;
    const QList<Token> tokens = Tokenizer(lines).tokens();
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const Token &token = tokens.at(i);
        if (token.kind != Token::Kind::Word)
            continue;
        if (token.text == QLatin1String("function") || token.text == QLatin1String("procedure")) {
            if (i + 1 < tokens.size() && tokens.at(i + 1).kind == Token::Kind::Word)
                result.m_routines.insert(tokens.at(i + 1).text);
        } else if (token.text == QLatin1String("external")) {
            if (i + 1 < tokens.size() && tokens.at(i + 1).kind == Token::Kind::Text) {
                const QString library = filesLibraryOf(tokens.at(i + 1).text);
                if (!library.isEmpty())
                    result.m_filesLibraries.append({library, *token.where});
            }
        }
    }
    return result;
}

} // namespace talmo::iscmplr
