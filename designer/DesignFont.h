#pragma once

#include "designer/DesignPropertyTable.h"

#include <QFont>
#include <QObject>
#include <QString>

namespace talmo {

// The font of a designed control as the page text stores it: the height in
// pixels (negative: character height), the point size derived from it at
// 96 dpi, and the GDI character set number.
class TDesignFont : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("talmo:Color", "TColor")
    Q_PROPERTY(int Charset READ charset WRITE setCharset)
    Q_PROPERTY(int Color READ color WRITE setColor)
    Q_PROPERTY(int Height READ height WRITE setHeight)
    Q_PROPERTY(QString Name READ name WRITE setName)
    Q_PROPERTY(TFontPitch Pitch READ pitch WRITE setPitch)
    Q_PROPERTY(int Size READ size WRITE setSize)
    Q_PROPERTY(TFontStyles Style READ style WRITE setStyle)

public:
    enum TFontPitch { fpDefault, fpVariable, fpFixed };
    Q_ENUM(TFontPitch)
    enum TFontStyle { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
    Q_DECLARE_FLAGS(TFontStyles, TFontStyle)
    Q_FLAG(TFontStyles)

    static constexpr int DefaultCharset = 1; // DEFAULT_CHARSET
    static constexpr int PixelsPerInch = 96;

    explicit TDesignFont(QObject *parent = nullptr);

    int charset() const { return m_charset; }
    void setCharset(int charset);
    int color() const { return m_color; }
    void setColor(int color);
    int height() const { return m_height; }
    void setHeight(int height);
    QString name() const { return m_name; }
    void setName(const QString &name);
    TFontPitch pitch() const { return m_pitch; }
    void setPitch(TFontPitch pitch);
    int size() const;
    void setSize(int size);
    TFontStyles style() const { return m_style; }
    void setStyle(TFontStyles style);

    // Takes every value of other; one change notification.
    void assign(const TDesignFont &other);
    bool sameAs(const TDesignFont &other) const;
    // The font to paint with.
    QFont toQFont() const;

    // Charset, Color, Height, Name and Style always written, Pitch when set,
    // Size never (Height holds it).
    static const DesignPropertyTable &propertyTable();

signals:
    void changed();

private:
    template <typename T>
    void update(T &field, const T &value);

    int m_charset = DefaultCharset;
    int m_color;
    int m_height = -11;
    QString m_name = QStringLiteral("Tahoma");
    TFontPitch m_pitch = fpDefault;
    TFontStyles m_style;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TDesignFont::TFontStyles)

} // namespace talmo
