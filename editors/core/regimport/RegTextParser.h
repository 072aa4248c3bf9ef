#pragma once

#include "editors/core/regimport/RegFileText.h"
#include "editors/core/regimport/RegHexText.h"
#include "editors/core/regimport/RegImportEvent.h"
#include "editors/core/registry/RegistryProbe.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <optional>

namespace talmo {

// The state machine that reads a registry file's text line by line and
// raises an event per key and value.
class RegTextParser
{
public:
    RegTextParser(const RegFileText &text, const RegImportCallback &callback, const RegistryProbe &probe);

    // 0, 11 at the first line it cannot read, or the probe's error code.
    int run();

private:
    enum State {
        FindFirstKey,
        KeyLine,
        NextLine,
        DefaultValueName,
        QuotedValueName,
        ValueType,
        StringValue,
        DwordValue,
        HexValue,
        ExpandHexValue,
        MultiHexValue,
        TypedHexValue,
        DeleteValue,
        End,
        Error,
    };
    using Step = void (RegTextParser::*)();
    static const Step Steps[];
    struct TypeWord;
    static const TypeWord TypeWords[];

    void findFirstKey();
    void keyLine();
    void nextLine();
    void defaultValueName();
    void quotedValueName();
    void valueType();
    void stringValue();
    void dwordValue();
    void hexValue();
    void expandHexValue();
    void multiHexValue();
    void typedHexValue();
    void deleteValue();

    void reportKey(RegImportKind kind, const QString &keyPath);
    void reportValue(quint32 type, const QByteArray &data, quint32 size, decltype(RegImportEvent::value) value);
    void report(RegImportEvent &&event);
    int walkDeletedKey(const QString &keyPath, int depth);
    State typeOfWord(QStringView word);
    std::optional<QString> readQuoted();
    std::optional<QByteArray> readByteList();
    bool skipToNextDigit();
    void skipLine();
    void findEqualsOnLine();

    QChar at(qsizetype index) const { return index < m_text.size() ? m_text[index] : QChar(); }
    bool atEnd() const { return m_pos >= m_text.size(); }
    bool atLineEnd() const { return atEnd() || m_text[m_pos] == u'\n'; }
    qsizetype lineEnd() const;

    QStringView m_text;
    RegHexText m_hexText;
    const RegImportCallback &m_callback;
    const RegistryProbe &m_probe;
    bool m_listening = true;

    State m_state = FindFirstKey;
    qsizetype m_pos = 0;
    bool m_delete = false;
    QString m_rootName;
    QString m_keyPath;
    std::optional<QString> m_valueName;
    quint32 m_typedHexType = 0;
    int m_error = 0;
};

} // namespace talmo
