#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace talmo::iscmplr {

struct ParameterRule
{
    QString name;
    bool required = false;
    bool noEmpty = false;
    bool noQuotes = false;
};

// What a parameter section accepts: its parameters, flag words and attributes.
struct SectionRule
{
    QString section;
    QList<ParameterRule> parameters;
    QStringList flags;
    QStringList attribs;

    const ParameterRule *parameter(const QString &name) const;
};

// The parameter sections of the script language.
class SectionRules
{
public:
    // Nothing for a directive section, [Code] or an unknown section.
    static const SectionRule *forSection(const QString &section);
};

// What the [Setup] and [LangOptions] sections accept.
class SetupDirectives
{
public:
    static bool isSetupDirective(const QString &name);
    static bool isLangOptionsDirective(const QString &name);
    static bool isObsoleteWithWarning(const QString &name);
};

} // namespace talmo::iscmplr
