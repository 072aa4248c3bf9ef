#pragma once

#include <QString>

namespace talmo {

// What the program says about itself: the about box, the web-site commands
// and the Welcome tab read these.
struct ProgramInfo
{
    static inline const QString Name = QStringLiteral("Talmo");
    static inline const QString VersionText = QStringLiteral("Version 2.6");
    static inline const QString WebSite = QStringLiteral("https://talmo.example.org/");
    static inline const QString SupportMail = QStringLiteral("support@talmo.example.org");
    static inline const QString Notice = QStringLiteral("Copyright (C) the Talmo authors. All rights reserved.");
    static const QString &LicenceText();
    // The outside components this build contains portions of, one per line.
    static const QString &ThirdPartyText();
};

} // namespace talmo
