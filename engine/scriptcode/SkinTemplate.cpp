#include "engine/scriptcode/SkinTemplate.h"

#include "engine/script/ScriptGenerationError.h"
#include "engine/script/SetupTextLines.h"
#include "helpers/core/ScriptText.h"
#include "platform/AnsiCodec.h"

#include <QFile>

namespace talmo {

namespace {

bool containsText(const QString &line, const char *upperText)
{
    return AsciiUpperCase(line).contains(QLatin1String(upperText));
}

bool has(const char *word, const QString &line)
{
    return FindIdentifier(QLatin1String(word), line) > 0;
}

// A line that opens a block closed by "end". "try" counts too, so that a
// try ... end inside a routine does not end the routine early.
bool opensBlock(const QString &line)
{
    return has("begin", line) || has("case", line) || has("try", line);
}

// Copies the body of one InitializeWizard routine: the template, the
// position in it and the output it appends to.
class BodyCopy
{
public:
    BodyCopy(const QStringList &lines, QStringList &output)
        : m_lines(lines)
        , m_output(output)
    {
    }

    void Run()
    {
        m_index = 0;
        line(m_index); // an empty template is an error, not an empty body
        while (m_index < m_lines.size()) {
            if (containsText(line(m_index), "INITIALIZEWIZARD") && !copyRoutineAt())
                return;
            ++m_index;
        }
    }

private:
    const QString &line(qsizetype i) const
    {
        if (i >= m_lines.size())
            throw ScriptGenerationError(QStringLiteral("The skin template ends inside its InitializeWizard routine"));
        return m_lines.at(i);
    }

    bool atEnd() const { return m_index >= m_lines.size(); }

    // From the head line: the declarations and the begin line, the block,
    // and past the closing line. False when the template ended.
    bool copyRoutineAt()
    {
        ++m_index;
        if (atEnd())
            return false;
        while (!has("begin", line(m_index)))
            m_output.append(line(m_index++));
        m_output.append(line(m_index++));
        if (atEnd())
            return false;
        copyNestedBlock();
        ++m_index;
        return !atEnd();
    }

    // Copies up to the block's closing line. Inner blocks are counted, not
    // recursed into, so any depth of nesting fits on the stack.
    void copyNestedBlock()
    {
        qsizetype innerBlocks = 0;
        for (;;) {
            const QString &text = line(m_index); // past the end inside an inner block: an error
            const bool closes = has("end", text);
            if (closes && innerBlocks == 0)
                return;
            const bool opens = !closes && opensBlock(text);
            if (closes)
                --innerBlocks;
            m_output.append(text);
            if (++m_index >= m_lines.size() && innerBlocks == 0)
                return;
            if (opens)
                ++innerBlocks;
        }
    }

    const QStringList &m_lines;
    QStringList &m_output;
    qsizetype m_index = 0;
};

// Passes over one block of the template up to its closing line, counting the
// inner blocks; false when the template ends first.
bool skipNestedBlock(const QStringList &lines, qsizetype &i)
{
    qsizetype innerBlocks = 0;
    for (;;) {
        if (has("end", lines.at(i))) {
            if (innerBlocks == 0)
                return true;
            --innerBlocks;
        } else if (opensBlock(lines.at(i))) {
            ++innerBlocks;
        }
        if (++i >= lines.size())
            return false;
    }
}

// From an InitializeWizard head to the line after its closing line; false
// when the template ends first.
bool skipRoutine(const QStringList &lines, qsizetype &i)
{
    while (i < lines.size() && !has("begin", lines.at(i)))
        ++i;
    if (++i >= lines.size() || !skipNestedBlock(lines, i))
        return false;
    return ++i < lines.size();
}

} // namespace

bool SkinTemplate::HasTemplate(const QString &skinName)
{
    return skinName != QLatin1String("Default");
}

QString SkinTemplate::PathOf(const QString &programFolder, const QString &skinName)
{
    return programFolder + QStringLiteral("Setup Skins/") + skinName + QLatin1Char('/') + skinName
        + QStringLiteral(".iss");
}

QStringList SkinTemplate::Load(const QString &programFolder, const QString &skinName)
{
    const QString path = PathOf(programFolder, skinName);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ScriptGenerationError(QStringLiteral("Cannot read the skin template %1: %2").arg(path, file.errorString()));
    return SplitTextLines(AnsiCodec::decode(file.readAll()));
}

QStringList SkinTemplate::InitializeWizardBody(const QStringList &templateLines)
{
    QStringList body;
    BodyCopy(templateLines, body).Run();
    return body;
}

QStringList SkinTemplate::CodeWithoutInitializeWizard(const QStringList &templateLines)
{
    QStringList code;
    qsizetype i = 0;
    while (i < templateLines.size() && !containsText(templateLines.at(i), "[CODE]"))
        ++i;
    bool inPageChange = false;
    for (++i; i < templateLines.size(); ++i) {
        if (containsText(templateLines.at(i), "INITIALIZEWIZARD") && !skipRoutine(templateLines, i))
            break;
        const QString &line = templateLines.at(i);
        code.append(line);
        if (containsText(line, "CURPAGECHANGED"))
            inPageChange = true;
        if (inPageChange && containsText(line, "BEGIN")) {
            code.append(QStringLiteral("  TALMO_Script_CurPageChanged(CurPageID);"));
            inPageChange = false;
        }
    }
    return code;
}

} // namespace talmo
