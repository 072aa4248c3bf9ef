#pragma once

#include "editors/core/regimport/RegImportEvent.h"
#include "editors/core/regimport/RegImportResult.h"
#include "editors/core/registry/RegistryProbe.h"

#include <QByteArray>
#include <QString>

namespace talmo {

// Reads a registry export (.reg / .rgu) and reports its keys and values, in
// file order, to the callback. Returns a RegImportResult code: 0, 11 for text
// it cannot read (the events before it stand), 87 without a callback, the
// probe's error code for a key named for deletion, or the file's error (2 not
// found, 5 access denied, else 30).
int ImportRegFile(const QString &path, const RegImportCallback &callback,
                  const RegistryProbe &probe = RegistryProbe::emptyRegistry());
int ImportRegBytes(const QByteArray &bytes, const RegImportCallback &callback,
                   const RegistryProbe &probe = RegistryProbe::emptyRegistry());

} // namespace talmo
