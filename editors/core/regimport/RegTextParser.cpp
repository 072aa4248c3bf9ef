#include "editors/core/regimport/RegTextParser.h"

#include "editors/core/regimport/RegImportResult.h"
#include "editors/core/regimport/RegRootKeys.h"

#include <QtEndian>

#include <limits>

namespace talmo {

namespace {

int hexDigitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

bool isHexDigit(QChar c)
{
    return hexDigitValue(c) >= 0;
}

// A number wider than 32 bits is refused rather than cut, so no value changes
// on its way in.
std::optional<quint32> hexNumber(QStringView digits)
{
    if (digits.isEmpty())
        return std::nullopt;
    quint64 number = 0;
    for (const QChar c : digits) {
        const int digit = hexDigitValue(c);
        if (digit < 0)
            return std::nullopt;
        number = number * 16 + quint64(digit);
        if (number > std::numeric_limits<quint32>::max())
            return std::nullopt;
    }
    return quint32(number);
}

QByteArray utf16LittleEndianWithZero(const QString &text)
{
    QByteArray bytes((text.size() + 1) * 2, Qt::Uninitialized);
    qToLittleEndian<char16_t>(text.utf16(), text.size() + 1, bytes.data());
    return bytes;
}

} // namespace

struct RegTextParser::TypeWord
{
    QStringView word;
    State state;
};

const RegTextParser::TypeWord RegTextParser::TypeWords[] = {
    { u"hex", HexValue },
    { u"dword", DwordValue },
    { u"hex(2)", ExpandHexValue },
    { u"hex(7)", MultiHexValue },
};

// Indexed by State; End and Error leave the loop before a step is looked up.
const RegTextParser::Step RegTextParser::Steps[] = {
    &RegTextParser::findFirstKey,
    &RegTextParser::keyLine,
    &RegTextParser::nextLine,
    &RegTextParser::defaultValueName,
    &RegTextParser::quotedValueName,
    &RegTextParser::valueType,
    &RegTextParser::stringValue,
    &RegTextParser::dwordValue,
    &RegTextParser::hexValue,
    &RegTextParser::expandHexValue,
    &RegTextParser::multiHexValue,
    &RegTextParser::typedHexValue,
    &RegTextParser::deleteValue,
};

RegTextParser::RegTextParser(const RegFileText &text, const RegImportCallback &callback, const RegistryProbe &probe)
    : m_text(text.text)
    , m_hexText(text.eightBitHexText)
    , m_callback(callback)
    , m_probe(probe)
{
}

int RegTextParser::run()
{
    static_assert(std::size(Steps) == End);
    if (m_text.isEmpty())
        return RegImportResult::BadFormat;
    while (m_state != End && m_state != Error)
        (this->*Steps[m_state])();
    if (m_state == End)
        return RegImportResult::Success;
    return m_error ? m_error : RegImportResult::BadFormat;
}

void RegTextParser::findFirstKey()
{
    while (!atEnd()) {
        if (m_text[m_pos] == u'[') {
            m_state = KeyLine;
            return;
        }
        skipLine();
    }
    m_state = End;
}

void RegTextParser::keyLine()
{
    m_delete = false;
    m_valueName.reset();
    ++m_pos;
    if (at(m_pos) == u'-') {
        m_delete = true;
        ++m_pos;
    }
    const QStringView line = m_text.sliced(m_pos, lineEnd() - m_pos);
    qsizetype rootEnd = 0;
    while (rootEnd < line.size() && line[rootEnd] != u'\\' && line[rootEnd] != u']')
        ++rootEnd;
    if (rootEnd == line.size()) {
        m_state = Error;
        return;
    }
    QStringView keyPath;
    if (line[rootEnd] == u'\\') {
        // Key names may hold closing brackets: the path runs to the line's last one.
        const qsizetype lastBracket = line.lastIndexOf(u']');
        if (lastBracket < 0) {
            m_state = Error;
            return;
        }
        keyPath = line.sliced(rootEnd + 1, lastBracket - rootEnd - 1);
        m_pos += lastBracket + 1;
    } else {
        m_pos += rootEnd + 1;
    }
    const std::optional<quint32> root = RegRootKeys::RootKeyFromName(line.first(rootEnd));
    if (!root) {
        m_state = Error;
        return;
    }
    m_rootName = RegRootKeys::RootKeyName(*root);
    m_keyPath = keyPath.toString();
    if (m_delete) {
        if (m_keyPath.isEmpty()) {
            m_state = Error;
            return;
        }
        m_error = walkDeletedKey(m_keyPath, 0);
        m_state = m_error ? Error : NextLine;
        return;
    }
    const bool missing = !m_keyPath.isEmpty()
        && m_probe.openKey(m_rootName, m_keyPath).error == RegImportResult::FileNotFound;
    reportKey(missing ? RegImportKind::KeyMissing : RegImportKind::KeyExists, m_keyPath);
    m_state = NextLine;
}

void RegTextParser::nextLine()
{
    skipLine();
    while (!atEnd()) {
        const QChar c = m_text[m_pos];
        if (c == u'"') {
            m_state = QuotedValueName;
            return;
        }
        if (c == u'@') {
            m_state = DefaultValueName;
            return;
        }
        if (c == u'[') {
            m_state = KeyLine;
            return;
        }
        skipLine();
    }
    m_state = End;
}

void RegTextParser::defaultValueName()
{
    ++m_pos;
    m_valueName.reset();
    findEqualsOnLine();
}

void RegTextParser::quotedValueName()
{
    m_valueName = readQuoted();
    if (!m_valueName) {
        m_state = Error;
        return;
    }
    findEqualsOnLine();
}

void RegTextParser::findEqualsOnLine()
{
    const qsizetype equals = m_text.first(lineEnd()).indexOf(u'=', m_pos);
    if (equals < 0) {
        m_state = Error;
        return;
    }
    m_pos = equals;
    m_state = ValueType;
}

void RegTextParser::valueType()
{
    m_delete = false;
    ++m_pos;
    if (at(m_pos) == u'-') {
        m_delete = true;
        ++m_pos;
    }
    if (at(m_pos) == u'"') {
        m_state = StringValue;
        return;
    }
    const qsizetype colon = m_text.first(lineEnd()).indexOf(u':', m_pos);
    if (colon < 0) {
        // "=-" deletes the value, on the last line of the text as on any other.
        m_state = m_delete ? DeleteValue : Error;
        return;
    }
    const QStringView word = m_text.sliced(m_pos, colon - m_pos);
    m_pos = colon + 1;
    m_state = typeOfWord(word);
}

RegTextParser::State RegTextParser::typeOfWord(QStringView word)
{
    for (const TypeWord &typeWord : TypeWords) {
        if (word.compare(typeWord.word, Qt::CaseInsensitive) == 0)
            return typeWord.state;
    }
    const QStringView typedPrefix = u"hex(";
    if (!word.startsWith(typedPrefix, Qt::CaseInsensitive))
        return Error;
    const qsizetype close = word.indexOf(u')', typedPrefix.size());
    if (close != word.size() - 1)
        return Error;
    const std::optional<quint32> type = hexNumber(word.sliced(typedPrefix.size(), close - typedPrefix.size()));
    if (!type)
        return Error;
    m_typedHexType = *type;
    return TypedHexValue;
}

void RegTextParser::stringValue()
{
    const std::optional<QString> text = readQuoted();
    if (!text) {
        m_state = Error;
        return;
    }
    reportValue(RegValueType::String, utf16LittleEndianWithZero(*text), quint32(text->size() + 1), *text);
}

void RegTextParser::dwordValue()
{
    qsizetype end = m_pos;
    while (isHexDigit(at(end)))
        ++end;
    const std::optional<quint32> number = hexNumber(m_text.sliced(m_pos, end - m_pos));
    if (!number) {
        m_state = Error;
        return;
    }
    m_pos = end;
    QByteArray data(4, Qt::Uninitialized);
    qToLittleEndian<quint32>(*number, data.data());
    reportValue(RegValueType::Dword, data, 4, *number);
}

void RegTextParser::hexValue()
{
    if (const std::optional<QByteArray> bytes = readByteList())
        reportValue(RegValueType::Binary, *bytes, quint32(bytes->size()), std::monostate());
    else
        m_state = Error;
}

void RegTextParser::expandHexValue()
{
    if (const std::optional<QByteArray> bytes = readByteList()) {
        const QString text = m_hexText.string(*bytes);
        reportValue(RegValueType::ExpandString, *bytes, quint32(text.size() + 1), text);
    } else {
        m_state = Error;
    }
}

void RegTextParser::multiHexValue()
{
    if (const std::optional<QByteArray> bytes = readByteList())
        reportValue(RegValueType::MultiString, *bytes, quint32(bytes->size()), m_hexText.strings(*bytes));
    else
        m_state = Error;
}

void RegTextParser::typedHexValue()
{
    if (const std::optional<QByteArray> bytes = readByteList())
        reportValue(m_typedHexType, *bytes, quint32(bytes->size()), std::monostate());
    else
        m_state = Error;
}

void RegTextParser::deleteValue()
{
    RegImportEvent event;
    event.kind = RegImportKind::ValueDeleted;
    event.rootName = m_rootName;
    event.keyPath = m_keyPath;
    event.valueName = m_valueName;
    report(std::move(event));
    m_state = NextLine;
}

void RegTextParser::reportKey(RegImportKind kind, const QString &keyPath)
{
    RegImportEvent event;
    event.kind = kind;
    event.rootName = m_rootName;
    event.keyPath = keyPath;
    report(std::move(event));
}

void RegTextParser::reportValue(quint32 type, const QByteArray &data, quint32 size,
                                decltype(RegImportEvent::value) value)
{
    RegImportEvent event;
    event.kind = m_delete ? RegImportKind::ValueDeleted : RegImportKind::Value;
    event.rootName = m_rootName;
    event.keyPath = m_keyPath;
    event.valueName = m_valueName;
    event.data = data;
    event.type = type;
    event.size = size;
    event.value = std::move(value);
    report(std::move(event));
    m_state = NextLine;
}

void RegTextParser::report(RegImportEvent &&event)
{
    if (m_listening)
        m_listening = m_callback(event);
}

// Reports the subkeys deepest first, then the key itself; deletes nothing.
int RegTextParser::walkDeletedKey(const QString &keyPath, int depth)
{
    const RegistryProbe::Key key = m_probe.openKey(m_rootName, keyPath);
    if (key.error == RegImportResult::FileNotFound)
        return RegImportResult::Success;
    if (key.error != RegImportResult::Success)
        return key.error;
    for (const QString &subkey : key.subkeys) {
        if (const int error = walkDeletedKey(keyPath + u'\\' + subkey, depth + 1))
            return error;
    }
    reportKey(depth > 0 ? RegImportKind::SubkeyDeleted : RegImportKind::KeyDeleted, keyPath);
    return RegImportResult::Success;
}

std::optional<QString> RegTextParser::readQuoted()
{
    ++m_pos;
    QString text;
    qsizetype run = m_pos;
    while (!atEnd()) {
        const QChar c = m_text[m_pos];
        if (c == u'"') {
            text.append(m_text.sliced(run, m_pos - run));
            ++m_pos;
            return text;
        }
        if (c == u'\\') {
            // The escaped character starts the next run, whatever it is.
            text.append(m_text.sliced(run, m_pos - run));
            run = ++m_pos;
        }
        if (!atEnd())
            ++m_pos;
    }
    return std::nullopt;
}

// Pairs of hex digits separated by commas; a backslash continues the list on
// the next line, which may start in any column.
std::optional<QByteArray> RegTextParser::readByteList()
{
    QByteArray bytes;
    if (at(m_pos) == u'\\' && !skipToNextDigit())
        return bytes;
    if (atLineEnd())
        return bytes;
    for (;;) {
        const int high = hexDigitValue(at(m_pos));
        const int low = hexDigitValue(at(m_pos + 1));
        if (high < 0 || low < 0)
            return std::nullopt;
        bytes.append(char(high * 16 + low));
        m_pos += 2;
        while (!atLineEnd() && m_text[m_pos] != u',')
            ++m_pos;
        if (atLineEnd())
            return bytes;
        ++m_pos;
        if (!skipToNextDigit())
            return bytes;
    }
}

bool RegTextParser::skipToNextDigit()
{
    while (!atLineEnd()) {
        const QChar c = m_text[m_pos];
        if (isHexDigit(c))
            return true;
        if (c == u'\\')
            skipLine();
        else
            ++m_pos;
    }
    return false;
}

void RegTextParser::skipLine()
{
    m_pos = lineEnd();
    if (m_pos < m_text.size())
        ++m_pos;
}

qsizetype RegTextParser::lineEnd() const
{
    const qsizetype end = m_text.indexOf(u'\n', m_pos);
    return end < 0 ? m_text.size() : end;
}

} // namespace talmo
