#include "LangOptionsValueChecks.h"

#include "CompileError.h"
#include "CompilerMessages.h"
#include "ValueForms.h"

#include <QRegularExpression>

namespace talmo::iscmplr {

namespace {

bool is(const QString &directive, const char *name)
{
    return directive.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

// ConvertLanguageName: not blank, and each "<" opens a "<nnnn>" of four hex digits.
bool languageName(const QString &value)
{
    static const QRegularExpression strayOpening(QStringLiteral("<(?![0-9A-Fa-f]{4}>)"));
    return !value.trimmed().isEmpty() && !strayOpening.match(value).hasMatch();
}

} // namespace

void LangOptionsValueChecks::check(const QString &directive, const QString &value, bool forEveryLanguage, const SourceLine &where)
{
    const bool ownToALanguage = is(directive, "LanguageCodePage") || is(directive, "LanguageID") || is(directive, "LanguageName");
    // SCompilerCantSpecifyLangOption: these three name one language's own values.
    if (ownToALanguage && forEveryLanguage)
        throw CompileError::at(where, CompilerMessages::langOptionForEveryLanguage(directive));
    bool accepted = true;
    // StrToIntCheck (Val) for the sizes and numbers, TryStrToBoolean for RightToLeft.
    if (is(directive, "CopyrightFontSize") || is(directive, "DialogFontSize") || is(directive, "TitleFontSize")
        || is(directive, "WelcomeFontSize") || is(directive, "LanguageCodePage") || is(directive, "LanguageID"))
        accepted = ValueForms::isInteger(value);
    else if (is(directive, "RightToLeft"))
        accepted = ValueForms::isBoolean(value);
    else if (is(directive, "LanguageName"))
        accepted = languageName(value);
    if (!accepted)
        throw CompileError::at(where, CompilerMessages::directiveInvalid(QStringLiteral("LangOptions"), directive));
}

} // namespace talmo::iscmplr
