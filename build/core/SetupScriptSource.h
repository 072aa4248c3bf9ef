#pragma once

#include <QString>
#include <QStringList>

namespace talmo {

class ScriptGenerator;
class TProjectContainer;

// Where the setup build takes its script from. The program hands it the
// script generator it has set up (environment, [Code] part); tests hand it
// scripts of their own.
class SetupScriptSource
{
public:
    virtual ~SetupScriptSource();

    // Fills the empty list with the project's setup script. outputFolder is
    // absolute, without a trailing separator; the project folder is the
    // current folder. Raises a std::exception when the script cannot be made.
    virtual void GenerateScript(TProjectContainer &project, QStringList &script, const QString &outputFolder) = 0;
};

// A script generator the caller owns and has set up.
class GeneratorScriptSource : public SetupScriptSource
{
public:
    explicit GeneratorScriptSource(ScriptGenerator &generator);
    void GenerateScript(TProjectContainer &project, QStringList &script, const QString &outputFolder) override;

private:
    ScriptGenerator &m_generator;
};

// Used until the program installs its own source: a generator for the data
// of the program folder, without a [Code] part and without the built-in
// redistributables, made afresh for every script.
class PlainGeneratorScriptSource : public SetupScriptSource
{
public:
    void GenerateScript(TProjectContainer &project, QStringList &script, const QString &outputFolder) override;
};

} // namespace talmo
