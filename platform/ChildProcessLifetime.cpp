#include "platform/ChildProcessLifetime.h"

#include <QProcess>

#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

namespace talmo {

void EndChildWithParent(QProcess &process)
{
    const pid_t parent = ::getpid();
    process.setChildProcessModifier([parent] {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        // A parent that died before the request was made sends no signal.
        if (::getppid() != parent)
            ::_exit(127);
    });
}

} // namespace talmo
