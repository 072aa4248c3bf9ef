#include "tools/cabwiz/Diagnostics.h"

#include "tools/cabwiz/InfError.h"

namespace talmo::cabwiz {

Diagnostics::Diagnostics(const QString &infPath) : m_infPath(infPath) {}

void Diagnostics::error(const InfError &error)
{
    m_hasErrors = true;
    add(QStringLiteral("Error: ") + locate(error.line(), error.section()) + error.message());
}

void Diagnostics::warning(int line, const QString &section, const QString &message)
{
    add(QStringLiteral("Warning: ") + locate(line, section) + message);
}

QString Diagnostics::locate(int line, const QString &section) const
{
    QString where = m_infPath;
    if (line > 0)
        where += QStringLiteral(", line %1").arg(line);
    if (!section.isEmpty())
        where += QStringLiteral(", section [%1]").arg(section);
    return where.isEmpty() ? QString() : where + QStringLiteral(": ");
}

void Diagnostics::add(const QString &line)
{
    // A line break inside a message (from a file name, say) would start a line
    // of its own that the caller might misread.
    QString single = line;
    single.replace(u'\r', u' ').replace(u'\n', u' ');
    // Sections shared by several processors would report the same fault once each.
    if (m_seen.contains(single))
        return;
    m_seen.insert(single);
    m_lines.append(single);
}

} // namespace talmo::cabwiz
