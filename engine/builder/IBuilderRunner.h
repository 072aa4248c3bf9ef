#pragma once

#include <QString>

namespace talmo {

class TProjectContainer;

// The builder window's modes a caller asks for.
enum BuilderMode {
    BuilderModeInteractive = 2,
    BuilderModeCabs = 4,
    BuilderModeSetup = 5,
};

struct BuilderRequest
{
    TProjectContainer *project = nullptr;
    int mode = BuilderModeInteractive;
    bool keepOpen = false;
    bool runAfterBuild = false;
};

struct BuildOutcome
{
    int resultCode = 0;
    QString errorText;

    bool succeeded() const { return resultCode == 0; }
};

// Runs one showing of the builder window and reports how it ended. The
// program's runner shows the one builder window modally; tests script it.
class IBuilderRunner
{
public:
    virtual ~IBuilderRunner();
    virtual BuildOutcome run(const BuilderRequest &request) = 0;
};

} // namespace talmo
