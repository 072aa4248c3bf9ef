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
        "QScintilla - the text editor of the script editors (Riverbank Computing Limited; GPL 3), "
        "built on Scintilla (Neil Hodgson; Scintilla licence, MIT style).\n"
        "libgcab - Microsoft cabinet files, used by the CAB wizard (GNOME project; LGPL 2.1 or later).\n"
        "GLib - the utility library libgcab is built on (GNOME project; LGPL 2.1 or later).\n"
        "zlib - the compression under libgcab (Jean-loup Gailly and Mark Adler; zlib licence).\n"
        "Pascal Script - the compiler the [Code] checker of the installer compiler is built from "
        "(Carlo Kok and RemObjects Software; zlib-style Pascal Script licence).\n"
        "Free Pascal runtime library - the runtime the [Code] checker is compiled with "
        "(Free Pascal team; LGPL 2.1 or later with the static linking exception).\n");
    return text;
}

} // namespace talmo
