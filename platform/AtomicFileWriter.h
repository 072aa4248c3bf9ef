#pragma once

#include <QByteArrayView>
#include <QString>

#include <functional>

namespace talmo {

// The one way Talmo writes a file that someone keeps or that a build hands
// on. The bytes go to a fresh file beside the target; every write, the sync
// and the close are checked, and only then does a rename put the new file in
// the target's place. On any failure the temporary file is removed and the
// target stays byte for byte as it was. (QSaveFile cannot serve here: Qt 6.4
// reports a successful commit when its final flush fails on a full disk.)
//
// Temporary files are named "." + the target's name + "." + a random part +
// ".tmp" and stay locked until renamed (StaleTemporaries), so a writer first
// removes what a killed writer of the same target left, never a live one's.
//
// A target that is a symbolic link keeps the link: the file it names is
// replaced. A new file gets the permissions the umask allows, a replaced one
// keeps its own.
class AtomicFileWriter
{
public:
    explicit AtomicFileWriter(const QString &fileName);
    ~AtomicFileWriter();  // removes an unfinished file
    AtomicFileWriter(const AtomicFileWriter &) = delete;
    AtomicFileWriter &operator=(const AtomicFileWriter &) = delete;

    bool open();
    bool write(QByteArrayView bytes);
    // Syncs, closes and renames; true once the new file is in place.
    bool commit();
    // Drops what was written; the target stays as it was.
    void cancel();

    // The fresh file between open() and commit(), for a writer that must
    // reach it through a stream of its own (one that seeks, say).
    const QString &temporaryPath() const { return m_temporaryPath; }

    // The system's reason for the last failure, such as "No space left on device".
    const QString &errorString() const { return m_error; }

    // The whole file in one go; on failure the reason goes to *error.
    static bool writeFile(const QString &fileName, QByteArrayView bytes, QString *error = nullptr);
    // Replaces target with a copy of source the same way.
    static bool copyFile(const QString &source, const QString &target, QString *error = nullptr);

    // Test seam: the steps at which a system call can fail.
    enum class Step { Open, Write, Sync, Close, Rename };
    // Asked before each step; a non-zero answer fails that step with that
    // errno value. Returns the hook that was set before.
    using FaultHook = std::function<int(Step)>;
    static FaultHook setFaultHook(FaultHook hook);

private:
    bool fail(int errorNumber);
    bool faulted(Step step);
    void removeTemporary();
    void releaseLock();

    QString m_targetPath;
    QString m_temporaryPath;
    int m_descriptor = -1;
    int m_lockDescriptor = -1;
    bool m_failed = false;
    QString m_error;
};

} // namespace talmo
