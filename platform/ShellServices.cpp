#include "platform/ShellServices.h"

#include <QDebug>

#include <utility>

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

ShellServices *&installedServices()
{
    static ShellServices *services = nullptr;
    return services;
}

} // namespace

ShellServices::~ShellServices()
{
    if (installedServices() == this)
        installedServices() = nullptr;
}

ShellServices &ShellServices::current()
{
    if (ShellServices *services = installedServices())
        return *services;
    static RefusingShellServices standIn;
    return standIn;
}

ShellServices *ShellServices::setCurrent(ShellServices *services)
{
    return std::exchange(installedServices(), services);
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
