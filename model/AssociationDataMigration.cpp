#include "model/AssociationDataMigration.h"

#include "model/ProjectContainer.h"

#include <QRegularExpression>

namespace talmo {

namespace {

struct OldAssociationForm
{
    QRegularExpression subkey;
    QRegularExpression data;  // captures the target
    QString (*newData)(const QString &target);
};

const QList<OldAssociationForm> &oldForms()
{
    static const QList<OldAssociationForm> forms{
        {QRegularExpression(QStringLiteral(R"(^[^\\]+\\DefaultIcon$)")),
         QRegularExpression(QStringLiteral(R"re(^"([^"]+),0"$)re")), [](const QString &target) { return target + QStringLiteral(",0"); }},
        {QRegularExpression(QStringLiteral(R"(^[^\\]+\\Shell\\Open\\Command$)")),
         QRegularExpression(QStringLiteral(R"re(^""""([^"]+)"""" """"%%1""""$)re")), [](const QString &target) { return u'"' + target + QStringLiteral("\" \"%1\""); }},
    };
    return forms;
}

bool isAssociationValue(const TRegistryEntry &entry)
{
    return entry.registry_root_string == QStringLiteral("HKEY_CLASSES_ROOT") && entry.value_name.isEmpty()
           && entry.flags == QStringLiteral("TYPE_SZ");
}

void migrate(TRegistryEntry &entry)
{
    for (const OldAssociationForm &form : oldForms()) {
        const QRegularExpressionMatch match = form.data.match(entry.value);
        if (!form.subkey.match(entry.subkey).hasMatch() || !match.hasMatch())
            continue;
        // The old build handed the target to cabwiz as it stood, which read "%%" as one percent sign.
        const QString target = match.captured(1).replace(QStringLiteral("%%"), QStringLiteral("%"));
        entry.value = form.newData(target);
        return;
    }
}

} // namespace

void MigrateAssociationData(TProjectContainer &project)
{
    for (TRegistrySection &section : project.RegistrySections) {
        for (TRegistryEntry &entry : section.Entries) {
            if (isAssociationValue(entry))
                migrate(entry);
        }
    }
}

} // namespace talmo
