#pragma once

#include "platform/CompilerLibraryApi.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <functional>

// Drives one compile of the real compiler library and records what it reports.
struct CompilerSession
{
    struct Error
    {
        bool hasMessage = false;
        QString message;
        bool hasFile = false;
        QString file;
        int line = 0;
    };

    QStringList script;
    QString sourceDir;
    QString compilerDir; // empty: the library's own folder
    QByteArray options;  // the NUL-separated option block without its final NUL
    // Answers "abort" at the first notification with this code (0: never).
    int abortAtCode = 0;

    int result = -1;
    int linesRead = 0;
    QStringList statuses;
    int idleCalls = 0;
    QString successFile;
    QList<Error> errors;
    QList<int> codes;

    int compile();
    // The same through the entry point of another copy of the library.
    int compileWith(TISDllCompileScriptProc entry);

    static TISDllGetVersionProc versionEntry();
    static TISDllCompileScriptProc compileEntry();

private:
    static int32_t callback(int32_t code, TCompilerCallbackData *data, intptr_t appData);
    QByteArray m_currentLine;
};

// The entries of a setup package by name.
QMap<QString, QByteArray> readSetupPackage(const QString &path, QString *problem = nullptr);
