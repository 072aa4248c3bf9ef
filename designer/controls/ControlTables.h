#pragma once

#include "designer/DesignPropertyTable.h"

#include <QStringList>

namespace talmo {

// The stored properties the palette classes share, with their defaults, so
// each class's table lists only what differs.
namespace row {

DesignProperty align();
DesignProperty alignment(int defaultValue);
DesignProperty anchors();
DesignProperty borderStyle(int defaultValue);
DesignProperty boolean(const char *name, bool defaultValue);
DesignProperty caption();
DesignProperty color(int defaultValue);
DesignProperty enabled();
DesignProperty enumeration(const char *name, int defaultValue);
DesignProperty font();
DesignProperty integer(const char *name, int defaultValue);
DesignProperty parentColor(bool defaultValue);
DesignProperty parentFont();
DesignProperty reference(const char *name);
DesignProperty showHint();
DesignProperty strings(const char *name);
DesignProperty tabOrder();
DesignProperty tabStop(bool defaultValue);
DesignProperty text(const char *name);
DesignProperty visible();

} // namespace row

// A class's table: the base control's rows, then own rows sorted by name.
DesignPropertyTable controlTable(const QMetaObject &meta, std::vector<DesignProperty> own);

} // namespace talmo
