#include "WindowsVersions.h"

#include "ValueForms.h"

namespace talmo::iscmplr {

namespace {

// The compiler's StrToInt within min..max; anything else ends the parse.
std::optional<int> numberIn(const QString &text, int min, int max)
{
    const std::optional<qint64> number = ValueForms::integer(text);
    if (!number || *number < min || *number > max)
        return std::nullopt;
    return int(*number);
}

struct Part
{
    quint32 version = 0;
    quint16 servicePack = 0;
};

// One trimmed part, step by step as StrToVersionNumbers' Split: the first
// "sp" cuts off the service pack; a part without a dot is read whole (the
// service pack included, so "5sp1" fails); a minor version of one digit below
// major 5 counts in tenths ("4.1" is 4.10) unless it is written with a zero.
std::optional<Part> readPart(const QString &text, bool allowEmpty, const Part &kept)
{
    if (text.isEmpty() && allowEmpty)
        return kept;
    Part part;
    QString rest = text.toLower();
    const qsizetype sp = rest.indexOf(QLatin1String("sp"));
    if (sp >= 0) {
        const std::optional<int> servicePack = numberIn(rest.mid(sp + 2), 0, 255);
        if (!servicePack)
            return std::nullopt;
        part.servicePack = quint16(*servicePack << 8);
        rest.truncate(sp);
    }
    const qsizetype dot = rest.indexOf(QLatin1Char('.'));
    if (dot == rest.size() - 1)
        return std::nullopt;
    if (dot < 0) {
        const std::optional<int> major = numberIn(text, 0, 255);
        if (!major)
            return std::nullopt;
        part.version = WindowsVersions::version(*major, 0);
        return part;
    }
    const std::optional<int> major = numberIn(rest.left(dot), 0, 255);
    if (!major)
        return std::nullopt;
    rest = rest.mid(dot + 1);
    const qsizetype secondDot = rest.indexOf(QLatin1Char('.'));
    const QString minorText = secondDot < 0 ? rest : rest.left(secondDot);
    std::optional<int> minor = numberIn(minorText, 0, 99);
    if (!minor)
        return std::nullopt;
    if (*major < 5 && *minor < 10 && !minorText.startsWith(QLatin1Char('0')))
        *minor *= 10;
    int build = 0;
    if (secondDot >= 0) {
        const std::optional<int> number = numberIn(rest.mid(secondDot + 1), 0, 65535);
        if (!number)
            return std::nullopt;
        build = *number;
    }
    part.version = WindowsVersions::version(*major, *minor) | quint32(build);
    return part;
}

} // namespace

std::optional<WindowsVersions> WindowsVersions::parse(const QString &text, bool allowEmpty, const WindowsVersions &base)
{
    const qsizetype comma = text.indexOf(QLatin1Char(','));
    if (comma < 0)
        return std::nullopt;
    const std::optional<Part> win = readPart(text.left(comma).trimmed(), allowEmpty, {base.win, 0});
    if (!win || win->servicePack != 0)
        return std::nullopt;
    const std::optional<Part> nt = readPart(text.mid(comma + 1).trimmed(), allowEmpty, {base.nt, base.ntServicePack});
    if (!nt)
        return std::nullopt;
    return WindowsVersions{win->version, nt->version, nt->servicePack};
}

std::optional<WindowsVersions> WindowsVersions::parse(const QString &text, bool allowEmpty)
{
    return parse(text, allowEmpty, WindowsVersions());
}

WindowsVersions WindowsVersions::setupDefault()
{
    return {version(4, 0), version(4, 0), 0};
}

bool WindowsVersions::reachesWindows98AndNT4() const
{
    return !((win != 0 && win < version(4, 10)) || (nt != 0 && nt < version(4, 0)));
}

} // namespace talmo::iscmplr
