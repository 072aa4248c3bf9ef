#include "model/RandomSource.h"

#include <QDateTime>

namespace talmo {

ClockSeededRandomSource::ClockSeededRandomSource()
    : m_generator(quint32(QDateTime::currentMSecsSinceEpoch()))
{
}

int ClockSeededRandomSource::Bounded(int limit)
{
    return m_generator.bounded(limit);
}

} // namespace talmo
