#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace talmo::iscmplr {

// A file that the setup carries.
struct PayloadFile
{
    QString sourcePath; // on this machine
    QString destDir;    // as the script wrote it
    QString destName;   // the file's own name unless the script renamed it
};

// Everything a successful check hands to the package writer.
struct CheckedScript
{
    QStringList preprocessedScript;
    QString outputDir;          // on this machine
    QString outputBaseFilename;
    QList<PayloadFile> payload;
    QStringList externalFiles;  // [Files] sources fetched or found at install time
    QStringList languages;
    QStringList warnings;
};

} // namespace talmo::iscmplr
