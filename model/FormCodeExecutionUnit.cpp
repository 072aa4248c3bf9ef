#include "model/FormCodeExecutionUnit.h"

namespace talmo {

QString TFormCodeExecutionUnit::MakeEventNameInCode(const QString &pageName,
                                                    const QString &objectName,
                                                    const QString &eventName)
{
    QString name = QStringLiteral("{}") + eventName;
    return name.replace(QStringLiteral("{}"), pageName + QLatin1Char('_') + objectName,
                        Qt::CaseInsensitive);
}

} // namespace talmo
