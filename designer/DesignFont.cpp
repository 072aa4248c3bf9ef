#include "designer/DesignFont.h"

#include "widgets/Colors.h"

#include <cmath>

namespace talmo {

namespace {

// Rounds half away from zero, as the pixel and point conversions always have.
int scaled(int value, int numerator, int denominator)
{
    return int(std::lround(double(value) * numerator / denominator));
}

} // namespace

TDesignFont::TDesignFont(QObject *parent)
    : QObject(parent),
      m_color(clWindowText)
{
}

template <typename T>
void TDesignFont::update(T &field, const T &value)
{
    if (field == value)
        return;
    field = value;
    emit changed();
}

void TDesignFont::setCharset(int charset) { update(m_charset, charset); }
void TDesignFont::setColor(int color) { update(m_color, color); }
void TDesignFont::setHeight(int height) { update(m_height, height); }
void TDesignFont::setName(const QString &name) { update(m_name, name); }
void TDesignFont::setPitch(TFontPitch pitch) { update(m_pitch, pitch); }
void TDesignFont::setStyle(TFontStyles style) { update(m_style, style); }

int TDesignFont::size() const
{
    return -scaled(m_height, 72, PixelsPerInch);
}

void TDesignFont::setSize(int size)
{
    setHeight(-scaled(size, PixelsPerInch, 72));
}

void TDesignFont::assign(const TDesignFont &other)
{
    if (sameAs(other))
        return;
    m_charset = other.m_charset;
    m_color = other.m_color;
    m_height = other.m_height;
    m_name = other.m_name;
    m_pitch = other.m_pitch;
    m_style = other.m_style;
    emit changed();
}

bool TDesignFont::sameAs(const TDesignFont &other) const
{
    return m_charset == other.m_charset && m_color == other.m_color && m_height == other.m_height
        && m_name == other.m_name && m_pitch == other.m_pitch && m_style == other.m_style;
}

QFont TDesignFont::toQFont() const
{
    QFont font(m_name);
    if (m_height < 0)
        font.setPixelSize(-m_height);
    else if (m_height > 0)
        font.setPixelSize(m_height);
    font.setBold(m_style.testFlag(fsBold));
    font.setItalic(m_style.testFlag(fsItalic));
    font.setUnderline(m_style.testFlag(fsUnderline));
    font.setStrikeOut(m_style.testFlag(fsStrikeOut));
    if (m_pitch == fpFixed)
        font.setFixedPitch(true);
    return font;
}

const DesignPropertyTable &TDesignFont::propertyTable()
{
    using Form = DesignValueForm;
    static const DesignPropertyTable table(staticMetaObject, {
        {QStringLiteral("Charset"), Form::Charset},
        {QStringLiteral("Color"), Form::Color},
        {QStringLiteral("Height"), Form::Integer},
        {QStringLiteral("Name"), Form::String},
        {QStringLiteral("Pitch"), Form::Enumeration, int(fpDefault)},
        {QStringLiteral("Size"), Form::Integer, {}, DesignProperty::neverStored},
        {QStringLiteral("Style"), Form::Set},
    });
    return table;
}

} // namespace talmo
