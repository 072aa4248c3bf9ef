#pragma once

#include "helpers/core/ComponentTextValue.h"

#include <QByteArray>

#include <QString>

#include <vector>

namespace talmo {

struct ComponentTextToken
{
    enum class Type { Name, Integer, Float, String, Binary, Symbol, End };
    Type type = Type::End;
    QString text; // name, decoded string, number text or the symbol character
    qint64 integer = 0;
    ComponentTextValue::FloatType floatType = ComponentTextValue::FloatType::Extended;
    QByteArray bytes;
    int line = 0;
};

// Splits component text into tokens. Adjacent quoted runs and "#" codes form
// one string token; "{...}" forms one binary token.
class ComponentTextLexer
{
public:
    using Token = ComponentTextToken;

    // Throws ComponentTextError at the first character that starts no token.
    static std::vector<Token> tokenize(const QString &text);

private:
    explicit ComponentTextLexer(const QString &text);

    Token next();
    void skipBlanks();
    Token readName();
    Token readNumber();
    Token readString();
    Token readBinary();
    QChar at(qsizetype index) const { return index < m_text.size() ? m_text[index] : QChar(); }
    bool atEnd() const { return m_index >= m_text.size(); }
    void advance();
    [[noreturn]] void fail(const QString &message) const;

    const QString &m_text;
    qsizetype m_index = 0;
    int m_line = 1;
};

} // namespace talmo
