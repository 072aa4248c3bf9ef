#pragma once

#include <QByteArray>
#include <QFile>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QtEndian>

#include <optional>

// Reading the setup package our compiler library writes: after its magic,
// each entry is a name and data, both with little-endian lengths; the entry
// "script.iss" is the preprocessed script, "manifest.txt" lists the payload.
inline QMap<QString, QByteArray> SetupPackageEntries(const QString &path)
{
    QMap<QString, QByteArray> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return entries;
    const QByteArray bytes = file.readAll();
    qsizetype pos = 12;
    while (pos + 4 <= bytes.size()) {
        const quint32 nameLength = qFromLittleEndian<quint32>(bytes.constData() + pos);
        const QString name = QString::fromUtf8(bytes.mid(pos + 4, nameLength));
        pos += 4 + nameLength;
        if (pos + 8 > bytes.size())
            break;
        const qsizetype dataLength = qsizetype(qFromLittleEndian<quint64>(bytes.constData() + pos));
        entries.insert(name, bytes.mid(pos + 8, dataLength));
        pos += 8 + dataLength;
    }
    return entries;
}

// The data of the payload file the package installs under the name, from
// its manifest lines "File=<entry>|<folder>|<name>|...".
inline std::optional<QByteArray> SetupPackagePayload(const QMap<QString, QByteArray> &package, const QString &name)
{
    const QString manifest = QString::fromUtf8(package.value(QStringLiteral("manifest.txt")));
    for (const QString &line : manifest.split(u'\n')) {
        const QStringList fields = line.mid(5).split(u'|');
        if (line.startsWith(QLatin1String("File=")) && fields.size() > 2
            && fields.at(2).compare(name, Qt::CaseInsensitive) == 0)
            return package.value(fields.at(0));
    }
    return std::nullopt;
}
