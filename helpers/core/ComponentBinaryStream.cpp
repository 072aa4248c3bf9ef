#include "helpers/core/ComponentBinaryStream.h"

#include "helpers/core/ComponentTextSyntax.h"
#include "platform/AnsiCodec.h"

#include <QtEndian>

#include <bit>
#include <cmath>
#include <cstring>

namespace talmo {

namespace {

const QByteArray Signature = QByteArrayLiteral("TPF0");

enum Tag : quint8 {
    vaNull = 0,
    vaList = 1,
    vaInt8 = 2,
    vaInt16 = 3,
    vaInt32 = 4,
    vaExtended = 5,
    vaString = 6,
    vaIdent = 7,
    vaFalse = 8,
    vaTrue = 9,
    vaBinary = 10,
    vaSet = 11,
    vaLString = 12,
    vaNil = 13,
    vaCollection = 14,
    vaSingle = 15,
    vaCurrency = 16,
    vaDate = 17,
    vaWString = 18,
    vaInt64 = 19,
    vaUTF8String = 20,
    vaDouble = 21,
};

// Flags byte of a component: the high nibble is all ones.
constexpr quint8 FlagsMark = 0xF0;
constexpr quint8 ChildPosFlag = 0x02;

constexpr double CurrencyScale = 10000.0;

// The 80-bit extended format: 64-bit mantissa with its integer bit, 15-bit
// exponent biased by 16383, sign.
QByteArray extendedFromDouble(double value)
{
    const quint64 bits = std::bit_cast<quint64>(value);
    const quint16 sign = quint16((bits >> 63) << 15);
    const int exponent = int((bits >> 52) & 0x7FF);
    quint64 fraction = bits & ((quint64(1) << 52) - 1);
    quint16 extendedExponent = 0;
    quint64 mantissa = 0;
    if (exponent == 0x7FF) {
        extendedExponent = 0x7FFF;
        mantissa = (quint64(1) << 63) | (fraction << 11);
    } else if (exponent != 0) {
        extendedExponent = quint16(exponent - 1023 + 16383);
        mantissa = (quint64(1) << 63) | (fraction << 11);
    } else if (fraction != 0) {
        int scaled = 1 - 1023 + 16383;
        while (!(fraction & (quint64(1) << 52))) {
            fraction <<= 1;
            --scaled;
        }
        extendedExponent = quint16(scaled);
        mantissa = fraction << 11;
    }
    QByteArray bytes(10, '\0');
    qToLittleEndian(mantissa, bytes.data());
    qToLittleEndian(quint16(sign | extendedExponent), bytes.data() + 8);
    return bytes;
}

double doubleFromExtended(const char *bytes)
{
    const quint64 mantissa = qFromLittleEndian<quint64>(bytes);
    const quint16 signAndExponent = qFromLittleEndian<quint16>(bytes + 8);
    const bool negative = signAndExponent & 0x8000;
    const int exponent = signAndExponent & 0x7FFF;
    double magnitude = 0;
    if (exponent == 0x7FFF)
        magnitude = (mantissa << 1) == 0 ? INFINITY : NAN;
    else if (mantissa != 0)
        magnitude = std::ldexp(double(mantissa), std::max(exponent, 1) - 16383 - 63);
    return negative ? -magnitude : magnitude;
}

class Writer
{
public:
    QByteArray bytes;

    void component(const ComponentTextNode &node)
    {
        shortString(node.className);
        shortString(node.name);
        properties(node.properties);
        for (const ComponentTextNode &child : node.children)
            component(child);
        bytes.append('\0');
    }

private:
    void tag(Tag tag) { bytes.append(char(tag)); }

    template <typename T>
    void number(T value)
    {
        char buffer[sizeof(T)];
        qToLittleEndian(value, buffer);
        bytes.append(buffer, sizeof(T));
    }

    void shortString(const QString &text)
    {
        const QByteArray encoded = AnsiCodec::encode(text);
        if (encoded.size() > 255)
            throw ComponentTextError(QStringLiteral("\"%1\" is too long for a binary component stream").arg(text));
        bytes.append(char(encoded.size()));
        bytes.append(encoded);
    }

    void properties(const ComponentTextProperties &list)
    {
        for (const ComponentTextProperty &property : list) {
            shortString(property.path);
            value(property.value);
        }
        bytes.append('\0');
    }

    void integer(qint64 value)
    {
        if (value >= -128 && value <= 127) {
            tag(vaInt8);
            number(qint8(value));
        } else if (value >= -32768 && value <= 32767) {
            tag(vaInt16);
            number(qint16(value));
        } else if (value >= INT32_MIN && value <= INT32_MAX) {
            tag(vaInt32);
            number(qint32(value));
        } else {
            tag(vaInt64);
            number(value);
        }
    }

    void floating(const ComponentTextValue &value)
    {
        const double number = value.toDouble();
        switch (value.floatType()) {
        case ComponentTextValue::FloatType::Extended:
            tag(vaExtended);
            bytes.append(extendedFromDouble(number));
            break;
        case ComponentTextValue::FloatType::Single:
            tag(vaSingle);
            this->number(float(number));
            break;
        case ComponentTextValue::FloatType::Currency: {
            const double scaled = std::round(number * CurrencyScale);
            if (!(std::fabs(scaled) < 9.2e18))
                throw ComponentTextError(QStringLiteral("The currency %1 is out of range").arg(value.text()));
            tag(vaCurrency);
            this->number(qint64(scaled));
            break;
        }
        case ComponentTextValue::FloatType::Date:
            tag(vaDate);
            this->number(number);
            break;
        }
    }

    void identifier(const QString &text)
    {
        if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) {
            tag(vaTrue);
        } else if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) {
            tag(vaFalse);
        } else if (text.compare(QLatin1String("nil"), Qt::CaseInsensitive) == 0) {
            tag(vaNil);
        } else {
            tag(vaIdent);
            shortString(text);
        }
    }

    void value(const ComponentTextValue &value)
    {
        using Kind = ComponentTextValue::Kind;
        switch (value.kind()) {
        case Kind::Integer:
            integer(value.integer());
            break;
        case Kind::Float:
            floating(value);
            break;
        case Kind::Identifier:
            identifier(value.text());
            break;
        case Kind::String:
            tag(vaWString);
            number(qint32(value.text().size()));
            for (QChar c : value.text())
                number(quint16(c.unicode()));
            break;
        case Kind::Set:
            tag(vaSet);
            for (const QString &member : value.setMembers())
                shortString(member);
            bytes.append('\0');
            break;
        case Kind::List:
            tag(vaList);
            for (const ComponentTextValue &item : value.items())
                this->value(item);
            tag(vaNull);
            break;
        case Kind::Binary:
            tag(vaBinary);
            number(qint32(value.bytes().size()));
            bytes.append(value.bytes());
            break;
        case Kind::Collection:
            tag(vaCollection);
            for (const ComponentTextProperties &item : value.collectionItems()) {
                tag(vaList);
                properties(item);
            }
            tag(vaNull);
            break;
        }
    }
};

class Reader
{
public:
    explicit Reader(const QByteArray &bytes)
        : m_bytes(bytes)
    {
    }

    std::vector<ComponentTextNode> block()
    {
        std::vector<ComponentTextNode> components;
        while (peek() != 0) {
            if (takeBytes(Signature.size()) != Signature)
                fail(QStringLiteral("A component does not begin with the signature TPF0"));
            components.push_back(component(1));
        }
        return components;
    }

private:
    [[noreturn]] void fail(const QString &message) const
    {
        throw ComponentTextError(QStringLiteral("%1 (at byte %2)").arg(message).arg(m_position));
    }

    void checkDepth(int depth) const
    {
        if (depth > ComponentBinaryStream::MaxDepth)
            fail(QStringLiteral("Components or values are nested too deeply"));
    }

    quint8 peek() const
    {
        if (m_position >= m_bytes.size())
            fail(QStringLiteral("The stream ends too early"));
        return quint8(m_bytes.at(m_position));
    }

    quint8 byte()
    {
        const quint8 value = peek();
        ++m_position;
        return value;
    }

    const char *take(qint64 count)
    {
        if (count < 0 || count > m_bytes.size() - m_position)
            fail(QStringLiteral("A length of %1 runs past the end of the stream").arg(count));
        const char *data = m_bytes.constData() + m_position;
        m_position += count;
        return data;
    }

    QByteArray takeBytes(qint64 count)
    {
        const char *data = take(count);
        return QByteArray(data, count);
    }

    template <typename T>
    T number()
    {
        return qFromLittleEndian<T>(take(sizeof(T)));
    }

    QString shortString()
    {
        const quint8 length = byte();
        return AnsiCodec::decode(takeBytes(length));
    }

    // A name the component text could hold.
    QString name(bool mayBeEmpty, bool dotted, const char *what)
    {
        const QString text = shortString();
        if (text.isEmpty() ? !mayBeEmpty
                           : !(dotted ? ComponentTextSyntax::isDottedName(text) : ComponentTextSyntax::isName(text)))
            fail(QStringLiteral("\"%1\" is not a valid %2").arg(text, QLatin1String(what)));
        return text;
    }

    ComponentTextNode component(int depth)
    {
        checkDepth(depth);
        if ((peek() & FlagsMark) == FlagsMark) {
            const quint8 flags = byte() & 0x0F;
            if (flags & ChildPosFlag)
                integerValue(byte());
        }
        ComponentTextNode node;
        node.className = name(false, false, "class name");
        node.name = name(true, false, "component name");
        node.properties = properties(depth);
        while (peek() != 0)
            node.children.push_back(component(depth + 1));
        byte();
        return node;
    }

    ComponentTextProperties properties(int depth)
    {
        ComponentTextProperties list;
        while (peek() != 0) {
            ComponentTextProperty property;
            property.path = name(false, true, "property name");
            property.value = value(depth + 1);
            list.push_back(std::move(property));
        }
        byte();
        return list;
    }

    qint64 integerValue(quint8 tag)
    {
        switch (tag) {
        case vaInt8:
            return number<qint8>();
        case vaInt16:
            return number<qint16>();
        case vaInt32:
            return number<qint32>();
        case vaInt64:
            return number<qint64>();
        default:
            fail(QStringLiteral("Value tag %1 is not an integer").arg(tag));
        }
    }

    qint64 length()
    {
        return number<qint32>();
    }

    QString wideString(qint64 count)
    {
        if (count < 0 || count > (m_bytes.size() - m_position) / 2)
            fail(QStringLiteral("A length of %1 runs past the end of the stream").arg(count));
        const char *data = take(count * 2);
        QString text(count, Qt::Uninitialized);
        for (qint64 i = 0; i < count; ++i)
            text[i] = QChar(qFromLittleEndian<quint16>(data + 2 * i));
        return text;
    }

    ComponentTextValue value(int depth)
    {
        checkDepth(depth);
        using FloatType = ComponentTextValue::FloatType;
        const quint8 tag = byte();
        switch (tag) {
        case vaNull:
            return ComponentTextValue::fromIdentifier(QStringLiteral("Null"));
        case vaList: {
            std::vector<ComponentTextValue> items;
            while (peek() != vaNull)
                items.push_back(value(depth + 1));
            byte();
            return ComponentTextValue::fromList(std::move(items));
        }
        case vaInt8:
        case vaInt16:
        case vaInt32:
        case vaInt64:
            return ComponentTextValue::fromInteger(integerValue(tag));
        case vaExtended:
            return ComponentTextValue::fromFloat(doubleFromExtended(take(10)), FloatType::Extended);
        case vaDouble:
            return ComponentTextValue::fromFloat(number<double>(), FloatType::Extended);
        case vaSingle:
            return ComponentTextValue::fromFloat(number<float>(), FloatType::Single);
        case vaCurrency:
            return ComponentTextValue::fromFloat(double(number<qint64>()) / CurrencyScale, FloatType::Currency);
        case vaDate:
            return ComponentTextValue::fromFloat(number<double>(), FloatType::Date);
        case vaString:
            return ComponentTextValue::fromString(shortString());
        case vaLString:
            return ComponentTextValue::fromString(AnsiCodec::decode(takeBytes(length())));
        case vaWString:
            return ComponentTextValue::fromString(wideString(length()));
        case vaUTF8String:
            return ComponentTextValue::fromString(QString::fromUtf8(takeBytes(length())));
        case vaIdent:
            return ComponentTextValue::fromIdentifier(shortString());
        case vaFalse:
        case vaTrue:
            return ComponentTextValue::fromBoolean(tag == vaTrue);
        case vaNil:
            return ComponentTextValue::fromIdentifier(QStringLiteral("nil"));
        case vaBinary:
            return ComponentTextValue::fromBinary(takeBytes(length()));
        case vaSet: {
            QStringList members;
            for (QString member = shortString(); !member.isEmpty(); member = shortString())
                members << member;
            return ComponentTextValue::fromSet(members);
        }
        case vaCollection:
            return collection(depth);
        default:
            fail(QStringLiteral("Unknown value tag %1").arg(tag));
        }
    }

    ComponentTextValue collection(int depth)
    {
        std::vector<ComponentTextProperties> items;
        while (peek() != vaNull) {
            const quint8 tag = byte();
            if (tag != vaList) {
                integerValue(tag); // an item's order, which the text form does not keep
                if (byte() != vaList)
                    fail(QStringLiteral("A collection item does not begin with a list"));
            }
            items.push_back(properties(depth + 1));
        }
        byte();
        return ComponentTextValue::fromCollection(std::move(items));
    }

    const QByteArray &m_bytes;
    qint64 m_position = 0;
};

} // namespace

QByteArray ComponentBinaryStream::writeBlock(const std::vector<ComponentTextNode> &components)
{
    Writer writer;
    for (const ComponentTextNode &component : components) {
        writer.bytes.append(Signature);
        writer.component(component);
    }
    writer.bytes.append('\0');
    return writer.bytes;
}

std::vector<ComponentTextNode> ComponentBinaryStream::readBlock(const QByteArray &bytes)
{
    return Reader(bytes).block();
}

} // namespace talmo
