#pragma once

#include <QByteArray>
#include <QString>

namespace talmo {

// The bytes a HexEdit shows and its caret, always in insert mode. The caret
// sits on a nibble: position 2*b is the high digit of byte b, 2*b+1 its low
// digit, 2*size() the end where typing appends.
class HexEditBuffer
{
public:
    static constexpr int BytesPerRow = 8;
    // Columns of a row's text: offset, two spaces, eight "XX " pairs, a space, characters.
    static constexpr int HexColumn = 10;
    static constexpr int CharColumn = HexColumn + 3 * BytesPerRow + 1;
    static constexpr int RowLength = CharColumn + BytesPerRow;

    void setData(const QByteArray &data);
    const QByteArray &data() const { return m_data; }
    qsizetype size() const { return m_data.size(); }

    qsizetype caret() const { return m_caret; }
    qsizetype caretByte() const { return m_caret / 2; }
    bool caretOnLowNibble() const { return m_caret % 2 == 1; }
    qsizetype caretRow() const { return caretByte() / BytesPerRow; }
    qsizetype rowCount() const { return size() / BytesPerRow + 1; }

    // Editing; each returns whether the bytes changed.
    bool typeDigit(QChar digit);
    bool backspace();
    bool deleteForward();

    // Moves; the caret is kept between 0 and the end.
    void setCaret(qsizetype position);
    void moveBy(qsizetype nibbles);
    void moveRows(qsizetype rows);
    void moveToRowStart();
    void moveToRowEnd();
    void moveToStart();
    void moveToEnd();
    // The caret position for a click on a column of a row's text.
    qsizetype positionAt(qsizetype row, int column) const;

    QString rowText(qsizetype row) const;
    int caretColumn() const;

private:
    QByteArray m_data;
    qsizetype m_caret = 0;
};

} // namespace talmo
