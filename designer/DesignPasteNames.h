#pragma once

#include "designer/DesignTreeReader.h"

#include <QStringList>

#include <functional>

namespace talmo {

class TDesignControl;

// The names of one paste: a stored name that no component of the owner bears
// is kept; a taken one is replaced by a fresh name for its class and the pair
// is recorded, so that references to the old name follow (the first pair of
// a name wins, names compare ignoring case).
class TDesignPasteNames
{
public:
    using UniqueName = std::function<QString(const QString &className)>;

    TDesignPasteNames(const TDesignControl &owner, UniqueName uniqueName);

    QString name(const QString &storedName, const QString &className);
    QString reference(const QString &storedName) const;
    // Hooks for TDesignTreeReader that answer through this object.
    TDesignReadHooks hooks();

private:
    const TDesignControl &m_owner;
    UniqueName m_uniqueName;
    QStringList m_oldNames;
    QStringList m_newNames;
};

} // namespace talmo
