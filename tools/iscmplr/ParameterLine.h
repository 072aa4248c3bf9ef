#pragma once

#include "SourceLine.h"

#include <QStringList>

namespace talmo::iscmplr {

struct Parameter
{
    QString name;  // as written
    QString value; // quotes removed
};

// One "Name: value; Name: value" line of a parameter section.
class ParameterLine
{
public:
    // Throws CompileError for a name without ":", a repeated name, a bad quote.
    static ParameterLine parse(const SourceLine &line);

    const QList<Parameter> &parameters() const { return m_parameters; }
    const SourceLine &where() const { return m_where; }
    bool has(const QString &name) const;
    QString value(const QString &name) const;
    // The value of a word-list parameter (Flags, Attribs) as its words in
    // lower case, in the order written.
    QStringList words(const QString &name) const;

private:
    QList<Parameter> m_parameters;
    SourceLine m_where;
};

} // namespace talmo::iscmplr
