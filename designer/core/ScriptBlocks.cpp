#include "designer/core/ScriptBlocks.h"

#include "helpers/core/ScriptText.h"

#include <algorithm>

namespace talmo {

bool ContainsWord(const QString &line, const QString &word)
{
    return FindIdentifier(word, line) > 0;
}

bool IsRoutineHeader(const QString &line)
{
    return ContainsWord(line, QStringLiteral("function")) || ContainsWord(line, QStringLiteral("procedure"));
}

int SkipCodeBlock(int line, const QStringList &lines)
{
    // The nesting is counted rather than recursed into, so no text is deep enough to exhaust the stack.
    const int lastStop = int(lines.size()) - 1;
    int depth = 0;
    while (line >= 0 && line < lines.size()) {
        const QString &text = lines.at(line);
        if (ContainsWord(text, QStringLiteral("end"))) {
            if (depth == 0)
                return line;
            --depth;
        } else if (ContainsWord(text, QStringLiteral("begin")) || ContainsWord(text, QStringLiteral("case"))) {
            ++depth;
            ++line;
            continue;
        }
        ++line;
        if (line >= lastStop)
            return std::min(line, lastStop);
    }
    return line;
}

} // namespace talmo
