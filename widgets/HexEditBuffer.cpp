#include "widgets/HexEditBuffer.h"

#include <algorithm>

namespace talmo {

namespace {

int hexDigitValue(QChar digit)
{
    const char c = digit.toLatin1();
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

QChar printable(char byte)
{
    const auto value = static_cast<unsigned char>(byte);
    return value >= 0x20 && value < 0x7f ? QChar(value) : QChar('.');
}

} // namespace

void HexEditBuffer::setData(const QByteArray &data)
{
    m_data = data;
    m_caret = 0;
}

bool HexEditBuffer::typeDigit(QChar digit)
{
    const int value = hexDigitValue(digit);
    if (value < 0)
        return false;
    const qsizetype byte = caretByte();
    if (caretOnLowNibble()) {
        m_data[byte] = static_cast<char>((static_cast<unsigned char>(m_data[byte]) & 0xf0) | value);
    } else {
        m_data.insert(byte, static_cast<char>(value << 4));
    }
    ++m_caret;
    return true;
}

bool HexEditBuffer::backspace()
{
    // A half-typed byte goes first; otherwise the byte before the caret.
    const qsizetype byte = caretOnLowNibble() ? caretByte() : caretByte() - 1;
    if (byte < 0)
        return false;
    m_data.remove(byte, 1);
    m_caret = 2 * byte;
    return true;
}

bool HexEditBuffer::deleteForward()
{
    const qsizetype byte = caretByte();
    if (byte >= size())
        return false;
    m_data.remove(byte, 1);
    m_caret = 2 * byte;
    return true;
}

void HexEditBuffer::setCaret(qsizetype position)
{
    m_caret = std::clamp<qsizetype>(position, 0, 2 * size());
}

void HexEditBuffer::moveBy(qsizetype nibbles)
{
    setCaret(m_caret + nibbles);
}

void HexEditBuffer::moveRows(qsizetype rows)
{
    setCaret(m_caret + rows * 2 * BytesPerRow);
}

void HexEditBuffer::moveToRowStart()
{
    setCaret(caretRow() * 2 * BytesPerRow);
}

void HexEditBuffer::moveToRowEnd()
{
    setCaret((caretRow() + 1) * 2 * BytesPerRow - 1);
}

void HexEditBuffer::moveToStart()
{
    m_caret = 0;
}

void HexEditBuffer::moveToEnd()
{
    m_caret = 2 * size();
}

qsizetype HexEditBuffer::positionAt(qsizetype row, int column) const
{
    int byteInRow = 0;
    int nibble = 0;
    if (column >= CharColumn) {
        byteInRow = std::min(column - CharColumn, BytesPerRow - 1);
    } else if (column >= HexColumn) {
        const int within = (column - HexColumn) % 3;
        byteInRow = (column - HexColumn) / 3;
        if (within == 1)
            nibble = 1;
        else if (within == 2)
            ++byteInRow;
        byteInRow = std::min(byteInRow, BytesPerRow - 1);
    }
    const qsizetype position = 2 * (row * BytesPerRow + byteInRow) + nibble;
    return std::clamp<qsizetype>(position, 0, 2 * size());
}

QString HexEditBuffer::rowText(qsizetype row) const
{
    const qsizetype first = row * BytesPerRow;
    QString text = QStringLiteral("%1  ").arg(first, 8, 16, QChar('0')).toUpper();
    QString characters;
    for (int i = 0; i < BytesPerRow; ++i) {
        const qsizetype index = first + i;
        if (index < size()) {
            const auto value = static_cast<unsigned char>(m_data[index]);
            text += QStringLiteral("%1 ").arg(value, 2, 16, QChar('0')).toUpper();
            characters += printable(m_data[index]);
        } else {
            text += QStringLiteral("   ");
        }
    }
    return text + QChar(' ') + characters;
}

int HexEditBuffer::caretColumn() const
{
    return HexColumn + 3 * static_cast<int>(caretByte() % BytesPerRow) + (caretOnLowNibble() ? 1 : 0);
}

} // namespace talmo
