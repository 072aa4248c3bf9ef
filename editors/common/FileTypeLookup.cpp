#include "editors/common/FileTypeLookup.h"

#include "helpers/core/PathHelpers.h"
#include "scriptknowledge/ScriptKnowledgeBase.h"

namespace talmo {

FileTypeLookup::FileTypeLookup(FileTypeIconCache *cache, ShellQuery query)
    : m_ownCache(cache ? nullptr : std::make_unique<FileTypeIconCache>())
    , m_cache(cache ? *cache : *m_ownCache)
    , m_query(std::move(query))
{
}

FileTypeLookup::~FileTypeLookup() = default;

QString FileTypeLookup::ExtensionKey(const QString &fileName)
{
    const QString name = FileNamePart(fileName);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot >= 0 ? name.mid(dot).toLower() : QString();
}

FileTypeLookup::FileType FileTypeLookup::Lookup(const QString &fileName, bool large)
{
    const QString extension = ExtensionKey(fileName);
    const qsizetype line = m_cache.extensions.indexOf(extension);
    if (line >= 0)
        return {m_cache.iconIndexes.at(line).toInt(), m_cache.typeNames.at(line)};
    const ShellFileInfo info = m_query(fileName, false, large);
    m_cache.extensions.append(extension);
    m_cache.iconIndexes.append(QString::number(info.iconIndex));
    m_cache.typeNames.append(info.typeName);
    return {info.iconIndex, info.typeName};
}

FileTypeLookup::FileType FileTypeLookup::LookupReference(const QString &projectFileName, const QString &reference,
                                                         bool large)
{
    return Lookup(ResolveFileReference(projectFileName, reference), large);
}

} // namespace talmo
