#include "designer/engine/EELDesigner.h"

namespace talmo {

EELDesigner::EELDesigner(const QString &message)
    : std::runtime_error(message.toStdString()),
      m_message(message)
{
}

QString EELDesigner::panelInUse(const QString &panelName)
{
    return QStringLiteral("Design panel '%S' is used by another designer").replace(QStringLiteral("%S"), panelName);
}

QString EELDesigner::cannotSelect(const QString &controlName)
{
    return QStringLiteral("Control '%S' can not be selected").replace(QStringLiteral("%S"), controlName);
}

QString EELDesigner::lockedAgainstDelete(const QString &controlName)
{
    return QStringLiteral("Control \"%s\" or some of it chidrens can not\r be deleted becouse they are locked")
        .replace(QStringLiteral("%s"), controlName);
}

// Bytes of our clipboard format that another program put there, or that were
// cut short: nothing of them is pasted.
QString EELDesigner::unreadableClipboard(const QString &reason)
{
    return QStringLiteral("The controls on the clipboard cannot be pasted:\n%1").arg(reason);
}

} // namespace talmo
