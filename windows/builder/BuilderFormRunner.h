#pragma once

#include "engine/builder/IBuilderRunner.h"

namespace talmo {

class TBuilderForm;

// Runs a build in the program's one builder window, shown modally.
class BuilderFormRunner : public IBuilderRunner
{
public:
    explicit BuilderFormRunner(TBuilderForm &form);
    BuildOutcome run(const BuilderRequest &request) override;

private:
    TBuilderForm &m_form;
};

} // namespace talmo
