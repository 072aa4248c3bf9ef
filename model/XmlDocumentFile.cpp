#include "model/XmlDocumentFile.h"

#include "platform/AtomicFileWriter.h"

#include <QFile>

namespace talmo {

bool XmlDocumentFile::Write(const XmlElement &root, const QString &fileName)
{
    const std::optional<QByteArray> document = XmlTree::serialize(root);
    return document && AtomicFileWriter::writeFile(fileName, *document);
}

bool XmlDocumentFile::Write(const XmlElement &root, QIODevice &stream)
{
    const std::optional<QByteArray> document = XmlTree::serialize(root);
    return document && stream.write(*document) == document->size();
}

std::unique_ptr<XmlElement> XmlDocumentFile::Read(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    return Read(file);
}

std::unique_ptr<XmlElement> XmlDocumentFile::Read(QIODevice &stream)
{
    return XmlTree::parse(stream.readAll());
}

} // namespace talmo
