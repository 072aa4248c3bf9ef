#include "windows/main/ProgramInfo.h"

namespace talmo {

const QString &ProgramInfo::LicenceText()
{
    static const QString text = QStringLiteral(
        "Talmo licence\n"
        "\n"
        "You may install and use this program to prepare installations of your own "
        "applications, for any purpose, commercial ones included. The installations "
        "you build with it are yours and may be given away or sold without notice.\n"
        "\n"
        "You may not sell the program itself or pass it off as your own work.\n"
        "\n"
        "The program comes as it is, without any warranty. Its authors are not liable "
        "for any damage that its use or the installations built with it may cause.\n");
    return text;
}

const QString &ProgramInfo::ThirdPartyText()
{
    static const QString text = QStringLiteral(
        "This program contains portions of the following components:\n"
        "\n"
        "Qt 6 - the application framework (The Qt Company Ltd. and contributors; LGPL 3).\n"
        "libgcab - Microsoft cabinet files, used by the CAB wizard (GNOME project; LGPL 2.1).\n");
    return text;
}

} // namespace talmo
