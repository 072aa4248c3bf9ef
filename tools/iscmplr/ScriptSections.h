#pragma once

#include "SourceLine.h"

namespace talmo::iscmplr {

// The lines of one section; a section that appears several times collects
// the lines of every appearance in order.
struct Section
{
    QString name;         // as first written
    SourceLine header;    // where it first appeared
    SourceLines lines;    // blank and ";" lines left out, except in [Code]
};

// Splits the preprocessed script into its sections.
class ScriptSections
{
public:
    // Throws CompileError for text outside a section and for bad section tags.
    static ScriptSections read(const SourceLines &script);

    const Section *find(const QString &name) const;
    const QList<Section> &all() const { return m_sections; }

private:
    Section &sectionNamed(const QString &name, const SourceLine &header);

    QList<Section> m_sections;
};

} // namespace talmo::iscmplr
