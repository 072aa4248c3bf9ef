#include "windows/main/ProgramHelp.h"

#include "helpers/ui/UiServices.h"
#include "platform/ProgramFolder.h"
#include "platform/ShellServices.h"
#include "windows/main/ProgramInfo.h"

#include <QFileInfo>

namespace talmo {

namespace {

void Tell(QWidget *parent, const QString &text)
{
    UiServices::current().showMessage(parent, UiMessageKind::Information, ProgramInfo::Name, text);
}

} // namespace

void ProgramHelp::ShowDocumentation(QWidget *parent)
{
    Tell(parent, QStringLiteral("No help file is installed."));
}

void ProgramHelp::VisitWebSite()
{
    ShellServices::current().openDocument(ProgramInfo::WebSite);
}

void ProgramHelp::CheckForLatestVersion(QWidget *parent)
{
    const QString update = ProgramFolder::path() + QStringLiteral("update");
    if (!QFileInfo(update).isExecutable()) {
        Tell(parent, QStringLiteral("No update program is installed."));
        return;
    }
    ShellServices::current().startProgram(update, {}, ProgramFolder::path());
}

} // namespace talmo
