#include "engine/script/ProgramOptionsRedistributables.h"
#include "engine/scriptcode/FullScriptSource.h"
#include "engine/setup/SetupBuild.h"
#include "helpers/ui/FakeUiServices.h"
#include "model/ProgramOptions.h"
#include "pagehost/ProjectPageFactory.h"
#include "platform/RegistryMemoryStore.h"
#include "scriptknowledge/ScriptKnowledgeBase.h"
#include "windows/builder/BuilderForm.h"
#include "windows/builder/BuilderFormRunner.h"
#include "windows/main/TmasterForm.h"

#include <QAbstractEventDispatcher>
#include <QEventLoop>

#include <benchmark/benchmark.h>

namespace {

using namespace talmo;

// Program start as main() does it, from the app-wide objects to the main
// window shown with its Welcome tab and the event loop about to wait for the
// user. The settings live in memory so every run starts alike.
void ProgramStartToIdleMainWindow(benchmark::State &state)
{
    for (auto _ : state) {
        RegistryMemoryStore settings;
        ScopedCurrentRegistryStore useSettings(settings);
        FakeUiServices dialogs;
        ScopedCurrentUiServices useDialogs(dialogs);
        TProgramOptions options;
        ScopedCurrentProgramOptions useOptions(options);
        ScriptKnowledgeBase knowledge;
        ProgramOptionsRedistributables redistributables(options);
        FullScriptSource scriptSource(knowledge, &redistributables);
        ProjectPageFactory pages;
        TBuilderForm builder;
        builder.Builder().DefaultSetupBuild().SetScriptSource(&scriptSource);
        BuilderFormRunner runner(builder);
        TmasterForm master({ pages, &knowledge, runner, true });
        master.show();

        QEventLoop loop;
        QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, &loop,
                         &QEventLoop::quit, Qt::QueuedConnection);
        loop.exec();
        benchmark::DoNotOptimize(master.windowTitle());
    }
}
BENCHMARK(ProgramStartToIdleMainWindow)->Unit(benchmark::kMillisecond);

} // namespace
