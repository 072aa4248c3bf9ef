#pragma once

#include "helpers/core/ComponentTextLexer.h"
#include "helpers/core/ComponentTextNode.h"

#include <QString>

#include <vector>

namespace talmo {

// Reads component text into a tree. The whole text is checked before a tree is
// returned: any syntax error throws ComponentTextError with its line and no
// tree results. The root header may be named ("object FormDesignControl: TPanel")
// or not ("object TPanel"). Keywords compare ignoring case.
class ComponentTextParser
{
public:
    static ComponentTextNode parse(const QString &text);

private:
    using Token = ComponentTextToken;

    explicit ComponentTextParser(std::vector<Token> tokens);

    ComponentTextNode parseObject();
    ComponentTextProperty parseProperty();
    ComponentTextValue parseValue(const QString &path);
    ComponentTextValue parseString();
    ComponentTextValue parseSet(const QString &path);
    ComponentTextValue parseList(const QString &path);
    ComponentTextValue parseCollection();

    const Token &peek() const { return m_tokens[m_position]; }
    Token take();
    bool atKeyword(const char *keyword) const;
    bool atSymbol(char symbol) const;
    void expectKeyword(const char *keyword);
    void expectSymbol(char symbol);
    QString expectName(const QString &what);
    [[noreturn]] void fail(const QString &message) const;
    void enterNesting();

    std::vector<Token> m_tokens;
    size_t m_position = 0;
    int m_depth = 0;
};

} // namespace talmo
