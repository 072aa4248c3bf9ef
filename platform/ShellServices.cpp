#include "platform/ShellServices.h"

#include "platform/CurrentInstance.h"

#include <QDebug>

namespace talmo {

namespace {

class RefusingShellServices : public ShellServices
{
public:
    bool openDocument(const QString &fileOrAddress) override
    {
        qWarning().noquote() << "No shell services installed; not opening" << fileOrAddress;
        return false;
    }
    bool startProgram(const QString &program, const QStringList &, const QString &) override
    {
        qWarning().noquote() << "No shell services installed; not starting" << program;
        return false;
    }
};

using CurrentShellServices = CurrentInstance<ShellServices, RefusingShellServices>;

} // namespace

ShellServices::~ShellServices()
{
    CurrentShellServices::forget(this);
}

ShellServices &ShellServices::current()
{
    return CurrentShellServices::get();
}

ShellServices *ShellServices::setCurrent(ShellServices *services)
{
    return CurrentShellServices::install(services);
}

bool FakeShellServices::openDocument(const QString &fileOrAddress)
{
    m_requests.append({ fileOrAddress, {}, {}, false });
    return m_result;
}

bool FakeShellServices::startProgram(const QString &program, const QStringList &arguments,
                                     const QString &workingFolder)
{
    m_requests.append({ program, arguments, workingFolder, true });
    return m_result;
}

} // namespace talmo
