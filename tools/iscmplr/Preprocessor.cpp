#include "Preprocessor.h"

#include "CompileError.h"
#include "CompilerHost.h"
#include "platform/AnsiCodec.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace talmo::iscmplr {

namespace {
constexpr int kMaxIncludeDepth = 32;
// 16 Mi characters added by expansions: far above any real script, and a
// bound on what a few lines that expand a long define many times can cost.
constexpr qsizetype kMaxGrowth = 16 * 1024 * 1024;

QString readTextFile(const QString &path, bool *ok)
{
    QFile file(path);
    *ok = file.open(QIODevice::ReadOnly);
    if (!*ok)
        return QString();
    const QByteArray bytes = file.readAll();
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    return AnsiCodec::decode(bytes);
}

SourceLines splitIntoLines(const QString &text, const QString &file)
{
    SourceLines lines;
    QStringList parts = text.split(QLatin1Char('\n'));
    if (!parts.isEmpty() && parts.last().isEmpty())
        parts.removeLast();
    int number = 0;
    for (QString part : parts) {
        if (part.endsWith(QLatin1Char('\r')))
            part.chop(1);
        lines.append({part, file, ++number});
    }
    return lines;
}

// Splits "#keyword argument" into its two parts.
std::pair<QString, QString> splitDirective(const QString &trimmed)
{
    static const QRegularExpression pattern(QStringLiteral("^#\\s*(=|[A-Za-z_]*)\\s*(.*)$"));
    const QRegularExpressionMatch m = pattern.match(trimmed);
    return {m.captured(1).toLower(), m.captured(2).trimmed()};
}

// "emit X" and "=X" are the long forms of the inline "X".
QString withoutEmit(const QString &expression)
{
    static const QRegularExpression pattern(QStringLiteral("^\\s*(?:=|emit(?![A-Za-z0-9_]))"),
                                            QRegularExpression::CaseInsensitiveOption);
    return expression.mid(pattern.match(expression).capturedLength());
}

bool isConditional(const QString &keyword)
{
    static const QStringList keywords = {QStringLiteral("if"), QStringLiteral("ifdef"), QStringLiteral("ifndef"),
                                         QStringLiteral("elif"), QStringLiteral("else"), QStringLiteral("endif")};
    return keywords.contains(keyword);
}
} // namespace

Preprocessor::Preprocessor(const HostPaths &paths)
    : m_paths(paths)
    , m_predefined(paths)
{
}

SourceLines Preprocessor::run(CompilerHost &host)
{
    SourceLines mainScript;
    int number = 0;
    while (const std::optional<QString> line = host.readScriptLine())
        mainScript.append({*line, QString(), ++number});
    return run(mainScript);
}

SourceLines Preprocessor::run(const SourceLines &mainScript)
{
    processLines(mainScript, m_paths.sourceDir(), 0);
    return m_output;
}

bool Preprocessor::active() const
{
    return m_conditions.isEmpty() || m_conditions.last().active;
}

void Preprocessor::processLines(const SourceLines &lines, const QString &folder, int depth)
{
    const qsizetype openBefore = m_conditions.size();
    const qsizetype outerBase = m_fileConditionBase;
    m_fileConditionBase = openBefore;
    for (const SourceLine &line : lines) {
        if (line.text.trimmed().startsWith(QLatin1Char('#')))
            processDirective(line, folder, depth);
        else if (active())
            m_output.append({expandInline(line), line.file, line.line});
    }
    if (m_conditions.size() > openBefore)
        throw CompileError::at(m_conditions.last().opened, QStringLiteral("Missing #endif"));
    m_fileConditionBase = outerBase;
}

void Preprocessor::processDirective(const SourceLine &line, const QString &folder, int depth)
{
    const auto [keyword, argument] = splitDirective(line.text.trimmed());
    if (isConditional(keyword)) {
        processConditional(keyword, argument, line);
        return;
    }
    if (!active())
        return;
    if (keyword == QLatin1String("define"))
        define(argument, line);
    else if (keyword == QLatin1String("undef"))
        m_defines.remove(argument.toLower());
    else if (keyword == QLatin1String("include"))
        include(argument, line, folder, depth);
    else if (keyword == QLatin1String("emit") || keyword == QLatin1String("="))
        emitValue(argument, line);
    else
        throw CompileError::at(line, QStringLiteral("Unknown preprocessor directive: #%1").arg(keyword));
}

void Preprocessor::processConditional(const QString &keyword, const QString &argument, const SourceLine &line)
{
    if (keyword == QLatin1String("if") || keyword == QLatin1String("ifdef") || keyword == QLatin1String("ifndef")) {
        const bool parentActive = active();
        bool value = false;
        if (parentActive) {
            if (keyword == QLatin1String("if"))
                value = evaluate(argument, line).isTrue();
            else
                value = isDefined(argument) == (keyword == QLatin1String("ifdef"));
        }
        m_conditions.append({parentActive, parentActive && value, value, false, line});
        return;
    }
    // A file closes only the conditions it opened itself.
    if (m_conditions.size() <= m_fileConditionBase)
        throw CompileError::at(line, QStringLiteral("#%1 without #if").arg(keyword));
    Condition &current = m_conditions.last();
    if (keyword == QLatin1String("endif")) {
        m_conditions.removeLast();
        return;
    }
    if (current.elseSeen)
        throw CompileError::at(line, QStringLiteral("#%1 after #else").arg(keyword));
    if (keyword == QLatin1String("else")) {
        current.elseSeen = true;
        current.active = current.parentActive && !current.anyTaken;
        current.anyTaken = true;
        return;
    }
    const bool value = current.parentActive && !current.anyTaken && evaluate(argument, line).isTrue();
    current.active = value;
    current.anyTaken = current.anyTaken || value;
}

void Preprocessor::define(const QString &argument, const SourceLine &line)
{
    static const QRegularExpression pattern(QStringLiteral("^([A-Za-z_][A-Za-z0-9_]*)(\\(?)\\s*=?\\s*(.*)$"));
    const QRegularExpressionMatch m = pattern.match(argument);
    if (!m.hasMatch())
        throw CompileError::at(line, QStringLiteral("A name is expected after #define"));
    if (!m.captured(2).isEmpty())
        throw CompileError::at(line, QStringLiteral("Macros with parameters are not supported: %1").arg(m.captured(1)));
    const QString expression = m.captured(3).trimmed();
    m_defines.insert(m.captured(1).toLower(), expression.isEmpty() ? PreprocessorValue() : evaluate(expression, line));
}

void Preprocessor::include(const QString &argument, const SourceLine &line, const QString &folder, int depth)
{
    QString name;
    if (argument.startsWith(QLatin1Char('<')) && argument.endsWith(QLatin1Char('>')))
        name = argument.mid(1, argument.size() - 2).trimmed();
    else
        name = evaluate(argument, line).toString();
    if (name.isEmpty())
        throw CompileError::at(line, QStringLiteral("#include needs a file name"));
    if (depth >= kMaxIncludeDepth)
        throw CompileError::at(line, QStringLiteral("Include files are nested too deeply: %1").arg(name));

    QString path = m_paths.resolve(name, folder);
    if (!QFileInfo(path).isFile() && !HostPaths::isAbsolute(name))
        path = m_paths.resolve(name);
    bool ok = false;
    const QString text = QFileInfo(path).isFile() ? readTextFile(path, &ok) : QString();
    if (!ok)
        throw CompileError::at(line, QStringLiteral("Cannot open include file \"%1\"").arg(name));
    processLines(splitIntoLines(text, path), QFileInfo(path).path(), depth + 1);
}

void Preprocessor::emitValue(const QString &argument, const SourceLine &line)
{
    const QString value = evaluate(argument, line).toString();
    addGrowth(value.size(), line);
    m_output.append({value, line.file, line.line});
}

QString Preprocessor::expandInline(const SourceLine &line)
{
    QString text = line.text;
    qsizetype from = 0;
    for (;;) {
        const qsizetype start = text.indexOf(QLatin1String("{#"), from);
        if (start < 0)
            return text;
        qsizetype end = start + 2;
        QChar quote;
        for (; end < text.size(); ++end) {
            const QChar c = text.at(end);
            if (!quote.isNull()) {
                if (c == quote)
                    quote = QChar();
            } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
                quote = c;
            } else if (c == QLatin1Char('}')) {
                break;
            }
        }
        if (end >= text.size())
            throw CompileError::at(line, QStringLiteral("Missing \"}\" after \"{#\""));
        const QString value = evaluate(withoutEmit(text.mid(start + 2, end - start - 2)), line).toString();
        addGrowth(value.size() - (end - start + 1), line);
        text.replace(start, end - start + 1, value);
        from = start + value.size();
    }
}

void Preprocessor::addGrowth(qsizetype characters, const SourceLine &line)
{
    m_growth += std::max<qsizetype>(characters, 0);
    if (m_growth > kMaxGrowth)
        throw CompileError::at(line, QStringLiteral("The preprocessed script grows by more than %1 characters").arg(kMaxGrowth));
}

PreprocessorValue Preprocessor::evaluate(const QString &expression, const SourceLine &line)
{
    m_current = line;
    try {
        return PreprocessorExpression::evaluate(expression, *this);
    } catch (const ExpressionError &e) {
        throw CompileError::at(line, e.message);
    }
}

std::optional<PreprocessorValue> Preprocessor::defineValue(const QString &name) const
{
    const auto it = m_defines.constFind(name.toLower());
    if (it != m_defines.constEnd())
        return *it;
    return m_predefined.value(name, m_current);
}

bool Preprocessor::isDefined(const QString &name) const
{
    return m_defines.contains(name.toLower()) || m_predefined.isDefined(name);
}

QString Preprocessor::setupSetting(const QString &directive) const
{
    QString value;
    bool inSetup = false;
    for (const SourceLine &line : m_output) {
        const QString trimmed = line.text.trimmed();
        if (trimmed.startsWith(QLatin1Char('['))) {
            inSetup = trimmed.compare(QLatin1String("[Setup]"), Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype equals = trimmed.indexOf(QLatin1Char('='));
        if (inSetup && equals > 0 && trimmed.left(equals).trimmed().compare(directive, Qt::CaseInsensitive) == 0)
            value = trimmed.mid(equals + 1).trimmed();
    }
    return value;
}

} // namespace talmo::iscmplr
