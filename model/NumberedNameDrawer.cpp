#include "model/NumberedNameDrawer.h"

namespace talmo {

namespace {

constexpr int numberCount = 9999999;
// Draws before a source that keeps repeating itself is given up on.
constexpr int maxDraws = 32;

} // namespace

NumberedNameDrawer::NumberedNameDrawer(const QString &prefix, RandomSource &random)
    : m_prefix(prefix)
    , m_random(random)
{
}

void NumberedNameDrawer::Reserve(const QString &name)
{
    m_taken.insert(name.toUpper());
}

QString NumberedNameDrawer::Draw()
{
    int number = m_random.Bounded(numberCount);
    for (int draws = 1; isTaken(number) && draws < maxDraws; ++draws)
        number = m_random.Bounded(numberCount);
    // Far fewer names than numbers are ever taken, so the walk to the next
    // free number is short.
    while (isTaken(number))
        number = (number + 1) % numberCount;
    const QString name = m_prefix + QString::number(number);
    Reserve(name);
    return name;
}

bool NumberedNameDrawer::isTaken(int number) const
{
    return m_taken.contains((m_prefix + QString::number(number)).toUpper());
}

} // namespace talmo
