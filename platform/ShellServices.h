#pragma once

#include "platform/ScopedCurrent.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace talmo {

// The shell as the program uses it: open a file or address with the program
// the desktop associates with it, or start a program. Forms and builders go
// through current(), so tests record the requests instead of starting anything.
class ShellServices
{
public:
    virtual ~ShellServices();

    // True when the desktop accepted the request.
    virtual bool openDocument(const QString &fileOrAddress) = 0;
    // Starts the program detached from Talmo; true when it started.
    virtual bool startProgram(const QString &program, const QStringList &arguments,
                              const QString &workingFolder) = 0;

    // The services main() installed. Until then a stand-in refuses every
    // request (with a warning), so nothing is started by accident.
    static ShellServices &current();
    // Returns the services that were current before (nullptr for the stand-in).
    static ShellServices *setCurrent(ShellServices *services);
};

// Records every request and answers with a result the test chose.
class FakeShellServices : public ShellServices
{
public:
    struct Request
    {
        QString target;
        QStringList arguments;
        QString workingFolder;
        bool isProgram = false;
    };

    bool openDocument(const QString &fileOrAddress) override;
    bool startProgram(const QString &program, const QStringList &arguments, const QString &workingFolder) override;

    void setResult(bool result) { m_result = result; }
    const QList<Request> &requests() const { return m_requests; }

private:
    QList<Request> m_requests;
    bool m_result = true;
};

using ScopedCurrentShellServices = ScopedCurrent<ShellServices>;

} // namespace talmo
