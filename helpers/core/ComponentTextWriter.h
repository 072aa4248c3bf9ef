#pragma once

#include "helpers/core/ComponentTextNode.h"

#include <QStringList>

namespace talmo {

// Writes a component tree as component text, one list entry per line.
// Throws ComponentTextError for a tree that no text can hold (a name, path or
// identifier that is not an identifier, a malformed float).
class ComponentTextWriter
{
public:
    // eightBitStrings writes characters above 127 as they stand instead of as codes.
    static QStringList write(const ComponentTextNode &root, bool eightBitStrings = false);

private:
    explicit ComponentTextWriter(bool eightBitStrings)
        : m_eightBitStrings(eightBitStrings)
    {
    }

    void writeNode(const ComponentTextNode &node, int level);
    void writeProperty(const ComponentTextProperty &property, int level);
    void writeValue(const ComponentTextValue &value, int level, const QString &path);
    void writeString(const QString &text, int level);
    void writeList(const std::vector<ComponentTextValue> &items, int level, const QString &path);
    void writeBinary(const QByteArray &bytes, int level);
    void writeCollection(const std::vector<ComponentTextProperties> &items, int level);

    void startLine(int level, const QString &text = QString());
    void append(const QString &text) { m_current += text; }

    QStringList m_lines;
    QString m_current;
    bool m_started = false;
    bool m_eightBitStrings;
};

} // namespace talmo
