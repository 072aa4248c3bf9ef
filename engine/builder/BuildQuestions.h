#pragma once

#include <QString>

namespace talmo {

// The two message dialogs a build may show. The builder window answers them
// with the program's dialogs; tests answer them from a script.
class BuildQuestions
{
public:
    virtual ~BuildQuestions();

    // An error-type question with the buttons Yes and No; true for Yes.
    virtual bool AskYesNo(const QString &text) = 0;
    // An error-type message with an OK button.
    virtual void ShowError(const QString &text) = 0;
};

// Used until a window installs its own: answers No and shows nothing, so a
// build without a window never waits for a person.
class NoBuildQuestions : public BuildQuestions
{
public:
    bool AskYesNo(const QString &text) override;
    void ShowError(const QString &text) override;
};

} // namespace talmo
