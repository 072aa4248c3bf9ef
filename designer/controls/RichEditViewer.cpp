#include "designer/controls/RichEditViewer.h"

#include "designer/controls/ControlTables.h"
#include "platform/ShellServices.h"
#include "widgets/Colors.h"

#include <QRegularExpression>
#include <QTextBrowser>

namespace talmo {

TRichEditViewer::TRichEditViewer(QWidget *parent)
    : TMemo(new QTextBrowser, parent),
      m_browser(static_cast<QTextBrowser *>(view()))
{
    m_browser->setOpenLinks(false);
    connect(m_browser, &QTextBrowser::anchorClicked, this, &TRichEditViewer::openLink);
}

const DesignPropertyTable &TRichEditViewer::propertyTable()
{
    std::vector<DesignProperty> rows = memoRows();
    rows.push_back(row::boolean("UseRichEdit", true));
    static const DesignPropertyTable table = controlTable(staticMetaObject, std::move(rows));
    return table;
}

void TRichEditViewer::setUseRichEdit(bool useRichEdit)
{
    m_useRichEdit = useRichEdit;
    showLines();
}

// A link ends before white space and before punctuation that closes a sentence.
QString TRichEditViewer::linkedHtml(const QString &text)
{
    static const QRegularExpression link(
        QStringLiteral(R"((?:https?://|ftp://|file:|mailto:|www\.)[^\s<>"]*[^\s<>".,;:!?'()\[\]])"),
        QRegularExpression::CaseInsensitiveOption);
    QString html;
    qsizetype done = 0;
    for (const QRegularExpressionMatch &match : link.globalMatch(text)) {
        html += text.mid(done, match.capturedStart() - done).toHtmlEscaped();
        const QString target = match.captured();
        html += QStringLiteral("<a href=\"%1\">%2</a>").arg(target.toHtmlEscaped(), target.toHtmlEscaped());
        done = match.capturedEnd();
    }
    html += text.mid(done).toHtmlEscaped();
    return QStringLiteral("<pre style=\"white-space: pre-wrap; font-family: inherit\">%1</pre>").arg(html);
}

void TRichEditViewer::showLines()
{
    const QString text = lines().strings().join(u'\n');
    if (m_useRichEdit)
        m_browser->setHtml(linkedHtml(text));
    else
        m_browser->setPlainText(text);
}

// Opens exactly the link's text, never a character beyond it.
void TRichEditViewer::openLink(const QUrl &link)
{
    const QString target = link.toString();
    if (m_useRichEdit && !target.isEmpty())
        ShellServices::current().openDocument(target);
}

} // namespace talmo
