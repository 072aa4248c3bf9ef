#pragma once

#include "editors/core/regimport/RegImportEvent.h"
#include "editors/core/registry/RegistryProbe.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

namespace talmo::test {

// One event as a line: kind|root|path|name|type|size|data|value, where a
// missing name is "@", missing data "none", and a quoted string's data
// "text" when it is the value in UTF-16LE with its final zero.
QString describe(const RegImportEvent &event);

struct ImportOutcome
{
    int result = -1;
    QStringList events;
};

// A registry file as the editor saves it in Unicode: UTF-16LE after its byte-order mark.
QByteArray utf16File(const QString &text);

ImportOutcome importText(const QByteArray &bytes, const RegistryProbe &probe = RegistryProbe::emptyRegistry());

// A registry of listed keys ("HKEY_CURRENT_USER\Software\A"); a key's subkeys
// are the listed keys one level below it, in list order.
class FakeRegistryProbe : public RegistryProbe
{
public:
    explicit FakeRegistryProbe(QStringList keys, QHash<QString, int> errors = {})
        : m_keys(std::move(keys)), m_errors(std::move(errors)) { }

    Key openKey(const QString &rootName, const QString &keyPath) const override;

private:
    QStringList m_keys;
    QHash<QString, int> m_errors;
};

} // namespace talmo::test
