#pragma once

#include "build/core/BuildQuestions.h"
#include "model/ProjectContainer.h"

#include <QStringList>
#include <QTemporaryDir>

#include <functional>

namespace talmo::testing {

// Answers the builder's questions from a script and records what it asked.
class ScriptedBuildQuestions : public BuildQuestions
{
public:
    bool AskYesNo(const QString &text) override;
    void ShowError(const QString &text) override;

    QList<bool> answers;  // taken from the front; No once empty
    QStringList asked;
    QStringList errors;
};

// A project on disk: "<root>/project/demo.talmo", one device file
// "<root>/project/bin/app.exe", the output folder "out" beside the project
// file (not created), and an empty working folder "<root>/work".
struct BuilderTestProject
{
    BuilderTestProject();

    // The processor configurations after the default one, each with the device file.
    void AddConfigurations(const QStringList &processors);
    QString Path(const QString &relative) const { return root.filePath(relative); }
    QString OutputFolder() const { return Path(QStringLiteral("project/out")); }
    QString WorkingFolder() const { return Path(QStringLiteral("work")); }
    QStringList OutputFiles() const;
    QStringList WorkingFiles() const;

    QTemporaryDir root;
    TProjectContainer project;
};

void WriteTestFile(const QString &path, const QByteArray &content);

// Runs the event loop until the condition holds or five seconds have passed;
// true when it holds.
bool WaitUntil(const std::function<bool()> &condition);

} // namespace talmo::testing
