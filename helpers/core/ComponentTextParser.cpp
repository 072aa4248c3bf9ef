#include "helpers/core/ComponentTextParser.h"

#include "helpers/core/ComponentTextError.h"
#include "helpers/core/ComponentTextSyntax.h"

#include <utility>

namespace talmo {

namespace {

// Deeper nesting than any page has; it keeps hostile text from exhausting the stack.
constexpr int MaximumNesting = 200;

} // namespace

ComponentTextParser::ComponentTextParser(std::vector<Token> tokens)
    : m_tokens(std::move(tokens))
{
}

ComponentTextNode ComponentTextParser::parse(const QString &text)
{
    ComponentTextParser parser(ComponentTextLexer::tokenize(text));
    ComponentTextNode root = parser.parseObject();
    if (parser.peek().type != Token::Type::End)
        parser.fail(QStringLiteral("Text after the last \"end\""));
    return root;
}

ComponentTextParser::Token ComponentTextParser::take()
{
    const Token &token = m_tokens[m_position];
    if (token.type != Token::Type::End)
        ++m_position;
    return token;
}

bool ComponentTextParser::atKeyword(const char *keyword) const
{
    return peek().type == Token::Type::Name && peek().text.compare(QLatin1String(keyword), Qt::CaseInsensitive) == 0;
}

bool ComponentTextParser::atSymbol(char symbol) const
{
    return peek().type == Token::Type::Symbol && peek().text == QLatin1Char(symbol);
}

void ComponentTextParser::expectKeyword(const char *keyword)
{
    if (!atKeyword(keyword))
        fail(QStringLiteral("\"%1\" expected").arg(QLatin1String(keyword)));
    take();
}

void ComponentTextParser::expectSymbol(char symbol)
{
    if (!atSymbol(symbol))
        fail(QStringLiteral("\"%1\" expected").arg(QLatin1Char(symbol)));
    take();
}

QString ComponentTextParser::expectName(const QString &what)
{
    if (peek().type != Token::Type::Name || !ComponentTextSyntax::isName(peek().text))
        fail(what + QStringLiteral(" expected"));
    return take().text;
}

void ComponentTextParser::fail(const QString &message) const
{
    if (peek().type == Token::Type::End)
        throw ComponentTextError(QStringLiteral("Unexpected end of text, ") + message, peek().line);
    throw ComponentTextError(message, peek().line);
}

void ComponentTextParser::enterNesting()
{
    if (++m_depth > MaximumNesting)
        fail(QStringLiteral("Nesting too deep"));
}

// Properties come first, then the child blocks, then "end".
ComponentTextNode ComponentTextParser::parseObject()
{
    enterNesting();
    ComponentTextNode node;
    node.sourceLine = peek().line;
    expectKeyword("object");
    const QString first = expectName(QStringLiteral("Class name"));
    if (atSymbol(':')) {
        take();
        node.name = first;
        node.className = expectName(QStringLiteral("Class name"));
    } else {
        node.className = first;
    }
    while (!atKeyword("end") && !atKeyword("object"))
        node.properties.push_back(parseProperty());
    while (!atKeyword("end"))
        node.children.push_back(parseObject());
    take();
    --m_depth;
    return node;
}

ComponentTextProperty ComponentTextParser::parseProperty()
{
    if (peek().type != Token::Type::Name)
        fail(QStringLiteral("Property name expected"));
    ComponentTextProperty property;
    property.path = take().text;
    expectSymbol('=');
    property.value = parseValue(property.path);
    return property;
}

ComponentTextValue ComponentTextParser::parseValue(const QString &path)
{
    const Token &token = peek();
    switch (token.type) {
    case Token::Type::Integer:
        return ComponentTextValue::fromInteger(take().integer);
    case Token::Type::Float: {
        const Token number = take();
        return ComponentTextValue::fromFloatText(number.text, number.floatType);
    }
    case Token::Type::Name:
        // The keywords end blocks; a value that is missing must not swallow one.
        if (ComponentTextSyntax::isKeyword(peek().text))
            break;
        return ComponentTextValue::fromIdentifier(take().text);
    case Token::Type::String:
        return parseString();
    case Token::Type::Binary:
        return ComponentTextValue::fromBinary(take().bytes);
    case Token::Type::Symbol:
        if (atSymbol('['))
            return parseSet(path);
        if (atSymbol('('))
            return parseList(path);
        if (atSymbol('<'))
            return parseCollection();
        break;
    case Token::Type::End:
        break;
    }
    fail(QStringLiteral("Invalid value of property %1").arg(path));
}

// Pieces joined with "+" form one string.
ComponentTextValue ComponentTextParser::parseString()
{
    QString text = take().text;
    while (atSymbol('+')) {
        take();
        if (peek().type != Token::Type::String)
            fail(QStringLiteral("String expected"));
        text += take().text;
    }
    return ComponentTextValue::fromString(text);
}

ComponentTextValue ComponentTextParser::parseSet(const QString &path)
{
    take();
    QStringList members;
    if (!atSymbol(']')) {
        members << expectName(QStringLiteral("Set member of property ") + path);
        while (atSymbol(',')) {
            take();
            members << expectName(QStringLiteral("Set member of property ") + path);
        }
    }
    expectSymbol(']');
    return ComponentTextValue::fromSet(members);
}

ComponentTextValue ComponentTextParser::parseList(const QString &path)
{
    enterNesting();
    take();
    std::vector<ComponentTextValue> items;
    while (!atSymbol(')'))
        items.push_back(parseValue(path));
    take();
    --m_depth;
    return ComponentTextValue::fromList(std::move(items));
}

ComponentTextValue ComponentTextParser::parseCollection()
{
    enterNesting();
    take();
    std::vector<ComponentTextProperties> items;
    while (!atSymbol('>')) {
        expectKeyword("item");
        ComponentTextProperties item;
        while (!atKeyword("end"))
            item.push_back(parseProperty());
        take();
        items.push_back(std::move(item));
    }
    take();
    --m_depth;
    return ComponentTextValue::fromCollection(std::move(items));
}

} // namespace talmo
