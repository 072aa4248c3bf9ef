#include "ValueForms.h"

#include <QRegularExpression>
#include <QStringList>

namespace talmo::iscmplr {

namespace {

// A pattern the whole value must match, in any letter case. Each form keeps
// its own, compiled once: some are asked of every line of a section.
class WholeValue
{
public:
    explicit WholeValue(const QString &pattern)
        : m_form(QStringLiteral("^(?:%1)$").arg(pattern), QRegularExpression::CaseInsensitiveOption)
    {
    }

    bool matches(const QString &value) const { return m_form.match(value).hasMatch(); }

private:
    QRegularExpression m_form;
};

std::optional<qint64> integerValue(const QString &value)
{
    static const QRegularExpression form(QStringLiteral("^ *([+-]?)(?:(\\d+)|(?:\\$|0[xX]|[xX])([0-9A-Fa-f]{1,8}))$"));
    const QRegularExpressionMatch m = form.match(value);
    if (!m.hasMatch())
        return std::nullopt;
    bool ok = false;
    const qint64 sign = m.captured(1) == QLatin1String("-") ? -1 : 1;
    if (m.capturedLength(2) > 0) {
        const qint64 magnitude = m.captured(2).toLongLong(&ok);
        if (!ok || magnitude > (sign < 0 ? 2147483648LL : 2147483647LL))
            return std::nullopt;
        return sign * magnitude;
    }
    return sign * m.captured(3).toLongLong(&ok, 16);
}

// The compiler's colour names; any other colour is written as a number.
const char kColorNames[] =
    "clBlack clMaroon clGreen clOlive clNavy clPurple clTeal clGray clSilver clRed clLime clYellow clBlue clFuchsia "
    "clAqua clWhite clScrollBar clBackground clActiveCaption clInactiveCaption clMenu clWindow clWindowFrame "
    "clMenuText clWindowText clCaptionText clActiveBorder clInactiveBorder clAppWorkSpace clHighlight "
    "clHighlightText clBtnFace clBtnShadow clGrayText clBtnText clInactiveCaptionText clBtnHighlight cl3DDkShadow "
    "cl3DLight clInfoText clInfoBk clNone";

// Key names a hot key may end with, besides letters, digits and F1..F24.
const char kHotKeyNames[] = "BkSp Tab Esc Enter Space PgUp PgDn End Home Left Up Right Down Ins Del";

} // namespace

bool ValueForms::isBoolean(const QString &value)
{
    static const WholeValue form(QStringLiteral("yes|no|true|false|1|0"));
    return form.matches(value);
}

bool ValueForms::isTrue(const QString &value)
{
    static const WholeValue form(QStringLiteral("yes|true|1"));
    return form.matches(value);
}

std::optional<qint64> ValueForms::integer(const QString &value)
{
    return integerValue(value);
}

bool ValueForms::isInteger(const QString &value)
{
    return integerValue(value).has_value();
}

bool ValueForms::isIntegerIn(const QString &value, qint64 min, qint64 max)
{
    const std::optional<qint64> number = integerValue(value);
    return number && *number >= min && *number <= max;
}

bool ValueForms::isUnsigned64(const QString &value)
{
    static const QRegularExpression form(QStringLiteral("^(?:(\\d+)|\\$([0-9A-Fa-f]+))$"));
    const QRegularExpressionMatch m = form.match(value);
    bool ok = false;
    if (m.capturedLength(1) > 0)
        m.captured(1).toULongLong(&ok, 10);
    else if (m.capturedLength(2) > 0)
        m.captured(2).toULongLong(&ok, 16);
    return ok;
}

bool ValueForms::isBinaryData(const QString &value)
{
    static const WholeValue form(QStringLiteral(" *([0-9a-f]{2}( +|$))*"));
    return form.matches(value);
}

bool ValueForms::isDwordData(const QString &value)
{
    const QString data = value.trimmed();
    return data.startsWith(QLatin1Char('{')) || isInteger(data);
}

bool ValueForms::isQwordData(const QString &value)
{
    const QString data = value.trimmed();
    return data.startsWith(QLatin1Char('{')) || isUnsigned64(data);
}

bool ValueForms::isFileVersion(const QString &value)
{
    QString rest = value;
    for (int part = 0; part < 4 && !rest.trimmed().isEmpty(); ++part) {
        const qsizetype dot = rest.indexOf(QLatin1Char('.'));
        const QString number = (dot < 0 ? rest : rest.left(dot)).trimmed();
        if (!isIntegerIn(number, 0, 65535))
            return false;
        rest = dot < 0 ? QString() : rest.mid(dot + 1);
    }
    return true;
}

bool ValueForms::isColor(const QString &value)
{
    static const QStringList names = QString::fromLatin1(kColorNames).split(QLatin1Char(' '));
    return names.contains(value, Qt::CaseInsensitive) || isInteger(value);
}

bool ValueForms::isIdentifier(const QString &value, bool withBackslashes, bool allowOperators)
{
    static const WholeValue reserved(QStringLiteral("and|or|not"));
    static const WholeValue withParts(QStringLiteral("[a-z_][a-z0-9_\\\\]*(?<!\\\\)"));
    static const WholeValue plain(QStringLiteral("[a-z_][a-z0-9_]*"));
    if (!allowOperators && reserved.matches(value))
        return false;
    return withBackslashes ? withParts.matches(value) : plain.matches(value);
}

bool ValueForms::isHotKey(const QString &value)
{
    static const QString keys = QString::fromLatin1(kHotKeyNames).replace(QLatin1Char(' '), QLatin1Char('|'));
    static const WholeValue form(QStringLiteral("(shift\\+|ctrl\\+|alt\\+|\\^)*([a-z0-9]|f([1-9]|1[0-9]|2[0-4])|%1)").arg(keys));
    return form.matches(value);
}

bool ValueForms::isRegistryRoot(const QString &value)
{
    static const WholeValue form(QStringLiteral("(HKCR|HKCU|HKLM|HKU|HKCC)(32|64)?"));
    return form.matches(value);
}

bool ValueForms::hasBackslashOutsideConstants(const QString &value)
{
    int depth = 0;
    for (const QChar c : value) {
        if (c == QLatin1Char('{'))
            ++depth;
        else if (c == QLatin1Char('}') && depth > 0)
            --depth;
        else if (c == QLatin1Char('\\') && depth == 0)
            return true;
    }
    return false;
}

} // namespace talmo::iscmplr
