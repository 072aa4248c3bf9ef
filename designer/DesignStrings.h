#pragma once

#include <QObject>
#include <QStringList>

namespace talmo {

// A string list property of a designed control (a memo's Lines, a list's
// Items). It publishes nothing of its own: the inspector shows it as a whole
// and the page text stores its items under the property's ".Strings" path.
class TDesignStrings : public QObject
{
    Q_OBJECT

public:
    explicit TDesignStrings(QObject *parent = nullptr);

    const QStringList &strings() const { return m_strings; }
    void setStrings(const QStringList &strings);

signals:
    void changed();

private:
    QStringList m_strings;
};

} // namespace talmo
