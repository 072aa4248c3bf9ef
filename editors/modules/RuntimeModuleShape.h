#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace talmo {

struct TMSQL_CustomSet;
struct TPluginContainer;

// The platforms of a runtime module or of a redistributable set, each with
// its processors' names, and the check marks over them: one row per
// platform, one entry per processor.
struct RuntimeModuleShape
{
    using Marks = QList<QList<bool>>;

    struct Platform
    {
        QString caption;
        QStringList processors;
    };
    QList<Platform> platforms;

    static RuntimeModuleShape ofSet(const TMSQL_CustomSet &set);
    static RuntimeModuleShape ofModule(const TPluginContainer &module);

    // Every entry unchecked.
    Marks emptyMarks() const;
    // Whether a mark within the shape is set; marks outside it do not count.
    bool anyMarked(const Marks &marks) const;
};

} // namespace talmo
