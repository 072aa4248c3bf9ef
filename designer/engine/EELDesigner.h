#pragma once

#include <QString>

#include <stdexcept>

namespace talmo {

// Every failure of the form designer, carrying the text the user sees.
class EELDesigner : public std::runtime_error
{
public:
    explicit EELDesigner(const QString &message);

    const QString &message() const { return m_message; }

    // The texts exactly as the designer has always shown them.
    static QString mustBeActive() { return QStringLiteral("Designer mast be active"); }
    static QString mustBeInactive() { return QStringLiteral("Designer mast be inactive"); }
    static QString noDesignControl() { return QStringLiteral("Design control not specified"); }
    static QString noDesignPanel() { return QStringLiteral("No design panel specified"); }
    static QString panelInUse(const QString &panelName);
    static QString cannotSelect(const QString &controlName);
    static QString lockedAgainstDelete(const QString &controlName);
    static QString severalLockedAgainstDelete()
    {
        return QStringLiteral("Some controls is locked. Can not delete controls.");
    }
    static QString invalidName() { return QStringLiteral("SInvalidName"); }
    static QString duplicateName() { return QStringLiteral("SDuplicateName"); }
    static QString unreadableClipboard(const QString &reason);

private:
    QString m_message;
};

} // namespace talmo
