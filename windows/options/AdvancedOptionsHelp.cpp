#include "windows/options/AdvancedOptionsHelp.h"

#include "helpers/core/PathHelpers.h"
#include "scriptknowledge/ScriptHelpPages.h"

#include <QStringList>

#include <map>

namespace talmo {

namespace {

using Values = AdvancedBuilderValues;

const QStringList GeneralText = { QStringLiteral("Advanced Settings for the Windows Setup Executable"),
                                  QStringLiteral("<br><br>"),
                                  QStringLiteral("It is safely to leave them to default values.") };

// The rows whose help is plain text.
const std::map<int, QStringList> &PlainTexts()
{
    static const std::map<int, QStringList> texts = {
        { Values::Uninstallable,
          { QStringLiteral("Decides whether the setup installs an uninstall program with the application."),
            QStringLiteral("<br><br>With \"no\" nothing is installed to remove the application later, and it is "
                           "not listed among the installed programs.") } },
        { Values::CreateUninstallRegKey,
          { QStringLiteral("With \"no\" the setup does not list the application among the installed programs "
                           "(Add/Remove Programs), while the uninstall program is still installed."),
            QStringLiteral("<br><br>Usually set together with Update Uninstall Log Application Name set to "
                           "\"no\", for instance by the setup of an update that belongs to another "
                           "application.") } },
        { Values::UpdateUninstallLogAppName,
          { QStringLiteral("When the setup adds its entries to an uninstall log that is already there, \"yes\" "
                           "writes this setup's application name into that log; \"no\" keeps the name the log "
                           "already holds.") } },
        { Values::AppID,
          { QStringLiteral("If empty, it will be equal to Application's Name."),
            QStringLiteral("<br><br>The application ID tells the setup which earlier installations belong to the "
                           "same application: their uninstall log is used again, and the uninstall registry key "
                           "is named after the ID with \"_is1\" appended."),
            QStringLiteral("<br><br>After its constants are expanded the ID may not be longer than 127 "
                           "characters.") } },
        { Values::AlwaysShowComponentsList,
          { QStringLiteral("For a setup whose components the user may choose: with \"yes\" the list of components "
                           "is shown whatever setup type is chosen, with \"no\" only for the custom setup "
                           "type.") } },
        { Values::CompressCab,
          { QStringLiteral("Compress the CAB file created from CAB Creator Module."),
            QStringLiteral("<br><br>Warning: Compressed CAB Files are supported from Windows Mobile 5 and up.") } },
        { Values::DCMRequired,
          { QStringLiteral("If is set, then setup wizard will not allow user to continue with the installation, if "),
            QStringLiteral("not all the selected Direct Copy to Device Modules are installed properly.<br><br>") } },
        { Values::VersionInfoCompany,
          { QStringLiteral("Specifies the company name value for the Wizard Executable version info.") } },
        { Values::VersionInfoCopyright,
          { QStringLiteral("Specifies the copyright value for the Wizard Executable version info.") } },
        { Values::VersionInfoDescription,
          { QStringLiteral("Specifies the file description value for the Wizard Executable version info.") } },
        { Values::VersionInfoVersion,
          { QStringLiteral("Specifies the binary file version value in X.X.X.X format for the Wizard Executable "
                           "version info.<br><br>"),
            QStringLiteral("Partial version numbers are allowed. Missing numbers will be appended as zero's.") } },
        { Values::CreateCABIcons,
          { QStringLiteral("If set then Setup Wizard will ask the user if wants to create shortcut(s) for "
                           "installing"),
            QStringLiteral("again to mobile device in later time the selected for installation components."),
            QStringLiteral("<br><br>"),
            QStringLiteral("The modules which supporting this feature is the CAB Creator Module and the CAB "
                           "Collection Module"),
            QString() } },
        { Values::CreateCABIconsEnabledForHidden,
          { QStringLiteral("If set then Setup Wizard will enable the shortcut(s) creation question and for any"),
            QStringLiteral("supported hidden modules, otherwise will not ask or create any shortcut(s) for these "
                           "modules."),
            QStringLiteral("<br><br>"),
            QStringLiteral("The modules which supporting this feature is the CAB Creator Module and the CAB "
                           "Collection Module"),
            QString() } },
    };
    return texts;
}

struct DirectoryConstant
{
    const char *name;
    const char *description;
};

constexpr DirectoryConstant DirectoryConstants[] = {
    { "{win}", "The Windows folder of the computer the setup runs on." },
    { "{async}", "The Active Sync directory." },
    { "{sys}", "The system folder of Windows, where the shared system files lie." },
    { "{syswow64}", "The folder of the 32-bit system files on 64-bit Windows." },
    { "{sd}", "The drive Windows is installed on, such as \"C:\"." },
    { "{pf}", "The folder programs are installed in, usually \"Program Files\"." },
    { "{pf32}", "The folder 32-bit programs are installed in." },
    { "{pf64}", "The folder 64-bit programs are installed in; only on 64-bit Windows." },
    { "{cf}", "The folder of the files programs share, usually \"Program Files\\Common Files\"." },
    { "{cf32}", "The shared files folder of 32-bit programs." },
    { "{cf64}", "The shared files folder of 64-bit programs; only on 64-bit Windows." },
};

void AddDefaultFolderHelp(QStringList &lines)
{
    lines << QStringLiteral("The value of this directive is used for the default directory name, ")
          << QStringLiteral("which is used in the Select Destination Location page of the wizard.")
          << QStringLiteral("If empty then the default will be used, wich is \"{pf}\\%AppName%\".")
          << QStringLiteral("<hr>") << QStringLiteral("<h5>Project Constants</h5>")
          << QStringLiteral("<b>%AppName%</b><br>") << QStringLiteral("The Application's name.")
          << QStringLiteral("<br><br>") << QStringLiteral("<b>%Provider%</b><br>")
          << QStringLiteral("The Provider's name.") << QStringLiteral("<hr>")
          << QStringLiteral("<h5>Directory Constants</h5>");
    for (std::size_t i = 0; i < std::size(DirectoryConstants); ++i) {
        if (i > 0)
            lines << QStringLiteral("<br><br>");
        lines << QStringLiteral("<b>%1</b><br>").arg(QLatin1String(DirectoryConstants[i].name))
              << QLatin1String(DirectoryConstants[i].description);
    }
}

void AddIcon(const QString &value, const QString &projectFileName, QStringList &lines)
{
    lines << QStringLiteral("<hr><div align=\"left\">Currently assigned icon<br>");
    if (value.isEmpty()) {
        lines << QStringLiteral("<br><i>No Icon Selected</i>");
        return;
    }
    lines << QStringLiteral("<img src=\"") + AdvancedOptionsHelp::IconScheme
                 + AdvancedOptionsHelp::IconPath(value, projectFileName).toHtmlEscaped() + QStringLiteral("\">");
}

void AddUserInfoHelp(const QString &what, QStringList &lines)
{
    lines << QStringLiteral("Specifies the default %1 shown on the User Information wizard page. This can include "
                            "constants.")
                 .arg(what);
    AddConstantsHelp(true, lines);
}

void AddRowHelp(int tag, const AdvancedBuilderValues &values, const QString &projectFileName, QStringList &lines)
{
    if (const auto plain = PlainTexts().find(tag); plain != PlainTexts().end()) {
        lines << plain->second;
        return;
    }
    switch (tag) {
    case Values::DefaultDirName:
        AddDefaultFolderHelp(lines);
        return;
    case Values::DefaultUserInfoName:
        AddUserInfoHelp(QStringLiteral("name"), lines);
        return;
    case Values::DefaultUserInfoOrg:
        AddUserInfoHelp(QStringLiteral("organization"), lines);
        return;
    case Values::DefaultUserInfoSerial:
        AddUserInfoHelp(QStringLiteral("serial number"), lines);
        return;
    case Values::ActiveSyncIcon:
        lines << QStringLiteral("<a href=\"browse_IC\">Select Icon Filename ...</a><br>")
              << QStringLiteral("<a href=\"clear_IC\">Clear Icon Filename ...</a><br><br>")
              << QStringLiteral("String that identifies the icon file for ActiveSync of your CAB Creator "
                                "Module.<br>");
        AddIcon(values.text(tag), projectFileName, lines);
        return;
    case Values::WizardIcon:
        lines << QStringLiteral("<a href=\"clear_ICW\">Clear Icon Filename ...</a><br><br>")
              << QStringLiteral("Specifies a custom program icon to use for Setup/Uninstall.<br>")
              << QStringLiteral("This directive is not supported if you're compiling under Windows 95/98/Me.");
        AddIcon(values.text(tag), projectFileName, lines);
        return;
    default:
        lines << GeneralText;
    }
}

} // namespace

QString AdvancedOptionsHelp::IconPath(const QString &value, const QString &projectFileName)
{
    return ResolveFileReference(projectFileName, value);
}

QString AdvancedOptionsHelp::Html(std::optional<int> tag, const AdvancedBuilderValues &values,
                                  const QString &projectFileName)
{
    QStringList lines = { QStringLiteral("<html>"), QStringLiteral("<header>"), QStringLiteral("</header>"),
                          QStringLiteral("<body bgcolor=\"#FFFFCC\" text=\"#000000\">"),
                          QStringLiteral("<font size=\"1\" face=\"tahoma\">") };
    if (tag)
        AddRowHelp(*tag, values, projectFileName, lines);
    else
        lines << GeneralText;
    lines << QStringLiteral("</body>") << QStringLiteral("</html>");
    return lines.join(QLatin1Char('\n'));
}

} // namespace talmo
