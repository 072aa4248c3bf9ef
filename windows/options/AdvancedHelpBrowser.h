#pragma once

#include <QTextBrowser>

namespace talmo {

// The help pane of the advanced options: pictures named "icon:" and a file
// path are read as Windows icons; one that cannot be read shows nothing.
// Links are reported, never followed.
class AdvancedHelpBrowser : public QTextBrowser
{
    Q_OBJECT
public:
    explicit AdvancedHelpBrowser(QWidget *parent = nullptr);

    QVariant loadResource(int type, const QUrl &name) override;
};

} // namespace talmo
