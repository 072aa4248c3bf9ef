#pragma once

#include <QList>
#include <QString>

namespace talmo::iscmplr {

// One line of the preprocessed script and where it came from.
struct SourceLine
{
    QString text;
    QString file; // empty for the main script, else the include file's path
    int line = 0; // 1-based
};

using SourceLines = QList<SourceLine>;

} // namespace talmo::iscmplr
