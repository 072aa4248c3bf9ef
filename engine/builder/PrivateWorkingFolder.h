#pragma once

#include <QString>

namespace talmo {

// The folder one build keeps its working files in ("talmo-build-" and a
// random part, under the folder of the builds), so that nothing a build
// writes has a name another build could use; a build also stages its CABs in
// one inside the output folder (hidden, see StagingPrefix) before renaming
// them into place. The name is drawn once, since
// the .inf text names the folder before the build starts; the folder itself
// exists from Create() to Remove(). While it exists it is locked
// (StaleTemporaries), so a later build can tell the folder of a killed build
// from that of a running one and removes only the former.
class PrivateWorkingFolder
{
public:
    explicit PrivateWorkingFolder(const QString &parentFolder, const QString &namePrefix = NamePrefix());
    ~PrivateWorkingFolder();
    PrivateWorkingFolder(const PrivateWorkingFolder &) = delete;
    PrivateWorkingFolder &operator=(const PrivateWorkingFolder &) = delete;

    static QString NamePrefix() { return QStringLiteral("talmo-build-"); }
    static QString StagingPrefix() { return QStringLiteral(".talmo-build-"); }

    QString Path() const { return m_path; }
    QString ParentFolder() const { return m_parent; }
    bool Exists() const { return m_lock >= 0; }

    // Makes the folder afresh, after removing the folders killed builds left.
    // False with the system's reason when it cannot be made.
    bool Create(QString *reason);
    // The folder and everything in it; false when some of it stays.
    bool Remove();

private:
    QString m_parent;
    QString m_prefix;
    QString m_path;
    int m_lock = -1;
};

} // namespace talmo
