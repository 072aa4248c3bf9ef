#include "helpers/core/InfSectionName.h"

namespace talmo {

QString InfSectionName::Problem(const QString &name)
{
    const bool blankAtAnEnd = name != name.trimmed();
    return name.isEmpty() || blankAtAnEnd || !TypablePattern().match(name).hasMatch() ? Rule : QString();
}

QRegularExpression InfSectionName::TypablePattern()
{
    return QRegularExpression(QStringLiteral(R"re(^[^,"\[\];=%\x00-\x1f]*$)re"));
}

} // namespace talmo
