#include "designer/pages/FormDesigner.h"
#include "designer/script/ScriptPages.h"
#include "editors/ModulePages.h"
#include "engine/script/ProgramOptionsRedistributables.h"
#include "engine/scriptcode/FullScriptSource.h"
#include "engine/setup/SetupBuild.h"
#include "helpers/ui/DesktopShellServices.h"
#include "helpers/ui/QtUiServices.h"
#include "model/ProgramOptions.h"
#include "model/SetupCatalogueFolder.h"
#include "pagehost/ProjectPageFactory.h"
#include "platform/ProgramFolder.h"
#include "platform/RegistryFileStore.h"
#include "scriptknowledge/ScriptKnowledgeBase.h"
#include "windows/builder/BuilderForm.h"
#include "windows/builder/BuilderFormRunner.h"
#include "windows/main/ProgramCommandLine.h"
#include "windows/main/TmasterForm.h"
#include "widgets/ProgramStyle.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

using namespace talmo;

namespace {

QStringList ArgumentsAfterProgram(int argc, char **argv)
{
    QStringList arguments;
    for (int index = 1; index < argc; ++index)
        arguments.append(QString::fromLocal8Bit(argv[index]));
    return arguments;
}

QString Environment(const char *name)
{
    return qEnvironmentVariable(name);
}

// Without a display the only one to tell is standard error.
void Tell(const QString &message, bool headless, UiServices &dialogs, QWidget *parent)
{
    if (headless)
        std::fprintf(stderr, "talmo: %s\n", qPrintable(message));
    else
        dialogs.showMessage(parent, UiMessageKind::Warning, QStringLiteral("Talmo"), message);
}

} // namespace

int main(int argc, char **argv)
{
    const QStringList arguments = ArgumentsAfterProgram(argc, argv);
    const bool headless = ProgramCommandLine::NeedsOffscreenPlatform(arguments, Environment);
    if (headless)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    else if (ProgramCommandLine::HasNoDisplay(Environment)) {
        std::fprintf(stderr, "%s\n", qPrintable(ProgramCommandLine::NoDisplayMessage));
        return 1;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Talmo"));
    ProgramStyle::install();

    RegistryFileStore settings(RegistryFileStore::defaultFilePath());
    ScopedCurrentRegistryStore useSettings(settings);
    QtUiServices dialogs;
    ScopedCurrentUiServices useDialogs(dialogs);
    DesktopShellServices shell;
    ScopedCurrentShellServices useShell(shell);
    TProgramOptions options;
    ScopedCurrentProgramOptions useOptions(options);
    SetupCatalogue catalogue = LoadSetupCatalogue(ProgramFolder::path());
    ScopedCurrentSetupCatalogue useCatalogue(catalogue);
    ScriptKnowledgeBase knowledge;
    ProgramOptionsRedistributables redistributables(options);
    FullScriptSource scriptSource(knowledge, &redistributables);
    ProjectPageFactory pages;
    registerModulePages(pages);
    registerScriptPages(pages);
    registerDesignerPages(pages);

    int exitCode = 0;
    {
        TBuilderForm builder;
        builder.Builder().DefaultSetupBuild().SetScriptSource(&scriptSource);
        BuilderFormRunner runner(builder);

        TmasterForm master({ pages, &knowledge, runner, headless });
        QObject::connect(&master, &TmasterForm::commandLineBuildFinished, &app,
                         [&app](int code) { app.exit(code); });
        // The command line decides whether the window shows: a silent build may end without one.
        if (!settings.loadError().isEmpty())
            Tell(settings.loadError(), headless, dialogs, &master);
        const ProgramCommandLine commandLine = ProgramCommandLine::Parse(arguments);
        QTimer::singleShot(0, &master, [&master, commandLine] { master.RunCommandLine(commandLine); });
        app.exec();
        exitCode = master.ExitCode();
    }
    // The windows write their settings as they go; what could not be saved is told once.
    if (const RegistryStatus saved = settings.commit(); !saved)
        Tell(saved.message(), headless, dialogs, nullptr);
    return exitCode;
}
