#pragma once

#include <QString>

namespace talmo::cabwiz {

// The name under which a file is stored in the cabinet, in the 8.3 manner of
// device cabinets: up to eight characters of the file's base name (six and "~1"
// when it is longer), then the file's sequence number in the cabinet as a
// three-digit extension. The sequence number alone keeps names unique.
QString cabMemberName(const QString &fileName, int sequence);

} // namespace talmo::cabwiz
