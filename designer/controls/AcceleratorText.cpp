#include "designer/controls/AcceleratorText.h"

namespace talmo {

QString AcceleratorText::shown(const QString &caption)
{
    QString text;
    text.reserve(caption.size());
    for (qsizetype index = 0; index < caption.size(); ++index) {
        if (caption.at(index) == u'&' && ++index == caption.size())
            break;
        text.append(caption.at(index));
    }
    return text;
}

QChar AcceleratorText::key(const QString &caption)
{
    for (qsizetype index = 0; index + 1 < caption.size(); ++index) {
        if (caption.at(index) != u'&')
            continue;
        ++index;
        if (caption.at(index) != u'&')
            return caption.at(index).toLower();
    }
    return {};
}

bool AcceleratorText::matches(const QString &caption, QChar typed)
{
    const QChar accelerator = key(caption);
    return !accelerator.isNull() && accelerator == typed.toLower();
}

QKeySequence AcceleratorText::sequence(QChar key)
{
    return QKeySequence(QKeyCombination(Qt::AltModifier, Qt::Key(key.toUpper().unicode())));
}

} // namespace talmo
