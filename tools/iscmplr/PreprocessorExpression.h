#pragma once

#include <QString>

#include <optional>

namespace talmo::iscmplr {

// A value of the preprocessor: nothing (a define without value), a number or a text.
struct PreprocessorValue
{
    enum class Kind { Null, Number, Text };
    Kind kind = Kind::Null;
    qint64 number = 0;
    QString text;

    static PreprocessorValue fromNumber(qint64 n) { return {Kind::Number, n, {}}; }
    static PreprocessorValue fromText(const QString &t) { return {Kind::Text, 0, t}; }
    QString toString() const;
    bool isTrue() const;
};

// What an expression may ask of the preprocessor.
class PreprocessorContext
{
public:
    virtual ~PreprocessorContext() = default;
    // Reading a value may have an effect (a counter steps on); asking whether
    // the name is defined never has.
    virtual std::optional<PreprocessorValue> defineValue(const QString &name) const = 0;
    virtual bool isDefined(const QString &name) const = 0;
    virtual QString setupSetting(const QString &directive) const = 0;
};

// Expression failures carry only the message; the caller knows the line.
struct ExpressionError
{
    QString message;
};

// Evaluates the expressions of #define, #include, #if and {#...}: numbers,
// texts in double or single quotes (a doubled quote stands for one), names
// of defines, + and -, comparisons, !, && and ||, defined(Name) or
// defined Name, and SetupSetting("Directive"). Throws ExpressionError.
//
// Hostile scripts are refused rather than followed: nesting deeper than
// kMaxNesting, integer arithmetic that would leave 64 bits, and a text
// longer than kMaxTextLength are errors.
class PreprocessorExpression
{
public:
    // Far above any hand-written expression, and shallow enough for the
    // recursive parser on the smallest thread stack it runs on.
    static constexpr int kMaxNesting = 256;
    // 64 Ki characters: far above any real define, so that doubling a define
    // by redefining it in terms of itself stops long before memory runs short.
    static constexpr qsizetype kMaxTextLength = 64 * 1024;

    static PreprocessorValue evaluate(const QString &text, const PreprocessorContext &context);
};

} // namespace talmo::iscmplr
