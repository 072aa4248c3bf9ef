#pragma once

#include "engine/builder/IBuilderRunner.h"
#include "model/ProjectContainer.h"

#include <QStringList>

#include <map>

namespace talmo::testing {

// Stands in for the builder window: records each showing as
// "<application name>:<mode>" and ends it with the scripted result.
class ScriptedBuilderRunner : public IBuilderRunner
{
public:
    BuildOutcome run(const BuilderRequest &request) override
    {
        runs.append(request.project->AppName + QLatin1Char(':') + QString::number(request.mode));
        requests.append(request);
        const auto found = results.find(request.project->AppName);
        const int code = found == results.end() ? 0 : found->second;
        return { code, code ? QStringLiteral("cabwiz failed") : QString() };
    }

    std::map<QString, int> results;  // by application name, for every mode
    QStringList runs;
    QList<BuilderRequest> requests;
};

} // namespace talmo::testing
