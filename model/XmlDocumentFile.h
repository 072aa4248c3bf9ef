#pragma once

#include "helpers/core/XmlTree.h"

#include <QIODevice>
#include <QString>

#include <memory>

namespace talmo {

// Reading and writing the element tree of one of Talmo's XML files.
class XmlDocumentFile
{
public:
    // The whole document or nothing: the file is replaced only once every
    // byte has been written, so a failed save leaves the old file as it was.
    static bool Write(const XmlElement &root, const QString &fileName);
    static bool Write(const XmlElement &root, QIODevice &stream);

    // Null when the file cannot be read or is not well-formed XML.
    static std::unique_ptr<XmlElement> Read(const QString &fileName);
    static std::unique_ptr<XmlElement> Read(QIODevice &stream);
};

} // namespace talmo
