#include "ScriptChecker.h"

#include "CompileError.h"
#include "CompilerMessages.h"
#include "EntryValueChecks.h"
#include "LangOptionsValueChecks.h"
#include "SectionRules.h"
#include "SetupValueChecks.h"
#include "SupportFunctions.h"
#include "ValueForms.h"
#include "platform/AnsiCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace talmo::iscmplr {

namespace {

const QStringList kParameterSectionsInOrder = {
    QStringLiteral("Types"), QStringLiteral("Components"), QStringLiteral("Tasks"), QStringLiteral("Dirs"),
    QStringLiteral("Files"), QStringLiteral("Icons"), QStringLiteral("INI"), QStringLiteral("InstallDelete"),
    QStringLiteral("UninstallDelete"), QStringLiteral("Registry"), QStringLiteral("Run"), QStringLiteral("UninstallRun")};

const QStringList kSetupFileDirectives = {QStringLiteral("LicenseFile"),     QStringLiteral("InfoBeforeFile"),
                                          QStringLiteral("InfoAfterFile"),   QStringLiteral("SetupIconFile"),
                                          QStringLiteral("WizardImageFile"), QStringLiteral("WizardSmallImageFile")};

// Directives that take yes, no or a check expression naming [Code] functions.
const QStringList kSetupCheckDirectives = {QStringLiteral("Uninstallable"), QStringLiteral("CreateUninstallRegKey")};

// Created when a script has components but no types of its own.
const QStringList kDefaultTypes = {QStringLiteral("full"), QStringLiteral("compact"), QStringLiteral("custom")};

bool isOperatorWord(const QString &word)
{
    return word.compare(QLatin1String("and"), Qt::CaseInsensitive) == 0 || word.compare(QLatin1String("or"), Qt::CaseInsensitive) == 0
        || word.compare(QLatin1String("not"), Qt::CaseInsensitive) == 0;
}

bool isBooleanLiteral(const QString &word)
{
    return word.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 || word.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0;
}

// Where the installer constants of a text begin ("{{" is an escaped brace).
QList<qsizetype> constantStarts(const QString &value)
{
    QList<qsizetype> starts;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value.at(i) != QLatin1Char('{'))
            continue;
        if (i + 1 < value.size() && value.at(i + 1) == QLatin1Char('{'))
            ++i;
        else
            starts << i;
    }
    return starts;
}

bool containsConstant(const QString &value)
{
    return !constantStarts(value).isEmpty();
}

// Splits "[LANG.]Name=value" at the first "=" and the name's first ".".
struct PrefixedLine
{
    bool hasLanguage = false;
    QString language;
    QString name;
    QString value;
};

struct DirectiveLine
{
    QString name;
    QString value;
};

// As SeparateDirective: a value wholly in double quotes loses them, and
// quotes inside are taken as they stand.
DirectiveLine splitDirectiveLine(const SourceLine &line)
{
    const qsizetype equals = line.text.indexOf(QLatin1Char('='));
    if (equals <= 0)
        throw CompileError::at(line, QStringLiteral("A [Setup] line needs the form Directive=value"));
    QString value = line.text.mid(equals + 1).trimmed();
    if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
        value = value.mid(1, value.size() - 2);
    return {line.text.left(equals).trimmed(), value};
}

// [LangOptions] lines are read as directives (SeparateDirective: a name,
// and the value without its surrounding quotes); [Messages] and
// [CustomMessages] lines need only their "=" (SCompilerMessagesMissingEquals).
PrefixedLine splitPrefixedLine(const SourceLine &line, const QString &sectionName)
{
    const bool directive = sectionName == QLatin1String("LangOptions");
    const qsizetype equals = line.text.indexOf(QLatin1Char('='));
    if (equals < 0 || (directive && line.text.left(equals).trimmed().isEmpty()))
        throw CompileError::at(line, QStringLiteral("A line of [%1] needs the form Name=value").arg(sectionName));
    PrefixedLine result;
    if (directive) {
        const DirectiveLine split = splitDirectiveLine(line);
        result.name = split.name;
        result.value = split.value;
    } else {
        result.name = line.text.left(equals).trimmed();
        result.value = line.text.mid(equals + 1);
    }
    const qsizetype dot = result.name.indexOf(QLatin1Char('.'));
    if (dot >= 0) {
        result.hasLanguage = true;
        result.language = result.name.left(dot);
        result.name = result.name.mid(dot + 1);
    }
    return result;
}

} // namespace

ScriptChecker::ScriptChecker(HostPaths paths, CompileOptions options, CodeSectionCompiler codeCompiler, StatusSink status)
    : m_paths(std::move(paths))
    , m_options(std::move(options))
    , m_codeCompiler(std::move(codeCompiler))
    , m_status(std::move(status))
{
}

CheckedScript ScriptChecker::check(const SourceLines &preprocessed)
{
    for (const SourceLine &line : preprocessed)
        m_result.preprocessedScript << line.text;
    m_sections = ScriptSections::read(preprocessed);
    checkSetup();
    checkLanguages();
    checkCode();
    checkSetupReferences();
    checkParameterSections();
    checkFilesLibraries();
    chooseOutput();
    m_result.languages = m_languages.ordered();
    return m_result;
}

SourceLine ScriptChecker::sectionStart(const QString &name) const
{
    const Section *section = m_sections.find(name);
    return section ? section->header : SourceLine{};
}

void ScriptChecker::checkSetup()
{
    const Section *section = m_sections.find(QStringLiteral("Setup"));
    if (section) {
        m_status(QStringLiteral("Parsing [Setup] section"));
        readSetupMinVersion(*section);
        for (const SourceLine &line : section->lines) {
            const auto [name, value] = splitDirectiveLine(line);
            if (!SetupDirectives::isSetupDirective(name))
                throw CompileError::at(line, CompilerMessages::unknownDirective(QStringLiteral("Setup"), name));
            if (name.compare(QLatin1String("MessagesFile"), Qt::CaseInsensitive) == 0)
                throw CompileError::at(line, CompilerMessages::messagesFileObsolete);
            if (m_setup.contains(name.toLower()))
                throw CompileError::at(line, CompilerMessages::directiveAgain(QStringLiteral("Setup"), name));
            SetupValueChecks::check(name, value, line,
                                    {!m_options.outputDir.isEmpty(), !m_options.outputBaseFilename.isEmpty(), m_setupMinVersion});
            if (SetupDirectives::isObsoleteWithWarning(name))
                m_result.warnings << QStringLiteral("The [Setup] directive \"%1\" is obsolete and ignored").arg(name);
            m_setup.insert(name.toLower(), value);
        }
    }
    const SourceLine where = sectionStart(QStringLiteral("Setup"));
    const auto setting = [this](const char *name) { return m_setup.value(QString::fromLatin1(name).toLower()); };
    // A yes/no directive the section leaves out keeps the compiler's default
    // (its initial SetupHeader.Options, UseSetupLdr).
    const auto isOn = [this, &setting](const char *name, bool byDefault) {
        return m_setup.contains(QString::fromLatin1(name).toLower()) ? ValueForms::isTrue(setting(name)) : byDefault;
    };
    // The checks after the section is read: SCompilerEntryMissing2,
    // SCompilerAppVersionOrAppVerNameRequired, SCompilerMustUseDisableStartupPrompt,
    // SCompilerMustNotUsePreviousLanguage, SCompilerNoSetupLdrSignError.
    if (setting("AppName").isEmpty())
        throw CompileError::at(where, CompilerMessages::directiveMissing(QStringLiteral("AppName")));
    if (setting("AppVersion").isEmpty() && setting("AppVerName").isEmpty())
        throw CompileError::at(where, CompilerMessages::appVersionMissing);
    if (containsConstant(setting("AppName")) && !isOn("DisableStartupPrompt", true))
        throw CompileError::at(where, CompilerMessages::appNameConstantsNeedNoStartupPrompt);
    if (containsConstant(setting("AppId")) && isOn("UsePreviousLanguage", true))
        throw CompileError::at(where, CompilerMessages::appIdConstantsNeedNoPreviousLanguage);
    if (isOn("CreateAppDir", true) && setting("DefaultDirName").isEmpty())
        throw CompileError::at(where, CompilerMessages::directiveMissing(QStringLiteral("DefaultDirName")));
    if (isOn("Encryption", false) && setting("Password").isEmpty())
        throw CompileError::at(where, CompilerMessages::directiveMissing(QStringLiteral("Password")));
    if (isOn("SignedUninstaller", false) && !isOn("UseSetupLdr", true))
        throw CompileError::at(where, CompilerMessages::signingNeedsSetupLoader);
    if (!setting("SourceDir").isEmpty())
        m_paths.setSourceDir(m_paths.resolve(setting("SourceDir")));
    checkSetupFiles();
}

// The real compiler checks the section's constants once it is read, so its
// MinVersion applies wherever it stands; a value it refuses is refused at its line.
void ScriptChecker::readSetupMinVersion(const Section &section)
{
    for (const SourceLine &line : section.lines) {
        const qsizetype equals = line.text.indexOf(QLatin1Char('='));
        if (equals > 0 && line.text.left(equals).trimmed().compare(QLatin1String("MinVersion"), Qt::CaseInsensitive) == 0)
            m_setupMinVersion = WindowsVersions::parse(splitDirectiveLine(line).value, true, WindowsVersions::setupDefault())
                                    .value_or(WindowsVersions::setupDefault());
    }
}

// Looked for once the whole section is read: SourceDir applies wherever it stands.
void ScriptChecker::checkSetupFiles()
{
    const Section *section = m_sections.find(QStringLiteral("Setup"));
    for (const SourceLine &line : section ? section->lines : SourceLines()) {
        const auto [name, value] = splitDirectiveLine(line);
        if (kSetupFileDirectives.contains(name, Qt::CaseInsensitive) && !value.isEmpty())
            checkFileExists(line, name, value);
    }
}

// Checked once the messages and the [Code] routines are known.
void ScriptChecker::checkSetupReferences()
{
    const Section *section = m_sections.find(QStringLiteral("Setup"));
    for (const SourceLine &line : section ? section->lines : SourceLines()) {
        const auto [name, value] = splitDirectiveLine(line);
        checkReferences(line, value);
        if (kSetupCheckDirectives.contains(name, Qt::CaseInsensitive) && !ValueForms::isBoolean(value))
            checkCheckExpression(line, name, value);
    }
}

void ScriptChecker::checkLanguages()
{
    const Section *section = m_sections.find(QStringLiteral("Languages"));
    const SectionRule &rule = *SectionRules::forSection(QStringLiteral("Languages"));
    if (!section || section->lines.isEmpty()) {
        const QString defaultMessages = QStringLiteral("compiler:Default.isl");
        checkFileExists(sectionStart(QStringLiteral("Setup")), QStringLiteral("Messages file"), defaultMessages);
        readMessagesFile(m_paths.resolve(defaultMessages));
        m_languages.add(QStringLiteral("default"));
    } else {
        m_status(QStringLiteral("Parsing [Languages] section"));
        for (const SourceLine &source : section->lines) {
            const ParameterLine line = ParameterLine::parse(source);
            checkParameterLine(rule, line);
            checkNamedEntry(QStringLiteral("Languages"), line, m_languages);
            for (const QString &item : line.value(QStringLiteral("MessagesFile")).split(QLatin1Char(','))) {
                const QString file = item.trimmed();
                checkFileExists(source, QStringLiteral("Messages file"), file);
                readMessagesFile(m_paths.resolve(file));
            }
            for (const char *name : {"LicenseFile", "InfoBeforeFile", "InfoAfterFile"}) {
                const QString file = line.value(QString::fromLatin1(name));
                if (!file.isEmpty())
                    checkFileExists(source, QString::fromLatin1(name), file);
            }
        }
    }
    for (const char *name : {"LangOptions", "Messages", "CustomMessages"})
        checkLanguagePrefixedLines(QString::fromLatin1(name));
}

void ScriptChecker::readMessagesFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    bool inCustomMessages = false;
    for (const QByteArray &raw : file.readAll().split('\n')) {
        const QString line = AnsiCodec::decode(raw).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inCustomMessages = line.compare(QLatin1String("[CustomMessages]"), Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (!inCustomMessages || equals <= 0 || line.startsWith(QLatin1Char(';')))
            continue;
        const QString name = line.left(equals).trimmed();
        m_customMessages.insert(name.section(QLatin1Char('.'), -1).toLower());
    }
}

void ScriptChecker::checkLanguagePrefixedLines(const QString &sectionName)
{
    const Section *section = m_sections.find(sectionName);
    if (!section)
        return;
    m_status(QStringLiteral("Parsing [%1] section").arg(sectionName));
    for (const SourceLine &line : section->lines) {
        const PrefixedLine entry = splitPrefixedLine(line, sectionName);
        // ExtractLangIndex: FindLangEntryIndexByName compares the names as written.
        if (entry.hasLanguage && !m_languages.ordered().contains(entry.language))
            throw CompileError::at(line, QStringLiteral("Unknown language name \"%1\"").arg(entry.language));
        if (sectionName == QLatin1String("LangOptions")) {
            if (!SetupDirectives::isLangOptionsDirective(entry.name))
                throw CompileError::at(line, CompilerMessages::unknownDirective(QStringLiteral("LangOptions"), entry.name));
            LangOptionsValueChecks::check(entry.name, entry.value, !entry.hasLanguage && m_languages.ordered().size() > 1, line);
        }
        if (sectionName == QLatin1String("CustomMessages")) {
            // EnumCustomMessages: IsValidIdentString with the operator words allowed.
            if (!ValueForms::isIdentifier(entry.name, false, true))
                throw CompileError::at(line, CompilerMessages::customMessageBadName);
            m_customMessages.insert(entry.name.toLower());
        }
    }
}

void ScriptChecker::checkCode()
{
    const Section *section = m_sections.find(QStringLiteral("Code"));
    if (!section)
        return;
    m_status(QStringLiteral("Compiling [Code] section"));
    m_result.warnings << m_codeCompiler.compile(section->lines, section->header);
    m_code = CodeSection::scan(section->lines);
}

void ScriptChecker::checkParameterSections()
{
    for (const QString &name : kParameterSectionsInOrder) {
        const Section *section = m_sections.find(name);
        if (!section)
            continue;
        m_status(QStringLiteral("Parsing [%1] section").arg(name));
        const SectionRule &rule = *SectionRules::forSection(name);
        if (name == QLatin1String("Components") && !section->lines.isEmpty() && m_types.isEmpty()) {
            for (const QString &type : kDefaultTypes)
                m_types.add(type);
        }
        for (const SourceLine &source : section->lines) {
            const ParameterLine line = ParameterLine::parse(source);
            checkParameterLine(rule, line);
            const QStringList flags = line.words(QStringLiteral("Flags"));
            if (name == QLatin1String("Types"))
                checkNamedEntry(name, line, m_types);
            else if (name == QLatin1String("Components"))
                checkNamedEntry(name, line, m_components);
            else if (name == QLatin1String("Tasks"))
                checkNamedEntry(name, line, m_tasks);
            else if (name == QLatin1String("Files"))
                checkFileEntry(line, flags);
            else if (name.endsWith(QLatin1String("Run")))
                checkRunEntry(line, flags);
        }
    }
}

void ScriptChecker::checkParameterLine(const SectionRule &rule, const ParameterLine &line)
{
    const SourceLine &where = line.where();
    for (const Parameter &parameter : line.parameters()) {
        const ParameterRule *known = rule.parameter(parameter.name);
        if (!known)
            throw CompileError::at(where, QStringLiteral("Unrecognized parameter name \"%1\"").arg(parameter.name));
        if (known->noEmpty && parameter.value.isEmpty())
            throw CompileError::at(where, QStringLiteral("Parameter \"%1\" is empty").arg(known->name));
        if (known->noQuotes && parameter.value.contains(QLatin1Char('"')))
            throw CompileError::at(where, QStringLiteral("Parameter \"%1\" cannot include quotes (\")").arg(known->name));
    }
    for (const ParameterRule &required : rule.parameters) {
        const bool destDirOfDontCopy = rule.section == QLatin1String("Files") && required.name == QLatin1String("DestDir");
        if (required.required && !destDirOfDontCopy && !line.has(required.name))
            throw CompileError::at(where, QStringLiteral("Required parameter \"%1\" not specified").arg(required.name));
    }
    EntryValueChecks::check(rule, line, m_setupMinVersion);
    if (rule.parameter(QStringLiteral("Types")))
        checkExpressionNames(where, QStringLiteral("Types"), line.value(QStringLiteral("Types")), m_types, QStringLiteral("type"));
    checkExpressionNames(where, QStringLiteral("Components"), line.value(QStringLiteral("Components")), m_components,
                         QStringLiteral("component"));
    checkExpressionNames(where, QStringLiteral("Tasks"), line.value(QStringLiteral("Tasks")), m_tasks, QStringLiteral("task"));
    if (rule.section != QLatin1String("Languages")) {
        checkExpressionNames(where, QStringLiteral("Languages"), line.value(QStringLiteral("Languages")), m_languages,
                             QStringLiteral("language"));
    }
    checkCheckExpression(where, QStringLiteral("Check"), line.value(QStringLiteral("Check")));
    for (const char *name : {"BeforeInstall", "AfterInstall"}) {
        const QString value = line.value(QString::fromLatin1(name));
        if (!value.isEmpty())
            requireRoutine(where, value.section(QLatin1Char('('), 0, 0).trimmed(), QString::fromLatin1(name));
    }
    for (const Parameter &parameter : line.parameters())
        checkReferences(where, parameter.value);
}

// Names may repeat: the real compiler keeps every entry of a name. It refuses
// a second custom type (EnumTypes, SCompilerTypesCustomTypeAlreadyDefined)
// and a component or task more than one level below the one before it
// (EnumComponents, EnumTasks: CountChars of "\\" once "/" became "\\").
void ScriptChecker::checkNamedEntry(const QString &sectionName, const ParameterLine &line, NameSet &names)
{
    const QString name = line.value(QStringLiteral("Name"));
    if (sectionName == QLatin1String("Types") && line.words(QStringLiteral("Flags")).contains(QLatin1String("iscustom"))) {
        if (m_customTypeSeen)
            throw CompileError::at(line.where(), CompilerMessages::customTypeAgain);
        m_customTypeSeen = true;
    }
    if (sectionName == QLatin1String("Components") || sectionName == QLatin1String("Tasks")) {
        const auto levelOf = [](const QString &text) { return int(text.count(QLatin1Char('\\')) + text.count(QLatin1Char('/'))); };
        const int previousLevel = names.isEmpty() ? -1 : levelOf(names.last());
        if (levelOf(name) > previousLevel + 1)
            throw CompileError::at(line.where(), CompilerMessages::componentLevel(sectionName));
    }
    names.add(name);
}

void ScriptChecker::checkFileEntry(const ParameterLine &line, const QStringList &flags)
{
    const SourceLine &where = line.where();
    const QString source = line.value(QStringLiteral("Source"));
    const QString destDir = line.value(QStringLiteral("DestDir"));
    const QString destName = line.value(QStringLiteral("DestName"));
    if (!flags.contains(QLatin1String("dontcopy")) && !line.has(QStringLiteral("DestDir")))
        throw CompileError::at(where, QStringLiteral("Required parameter \"DestDir\" not specified"));
    if (line.has(QStringLiteral("CopyMode")))
        m_result.warnings << QStringLiteral("Line %1: the parameter \"CopyMode\" is obsolete").arg(where.line);
    m_filesNames.add(HostPaths::fileNamePart(source));
    if (!destName.isEmpty())
        m_filesNames.add(destName);

    if (flags.contains(QLatin1String("external"))) {
        m_result.externalFiles << source;
        return;
    }
    if (HostPaths::startsWithConstant(source))
        return;
    const bool recurse = flags.contains(QLatin1String("recursesubdirs"));
    const QStringList found = m_paths.match(source, recurse);
    if (found.isEmpty()) {
        if (flags.contains(QLatin1String("skipifsourcedoesntexist")))
            return;
        if (HostPaths::hasWildcards(source))
            throw CompileError::at(where, QStringLiteral("No files found matching \"%1\"").arg(source));
        if (QFileInfo::exists(m_paths.resolve(source)))
            throw CompileError::at(where, QStringLiteral("Source file \"%1\" is not a regular file").arg(source));
        throw CompileError::at(where, QStringLiteral("Source file \"%1\" does not exist").arg(source));
    }
    const QString baseFolder = QFileInfo(m_paths.resolve(source)).path();
    for (const QString &file : found) {
        const QFileInfo info(file);
        QString subFolder = QDir(baseFolder).relativeFilePath(info.path());
        subFolder = subFolder == QLatin1String(".") ? QString() : QLatin1Char('\\') + subFolder.replace(QLatin1Char('/'), QLatin1Char('\\'));
        const QString name = (!destName.isEmpty() && found.size() == 1) ? destName : info.fileName();
        m_result.payload.append({file, destDir + subFolder, name});
    }
}

void ScriptChecker::checkRunEntry(const ParameterLine &line, const QStringList &flags)
{
    if (flags.contains(QLatin1String("showcheckbox")))
        m_result.warnings << QStringLiteral("Line %1: the flag \"showcheckbox\" is obsolete; \"postinstall\" is used").arg(line.where().line);
}

void ScriptChecker::checkFilesLibraries()
{
    for (const FilesLibraryReference &reference : m_code.filesLibraries()) {
        if (!m_filesNames.contains(reference.fileName))
            throw CompileError::at(reference.where, QStringLiteral("\"files:%1\" names a file that [Files] does not carry")
                                                        .arg(reference.fileName));
    }
}

void ScriptChecker::checkReferences(const SourceLine &where, const QString &value)
{
    static const QRegularExpression name(QStringLiteral("^(code|cm):([^|},]*)"), QRegularExpression::CaseInsensitiveOption);
    for (const qsizetype start : constantStarts(value)) {
        const QRegularExpressionMatch m = name.match(value.mid(start + 1));
        if (!m.hasMatch())
            continue;
        const QString referenced = m.captured(2).trimmed();
        if (m.captured(1).compare(QLatin1String("code"), Qt::CaseInsensitive) == 0)
            requireRoutine(where, referenced, QStringLiteral("{code:}"));
        else if (!m_customMessages.contains(referenced.toLower()))
            throw CompileError::at(where, QStringLiteral("Custom message \"%1\" is not defined").arg(referenced));
    }
}

void ScriptChecker::checkExpressionNames(const SourceLine &where, const QString &parameter, const QString &value,
                                         const NameSet &known, const QString &kind)
{
    // Types is a plain list of words between blanks (ExtractType); the others
    // are expressions, whose operators and parentheses name nothing.
    const bool plainList = parameter == QLatin1String("Types");
    static const QRegularExpression separators(QStringLiteral("[\\s()]+"));
    const QStringList words = plainList ? value.split(QLatin1Char(' '), Qt::SkipEmptyParts) : value.split(separators, Qt::SkipEmptyParts);
    for (QString word : words) {
        if (plainList) {
            if (!word.trimmed().isEmpty() && !known.contains(word.trimmed()))
                throw CompileError::at(where, QStringLiteral("Parameter \"Types\" includes an unknown type"));
            continue;
        }
        if (isOperatorWord(word))
            continue;
        while (word.startsWith(QLatin1Char('!')) || word.startsWith(QLatin1Char('*')))
            word.remove(0, 1);
        if (word.isEmpty() || known.contains(word))
            continue;
        const QString unknown = QStringLiteral("Parameter \"%1\" includes an unknown %2").arg(parameter, kind);
        throw CompileError::at(where, QStringLiteral("Directive or parameter \"%1\" expression error: %2").arg(parameter, unknown));
    }
}

void ScriptChecker::checkCheckExpression(const SourceLine &where, const QString &parameter, const QString &value)
{
    qsizetype i = 0;
    while (i < value.size()) {
        const QChar c = value.at(i);
        if (c == QLatin1Char('\'')) {
            const qsizetype close = value.indexOf(QLatin1Char('\''), i + 1);
            i = close < 0 ? value.size() : close + 1;
        } else if (c.isLetter() || c == QLatin1Char('_')) {
            const qsizetype start = i;
            while (i < value.size() && (value.at(i).isLetterOrNumber() || value.at(i) == QLatin1Char('_')))
                ++i;
            const QString word = value.mid(start, i - start);
            if (!isOperatorWord(word) && !isBooleanLiteral(word) && !SupportFunctions::exists(word))
                requireRoutine(where, word, parameter);
        } else {
            ++i;
        }
    }
}

void ScriptChecker::checkFileExists(const SourceLine &where, const QString &what, const QString &scriptPath)
{
    if (!QFileInfo(m_paths.resolve(scriptPath)).isFile())
        throw CompileError::at(where, QStringLiteral("%1 \"%2\" does not exist").arg(what, scriptPath));
}

void ScriptChecker::requireRoutine(const SourceLine &where, const QString &routine, const QString &usedBy)
{
    if (!m_code.declares(routine))
        throw CompileError::at(where, QStringLiteral("The function \"%1\" named by %2 is not declared in [Code]").arg(routine, usedBy));
}

void ScriptChecker::chooseOutput()
{
    QString dir = m_options.outputDir;
    if (dir.isEmpty())
        dir = m_setup.value(QStringLiteral("outputdir"));
    if (dir.isEmpty())
        dir = QStringLiteral("Output");
    m_result.outputDir = m_paths.resolve(dir);
    QString base = m_options.outputBaseFilename;
    if (base.isEmpty())
        base = m_setup.value(QStringLiteral("outputbasefilename"));
    m_result.outputBaseFilename = base.isEmpty() ? QStringLiteral("setup") : base;
}

} // namespace talmo::iscmplr
