#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

namespace talmo::cabwiz {

class InfError;

// The messages of one run, in the order they arose. Errors begin with "Error",
// warnings with "Warning:", and nothing else is ever reported: whoever runs
// cabwiz treats any line beginning with "Error" as a failed build.
class Diagnostics
{
public:
    explicit Diagnostics(const QString &infPath = QString());

    void error(const InfError &error);
    void warning(int line, const QString &section, const QString &message);

    bool hasErrors() const { return m_hasErrors; }
    const QStringList &lines() const { return m_lines; }

private:
    QString locate(int line, const QString &section) const;
    void add(const QString &line);

    QString m_infPath;
    QStringList m_lines;
    QSet<QString> m_seen;
    bool m_hasErrors = false;
};

} // namespace talmo::cabwiz
