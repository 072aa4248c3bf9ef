#pragma once

#include "engine/builder/BuildQuestions.h"

class QWidget;

namespace talmo {

// The build's dialogs asked through UiServices, over the window that builds.
class UiBuildQuestions : public BuildQuestions
{
public:
    explicit UiBuildQuestions(QWidget *parent);

    bool AskYesNo(const QString &text) override;
    void ShowError(const QString &text) override;

private:
    QWidget *m_parent;
};

} // namespace talmo
