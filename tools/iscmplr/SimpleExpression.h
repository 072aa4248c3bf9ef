#pragma once

#include <QString>

#include <functional>

namespace talmo::iscmplr {

// The boolean expressions of Components, Tasks, Languages, Check and the
// install hooks, read as the real compiler's TSimpleExpression reads them:
//   expression = term ("or" term)*, term = factor ("and" factor)*,
//   factor = "(" expression ")" | "not" factor | identifier ["(" parameters ")"]
// Every identifier is handed to onIdentifier in order (nothing is skipped).
class SimpleExpression
{
public:
    struct Rules
    {
        bool silentOr = false;          // "a b" reads as "a or b"
        bool parametersAllowed = false; // identifier(string|number|boolean|ExpandConstant('...'), ...)
        bool singleIdentifier = false;  // the whole text is one identifier with its parameters
    };

    // A text the grammar refuses, with the real compiler's wording.
    struct SyntaxError
    {
        QString message;
    };

    using OnIdentifier = std::function<void(const QString &name)>;

    // Throws SyntaxError; whatever onIdentifier throws passes through.
    static void walk(const QString &text, const Rules &rules, const OnIdentifier &onIdentifier);
};

} // namespace talmo::iscmplr
