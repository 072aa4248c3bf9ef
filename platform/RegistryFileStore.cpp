#include "platform/RegistryFileStore.h"

#include "platform/AtomicFileWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QStandardPaths>

namespace talmo {

namespace {
const QString formatName = QStringLiteral("talmo-registry");
const int formatVersion = 1;
// Far beyond any settings Talmo writes (a few kilobytes, a few hundred with
// many custom sets), small enough to read and parse at once.
constexpr qint64 maximumFileSize = 16 * 1024 * 1024;
} // namespace

RegistryFileStore::RegistryFileStore(const QString &filePath)
    : m_filePath(filePath)
{
    load();
}

RegistryFileStore::~RegistryFileStore() = default;

QString RegistryFileStore::defaultFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/talmo/registry.json");
}

QString RegistryFileStore::damagedMessage() const
{
    return QStringLiteral("The settings file \"%1\" is damaged.").arg(m_filePath);
}

void RegistryFileStore::load()
{
    const QFileInfo info(m_filePath);
    if (!info.exists() && !info.isSymLink())
        return;
    // A FIFO or a link to a device would be read forever; it holds no settings.
    if (!info.isFile() || info.size() > maximumFileSize) {
        m_loadError = damagedMessage();
        return;
    }
    QFile file(m_filePath);
    if (!file.open(QIODevice::ReadOnly)) {
        m_loadError = QStringLiteral("Cannot read the settings file \"%1\": %2").arg(m_filePath, file.errorString());
        return;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    const QJsonObject json = document.object();
    if (parseError.error != QJsonParseError::NoError || json.value(QStringLiteral("format")).toString() != formatName) {
        m_loadError = damagedMessage();
        return;
    }
    replaceFromJson(json.value(QStringLiteral("root")).toObject());
}

RegistryStatus RegistryFileStore::setBrokenFileAside()
{
    const QString brokenPath = m_filePath + QStringLiteral(".broken");
    QFile::remove(brokenPath);
    if (QFile::exists(m_filePath) && !QFile::rename(m_filePath, brokenPath))
        return RegistryStatus::failure(
            QStringLiteral("The damaged settings file \"%1\" cannot be set aside.").arg(m_filePath));
    m_loadError.clear();
    return {};
}

RegistryStatus RegistryFileStore::persist()
{
    if (!m_loadError.isEmpty()) {
        if (RegistryStatus status = setBrokenFileAside(); !status)
            return status;
    }
    const QString folder = QFileInfo(m_filePath).absolutePath();
    if (!QDir().mkpath(folder))
        return RegistryStatus::failure(QStringLiteral("Cannot create the settings folder \"%1\".").arg(folder));

    QJsonObject json;
    json.insert(QStringLiteral("format"), formatName);
    json.insert(QStringLiteral("version"), formatVersion);
    json.insert(QStringLiteral("root"), toJson());

    QString reason;
    if (!AtomicFileWriter::writeFile(m_filePath, QJsonDocument(json).toJson(QJsonDocument::Indented), &reason))
        return RegistryStatus::failure(QStringLiteral("Cannot write the settings file \"%1\": %2").arg(m_filePath, reason));
    return {};
}

} // namespace talmo
