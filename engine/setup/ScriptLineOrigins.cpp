#include "engine/setup/ScriptLineOrigins.h"

namespace talmo {

const ScriptLineOrigin *ScriptLineOrigins::Find(int scriptLine) const
{
    const auto found = m_origins.constFind(scriptLine);
    return found == m_origins.cend() ? nullptr : &found.value();
}

QString ScriptLineOrigins::Describe(int scriptLine) const
{
    const ScriptLineOrigin *origin = Find(scriptLine);
    if (!origin)
        return QString();
    if (origin->page.isEmpty())
        return QStringLiteral("The line is line %1 of the global code.").arg(origin->editorLine);
    return QStringLiteral("The line is line %1 of the event %2 on the page \"%3\".")
        .arg(origin->editorLine)
        .arg(origin->event, origin->page);
}

} // namespace talmo
