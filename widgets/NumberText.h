#pragma once

#include <QChar>
#include <QString>

namespace talmo {

// Number text of the number editors: cleaning what was typed or pasted,
// reading it with optional limits and formatting a value for display.
// The decimal separator is the locale's unless one is passed.
class NumberText
{
public:
    static QChar localeDecimalSeparator();

    // Keeps digits, a first-place sign (allowSigns) and one decimal separator
    // (allowFloat); drops everything else. Backspace characters pass.
    static QString filterCharacters(const QString &text, bool allowFloat, bool allowSigns, QChar separator);
    // The filtered text read as a number ("", "+" and "-" read 0); with a
    // non-zero max or min the value is limited to max, then to min.
    static double parse(const QString &text, bool allowFloat, bool allowSigns, double min, double max,
                        QChar separator = localeDecimalSeparator());
    // parse() written back as the shortest number text.
    static QString clean(const QString &text, bool allowFloat, bool allowSigns, double min, double max,
                         QChar separator = localeDecimalSeparator());
    static double limit(double value, double min, double max);

    // Up to 15 significant digits, no trailing zeros, exponent form "1E20".
    static QString shortestText(double value, QChar separator = localeDecimalSeparator());
    // Fixed-point with the given number of decimals.
    static QString fixedText(double value, int decimals, QChar separator = localeDecimalSeparator());

    struct Format
    {
        bool allowFloat = true;
        int precision = 2;
        QString nullText;
        QString textAfter;
    };
    // nullText for 0 when it is set; else shortest (precision <= 0) or fixed
    // text for floats, whole numbers otherwise; textAfter appended.
    static QString format(double value, const Format &format, QChar separator = localeDecimalSeparator());

    template<typename T>
    static void ensureRangeInPlace(T &value, T low, T high)
    {
        if (value < low)
            value = low;
        if (value > high)
            value = high;
    }
};

} // namespace talmo
