#include "designer/core/ScriptHelpPageBuilder.h"

#include "scriptknowledge/PrototypeSplitter.h"
#include "scriptknowledge/ScriptHelpPages.h"
#include "scriptknowledge/ScriptKnowledgeBase.h"

#include <QHash>

namespace talmo {

namespace {

const QStringList &Head()
{
    static const QStringList lines = { "<html>", "<header>", "</header>",
                                       "<body bgcolor=\"#FFFFCC\" text=\"#000000\">", "<font size=\"2\" face=\"tahoma\">" };
    return lines;
}

const QStringList &Tail()
{
    static const QStringList lines = { "</body>", "</html>" };
    return lines;
}

const QStringList &SmallFontRule()
{
    static const QStringList lines = { "<font size=\"1\" face=\"tahoma\">", "<hr>" };
    return lines;
}

QStringList StartPage()
{
    return QStringList({ "<b>Code Editor Helper</b>" }) + SmallFontRule()
        + QStringList({ "<b>See also</b>&nbsp;&nbsp;",
                        "<a href=\"1\">Classes Definitions</a> | ",
                        "<a href=\"2\">Using DLLs</a> | ",
                        "<a href=\"3\">Functions Reference</a> | ",
                        "<a href=\"4\">Constants</a>",
                        "<hr>",
                        "<b>Events</b>",
                        "<br><br>",
                        "Every Control has a set of avaiable events, that are fired",
                        "when certain conditions are met, for example when the user clicks",
                        "the control, or the form is activated.",
                        "<br><br>",
                        "For adding an event on an ",
                        "object, first select the object, then press the add button and select",
                        "the event from the menu.<br><br>If you don't want a event to executed then",
                        "select the event and press the delete button. If later you want to add",
                        "again this event, then the previous code will be inserted into the code",
                        "editor.",
                        "<br><br>",
                        "If for some reason you want to delete all your event's code and revert",
                        "to the default code, simple press the Default Code button.",
                        "<hr>",
                        "Help content is from the Inno Setup Documentation",
                        "<br><br>" });
}

// The support classes in the order the page lists them (parents first,
// related classes together), by their names in the class table.
const QStringList &ClassPageOrder()
{
    static const QStringList names = {
        "TObject", "TPersistent", "TComponent", "TStrings", "TStringList", "TStream", "THandleStream",
        "TFileStream", "TGraphicObject", "TFont", "TCanvas", "TPen", "TBrush", "TGraphic", "TBitmap", "TControl",
        "TWinControl", "TGraphicControl", "TCustomControl", "TControlScrollBar", "TScrollingWinControl", "TForm",
        "TCustomLabel", "TLabel", "TCustomEdit", "TEdit", "TCustomMemo", "TMemo", "TCustomComboBox", "TComboBox",
        "TButtonControl", "TButton", "TCustomCheckBox", "TCheckBox", "TRadioButton", "TCustomListBox", "TListBox",
        "TBevel", "TCustomPanel", "TPanel", "TNewStaticText", "TNewCheckListBox", "TNewProgressBar",
        "TRichEditViewer", "TPasswordEdit", "TCustomFolderTreeView", "TFolderTreeView", "TStartMenuFolderTreeView",
        "TBitmapImage", "TNewNotebook", "TNewNotebookPage", "TWizardPage", "TInputQueryWizardPage",
        "TInputOptionWizardPage", "TInputDirWizardPage", "TInputFileWizardPage", "TOutputMsgWizardPage",
        "TOutputMsgMemoWizardPage", "TOutputProgressWizardPage", "TUIStateForm", "TSetupForm", "TMainForm",
        "TWizardForm",
    };
    return names;
}

QStringList ClassesPage(const ScriptKnowledgeBase &knowledge)
{
    QStringList page = QStringList({ "<b>Classes Definitions</b>" }) + SmallFontRule();
    page += {
        "",
        "Your code may create and use objects of the support classes below; the members listed are the ones the script can reach.",
        "Two objects are there in every script without being declared: MainForm, of type TMainForm, the window behind the wizard, and WizardForm, of type TWizardForm, the wizard itself.",
        "For a control's Cursor property the constant crHand gives the hand-shaped mouse pointer.",
        "<br><br>",
        "<table width=\"500\"><tr><td>",
    };
    const ScriptClassTable &classes = knowledge.ScriptClasses();
    bool first = true;
    for (const QString &name : ClassPageOrder()) {
        const int index = classes.indexOf(name);
        if (index < 0)
            continue;
        if (!first)
            page.append(QStringLiteral("<br>"));
        first = false;
        const ScriptClass &scriptClass = classes.at(index);
        const QString parent = scriptClass.parent < 0 ? QString() : u'(' + classes.at(scriptClass.parent).name + u')';
        page.append(scriptClass.name + QStringLiteral(" = class") + parent + QStringLiteral("<br>"));
        for (const ScriptClassMember &member : scriptClass.members)
            page.append(QStringLiteral("&nbsp;&nbsp;") + member.declaration + QStringLiteral("<br>"));
        page.append(QStringLiteral("end;<br>"));
    }
    page.append(QStringLiteral("</td><tr></table>"));
    return page;
}

QStringList DllPage()
{
    return QStringList({ "<b>Using DLLs</b>" }) + SmallFontRule()
        + QStringList({
            "<p>Your code can call functions that live in a DLL instead of writing their body. Declare the "
            "function or procedure as usual and close the declaration with an <b>external</b> clause naming "
            "where the function is found. The clause has three forms:</p>",
            "<p><code>external 'FunctionName@FileName.dll';</code><br>"
            "the name the DLL exports the function under and the DLL's file name.</p>",
            "<p><code>external 'FunctionName@FileName.dll CallingConvention';</code><br>"
            "the same with the calling convention the function expects: stdcall, which is used when none "
            "is named, or cdecl, pascal or register.</p>",
            "<p><code>external 'FunctionName@FileName.dll CallingConvention Options';</code><br>"
            "the same with one or more loading options, separated by blanks:</p>",
            "<b>delayload</b><br>",
            "The DLL is not loaded when the script starts but on the first call of the function. A DLL or "
            "function that cannot be found then does not stop the setup from starting; only the call fails, "
            "with an exception your code can catch. Use it for DLLs that some systems do not have.<br><br>",
            "<b>setuponly</b><br>",
            "The function is only imported while the setup runs. The uninstaller leaves it out, so it never "
            "needs the DLL.<br><br>",
            "<b>uninstallonly</b><br>",
            "The function is only imported by the uninstaller. The setup leaves it out.<br><br>",
            "<b>Example</b><br>",
            "<pre>function GetTickCount: Cardinal;",
            "  external 'GetTickCount@kernel32.dll stdcall';",
            "",
            "function MessageBeep(uType: Cardinal): Boolean;",
            "  external 'MessageBeep@user32.dll stdcall delayload';</pre>",
        });
}

struct FunctionCategory
{
    const char *title;
    QStringList functions;
};

const QList<FunctionCategory> &FunctionCategories()
{
    static const QList<FunctionCategory> categories = {
        { "Setup or Uninstall Info functions",
          { "GetCmdTail", "ParamCount", "ParamStr", "ActiveLanguage", "CustomMessage", "FmtMessage", "SetupMessage",
            "WizardDirValue", "WizardGroupValue", "WizardNoIcons", "WizardSetupType", "WizardSelectedComponents",
            "WizardSelectedTasks", "WizardSilent", "IsUninstaller", "UninstallSilent", "CurrentFileName",
            "ExpandConstant", "ExpandConstantEx", "IsComponentSelected", "IsTaskSelected", "ExtractTemporaryFile",
            "GetPreviousData", "SetPreviousData", "Terminated" } },
        { "Exception functions", { "Abort", "RaiseException", "GetExceptionMessage", "ShowExceptionMessage" } },
        { "System functions",
          { "IsAdminLoggedOn", "IsPowerUserLoggedOn", "UsingWinNT", "GetWindowsVersion", "GetWindowsVersionEx",
            "GetWindowsVersionString", "IsWin64", "Is64BitInstallMode", "ProcessorArchitecture",
            "InstallOnThisVersion", "GetEnv", "GetUserNameString", "GetComputerNameString", "GetUILanguage",
            "FontExists", "FindWindowByClassName", "FindWindowByWindowName", "SendMessage", "PostMessage",
            "SendNotifyMessage", "RegisterWindowMessage", "SendBroadcastMessage", "PostBroadcastMessage",
            "SendBroadcastNotifyMessage", "CreateMutex", "CheckForMutexes", "MakePendingFileRenameOperationsChecksum",
            "UnloadDLL", "DLLGetLastError" } },
        { "String functions",
          { "Chr", "Ord", "Copy", "Length", "Lowercase", "Uppercase", "AnsiLowercase", "AnsiUppercase",
            "StringOfChar", "Delete", "Insert", "StringChange", "StringChangeEx", "Pos", "AddQuotes", "RemoveQuotes",
            "ConvertPercentStr", "CompareText", "CompareStr", "Format", "Trim", "TrimLeft", "TrimRight", "StrToIntDef",
            "StrToInt", "IntToStr", "CharLength", "AddBackslash", "RemoveBackslashUnlessRoot", "RemoveBackslash",
            "AddPeriod", "ExtractFileExt", "ExtractFileDir", "ExtractFilePath", "ExtractFileName",
            "ExtractFileDrive", "ExtractRelativePath", "ExpandFileName", "ExpandUNCFileName", "GetDateTimeString",
            "SetLength", "CharToOemBuff", "OemToCharBuff", "GetMD5OfString", "SysErrorMessage" } },
        { "Array functions", { "GetArrayLength", "SetArrayLength" } },
        { "Variant functions", { "Null", "Unassigned", "VarIsEmpty", "VarIsNull", "VarType" } },
        { "File System functions",
          { "DirExists", "FileExists", "FileOrDirExists", "FileSize", "GetSpaceOnDisk", "FileSearch", "FindFirst",
            "FindNext", "FindClose", "GetCurrentDir", "SetCurrentDir", "GetWinDir", "GetSystemDir", "GetSysWow64Dir",
            "GetTempDir", "GetShellFolder", "GetShellFolderByCSIDL", "GetShortName", "GenerateUniqueName",
            "GetVersionNumbers", "GetVersionNumbersString", "IsProtectedSystemFile", "GetMD5OfFile",
            "EnableFsRedirection" } },
        { "File functions",
          { "Exec", "ShellExec", "RenameFile", "ChangeFileExt", "FileCopy", "DeleteFile", "DelayDeleteFile",
            "LoadStringFromFile", "LoadStringsFromFile", "SaveStringToFile", "SaveStringsToFile", "CreateDir",
            "ForceDirectories", "RemoveDir", "DelTree", "CreateShellLink", "RegisterServer", "UnregisterServer",
            "RegisterTypeLibrary", "UnregisterTypeLibrary", "IncrementSharedCount", "DecrementSharedCount",
            "RestartReplace", "UnregisterFont", "ModifyPifFile" } },
        { "Registry functions",
          { "RegKeyExists", "RegValueExists", "RegGetSubkeyNames", "RegGetValueNames", "RegQueryStringValue",
            "RegQueryMultiStringValue", "RegQueryDWordValue", "RegQueryBinaryValue", "RegWriteStringValue",
            "RegWriteExpandStringValue", "RegWriteMultiStringValue", "RegWriteDWordValue", "RegWriteBinaryValue",
            "RegDeleteKeyIncludingSubkeys", "RegDeleteKeyIfEmpty", "RegDeleteValue" } },
        { "INI File functions",
          { "IniKeyExists", "IsIniSectionEmpty", "GetIniBool", "GetIniInt", "GetIniString", "SetIniBool", "SetIniInt",
            "SetIniString", "DeleteIniSection", "DeleteIniEntry" } },
        { "Custom Setup Wizard Page functions",
          { "CreateInputQueryPage", "CreateInputOptionPage", "CreateInputDirPage", "CreateInputFilePage",
            "CreateOutputMsgPage", "CreateOutputMsgMemoPage", "CreateOutputProgressPage", "CreateCustomPage",
            "CreateCustomForm", "PageFromID", "ScaleX", "ScaleY" } },
        { "Dialog functions", { "MsgBox", "SuppressibleMsgBox", "GetOpenFileName", "BrowseForFolder", "ExitSetupMsgBox" } },
        { "COM Automation objects support functions", { "CreateOleObject", "GetActiveOleObject", "CoFreeUnusedLibraries" } },
        { "Setup Logging functions", { "Log" } },
        { "Other functions", { "Sleep", "Random", "Beep", "BringToFrontAndRestore" } },
    };
    return categories;
}

// The declaration with the routine's name turned into a link to its page.
QString LinkedDeclaration(const QString &name, const QString &declaration)
{
    QString kind;
    QString declaredName;
    QString tail;
    SplitPrototype(declaration, kind, declaredName, tail);
    const qsizetype at = declaration.indexOf(name, kind.size());
    if (at < 0)
        return declaration;
    return declaration.left(at) + HelpLink(FunctionHelpTopicId(name), name) + declaration.mid(at + name.size());
}

QStringList FunctionsPage(const ScriptKnowledgeBase &knowledge)
{
    const ScriptMemberList functions = knowledge.ClassMembers(QString());
    QHash<QString, QString> declarations;
    for (qsizetype i = functions.insertTexts.size() - 1; i >= 0; --i)
        declarations.insert(functions.insertTexts.at(i), functions.declarations.at(i));

    QStringList page = { "<b>Functions Reference</b>",
                         "<p>Here's the list of support functions that can be called from within your code.</p>" };
    for (const FunctionCategory &category : FunctionCategories()) {
        page.append(QStringLiteral("<b>%1</b><br/>").arg(QLatin1String(category.title)));
        for (const QString &name : category.functions)
            page.append(LinkedDeclaration(name, declarations.value(name, name)) + QStringLiteral("<br/>"));
    }
    return page;
}

QStringList ConstantsPage()
{
    QStringList page = QStringList({ "<b>Constants</b>" }) + SmallFontRule();
    page += { "You can access all the Wizard's Constants from your Code. This is done with the help of the function "
              "ExapandConsant(S: String)<br><br>",
              "This function changes all constants in S to their values. For example, ExpandConstant('{srcexe}') is "
              "changed to the filename of Setup.<br><br>",
              "An exception will be raised if there was an error expanding the constants." };
    AddConstantsHelp(true, page);
    return page;
}

QStringList PageBody(const QString &key, const ScriptKnowledgeBase &knowledge)
{
    if (key == QLatin1String("0"))
        return StartPage();
    if (key == QLatin1String("1"))
        return ClassesPage(knowledge);
    if (key == QLatin1String("2"))
        return DllPage();
    if (key == QLatin1String("3"))
        return FunctionsPage(knowledge);
    if (key == QLatin1String("4"))
        return ConstantsPage();
    QStringList page;
    AddFunctionHelp(key, page);
    return page;
}

} // namespace

QString HelpLink(const QString &key, const QString &text)
{
    return QStringLiteral("<a href=\"%1\">%2</a>").arg(key, text);
}

QStringList BuildScriptHelpPage(const QString &key, const ScriptKnowledgeBase &knowledge)
{
    QStringList body = PageBody(key, knowledge);
    if (body.isEmpty())
        body = { "<font size=\"2\" face=\"tahoma\">", "<b>Topic not found</b>" };
    return Head() + body + Tail();
}

} // namespace talmo
