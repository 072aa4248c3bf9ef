#include "scriptknowledge/ScriptHelpPages.h"

#include "scriptknowledge/KnowledgeData.h"
#include "scriptknowledge/ScriptFunctionList.h"

#include <QHash>

#include <stdexcept>

namespace talmo {

namespace {

struct FunctionHelpText
{
    QString name;
    QStringList description;
    QStringList remarks;
    QStringList example;
    QStringList seeAlso;
};

[[noreturn]] void malformed(const QString &file, const QString &what)
{
    throw std::logic_error("Malformed help table " + file.toStdString() + ": " + what.toStdString());
}

QHash<QString, QString> prototypesByName()
{
    QHash<QString, QString> prototypes;
    const QList<ScriptFunctionEntry> &entries = ScriptFunctionList::entries();
    for (int i = 0; i < ScriptFunctionList::RoutineCount; ++i)
        prototypes.insert(entries.at(i).name, entries.at(i).declaration);
    const QString helpOnly = QStringLiteral("help-only-functions.tsv");
    for (const QString &line : KnowledgeData::lines(helpOnly)) {
        const auto [name, declaration] = KnowledgeData::splitTabbed(line, helpOnly);
        prototypes.insert(name, declaration);
    }
    return prototypes;
}

QList<FunctionHelpText> readFunctionHelp()
{
    const QString file = QStringLiteral("function-help.txt");
    QList<FunctionHelpText> pages;
    for (const QString &line : KnowledgeData::lines(file)) {
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.startsWith(QLatin1String("== "))) {
            pages.append({ line.mid(3).trimmed(), {}, {}, {}, {} });
            continue;
        }
        if (pages.isEmpty() || line.size() < 2 || line.at(1) != u' ')
            malformed(file, line);
        FunctionHelpText &page = pages.last();
        const QString text = line.mid(2);
        switch (line.at(0).unicode()) {
        case u'D': page.description.append(text); break;
        case u'R': page.remarks.append(text); break;
        case u'E': page.example.append(text); break;
        case u'S': page.seeAlso.append(text.trimmed()); break;
        default: malformed(file, line);
        }
    }
    return pages;
}

QString heading(const char *title)
{
    return QStringLiteral("<div><b>%1:</b></div>").arg(QLatin1String(title));
}

void appendParagraphs(const QStringList &paragraphs, QStringList &page)
{
    for (const QString &paragraph : paragraphs)
        page.append(QStringLiteral("<p>") + paragraph + QStringLiteral("</p>"));
}

QStringList renderPage(const FunctionHelpText &text, const QString &prototype)
{
    QStringList page {
        QStringLiteral("<b>") + text.name + QStringLiteral("</b>"),
        QStringLiteral("<font size=\"1\" face=\"tahoma\">"),
        QStringLiteral("<hr>"),
        heading("Prototype"),
        QStringLiteral("<p>") + prototype + QStringLiteral("</p>"),
        heading("Description"),
    };
    appendParagraphs(text.description, page);
    if (!text.remarks.isEmpty()) {
        page.append(heading("Remarks"));
        appendParagraphs(text.remarks, page);
    }
    if (!text.example.isEmpty()) {
        page.append(heading("Example"));
        const qsizetype first = page.size();
        for (const QString &code : text.example)
            page.append(code.toHtmlEscaped());
        page[first].prepend(QLatin1String("<pre>"));
        page.last().append(QLatin1String("</pre>"));
    }
    if (!text.seeAlso.isEmpty()) {
        page.append(heading("See also"));
        QStringList links;
        for (const QString &name : text.seeAlso)
            links.append(QStringLiteral("<a href=\"%1\">%2</a>").arg(FunctionHelpTopicId(name), name));
        page.append(QStringLiteral("<p>") + links.join(QLatin1String("<br/>")) + QStringLiteral("</p>"));
    }
    page.last().append(QLatin1String("</div>"));
    return page;
}

QHash<QString, QStringList> buildFunctionPages()
{
    const QHash<QString, QString> prototypes = prototypesByName();
    QHash<QString, QStringList> pages;
    for (const FunctionHelpText &text : readFunctionHelp()) {
        const auto prototype = prototypes.constFind(text.name);
        if (prototype == prototypes.cend() || text.description.isEmpty())
            malformed(QStringLiteral("function-help.txt"), text.name);
        pages.insert(FunctionHelpTopicId(text.name), renderPage(text, *prototype));
    }
    if (pages.size() != prototypes.size())
        malformed(QStringLiteral("function-help.txt"), QStringLiteral("a routine has no page, or one has two"));
    return pages;
}

const QHash<QString, QStringList> &functionPages()
{
    static const QHash<QString, QStringList> pages = buildFunctionPages();
    return pages;
}

struct ConstantEntry
{
    QStringList headings;
    QStringList description;
};

struct ConstantSections
{
    QList<ConstantEntry> directory;
    QList<ConstantEntry> shell;
    QList<ConstantEntry> other;
};

ConstantSections readConstants()
{
    const QString file = QStringLiteral("constants-help.txt");
    ConstantSections sections;
    QList<ConstantEntry> *section = nullptr;
    for (const QString &line : KnowledgeData::lines(file)) {
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.startsWith(QLatin1String("@ "))) {
            const QString name = line.mid(2).trimmed();
            section = name == QLatin1String("directory") ? &sections.directory
                    : name == QLatin1String("shell")     ? &sections.shell
                    : name == QLatin1String("other")     ? &sections.other
                                                         : nullptr;
            if (!section)
                malformed(file, line);
        } else if (!section) {
            malformed(file, line);
        } else if (line.startsWith(QLatin1String("= "))) {
            if (section->isEmpty() || !section->last().description.isEmpty())
                section->append(ConstantEntry {});
            section->last().headings.append(line.mid(2));
        } else if (section->isEmpty()) {
            malformed(file, line);
        } else {
            section->last().description.append(line);
        }
    }
    return sections;
}

const ConstantSections &constantSections()
{
    static const ConstantSections sections = readConstants();
    return sections;
}

void appendEntry(const ConstantEntry &entry, QStringList &lines)
{
    for (const QString &title : entry.headings)
        lines.append(QStringLiteral("<b>") + title + QStringLiteral("</b><br>"));
    lines += entry.description;
}

void appendSectionTitle(const char *title, QStringList &lines)
{
    lines << QStringLiteral("<hr>") << QStringLiteral("<h5>%1</h5>").arg(QLatin1String(title)) << QStringLiteral("<hr>");
}

} // namespace

QString FunctionHelpTopicId(const QString &routineName)
{
    return QStringLiteral("topic_isxfunc_") + routineName.toLower() + QStringLiteral(".htm");
}

void AddFunctionHelp(const QString &topicId, QStringList &lines)
{
    const auto page = functionPages().constFind(topicId);
    if (page != functionPages().cend())
        lines += *page;
}

void AddConstantsHelp(bool withOtherConstants, QStringList &lines)
{
    const ConstantSections &sections = constantSections();
    const QString gap = QStringLiteral("<br><br>");

    lines.append(gap);
    appendSectionTitle("Directory Constants", lines);
    for (const ConstantEntry &entry : sections.directory) {
        appendEntry(entry, lines);
        lines.append(gap);
    }

    appendSectionTitle("Shell Folder Constants", lines);
    for (qsizetype i = 0; i < sections.shell.size(); ++i) {
        appendEntry(sections.shell.at(i), lines);
        lines.append(QString());
        if (i + 1 < sections.shell.size())
            lines.append(gap);
    }

    if (!withOtherConstants)
        return;
    lines.append(gap);
    appendSectionTitle("Other Constants", lines);
    lines.append(gap);
    for (const ConstantEntry &entry : sections.other) {
        appendEntry(entry, lines);
        lines << QString() << gap;
    }
}

} // namespace talmo
