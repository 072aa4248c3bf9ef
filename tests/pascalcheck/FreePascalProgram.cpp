#include "FreePascalProgram.h"

#include <QFile>
#include <QProcess>

std::string FreePascalProgram::Build(const QString &name, const QStringList &source)
{
    m_name = name;
    QFile file(m_folder.filePath(name + QStringLiteral(".pas")));
    if (!file.open(QIODevice::WriteOnly))
        return "cannot write the program";
    file.write(source.join(u'\n').toLatin1());
    file.close();
    QProcess fpc;
    fpc.setWorkingDirectory(m_folder.path());
    fpc.setProcessChannelMode(QProcess::MergedChannels);
    fpc.start(QStringLiteral(TALMO_FPC), { QStringLiteral("-vew"), file.fileName() });
    if (!fpc.waitForFinished(60000))
        return "fpc did not finish";
    return fpc.exitStatus() == QProcess::NormalExit && fpc.exitCode() == 0 ? std::string() : fpc.readAll().toStdString();
}

std::string FreePascalProgram::Run(const QStringList &arguments) const
{
    QProcess run;
    run.start(m_folder.filePath(m_name), arguments);
    if (!run.waitForFinished(10000))
        return "did not finish";
    return QString::fromLatin1(run.readAllStandardOutput()).trimmed().toStdString();
}

QStringList FreePascalProgram::Routine(const QStringList &code, const QString &head)
{
    const qsizetype start = code.indexOf(head);
    const qsizetype end = code.indexOf(QStringLiteral("end;"), start);
    return start < 0 || end < 0 ? QStringList() : code.mid(start, end - start + 1);
}
