#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace talmo {

// The bitmaps that ship beside the program: the setup skins' wizard and button
// bitmaps and the wizard images the appearance page offers. All are drawn
// here, as 24-bit BMP files.
class SetupImages
{
public:
    // Paths relative to the program folder, with "/" between folders.
    static QStringList relativePaths();
    // Draws the image that belongs at a path of relativePaths().
    static QImage draw(const QString &relativePath);
    // Writes every image below programFolder; false with a reason on failure.
    static bool writeAll(const QString &programFolder, QString *error);
};

} // namespace talmo
