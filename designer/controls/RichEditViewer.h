#pragma once

#include "designer/controls/Memo.h"

class QTextBrowser;

namespace talmo {

// A read-mostly memo that, with UseRichEdit, shows its lines as rich text
// with links detected; a clicked link opens through the shell services.
class TRichEditViewer : public TMemo
{
    Q_OBJECT
    Q_PROPERTY(bool UseRichEdit READ useRichEdit WRITE setUseRichEdit)

public:
    explicit TRichEditViewer(QWidget *parent = nullptr);
    static const DesignPropertyTable &propertyTable();

    bool useRichEdit() const { return m_useRichEdit; }
    void setUseRichEdit(bool useRichEdit);

    // The lines as the viewer shows them: with links marked when rich.
    static QString linkedHtml(const QString &text);

protected:
    void showLines() override;

private:
    void openLink(const QUrl &link);

    QTextBrowser *m_browser;
    bool m_useRichEdit = true;
};

} // namespace talmo
