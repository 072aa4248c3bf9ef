#pragma once

#include "engine/setup/RewrittenLine.h"

#include <QHash>
#include <QString>

namespace talmo {

// Where a line of the generated script was written by the user: an event
// procedure of a designed page or the project's global code, and the line
// there as its code editor numbers it (the editors show a declaration or
// header line first).
struct ScriptLineOrigin
{
    QString page;  // empty for the global code
    QString event; // "Object.Event"; empty for the global code
    int editorLine = 0;
    // The line as the script writes it, to tell a column in the user's line.
    RewrittenLine line;
};

// The user's lines of one generated script, by their 1-based script line, so
// that a compile error there can send the user to the page and event.
class ScriptLineOrigins
{
public:
    void Clear() { m_origins.clear(); }
    void Add(int scriptLine, const ScriptLineOrigin &origin) { m_origins.insert(scriptLine, origin); }
    const ScriptLineOrigin *Find(int scriptLine) const;

    // A compile error in a line the user wrote, told in the user's terms.
    struct UserError
    {
        // Names the page, the event and the line, and the column there.
        QString sentence;
        // The compiler's message without the script's place, then the sentence.
        QString errorText;
    };
    // compilerMessage: "Column N: text" or "text", its column counted in the
    // script's line. Empty texts when the user did not write the line.
    UserError ErrorAt(int scriptLine, const QString &compilerMessage) const;

private:
    QHash<int, ScriptLineOrigin> m_origins;
};

} // namespace talmo
