#pragma once

#include <QHash>
#include <QString>

namespace talmo::cabwiz {

// The strings an .inf file may use as "%name%": its [Strings] and [CEStrings]
// entries and the device folders "%CE1%" to "%CE17%". Names compare ignoring
// case; a string of the file wins over a device folder of the same name.
class StringTable
{
public:
    StringTable();

    void define(const QString &name, const QString &value);

    // Replaces every reference by its value, expanding values in turn; "%%"
    // stands for one "%". A "%" that does not open a well-formed name stays as
    // it is, so data such as "%1" passes unchanged. Throws InfError, located at
    // line and section, for an undefined or self-referring string.
    QString expand(const QString &text, int line, const QString &section) const;

private:
    QString expand(const QString &text, int line, const QString &section, int depth) const;

    QHash<QString, QString> m_values;
};

} // namespace talmo::cabwiz
