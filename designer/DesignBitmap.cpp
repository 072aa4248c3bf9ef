#include "designer/DesignBitmap.h"

namespace talmo {

TDesignBitmap::TDesignBitmap(QObject *parent)
    : QObject(parent)
{
}

void TDesignBitmap::setData(const QByteArray &data)
{
    if (m_data == data)
        return;
    m_data = data;
    emit changed();
}

} // namespace talmo
