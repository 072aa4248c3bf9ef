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
    int column;
    const char *text;                       // as the compiler reports it

    QString message() const { return QStringLiteral("Column %1: %2").arg(column).arg(QString::fromLatin1(text)); }

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
        {"UnclosedBracket", handler, {"begin", "  MsgBox('Hello', mbInformation, MB_OK", "end;"}, 4, 1, "comma (',') expected"},
        {"UndeclaredRoutine", handler, {"begin", "  UndefinedProc(1, 2);", "end;"}, 3, 3, "Unknown identifier 'UndefinedProc'"},
        {"WrongParameterCount", handler, {"begin", "  MsgBox('Hello');", "end;"}, 3, 18, "Invalid number of parameters"},
        {"TypeMismatch", handler, {"var S: String;", "begin", "  S := 5;", "end;"}, 4, 9, "Type mismatch"},
        {"MissingSemicolon", handler, {"var S: String", "begin", "  S := 'x';", "end;"}, 3, 1, "Semicolon (';') expected"},
        {"DuplicateIdentifier", handler, {"var", "  S: String;", "  S: Integer;", "begin", "end;"}, 4, 3, "Duplicate identifier 'S'"},
        {"ProcedureNameWithABlank", "My Handler", {"begin", "end;"}, 1, 14, "Semicolon (';') expected"},
    };
}

inline std::string CodeMistakeName(const CodeMistake &mistake)
{
    return mistake.name;
}
