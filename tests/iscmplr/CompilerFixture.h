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

    void writeFile(const QString &relativePath, const QByteArray &content)
    {
        const QString path = m_source.filePath(relativePath);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    QString sourcePath(const QString &relativePath = QString()) const
    {
        return relativePath.isEmpty() ? m_source.path() : m_source.filePath(relativePath);
    }

    CompilerSession session(const QStringList &script) const
    {
        CompilerSession s;
        s.script = script;
        s.sourceDir = m_source.path() + QStringLiteral("\\");
        s.compilerDir = QStringLiteral(TALMO_TEST_SOURCE_DIR "/compiler");
        return s;
    }

    QString outputFolder() const { return m_source.filePath(QStringLiteral("Output")); }

private:
    QTemporaryDir m_source;
};
