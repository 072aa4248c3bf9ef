#pragma once

// [Code] mistakes a person makes, each in the code of one event procedure;
// header-only so the compiler library's tests and the builder's share them.

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

struct CodeMistake
{
    const char *name;
    const char *procedureName;              // as the page designer names it, or as typed
    std::vector<const char *> body;         // the lines after the declaration line
    int faultyLine;                         // 1: the declaration line, 2: the first body line, ...
    const char *message;                    // as the compiler reports it

    QString declaration() const
    {
        return QStringLiteral("procedure %1(Sender: TObject);").arg(QString::fromLatin1(procedureName));
    }
    QStringList bodyLines() const
    {
        QStringList lines;
        for (const char *line : body)
            lines << QString::fromLatin1(line);
        return lines;
    }
};

inline std::vector<CodeMistake> CodeMistakes()
{
    const char *const handler = "Options_Button1OnClick";
    return {
        {"UnclosedBracket", handler, {"begin", "  MsgBox('Hello', mbInformation, MB_OK", "end;"}, 4,
         "Column 1: comma (',') expected"},
        {"UndeclaredRoutine", handler, {"begin", "  UndefinedProc(1, 2);", "end;"}, 3,
         "Column 3: Unknown identifier 'UndefinedProc'"},
        {"WrongParameterCount", handler, {"begin", "  MsgBox('Hello');", "end;"}, 3,
         "Column 18: Invalid number of parameters"},
        {"TypeMismatch", handler, {"var S: String;", "begin", "  S := 5;", "end;"}, 4, "Column 9: Type mismatch"},
        {"MissingSemicolon", handler, {"var S: String", "begin", "  S := 'x';", "end;"}, 3,
         "Column 1: Semicolon (';') expected"},
        {"DuplicateIdentifier", handler, {"var", "  S: String;", "  S: Integer;", "begin", "end;"}, 4,
         "Column 3: Duplicate identifier 'S'"},
        {"ProcedureNameWithABlank", "My Handler", {"begin", "end;"}, 1, "Column 14: Semicolon (';') expected"},
    };
}

inline std::string CodeMistakeName(const CodeMistake &mistake)
{
    return mistake.name;
}
