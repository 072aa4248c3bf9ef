#include "helpers/core/ComponentTextWriter.h"

#include "helpers/core/ComponentTextError.h"
#include "helpers/core/ComponentTextSyntax.h"

#include <QRegularExpression>

namespace talmo {

using namespace ComponentTextSyntax;

namespace {

void requireDottedName(const QString &text, const QString &what)
{
    if (!isDottedName(text))
        throw ComponentTextError(QStringLiteral("Invalid %1 \"%2\"").arg(what, text));
}

QString floatSuffix(ComponentTextValue::FloatType type)
{
    switch (type) {
    case ComponentTextValue::FloatType::Single: return QStringLiteral("s");
    case ComponentTextValue::FloatType::Currency: return QStringLiteral("c");
    case ComponentTextValue::FloatType::Date: return QStringLiteral("d");
    case ComponentTextValue::FloatType::Extended: break;
    }
    return QString();
}

// Without a suffix a float needs a point or an exponent, or it would read back as an integer.
bool isWritableFloat(const ComponentTextValue &value)
{
    static const QRegularExpression number(QStringLiteral("^-?[0-9]+(\\.[0-9]+)?([eE][+-]?[0-9]+)?$"));
    const QString &text = value.text();
    if (!number.match(text).hasMatch())
        return false;
    return value.floatType() != ComponentTextValue::FloatType::Extended
        || text.contains(u'.') || text.contains(u'e', Qt::CaseInsensitive);
}

// A piece of a string: runs of quotable characters in quotes, the others as codes.
QString encodeStringPiece(QStringView piece, bool eightBit)
{
    QString encoded;
    bool inQuotes = false;
    for (QChar c : piece) {
        const bool quotable = isQuotable(c) || (eightBit && c.unicode() > 127);
        if (quotable != inQuotes) {
            encoded += u'\'';
            inQuotes = quotable;
        }
        if (quotable)
            encoded += c;
        else
            encoded += u'#' + QString::number(c.unicode());
    }
    if (inQuotes)
        encoded += u'\'';
    return encoded;
}

} // namespace

QStringList ComponentTextWriter::write(const ComponentTextNode &root, bool eightBitStrings)
{
    ComponentTextWriter writer(eightBitStrings);
    writer.writeNode(root, 0);
    writer.m_lines << writer.m_current;
    return writer.m_lines;
}

void ComponentTextWriter::startLine(int level, const QString &text)
{
    if (m_started)
        m_lines << m_current;
    m_started = true;
    m_current = indent(level) + text;
}

void ComponentTextWriter::writeNode(const ComponentTextNode &node, int level)
{
    if (!isName(node.className))
        throw ComponentTextError(QStringLiteral("Invalid class name \"%1\"").arg(node.className));
    if (!node.name.isEmpty() && !isName(node.name))
        throw ComponentTextError(QStringLiteral("Invalid component name \"%1\"").arg(node.name));

    startLine(level, QStringLiteral("object ")
                         + (node.name.isEmpty() ? QString() : node.name + QStringLiteral(": "))
                         + node.className);
    for (const ComponentTextProperty &property : node.properties)
        writeProperty(property, level + 1);
    for (const ComponentTextNode &child : node.children)
        writeNode(child, level + 1);
    startLine(level, QStringLiteral("end"));
}

void ComponentTextWriter::writeProperty(const ComponentTextProperty &property, int level)
{
    requireDottedName(property.path, QStringLiteral("property path"));
    startLine(level, property.path + QStringLiteral(" = "));
    writeValue(property.value, level, property.path);
}

void ComponentTextWriter::writeValue(const ComponentTextValue &value, int level, const QString &path)
{
    switch (value.kind()) {
    case ComponentTextValue::Kind::Integer:
        append(QString::number(value.integer()));
        break;
    case ComponentTextValue::Kind::Float:
        if (!isWritableFloat(value))
            throw ComponentTextError(QStringLiteral("Invalid number \"%1\" of property %2").arg(value.text(), path));
        append(value.text() + floatSuffix(value.floatType()));
        break;
    case ComponentTextValue::Kind::Identifier:
        if (!isDottedName(value.text()) || isKeyword(value.text()))
            throw ComponentTextError(QStringLiteral("Invalid identifier value of property %1: \"%2\"").arg(path, value.text()));
        append(value.text());
        break;
    case ComponentTextValue::Kind::String:
        writeString(value.text(), level);
        break;
    case ComponentTextValue::Kind::Set:
        for (const QString &member : value.setMembers()) {
            if (!isName(member))
                throw ComponentTextError(QStringLiteral("Invalid set member \"%1\" of property %2").arg(member, path));
        }
        append(u'[' + value.setMembers().join(QStringLiteral(", ")) + u']');
        break;
    case ComponentTextValue::Kind::List:
        writeList(value.items(), level, path);
        break;
    case ComponentTextValue::Kind::Binary:
        writeBinary(value.bytes(), level);
        break;
    case ComponentTextValue::Kind::Collection:
        writeCollection(value.collectionItems(), level);
        break;
    }
}

// A long string starts one level deeper and breaks every 64 characters with " +".
void ComponentTextWriter::writeString(const QString &text, int level)
{
    if (text.isEmpty()) {
        append(QStringLiteral("''"));
        return;
    }
    if (text.size() > StringChunkLength)
        startLine(level + 1);
    for (qsizetype start = 0; start < text.size(); start += StringChunkLength) {
        if (start > 0) {
            append(QStringLiteral(" +"));
            startLine(level + 1);
        }
        append(encodeStringPiece(QStringView(text).mid(start, StringChunkLength), m_eightBitStrings));
    }
}

void ComponentTextWriter::writeList(const std::vector<ComponentTextValue> &items, int level, const QString &path)
{
    append(QStringLiteral("("));
    for (const ComponentTextValue &item : items) {
        startLine(level + 1);
        writeValue(item, level + 1, path);
    }
    append(QStringLiteral(")"));
}

void ComponentTextWriter::writeBinary(const QByteArray &bytes, int level)
{
    append(QStringLiteral("{"));
    if (bytes.size() < BinaryGroupBytes) {
        append(QString::fromLatin1(bytes.toHex().toUpper()));
    } else {
        for (qsizetype start = 0; start < bytes.size(); start += BinaryGroupBytes) {
            startLine(level + 1);
            append(QString::fromLatin1(bytes.mid(start, BinaryGroupBytes).toHex().toUpper()));
        }
    }
    append(QStringLiteral("}"));
}

void ComponentTextWriter::writeCollection(const std::vector<ComponentTextProperties> &items, int level)
{
    append(QStringLiteral("<"));
    for (const ComponentTextProperties &item : items) {
        startLine(level + 1, QStringLiteral("item"));
        for (const ComponentTextProperty &property : item)
            writeProperty(property, level + 2);
        startLine(level + 1, QStringLiteral("end"));
    }
    append(QStringLiteral(">"));
}

} // namespace talmo
