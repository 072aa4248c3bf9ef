#include "engine/scriptcode/CustomPageCode.h"

#include "engine/scriptcode/EventCodeRewriter.h"
#include "engine/setup/ScriptLineOrigins.h"
#include "helpers/core/PageComponentLines.h"
#include "engine/script/ScriptQuoting.h"
#include "helpers/core/ScriptText.h"
#include "model/ProjectContainer.h"
#include "scriptknowledge/PrototypeSplitter.h"
#include "scriptknowledge/ScriptKnowledgeBase.h"

namespace talmo {

namespace {

const QString formObject = QStringLiteral("Form");

bool holdsWord(const QString &word, const QString &line)
{
    return FindIdentifier(word, line) > 0;
}

QList<EventCodeRewriter::Page> rewriterPages(const TCustomForms &pages)
{
    QList<EventCodeRewriter::Page> result;
    for (const TCustomForm &page : pages) {
        EventCodeRewriter::Page entry{ page.Name, {} };
        for (const PageControlHeader &header : PageControlHeaders(page.Data))
            entry.controlNames.append(header.name);
        result.append(entry);
    }
    return result;
}

// A property path that holds a size or position of the control: scaled with
// the setup's dialog units like the installer's own controls.
QString scaledValue(const QString &path, const QString &value)
{
    if (AsciiSameText(path, QStringLiteral("TabStop")))
        return value;
    const QString upper = AsciiUpperCase(path);
    if (upper.contains(QLatin1String("WIDTH")) || upper.contains(QLatin1String("LEFT")))
        return QStringLiteral("ScaleX(") + value + u')';
    if (upper.contains(QLatin1String("HEIGHT")) || upper.contains(QLatin1String("TOP")))
        return QStringLiteral("ScaleY(") + value + u')';
    return value;
}

// The code editors show a declaration or header line above the code.
constexpr int kEditorLineOfFirstCodeLine = 2;

// Appends a line the user wrote and records where it came from.
void appendUserLine(QStringList &script, const RewrittenLine &line, ScriptLineOrigins *origins, const QString &page,
                    const QString &event, int editorLine)
{
    script << line.text();
    if (origins)
        origins->Add(int(script.size()), ScriptLineOrigin{ page, event, editorLine, line });
}

} // namespace

// Writes one page: its event procedures, its creating function with the
// controls taken from the page's component text, and the event hooks.
class CustomPageCode::PageWriter
{
public:
    PageWriter(const PropertyWhiteList &whiteList, const EventCodeRewriter &rewriter, const TCustomForm &page,
               int pageIndex, QStringList &script, ScriptLineOrigins *origins)
        : m_whiteList(whiteList), m_rewriter(rewriter), m_page(page), m_pageIndex(pageIndex),
          m_data(page.Data), m_script(script), m_origins(origins)
    {
    }

    void write()
    {
        m_parents = QStringList{ m_page.Name + QStringLiteral(".Surface") };
        m_depth = -1;
        m_script << QString();
        writeProcedures(false);
        writeProcedures(true);
        writeCreatePageHead();
        for (m_line = 1; m_line < m_data.size(); ++m_line) {
            if (IsControlHeaderLine(m_data.at(m_line)))
                convertControl();
        }
        m_script << QString();
        writeHooks();
        m_script << QStringLiteral("  Result := ") + m_page.Name + QStringLiteral(".ID;") << QStringLiteral("end;")
                 << QString();
    }

private:
    void writeProcedures(bool formUnits)
    {
        for (const TFormCodeExecutionUnit &unit : m_page.ExecUnits) {
            if (!unit.Enabled || unit.linkTo != -1 || (unit.Object == formObject) != formUnits)
                continue;
            const QString event = unit.Object + u'.' + unit.Event;
            appendUserLine(m_script,
                           RewrittenLine(EventProcedureDeclaration(unit.ShortHelp, unit.eventNameInCode, m_page.Name,
                                                                   unit.Object)),
                           m_origins, m_page.Name, event, 1);
            for (int i = 0; i < unit.Code.size(); ++i)
                appendUserLine(m_script, m_rewriter.RewriteEventLineTracked(m_pageIndex, unit.Code.at(i)), m_origins,
                               m_page.Name, event, i + kEditorLineOfFirstCodeLine);
            m_script << QString();
        }
    }

    void writeCreatePageHead()
    {
        m_script << QStringLiteral("function ") + m_page.Name
                        + QStringLiteral("_CreatePage(PreviousPageId: Integer): Integer;")
                 << QStringLiteral("begin") << QStringLiteral("  ") + m_page.Name + QStringLiteral(" := CreateCustomPage(")
                 << QStringLiteral("    PreviousPageId,")
                 << QStringLiteral("    '") + PascalEscaped(m_page.Caption) + QStringLiteral("',")
                 << QStringLiteral("    '") + PascalEscaped(m_page.Description) + u'\'' << QStringLiteral("  );")
                 << QString();
    }

    void writeHooks()
    {
        for (const TFormCodeExecutionUnit &unit : m_page.ExecUnits) {
            if (!unit.Enabled)
                continue;
            const QString target = unit.Object == formObject ? m_page.Name : m_page.Name + u'_' + unit.Object;
            m_script << QStringLiteral("  ") + target + u'.' + unit.Event + QStringLiteral(":=@") + unit.eventNameInCode
                            + u';';
        }
        if (!m_page.ExecUnits.IsEmpty())
            m_script << QString();
    }

    // m_line is the control's header line; leaves it on the control's "end".
    void convertControl()
    {
        ++m_depth;
        const PageControlHeader header = ParseControlHeader(m_data.at(m_line));
        const QString variable = m_page.Name + u'_' + header.name;
        if (m_parents.size() <= m_depth + 1)
            m_parents.append(variable);
        else
            m_parents[m_depth + 1] = variable;
        m_script << QStringLiteral("  ") + variable + QStringLiteral(":=") + header.className + QStringLiteral(".Create(")
                        + m_page.Name + QStringLiteral(");")
                 << QStringLiteral("  ") + variable + QStringLiteral(".Parent:=") + m_parents.at(m_depth) + u';';
        ++m_line;
        while (m_line < m_data.size() && !IsBlockEndLine(m_data.at(m_line))) {
            if (IsControlHeaderLine(m_data.at(m_line))) {
                convertControl();
                ++m_line;
            } else {
                convertProperty(variable, header.className);
            }
        }
        m_script << QString();
        --m_depth;
    }

    // Joins a value continued with " +" over several lines; m_line is on the
    // first piece's line and ends on the last piece's line.
    QString joinedPieces()
    {
        QString joined;
        while (m_line < m_data.size() && holdsWord(QStringLiteral("+"), m_data.at(m_line)))
            joined += m_data.at(m_line++).trimmed();
        if (m_line < m_data.size())
            joined += m_data.at(m_line).trimmed();
        return joined;
    }

    // m_line is a property line; leaves it on the line after the property.
    void convertProperty(const QString &variable, const QString &className)
    {
        QString line = m_data.at(m_line);
        qsizetype blanks = 0;
        while (blanks < line.size() && line.at(blanks).isSpace())
            ++blanks;
        line.remove(0, blanks);
        const qsizetype equals = line.indexOf(u'=');
        if (equals >= 0)
            line.replace(equals, 1, QStringLiteral(":="));
        const qsizetype assign = line.indexOf(QStringLiteral(":="));
        const QString path = assign < 0 ? line.trimmed() : line.left(assign).trimmed();
        const QString value = assign < 0 ? QString() : line.mid(assign + 2).trimmed();

        if (value.isEmpty()) {
            ++m_line;
            const QString joined = joinedPieces();
            if (m_whiteList.IsDesignPropertyShown(path, className))
                m_script << QStringLiteral("  ") + variable + u'.' + line + joined + u';';
        } else if (path.contains(QLatin1String("Strings"))) {
            convertStringList(variable, path.section(u'.', 0, 0));
        } else if (value == QLatin1String("{") || value == QLatin1String("<")) {
            // Binary data and collections have no form in the script.
            m_line = SkipBinaryOrCollection(m_data, m_line, value) - 1;
        } else if (m_whiteList.IsDesignPropertyShown(path, className)) {
            m_script << QStringLiteral("  ") + variable + u'.' + path + QStringLiteral(":=") + scaledValue(path, value)
                            + u';';
        }
        ++m_line;
    }

    void addItem(const QString &variable, const QString &list, const QString &item)
    {
        if (!item.isEmpty())
            m_script << QStringLiteral("  ") + variable + u'.' + list + QStringLiteral(".Add(") + item + QStringLiteral(");");
    }

    // m_line is the list's "= (" line; leaves it on the line holding ")".
    void convertStringList(const QString &variable, const QString &list)
    {
        const QString close = QStringLiteral(")");
        for (;;) {
            ++m_line;
            if (m_line >= m_data.size())
                return;
            const QString current = m_data.at(m_line);
            if (holdsWord(close, current))
                break;
            if (holdsWord(QStringLiteral("+"), current)) {
                QString item = joinedPieces();
                const bool last = m_line < m_data.size() && holdsWord(close, m_data.at(m_line));
                if (last && item.endsWith(u')'))
                    item.chop(1);
                addItem(variable, list, item);
                if (last)
                    return;
            } else {
                addItem(variable, list, current.trimmed());
            }
        }
        QString item = m_data.at(m_line).trimmed();
        item.chop(1);
        addItem(variable, list, item);
    }

    const PropertyWhiteList &m_whiteList;
    const EventCodeRewriter &m_rewriter;
    const TCustomForm &m_page;
    const int m_pageIndex;
    const QStringList &m_data;
    QStringList &m_script;
    ScriptLineOrigins *m_origins;
    QStringList m_parents;
    int m_depth = -1;
    int m_line = 0;
};

CustomPageCode::CustomPageCode(const PropertyWhiteList &whiteList, QStringList pageMembers)
    : m_whiteList(whiteList), m_pageMembers(std::move(pageMembers))
{
}

CustomPageCode CustomPageCode::FromKnowledgeBase(const ScriptKnowledgeBase &knowledge)
{
    return CustomPageCode(knowledge.DesignerPropertyWhiteList(),
                          knowledge.ClassMembers(QStringLiteral("TWizardPage")).insertTexts);
}

void CustomPageCode::WriteCustomFormsCode(TProjectContainer &project, QStringList &script,
                                          ScriptLineOrigins *origins) const
{
    project.TrimCodeLines();
    const TCustomForms &pages = project.CustomForms;
    const EventCodeRewriter rewriter(rewriterPages(pages), m_pageMembers);

    if (!pages.IsEmpty()) {
        script << QStringLiteral("[Code]") << QStringLiteral("var");
        for (const TCustomForm &page : pages) {
            script << QStringLiteral("  ") + page.Name + QStringLiteral(": TWizardPage;");
            for (const PageControlHeader &header : PageControlHeaders(page.Data))
                script << QStringLiteral("  ") + page.Name + u'_' + header.name + QStringLiteral(": ") + header.className
                              + u';';
        }
        script << QString();
    }
    if (!project.CommonCode.isEmpty()) {
        script << QStringLiteral("[Code]");
        for (int i = 0; i < project.CommonCode.size(); ++i)
            appendUserLine(script, rewriter.RewriteGlobalLineTracked(project.CommonCode.at(i)), origins, QString(), QString(),
                           i + kEditorLineOfFirstCodeLine);
        script << QString();
    }
    for (int i = 0; i < pages.Count(); ++i)
        PageWriter(m_whiteList, rewriter, pages[i], i, script, origins).write();
}

} // namespace talmo
