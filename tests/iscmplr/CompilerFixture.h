#pragma once

#include "CompilerSession.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// A source folder of its own and the test messages file as the compiler's folder.
class CompilerFixture : public ::testing::Test
{
protected:
    static QStringList minimalSetup()
    {
        return {QStringLiteral("[Setup]"), QStringLiteral("AppName=Demo"), QStringLiteral("AppVersion=1.0"),
                QStringLiteral("DefaultDirName={pf}\\Demo")};
    }

    // The source folder becomes a folder of that name inside the temporary one.
    void useSourceFolderNamed(const QString &name)
    {
        m_sourceFolder = m_source.filePath(name);
        ASSERT_TRUE(QDir().mkpath(m_sourceFolder));
    }

    void writeFile(const QString &relativePath, const QByteArray &content)
    {
        const QString path = sourcePath(relativePath);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    QString sourcePath(const QString &relativePath = QString()) const
    {
        return relativePath.isEmpty() ? m_sourceFolder : m_sourceFolder + QLatin1Char('/') + relativePath;
    }

    CompilerSession session(const QStringList &script) const
    {
        CompilerSession s;
        s.script = script;
        s.sourceDir = m_sourceFolder + QStringLiteral("\\");
        s.compilerDir = QStringLiteral(TALMO_TEST_SOURCE_DIR "/compiler");
        return s;
    }

    QString outputFolder() const { return sourcePath(QStringLiteral("Output")); }

private:
    QTemporaryDir m_source;
    QString m_sourceFolder = m_source.path();
};
