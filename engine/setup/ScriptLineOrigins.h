#pragma once

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
};

// The user's lines of one generated script, by their 1-based script line, so
// that a compile error there can send the user to the page and event.
class ScriptLineOrigins
{
public:
    void Clear() { m_origins.clear(); }
    void Add(int scriptLine, const ScriptLineOrigin &origin) { m_origins.insert(scriptLine, origin); }
    const ScriptLineOrigin *Find(int scriptLine) const;

    // The log line that names the page and event of the script line, or an
    // empty text when the user did not write it.
    QString Describe(int scriptLine) const;

private:
    QHash<int, ScriptLineOrigin> m_origins;
};

} // namespace talmo
