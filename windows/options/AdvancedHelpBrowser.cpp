#include "windows/options/AdvancedHelpBrowser.h"

#include "helpers/ui/HelpViewerFont.h"
#include "platform/HostPath.h"
#include "windows/options/AdvancedOptionsHelp.h"

#include <QImage>
#include <QImageReader>
#include <QTextDocument>

namespace talmo {

AdvancedHelpBrowser::AdvancedHelpBrowser(QWidget *parent)
    : QTextBrowser(parent)
{
    setOpenLinks(false);
    FitHelpViewerFont(*this);
}

QVariant AdvancedHelpBrowser::loadResource(int type, const QUrl &name)
{
    if (type != QTextDocument::ImageResource || name.scheme() + QLatin1Char(':') != AdvancedOptionsHelp::IconScheme)
        return QTextBrowser::loadResource(type, name);
    // A "?" or "#" in the file name made the rest of it a query or fragment.
    QString path = name.path(QUrl::FullyDecoded);
    if (name.hasQuery())
        path += QLatin1Char('?') + name.query(QUrl::FullyDecoded);
    if (name.hasFragment())
        path += QLatin1Char('#') + name.fragment(QUrl::FullyDecoded);
    QImageReader reader(ToHostPath(path), "ico");
    const QImage icon = reader.read();
    return icon.isNull() ? QVariant() : QVariant(icon);
}

} // namespace talmo
