#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <string>

// A small Free Pascal program built from generated script routines and
// stand-ins, run with arguments; its standard output is what a test reads.
class FreePascalProgram
{
public:
    // Empty when it built, else the compiler's messages.
    std::string Build(const QString &name, const QStringList &source);
    // The trimmed standard output of one run.
    std::string Run(const QStringList &arguments) const;

    // The generated routine whose head line is head, through its first
    // "end;" line at the left margin; empty when there is none.
    static QStringList Routine(const QStringList &code, const QString &head);

private:
    QTemporaryDir m_folder;
    QString m_name;
};
