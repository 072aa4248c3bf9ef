#include "ScriptSections.h"

#include "CompileError.h"

namespace talmo::iscmplr {

namespace {
bool isCode(const QString &sectionName)
{
    return sectionName.compare(QLatin1String("Code"), Qt::CaseInsensitive) == 0;
}
// Outside [Code], ";" starts a comment line, and so does "//" (scripts that
// went through the preprocessor carry such lines).
bool isComment(const QString &trimmed)
{
    return trimmed.isEmpty() || trimmed.startsWith(QLatin1Char(';')) || trimmed.startsWith(QLatin1String("//"));
}
} // namespace

const Section *ScriptSections::find(const QString &name) const
{
    for (const Section &section : m_sections) {
        if (section.name.compare(name, Qt::CaseInsensitive) == 0)
            return &section;
    }
    return nullptr;
}

Section &ScriptSections::sectionNamed(const QString &name, const SourceLine &header)
{
    for (Section &section : m_sections) {
        if (section.name.compare(name, Qt::CaseInsensitive) == 0)
            return section;
    }
    m_sections.append({name, header, {}});
    return m_sections.last();
}

ScriptSections ScriptSections::read(const SourceLines &script)
{
    ScriptSections result;
    QString open;       // the open section's name; empty outside any section
    bool closed = false; // an end tag closed the last section
    for (const SourceLine &line : script) {
        const QString trimmed = line.text.trimmed();
        const bool inCode = !open.isEmpty() && isCode(open);
        if (trimmed.startsWith(QLatin1Char('['))) {
            if (!trimmed.endsWith(QLatin1Char(']'))) {
                if (inCode) {
                    result.sectionNamed(open, line).lines.append(line);
                    continue;
                }
                throw CompileError::at(line, QStringLiteral("A section tag must end with \"]\""));
            }
            const QString inner = trimmed.mid(1, trimmed.size() - 2).trimmed();
            if (inner.startsWith(QLatin1Char('/'))) {
                const QString name = inner.mid(1).trimmed();
                if (open.isEmpty() || name.compare(open, Qt::CaseInsensitive) != 0)
                    throw CompileError::at(line, QStringLiteral("The end tag [/%1] does not match the open section").arg(name));
                open.clear();
                closed = true;
                continue;
            }
            if (inner.isEmpty())
                throw CompileError::at(line, QStringLiteral("A section tag needs a name"));
            open = inner;
            closed = false;
            result.sectionNamed(open, line);
            continue;
        }
        if (inCode) {
            result.sectionNamed(open, line).lines.append(line);
            continue;
        }
        if (isComment(trimmed))
            continue;
        if (open.isEmpty()) {
            throw CompileError::at(line, closed ? QStringLiteral("Text after a section's end tag")
                                                : QStringLiteral("Text is not inside a section"));
        }
        result.sectionNamed(open, line).lines.append({trimmed, line.file, line.line});
    }
    return result;
}

} // namespace talmo::iscmplr
