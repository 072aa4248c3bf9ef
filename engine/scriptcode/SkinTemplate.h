#pragma once

#include <QString>
#include <QStringList>

namespace talmo {

// The script template of a setup skin: the file "Setup Skins\<name>\<name>.iss"
// beside the program, read as 8-bit lines. Its [Code] part joins the generated
// script; the body of its InitializeWizard routine starts the generated one.
class SkinTemplate
{
public:
    // The skin named "Default" (exactly) has no template.
    static bool HasTemplate(const QString &skinName);
    // programFolder ends with a separator.
    static QString PathOf(const QString &programFolder, const QString &skinName);
    // Raises ScriptGenerationError when the file is missing or unreadable.
    static QStringList Load(const QString &programFolder, const QString &skinName);

    // The template's InitializeWizard without its head and closing line: its
    // local declarations, its begin line and its statements. Empty when the
    // template has no such routine. Raises ScriptGenerationError for an empty
    // template, for a head without a following begin line and for a template
    // that ends inside an inner block.
    static QStringList InitializeWizardBody(const QStringList &templateLines);

    // The lines after the template's first [Code] line without its
    // InitializeWizard routine; the line after the first begin that follows
    // a CurPageChanged line calls TALMO_Script_CurPageChanged. Empty without [Code].
    static QStringList CodeWithoutInitializeWizard(const QStringList &templateLines);
};

} // namespace talmo
