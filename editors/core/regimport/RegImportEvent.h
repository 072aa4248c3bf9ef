#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <variant>

namespace talmo {

enum class RegImportKind {
    KeyExists = 0,     // a key line whose key the registry holds (and every root-only line)
    KeyMissing = 1,    // a key line whose key the registry does not hold
    KeyDeleted = 2,    // a key-deletion line: the named key, after its subkeys
    Value = 3,         // a value line
    ValueDeleted = 4,  // a value-deletion line, or a value written after "=-"
    SubkeyDeleted = 5, // a key-deletion line: one subkey of the named key, deepest first
};

// Registry value types as the file names them.
namespace RegValueType {
inline constexpr quint32 None = 0;
inline constexpr quint32 String = 1;
inline constexpr quint32 ExpandString = 2;
inline constexpr quint32 Binary = 3;
inline constexpr quint32 Dword = 4;
inline constexpr quint32 MultiString = 7;
}

// One key or value of a registry file. Everything is owned, so a callback may
// keep events as they come.
struct RegImportEvent
{
    RegImportKind kind = RegImportKind::KeyExists;
    QString rootName; // always the standard spelling, whatever case the file used
    QString keyPath;  // below the root, as written; empty for a root-only key line
    std::optional<QString> valueName; // absent for the default value and for key events
    // The value's bytes: a hex list's bytes as written, a dword's four
    // little-endian bytes, a quoted string as UTF-16LE with its final zero.
    // Absent for key events and for a bare "=-" deletion.
    std::optional<QByteArray> data;
    quint32 type = RegValueType::None;
    // A string's length plus one (quoted or hex(2)), 4 for a dword, else the byte count.
    quint32 size = 0;
    // The data read as its type: text (types 1 and 2), the number (dword) or
    // every string of a hex(7) list.
    std::variant<std::monostate, QString, quint32, QStringList> value;

    bool operator==(const RegImportEvent &) const = default;
};

// Returns false to hear no more events of this import; reading goes on for the result.
using RegImportCallback = std::function<bool(const RegImportEvent &event)>;

} // namespace talmo
