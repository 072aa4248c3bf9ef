#include "designer/core/CompletionResolver.h"

#include "designer/core/CompletionClassTables.h"
#include "designer/core/CompletionObjectScan.h"
#include "designer/core/ScriptBlocks.h"
#include "designer/core/ScriptDeclarations.h"
#include "helpers/core/PageComponentLines.h"
#include "scriptknowledge/PrototypeSplitter.h"

#include <algorithm>

namespace talmo {

namespace {

const QString WizardPageClass = QStringLiteral("TWizardPage");

bool IsSurface(const PageControlHeader &control)
{
    return AsciiSameText(control.name, QStringLiteral("Surface"));
}

// Both lists of a pop-up (or of the knowledge base's lists of one run).
struct ProposalLists
{
    QStringList insertTexts;
    QStringList displayLines;

    void putOnTop(const QString &insertText, const QString &displayLine)
    {
        insertTexts.prepend(insertText);
        displayLines.prepend(displayLine);
    }
    void append(const ProposalLists &other)
    {
        insertTexts += other.insertTexts;
        displayLines += other.displayLines;
    }
};

class Resolution
{
public:
    Resolution(const CompletionRequest &request, const ClassMemberSource &members)
        : m_request(request)
        , m_members(members)
        , m_caretLine(std::clamp(request.caretLine, 0, std::max(0, int(request.lines.size()) - 1)))
    {
    }

    QString caretText() const
    {
        return m_caretLine < m_request.lines.size() ? m_request.lines.at(m_caretLine) : QString();
    }

    void resolve(const ObjectParts &parts)
    {
        readRoutineAtCaret();
        ReadGlobalCode(globalCode(), m_declarations);
        if (parts.object.isEmpty())
            listEverything();
        else
            listMembers(parts.object, classOf(parts.object, parts.qualifier));
    }

    const ProposalLists &proposal() const { return m_proposal; }
    const ProposalLists &knowledge() const { return m_knowledge; }

private:
    const CompletionScope &scope() const { return m_request.scope; }
    bool inPageEditor() const { return scope().pageIndex >= 0; }
    bool isDesignedPage(qsizetype index) const { return index == scope().pageIndex; }

    void readRoutineAtCaret()
    {
        const QStringList &lines = m_request.lines;
        if (lines.isEmpty())
            return;
        int header = -1;
        if (inPageEditor()) {
            header = 0;
        } else {
            for (int line = m_caretLine; line >= 1 && header < 0; --line) {
                if (IsRoutineHeader(lines.at(line)))
                    header = line;
            }
        }
        if (header >= 0)
            ReadRoutineAt(lines, header, m_declarations);
    }

    // The global code of the project; in the global code editor only the
    // text above the caret line, which leaves the last line before the caret
    // unscanned.
    QStringList globalCode() const
    {
        return inPageEditor() ? scope().commonCode : m_request.lines.mid(0, m_caretLine);
    }

    QString classOf(const QString &object, const QString &qualifier) const
    {
        QString className = object;
        const bool objectIsPage = std::any_of(scope().pages.cbegin(), scope().pages.cend(),
                                              [&](const CompletionPage &page) { return AsciiSameText(page.name, object); });
        if (qualifier.isEmpty() || objectIsPage)
            classOfUnqualified(object, className);
        else
            classOfQualified(object, qualifier, className);
        const QString predefined = PredefinedObjectClass(object);
        return predefined.isEmpty() ? className : predefined;
    }

    void classOfUnqualified(const QString &object, QString &className) const
    {
        QString type;
        for (const DeclaredNames *group : { &m_declarations.parameters, &m_declarations.variables, &m_declarations.constants }) {
            if (group->typeOf(object, type))
                className = type;
        }
        for (qsizetype index = 0; index < scope().pages.size(); ++index) {
            const CompletionPage &page = scope().pages.at(index);
            const QString prefix = isDesignedPage(index) ? QString() : page.name + u'_';
            for (const PageControlHeader &control : PageControlHeaders(page.data)) {
                if (!(isDesignedPage(index) && IsSurface(control)) && AsciiSameText(prefix + control.name, object))
                    className = control.className;
            }
            if (AsciiSameText(page.name, object))
                className = WizardPageClass;
        }
    }

    void classOfQualified(const QString &object, const QString &qualifier, QString &className) const
    {
        for (const CompletionPage &page : scope().pages) {
            if (!AsciiSameText(page.name, qualifier))
                continue;
            for (const PageControlHeader &control : PageControlHeaders(page.data)) {
                if (AsciiSameText(control.name, object))
                    className = control.className;
            }
        }
        for (const QString &known : { MemberObjectClass(object), WizardFormControlClass(object) }) {
            if (!known.isEmpty())
                className = known;
        }
    }

    void listMembers(const QString &object, const QString &className)
    {
        const ScriptMemberList members = m_members(className);
        m_knowledge.insertTexts = members.insertTexts;
        m_knowledge.displayLines = members.declarations;
        m_proposal.append(m_knowledge);
        if (!AsciiSameText(className, WizardPageClass))
            return;
        for (const CompletionPage &page : scope().pages) {
            if (!AsciiSameText(page.name, object))
                continue;
            for (const PageControlHeader &control : PageControlHeaders(page.data))
                m_proposal.putOnTop(control.name, QStringLiteral("var %1: %2;").arg(control.name, control.className));
        }
    }

    void listEverything()
    {
        const ScriptMemberList functions = m_members(QString());
        m_knowledge.insertTexts = functions.insertTexts;
        m_knowledge.displayLines = functions.declarations;
        for (qsizetype i = 0; i < m_declarations.routineNames.size(); ++i)
            m_knowledge.putOnTop(m_declarations.routineNames.at(i), m_declarations.routineDeclarations.at(i));
        m_proposal.append(m_knowledge);

        for (qsizetype index = 0; index < scope().pages.size(); ++index) {
            if (!isDesignedPage(index))
                putPage(scope().pages.at(index).name);
        }
        if (inPageEditor() && scope().pageIndex < scope().pages.size()) {
            const CompletionPage &page = scope().pages.at(scope().pageIndex);
            for (const PageControlHeader &control : PageControlHeaders(page.data)) {
                if (!IsSurface(control))
                    m_proposal.putOnTop(control.name, QStringLiteral("var %1: %2").arg(control.name, control.className));
            }
            putPage(page.name);
        }
        putDeclared(m_declarations.constants, QStringLiteral("const "));
        putDeclared(m_declarations.variables, QStringLiteral("var "));
        putDeclared(m_declarations.parameters, QStringLiteral("param "));
        m_proposal.putOnTop(QStringLiteral("WizardForm"), QStringLiteral("var WizardForm: TWizardForm"));
        m_proposal.putOnTop(QStringLiteral("MainForm"), QStringLiteral("var MainForm: TMainForm"));
    }

    void putPage(const QString &name)
    {
        m_proposal.putOnTop(name, QStringLiteral("var %1: %2").arg(name, WizardPageClass));
    }

    void putDeclared(const DeclaredNames &group, const QString &lead)
    {
        for (qsizetype i = 0; i < group.size(); ++i) {
            m_proposal.putOnTop(group.names.at(i),
                                lead + group.modifiers.at(i) + group.names.at(i) + QStringLiteral(": ") + group.types.at(i));
        }
    }

    const CompletionRequest &m_request;
    const ClassMemberSource &m_members;
    const int m_caretLine;
    ScriptDeclarations m_declarations;
    ProposalLists m_proposal;
    ProposalLists m_knowledge;
};

// The routine whose call holds the caret: walks left over the caret line,
// counting the commas outside nested parentheses. Returns the routine's
// declaration line index, or -1.
int RoutineAtCaret(const QString &line, int caretColumn, const DeclarationIndexList &index, int &commas)
{
    commas = 0;
    qsizetype i = std::min<qsizetype>(std::max(caretColumn, 0), line.size()) - 1;
    while (i >= 0) {
        const QChar c = line.at(i);
        if (c == u',') {
            ++commas;
        } else if (c == u')') {
            for (int depth = 1; depth > 0 && --i >= 0;) {
                if (line.at(i) == u')')
                    ++depth;
                else if (line.at(i) == u'(')
                    --depth;
            }
        } else if (c == u'(') {
            qsizetype end = i;
            while (end > 0 && !IsIdentifierChar(line.at(end - 1)))
                --end;
            qsizetype start = end;
            while (start > 0 && IsIdentifierChar(line.at(start - 1)))
                --start;
            const int declaration = index.lineOf(AsciiUpperCase(line.mid(start, end - start)));
            if (start < end && declaration >= 0)
                return declaration;
        }
        --i;
    }
    return -1;
}

// The one display line of a parameter hint: every parameter as modifier,
// name, ": " and type, quoted, separated by commas.
QString ParameterHintLine(const QString &declaration)
{
    QString parameters;
    const qsizetype open = declaration.indexOf(u'(');
    if (open >= 0) {
        const qsizetype close = declaration.indexOf(u')', open);
        parameters = declaration.mid(open + 1, close < 0 ? -1 : close - open - 1);
    }
    QStringList names;
    QStringList types;
    QStringList modifiers;
    SplitParameterList(parameters + u';', names, types, modifiers);
    QStringList quoted;
    for (qsizetype i = 0; i < names.size(); ++i)
        quoted.append(u'"' + modifiers.at(i) + names.at(i) + QStringLiteral(": ") + types.at(i) + u'"');
    return quoted.join(u',');
}

} // namespace

CompletionResult ResolveCompletion(const CompletionRequest &request, const ClassMemberSource &members)
{
    Resolution resolution(request, members);
    const QString line = resolution.caretText();
    CompletionResult result;
    if (request.kind == CompletionKind::MemberList) {
        resolution.resolve(MemberListParts(line, request.caretColumn));
        result.insertTexts = resolution.proposal().insertTexts;
        result.displayLines = resolution.proposal().displayLines;
        result.canShow = !result.displayLines.isEmpty();
        return result;
    }
    resolution.resolve(ParameterHintParts(line, request.caretColumn));
    DeclarationIndexList index;
    IndexDeclarations(resolution.knowledge().displayLines, index);
    const int declaration = RoutineAtCaret(line, request.caretColumn, index, result.parameterIndex);
    result.canShow = declaration >= 0;
    if (result.canShow)
        result.displayLines.append(ParameterHintLine(resolution.knowledge().displayLines.at(declaration)));
    else
        result.parameterIndex = 0;
    return result;
}

} // namespace talmo
