#include "designer/DesignStrings.h"

namespace talmo {

TDesignStrings::TDesignStrings(QObject *parent)
    : QObject(parent)
{
}

void TDesignStrings::setStrings(const QStringList &strings)
{
    if (m_strings == strings)
        return;
    m_strings = strings;
    emit changed();
}

} // namespace talmo
