#include "windows/main/OpenProjectFiles.h"

#include "platform/HostPath.h"

namespace talmo {

OpenProjectFiles::OpenProjectFiles(QStringList tabFileNames)
    : m_tabFileNames(std::move(tabFileNames))
{
}

int OpenProjectFiles::tabOf(const QString &fileName) const
{
    for (int index = 0; index < m_tabFileNames.size(); ++index) {
        if (IsSameHostFile(m_tabFileNames.at(index), fileName))
            return index;
    }
    return -1;
}

} // namespace talmo
