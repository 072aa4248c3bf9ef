#include "designer/engine/TELClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace talmo {

TELClipboard::~TELClipboard() = default;

const QMimeData *TELApplicationClipboard::mimeData() const
{
    return QGuiApplication::clipboard()->mimeData();
}

void TELApplicationClipboard::setMimeData(QMimeData *data)
{
    QGuiApplication::clipboard()->setMimeData(data);
}

} // namespace talmo
