#include "platform/RegistryFileStore.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QSaveFile>
#include <QStandardPaths>

namespace talmo {

namespace {
const QString formatName = QStringLiteral("talmo-registry");
const int formatVersion = 1;
} // namespace

RegistryFileStore::RegistryFileStore(const QString &filePath)
    : m_filePath(filePath)
{
    load();
}

RegistryFileStore::~RegistryFileStore()
{
    if (RegistryStatus status = commit(); !status)
        qWarning().noquote() << status.message();
}

QString RegistryFileStore::defaultFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/talmo/registry.json");
}

void RegistryFileStore::load()
{
    QFile file(m_filePath);
    if (!file.exists())
        return;
    if (!file.open(QIODevice::ReadOnly)) {
        m_loadError = QStringLiteral("Cannot read the settings file \"%1\": %2").arg(m_filePath, file.errorString());
        return;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    const QJsonObject json = document.object();
    if (parseError.error != QJsonParseError::NoError || json.value(QStringLiteral("format")).toString() != formatName) {
        m_loadError = QStringLiteral("The settings file \"%1\" is damaged.").arg(m_filePath);
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

    QSaveFile file(m_filePath);
    if (!file.open(QIODevice::WriteOnly)
        || file.write(QJsonDocument(json).toJson(QJsonDocument::Indented)) < 0
        || !file.commit()) {
        return RegistryStatus::failure(
            QStringLiteral("Cannot write the settings file \"%1\": %2").arg(m_filePath, file.errorString()));
    }
    return {};
}

} // namespace talmo
