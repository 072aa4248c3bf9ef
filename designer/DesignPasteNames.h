#pragma once

#include "designer/DesignTreeReader.h"

#include <QStringList>

#include <functional>

namespace talmo {

class TDesignControl;

// The names of one paste: a stored name that no component of the owner bears
// (and that the acceptance rule takes) is kept; any other, an empty one too,
// is replaced by a fresh name for its class and the pair is recorded, so
// that references to the old name follow (the first pair of a name wins,
// names compare ignoring case).
class TDesignPasteNames
{
public:
    using UniqueName = std::function<QString(const QString &className)>;
    using Acceptable = std::function<bool(const QString &name)>;

    TDesignPasteNames(const TDesignControl &owner, UniqueName uniqueName, Acceptable acceptable = {});

    QString name(const QString &storedName, const QString &className);
    QString reference(const QString &storedName) const;
    // Hooks for TDesignTreeReader that answer through this object.
    TDesignReadHooks hooks();

private:
    const TDesignControl &m_owner;
    UniqueName m_uniqueName;
    Acceptable m_acceptable;
    QStringList m_oldNames;
    QStringList m_newNames;
};

} // namespace talmo
