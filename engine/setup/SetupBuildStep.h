#pragma once

namespace talmo {

class BuildInProgress;

// The heart of a setup build, between the builder's output-folder check and
// optional CAB build before it and the builder's closing rules after it: it
// writes the ActiveSync .ini files, generates the setup script and compiles
// it. It reports through the build in progress: log lines, ResultCode and ErrorText,
// the Compiling activity while the compile runs, and the progress display.
class SetupBuildStep
{
public:
    virtual ~SetupBuildStep();

    // Runs on the GUI thread; may wait for the compile in an event loop of
    // its own. On entry ResultCode is 0.
    virtual void Run(BuildInProgress &builder) = 0;
    // The user cancelled: the compile is asked to stop.
    virtual void Cancel() = 0;
};

} // namespace talmo
