#include "model/SetupCatalogueFolder.h"

#include <QDir>
#include <QFileInfo>

namespace talmo {

namespace {

constexpr QDir::SortFlags ByName = QDir::Name | QDir::IgnoreCase;

QStringList SkinNames(const QString &programFolder)
{
    const QDir skins(programFolder + QStringLiteral("/Setup Skins"));
    QStringList names;
    for (const QString &name : skins.entryList(QDir::Dirs | QDir::NoDotAndDotDot, ByName)) {
        if (!name.startsWith(QLatin1Char('.')))
            names.append(name);
    }
    return names;
}

QStringList LanguageNames(const QString &programFolder)
{
    QStringList names = BuiltinSetupLanguageNames();
    const QDir languages(programFolder + QStringLiteral("/Languages"));
    for (const QFileInfo &file : languages.entryInfoList({ QStringLiteral("*.isl") }, QDir::Files, ByName)) {
        const QString name = file.completeBaseName();
        if (!BuiltinSetupLanguageNames().contains(name))
            names.append(name);
    }
    return names;
}

} // namespace

const QStringList &BuiltinSetupLanguageNames()
{
    static const QStringList names = {
        QStringLiteral("English"),    QStringLiteral("Basque"),    QStringLiteral("BrazilianPortuguese"),
        QStringLiteral("Catalan"),    QStringLiteral("Czech"),     QStringLiteral("Danish"),
        QStringLiteral("Dutch"),      QStringLiteral("Finnish"),   QStringLiteral("French"),
        QStringLiteral("German"),     QStringLiteral("Hebrew"),    QStringLiteral("Hungarian"),
        QStringLiteral("Italian"),    QStringLiteral("Norwegian"), QStringLiteral("Polish"),
        QStringLiteral("Portuguese"), QStringLiteral("Russian"),   QStringLiteral("Slovak"),
        QStringLiteral("Slovenian"),  QStringLiteral("Spanish"),
    };
    return names;
}

SetupCatalogue LoadSetupCatalogue(const QString &programFolder)
{
    SetupCatalogue catalogue;
    catalogue.SetupSkinNames = SkinNames(programFolder);
    catalogue.SetupLanguageNames = LanguageNames(programFolder);
    return catalogue;
}

} // namespace talmo
