#include "model/ListIndexError.h"

namespace talmo {

ListIndexError::ListIndexError(int index, int count)
    : ListIndexError(QStringLiteral("List index out of bounds (%1 of %2 items)").arg(index).arg(count))
{
}

ListIndexError::ListIndexError(const QString &message)
    : std::out_of_range(message.toStdString())
{
}

QString ListIndexError::message() const
{
    return QString::fromStdString(what());
}

} // namespace talmo
