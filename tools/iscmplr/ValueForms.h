#pragma once

#include <QString>

#include <optional>

namespace talmo::iscmplr {

// The forms of values that a real compile reads from a script: how its
// number, flag and name parsers take a text, not what the text means.
class ValueForms
{
public:
    // yes, no, true, false, 1, 0 in any case.
    static bool isBoolean(const QString &value);
    static bool isTrue(const QString &value);
    // A 32-bit integer as the compiler's number reader (Val, StrToInt) takes
    // it: leading blanks, an optional sign, decimal digits up to 2147483647,
    // or "$", "0x" or "x" and up to eight hex digits; nothing after them.
    static std::optional<qint64> integer(const QString &value);
    static bool isInteger(const QString &value);
    // isInteger, and within min..max.
    static bool isIntegerIn(const QString &value, qint64 min, qint64 max);
    // An unsigned 64-bit number as StrToInteger64 takes it: decimal digits,
    // or "$" and hex digits; no sign, no blanks.
    static bool isUnsigned64(const QString &value);
    // Bytes as hex pairs separated by one or more blanks; empty is no bytes.
    static bool isBinaryData(const QString &value);
    // A dword's registry data: text starting with a constant is left to the
    // installer; anything else must be an integer.
    static bool isDwordData(const QString &value);
    static bool isQwordData(const QString &value);
    // Up to four dot-separated numbers 0..65535; what follows the fourth is not read.
    static bool isFileVersion(const QString &value);
    // One of the compiler's colour names ("clBtnFace") or an integer.
    static bool isColor(const QString &value);
    // IsValidIdentString: a name made of letters, digits and "_", not
    // starting with a digit and, unless allowOperators, not "and", "or" or
    // "not"; with backslashes, also "\" between two parts.
    static bool isIdentifier(const QString &value, bool withBackslashes, bool allowOperators = false);
    // A hot key: "Shift+", "Ctrl+", "Alt+" or "^" prefixes and one key name.
    static bool isHotKey(const QString &value);
    // A registry root key by its short name, "HKLM" and the like, optionally
    // with "32" or "64"; nothing else, blanks included.
    static bool isRegistryRoot(const QString &value);
    // Whether a backslash stands outside the text's {constants}.
    static bool hasBackslashOutsideConstants(const QString &value);
};

} // namespace talmo::iscmplr
