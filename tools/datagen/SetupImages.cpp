#include "tools/datagen/SetupImages.h"

#include <QDir>
#include <QFileInfo>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace talmo {

namespace {

// The sizes the installer expects of its wizard images.
const QSize WizardImageSize(164, 314);
const QSize SmallImageSize(55, 58);
const QSize ButtonBadgeSize(32, 32);

enum class Motif { Device, Waves, Hills, Sun };

struct Theme
{
    const char *name;
    QColor top;
    QColor bottom;
    QColor accent;
    Motif motif;
};

const Theme Themes[] = {
    {"Classic", QColor(0x1c, 0x3f, 0x8c), QColor(0x8f, 0xb4, 0xe8), QColor(0xf2, 0xf6, 0xfc), Motif::Device},
    {"Ocean", QColor(0x08, 0x28, 0x60), QColor(0x3c, 0x9c, 0xc8), QColor(0xec, 0xf4, 0xfa), Motif::Waves},
    {"Hills", QColor(0x7c, 0xb8, 0xe8), QColor(0xe8, 0xf4, 0xfc), QColor(0x3a, 0x8a, 0x3c), Motif::Hills},
    {"Sunset", QColor(0x3a, 0x1c, 0x5c), QColor(0xf0, 0x90, 0x48), QColor(0xff, 0xe0, 0x70), Motif::Sun},
};

const Theme &theme(const QString &name)
{
    for (const Theme &candidate : Themes) {
        if (name == QLatin1String(candidate.name))
            return candidate;
    }
    return Themes[0];
}

void drawDevice(QPainter &painter, const QRectF &area, const Theme &look)
{
    const qreal height = area.height() * 0.46;
    const qreal width = std::min(area.width() * 0.46, height / 1.8);
    const QRectF body(area.center().x() - width / 2, area.height() * 0.42, width, height);
    painter.setPen(Qt::NoPen);
    painter.setBrush(look.top.darker(140));
    painter.drawRoundedRect(body, width * 0.14, width * 0.14);
    const QRectF screen = body.adjusted(width * 0.10, width * 0.14, -width * 0.10, -width * 0.55);
    QLinearGradient glass(screen.topLeft(), screen.bottomRight());
    glass.setColorAt(0, look.accent);
    glass.setColorAt(1, look.bottom);
    painter.setBrush(glass);
    painter.drawRect(screen);
    painter.setBrush(look.accent);
    const qreal button = width * 0.22;
    painter.drawEllipse(QRectF(body.center().x() - button / 2, screen.bottom() + width * 0.14, button, button));
}

void drawWaves(QPainter &painter, const QRectF &area, const Theme &look)
{
    painter.setPen(Qt::NoPen);
    for (int band = 0; band < 4; ++band) {
        const qreal baseline = area.height() * (0.55 + 0.11 * band);
        QPainterPath wave(QPointF(area.left(), area.bottom()));
        for (int x = 0; x <= int(area.width()); ++x)
            wave.lineTo(x, baseline + std::sin((x + band * 17) / area.width() * 2 * M_PI * 1.5) * area.height() * 0.025);
        wave.lineTo(area.right(), area.bottom());
        wave.closeSubpath();
        QColor colour = look.accent;
        colour.setAlpha(60 + 45 * band);
        painter.setBrush(colour);
        painter.drawPath(wave);
    }
}

void drawHills(QPainter &painter, const QRectF &area, const Theme &look)
{
    painter.setPen(Qt::NoPen);
    const struct { qreal x, y, w, h; int lighter; } hills[] = {
        {-0.4, 0.62, 1.3, 0.6, 130}, {0.3, 0.70, 1.2, 0.6, 110}, {-0.2, 0.80, 1.6, 0.6, 100}};
    for (const auto &hill : hills) {
        painter.setBrush(look.accent.lighter(hill.lighter));
        painter.drawEllipse(QRectF(area.width() * hill.x, area.height() * hill.y, area.width() * hill.w,
                                   area.height() * hill.h));
    }
}

void drawSun(QPainter &painter, const QRectF &area, const Theme &look)
{
    const QPointF centre(area.center().x(), area.height() * 0.62);
    const qreal radius = area.width() * 0.30;
    QRadialGradient glow(centre, radius * 2);
    glow.setColorAt(0, look.accent);
    glow.setColorAt(0.45, look.accent);
    glow.setColorAt(0.5, QColor(look.accent.red(), look.accent.green(), look.accent.blue(), 90));
    glow.setColorAt(1, Qt::transparent);
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(centre, radius * 2, radius * 2);
    painter.setBrush(look.top);
    for (int stripe = 0; stripe < 5; ++stripe) {
        const qreal y = centre.y() + radius * 0.15 + stripe * radius * 0.2;
        painter.drawRect(QRectF(area.left(), y, area.width(), radius * 0.04 * (stripe + 1)));
    }
    painter.drawRect(QRectF(area.left(), area.height() * 0.78, area.width(), area.height() * 0.22));
}

QImage drawScene(const QSize &size, const Theme &look)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area(QPointF(0, 0), QSizeF(size));
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0, look.top);
    sky.setColorAt(1, look.bottom);
    painter.fillRect(area, sky);
    switch (look.motif) {
    case Motif::Device: drawDevice(painter, area, look); break;
    case Motif::Waves: drawWaves(painter, area, look); break;
    case Motif::Hills: drawHills(painter, area, look); break;
    case Motif::Sun: drawSun(painter, area, look); break;
    }
    return image;
}

// A round badge with a wave: the Ocean skin shows it beside the buttons.
QImage drawButtonBadge(const Theme &look)
{
    QImage image(ButtonBadgeSize, QImage::Format_RGB32);
    image.fill(look.accent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF circle = QRectF(QPointF(0, 0), QSizeF(ButtonBadgeSize)).adjusted(2, 2, -2, -2);
    QRadialGradient shine(circle.center() - QPointF(5, 5), circle.width());
    shine.setColorAt(0, look.bottom.lighter(130));
    shine.setColorAt(1, look.top);
    painter.setPen(QPen(look.top.darker(130), 1.5));
    painter.setBrush(shine);
    painter.drawEllipse(circle);
    QPainterPath wave(QPointF(circle.left() + 6, circle.center().y() + 2));
    wave.cubicTo(circle.center() + QPointF(-4, -8), circle.center() + QPointF(4, 10),
                 QPointF(circle.right() - 6, circle.center().y() - 2));
    painter.setPen(QPen(look.accent, 2.5, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(wave);
    return image;
}

} // namespace

QStringList SetupImages::relativePaths()
{
    QStringList paths = {QStringLiteral("Setup Skins/Default/Default.bmp"),
                         QStringLiteral("Setup Skins/Ocean/Ocean.bmp"),
                         QStringLiteral("Setup Skins/Ocean/button.bmp")};
    for (const Theme &look : Themes) {
        paths << QStringLiteral("WizardImages/%1.bmp").arg(QLatin1String(look.name));
        paths << QStringLiteral("WizardImages/Small/%1.bmp").arg(QLatin1String(look.name));
    }
    return paths;
}

QImage SetupImages::draw(const QString &relativePath)
{
    const QString baseName = QFileInfo(relativePath).completeBaseName();
    if (baseName == QLatin1String("button"))
        return drawButtonBadge(theme(QStringLiteral("Ocean")));
    if (baseName == QLatin1String("Default"))
        return drawScene(WizardImageSize, theme(QStringLiteral("Classic")));
    const bool small = relativePath.startsWith(QLatin1String("WizardImages/Small/"));
    return drawScene(small ? SmallImageSize : WizardImageSize, theme(baseName));
}

bool SetupImages::writeAll(const QString &programFolder, QString *error)
{
    const QDir root(programFolder);
    for (const QString &relativePath : relativePaths()) {
        const QString path = root.filePath(relativePath);
        if (!QDir().mkpath(QFileInfo(path).path())
            || !draw(relativePath).convertToFormat(QImage::Format_RGB888).save(path, "BMP")) {
            *error = QStringLiteral("Cannot write %1").arg(path);
            return false;
        }
    }
    return true;
}

} // namespace talmo
