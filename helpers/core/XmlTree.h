#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace talmo {

// A small element tree for Talmo's XML files. Our files hold no attributes and no
// mixed content: an element carries either text or child elements.
//
// QDom is not used because it silently writes invalid element names, escapes
// carriage returns and drops whitespace-only text; the project file needs none
// of that.
class XmlElement
{
public:
    explicit XmlElement(QString name, QString text = QString());
    // Takes the subtree apart level by level, so no depth of nesting can
    // exhaust the stack.
    ~XmlElement();
    XmlElement(const XmlElement &) = delete;
    XmlElement &operator=(const XmlElement &) = delete;

    const QString &name() const { return m_name; }
    const QString &text() const { return m_text; }
    void setText(const QString &text) { m_text = text; }
    void appendText(QStringView text) { m_text.append(text); }

    const std::vector<std::unique_ptr<XmlElement>> &children() const { return m_children; }
    XmlElement &appendChild(const QString &name, const QString &text = QString());
    XmlElement &appendChild(std::unique_ptr<XmlElement> child);

    // The first child of that name (names compare exactly), or nullptr.
    const XmlElement *child(const QString &name) const;

private:
    QString m_name;
    QString m_text;
    std::vector<std::unique_ptr<XmlElement>> m_children;
};

class XmlTree
{
public:
    // Far deeper than any of our files or any other writer's rendering of them
    // nests; a document nested deeper is refused rather than kept in memory.
    static constexpr int MaximumDepth = 256;

    // True for a name an XML 1.0 parser accepts as an element name.
    static bool isValidElementName(const QString &name);

    // UTF-8, no declaration, nothing between elements. Text keeps its line
    // breaks as they are. Fails (and says why) when an element name is invalid.
    static std::optional<QByteArray> serialize(const XmlElement &root, QString *error = nullptr);

    // Accepts what other writers produce: byte-order mark, declaration,
    // indentation, CDATA, comments, self-closing elements, names with ":".
    // Whitespace-only text of an element that has children is layout and is
    // dropped; CR LF and lone CR in text read as LF. Elements nested deeper
    // than MaximumDepth make the document unreadable.
    static std::unique_ptr<XmlElement> parse(const QByteArray &document, QString *error = nullptr);
};

} // namespace talmo
