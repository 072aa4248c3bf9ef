#pragma once

#include <QHash>
#include <QSet>
#include <QString>

#include <optional>

namespace talmo::cabwiz {

// The strings an .inf file may use as "%name%": its [Strings] and [CEStrings]
// entries and the device folders "%CE1%" to "%CE17%". Names compare ignoring
// case; a string of the file wins over a device folder of the same name.
class StringTable
{
public:
    // Far above any honest value; a few lines that double each other's text
    // must not eat the machine's memory and time.
    static constexpr qsizetype MaximumExpandedLength = 64 * 1024;

    StringTable();

    void define(const QString &name, const QString &value);

    // Replaces every reference by its value, expanding values in turn; "%%"
    // stands for one "%". A "%" that does not open a well-formed name stays as
    // it is, so data such as "%1" passes unchanged. Throws InfError, located at
    // line and section, for an undefined string, for one met again while it is
    // being expanded (a cycle, however long; a chain of any depth is fine) and
    // for one that grows beyond MaximumExpandedLength.
    QString expand(const QString &text, int line, const QString &section) const;

    // As expand, but "%InstallDir%" and the device folders stay references:
    // the device translates them into the folder the user installs to and the
    // folder names of its language. keptDeviceString, when given, tells
    // whether the result holds such a reference.
    QString expandForDevice(const QString &text, int line, const QString &section,
                            bool *keptDeviceString = nullptr) const;

private:
    struct Expansion
    {
        QString text;
        bool keptDeviceString = false;
    };
    struct Context
    {
        int line;
        const QString &section;
        bool keepDeviceStrings;
    };

    // A string being expanded: its text, how far it is read and what it gave so far.
    struct Frame
    {
        QString name; // as the reference writes it; empty for the text expanded
        QString key;
        QString text;
        qsizetype position = 0;
        Expansion result;
    };

    Expansion expand(const QString &text, const Context &context) const;
    static std::optional<QString> readToReference(Frame &frame);
    static void append(Frame &frame, const QString &name, const Expansion &value, const Context &context);
    QHash<QString, Expansion> &cache(const Context &context) const;
    bool isDeviceString(const QString &key) const;

    QHash<QString, QString> m_values;
    QSet<QString> m_deviceFolders;
    // Each string is expanded once per mode: a chain of strings that each name
    // the next twice would otherwise cost twice the time at every level.
    mutable QHash<QString, Expansion> m_expanded[2];
};

} // namespace talmo::cabwiz
