#include "helpers/core/XmlTree.h"

#include <QXmlStreamReader>

namespace talmo {

XmlElement::XmlElement(QString name, QString text)
    : m_name(std::move(name))
    , m_text(std::move(text))
{
}

XmlElement::~XmlElement()
{
    std::vector<std::unique_ptr<XmlElement>> pending = std::move(m_children);
    while (!pending.empty()) {
        std::unique_ptr<XmlElement> element = std::move(pending.back());
        pending.pop_back();
        for (auto &child : element->m_children)
            pending.push_back(std::move(child));
        element->m_children.clear();
    }
}

XmlElement &XmlElement::appendChild(const QString &name, const QString &text)
{
    return appendChild(std::make_unique<XmlElement>(name, text));
}

XmlElement &XmlElement::appendChild(std::unique_ptr<XmlElement> child)
{
    m_children.push_back(std::move(child));
    return *m_children.back();
}

const XmlElement *XmlElement::child(const QString &name) const
{
    for (const auto &c : m_children) {
        if (c->name() == name)
            return c.get();
    }
    return nullptr;
}

namespace {

bool isNameStartChar(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || u == '_' || u == ':'
        || (u >= 0xC0 && u <= 0xD6) || (u >= 0xD8 && u <= 0xF6) || (u >= 0xF8 && u <= 0x2FF)
        || (u >= 0x370 && u <= 0x37D) || (u >= 0x37F && u <= 0x1FFF) || (u >= 0x200C && u <= 0x200D)
        || (u >= 0x2070 && u <= 0x218F) || (u >= 0x2C00 && u <= 0x2FEF) || (u >= 0x3001 && u <= 0xD7FF)
        || (u >= 0xF900 && u <= 0xFDCF) || (u >= 0xFDF0 && u <= 0xFFFD);
}

bool isNameChar(QChar c)
{
    const char16_t u = c.unicode();
    return isNameStartChar(c) || u == '-' || u == '.' || (u >= '0' && u <= '9') || u == 0xB7
        || (u >= 0x300 && u <= 0x36F) || (u >= 0x203F && u <= 0x2040);
}

bool isValidXmlTextChar(char16_t u)
{
    return u == 0x9 || u == 0xA || u == 0xD || u >= 0x20;
}

void appendEscaped(QByteArray &out, const QString &text)
{
    QString escaped;
    escaped.reserve(text.size() + 16);
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '<': escaped += QLatin1String("&lt;"); break;
        case '>': escaped += QLatin1String("&gt;"); break;
        case '&': escaped += QLatin1String("&amp;"); break;
        default:
            // Characters XML cannot carry at all would make the file unreadable.
            if (isValidXmlTextChar(c.unicode()))
                escaped += c;
            break;
        }
    }
    out += escaped.toUtf8();
}

bool openElement(QByteArray &out, const XmlElement &element, QString *error)
{
    if (!XmlTree::isValidElementName(element.name())) {
        if (error)
            *error = QStringLiteral("Invalid element name \"%1\"").arg(element.name());
        return false;
    }
    out += '<';
    out += element.name().toUtf8();
    out += '>';
    if (element.children().empty())
        appendEscaped(out, element.text());
    return true;
}

void closeElement(QByteArray &out, const XmlElement &element)
{
    out += "</";
    out += element.name().toUtf8();
    out += '>';
}

// A walk with a stack of its own, so a tree built in code may nest as deep as
// memory allows.
bool writeTree(QByteArray &out, const XmlElement &root, QString *error)
{
    struct OpenElement
    {
        const XmlElement *element;
        std::size_t nextChild;
    };
    std::vector<OpenElement> open;
    if (!openElement(out, root, error))
        return false;
    open.push_back({ &root, 0 });
    while (!open.empty()) {
        OpenElement &top = open.back();
        if (top.nextChild < top.element->children().size()) {
            const XmlElement &child = *top.element->children()[top.nextChild++];
            if (!openElement(out, child, error))
                return false;
            open.push_back({ &child, 0 });
        } else {
            closeElement(out, *top.element);
            open.pop_back();
        }
    }
    return true;
}

QString normalizedLineBreaks(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace

bool XmlTree::isValidElementName(const QString &name)
{
    if (name.isEmpty() || !isNameStartChar(name.front()))
        return false;
    for (const QChar c : name) {
        if (!isNameChar(c))
            return false;
    }
    return true;
}

std::optional<QByteArray> XmlTree::serialize(const XmlElement &root, QString *error)
{
    QByteArray out;
    if (!writeTree(out, root, error))
        return std::nullopt;
    return out;
}

std::unique_ptr<XmlElement> XmlTree::parse(const QByteArray &document, QString *error)
{
    QXmlStreamReader reader(document);
    reader.setNamespaceProcessing(false);
    std::unique_ptr<XmlElement> root;
    std::vector<XmlElement *> open;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement: {
            if (open.size() >= std::size_t(MaximumDepth)) {
                reader.raiseError(QStringLiteral("Elements nested deeper than %1 levels").arg(MaximumDepth));
                break;
            }
            auto element = std::make_unique<XmlElement>(reader.qualifiedName().toString());
            XmlElement *raw = element.get();
            if (open.empty())
                root = std::move(element);
            else
                open.back()->appendChild(std::move(element));
            open.push_back(raw);
            break;
        }
        case QXmlStreamReader::Characters:
            if (!open.empty())
                open.back()->appendText(reader.text());
            break;
        case QXmlStreamReader::EndElement: {
            XmlElement *closing = open.back();
            if (!closing->children().empty())
                closing->setText(QString());
            else
                closing->setText(normalizedLineBreaks(closing->text()));
            open.pop_back();
            break;
        }
        default:
            break;
        }
    }
    if (reader.hasError() || !root) {
        if (error) {
            *error = reader.hasError()
                ? QStringLiteral("%1 (line %2, column %3)").arg(reader.errorString()).arg(reader.lineNumber()).arg(reader.columnNumber())
                : QStringLiteral("The document has no root element");
        }
        return nullptr;
    }
    return root;
}

} // namespace talmo
