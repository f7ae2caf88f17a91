#include "SplashArt.h"

#include "Bevel.h"
#include "Chain.h"
#include "Gem.h"
#include "Lettering.h"
#include "LogoLettering.h"
#include "Metal.h"
#include "Outline.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPathStroker>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <numbers>
#include <random>

using Lettering::Face;

namespace SplashArt {

namespace {

constexpr qreal Pi = std::numbers::pi;

// Draws a chain on a layer of its own the size of `area` only: the chain's
// weaving works on layers as large as the device it paints on.
void chainIn(QPainter &painter, const QRect &area, const QLineF &axis, int links, const Chain::Style &style)
{
    const QTransform toDevice = painter.worldTransform();
    const QRect deviceArea = toDevice.mapRect(QRectF(area)).toAlignedRect();
    QImage layer(deviceArea.size(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter p(&layer);
        p.setRenderHints(painter.renderHints());
        p.translate(-deviceArea.topLeft());
        p.setTransform(toDevice, true);
        Chain::draw(p, axis, links, style);
    }
    painter.save();
    painter.resetTransform();
    painter.drawImage(deviceArea.topLeft(), layer);
    painter.restore();
}

// The gold chains round the card, their ends tucked under the corner ornaments.
void frameChains(QPainter &painter)
{
    Chain::Style style;
    style.link = {11, 19};
    style.thickness = 3.2;
    chainIn(painter, QRect(24, 0, 252, 20), QLineF(32, 10, 268, 10), 21, style);
    chainIn(painter, QRect(24, 380, 252, 20), QLineF(268, 390, 32, 390), 21, style);
    chainIn(painter, QRect(0, 24, 20, 352), QLineF(10, 32, 10, 368), 30, style);
    chainIn(painter, QRect(280, 24, 20, 352), QLineF(290, 368, 290, 32), 30, style);
}

// The ornament of the top-left corner: a boss on a pointed star with two
// leaves along the edges.
QPainterPath cornerOrnament()
{
    QPainterPath boss;
    boss.addEllipse(QPointF(19, 19), 11.5, 11.5);
    QPainterPath star = Outline::diamond(QRectF(1, 1, 36, 36));
    QPainterPath leaves;
    leaves.moveTo(26, 12.5);
    leaves.quadTo(42, 4.5, 56, 10);
    leaves.quadTo(42, 15.5, 26, 20);
    leaves.closeSubpath();
    leaves.moveTo(12.5, 26);
    leaves.quadTo(4.5, 42, 10, 56);
    leaves.quadTo(15.5, 42, 20, 26);
    leaves.closeSubpath();
    return boss.united(star).united(leaves).simplified();
}

void cornerOrnaments(QPainter &painter)
{
    const std::array<QTransform, 4> corners = {
        QTransform(),
        QTransform(-1, 0, 0, 1, 300, 0),
        QTransform(1, 0, 0, -1, 0, 400),
        QTransform(-1, 0, 0, -1, 300, 400),
    };
    const QPainterPath shape = cornerOrnament();
    QPainterPath rim;
    rim.addEllipse(QPointF(19, 19), 7.5, 7.5);
    for (const QTransform &t : corners) {
        painter.setPen(QPen(Qt::black, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(t.map(shape));
        Bevel::draw(painter, t.map(shape), Metal::Finish::Gold, 3.2);
        Bevel::draw(painter, t.map(rim), Metal::Finish::Gold, 2.5);
        Gem::draw(painter, t.map(QPointF(19, 19)), 4.6, QColor(206, 24, 30));
    }
}

// The group's logo in a bevelled silver-blue frame.
void logoPanel(QPainter &painter)
{
    const QRectF outer(54, 21, 192, 68);
    const QRectF inner = outer.adjusted(6, 6, -6, -6);
    QLinearGradient night(inner.topLeft(), inner.bottomLeft());
    night.setColorAt(0, QColor(18, 34, 92));
    night.setColorAt(1, QColor(4, 8, 36));
    painter.setPen(Qt::NoPen);
    painter.setBrush(night);
    painter.drawRoundedRect(inner.adjusted(-1, -1, 1, 1), 6, 6);

    const QGradientStops silverBlue = {
        {0.00, QColor(16,  22,  44) },
        {0.20, QColor(48,  62,  104)},
        {0.40, QColor(104, 124, 170)},
        {0.58, QColor(156, 176, 214)},
        {0.75, QColor(204, 218, 242)},
        {1.00, QColor(250, 252, 255)},
    };
    QPainterPath ring;
    ring.addRoundedRect(outer, 11, 11);
    ring.addRoundedRect(inner, 6, 6);
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(outer, 11, 11);
    Bevel::draw(painter, ring, silverBlue, 3);
    for (QPointF at : {QPointF(outer.left() + 3, outer.center().y()), QPointF(outer.right() - 3, outer.center().y())})
        Gem::draw(painter, at, 4.2, QColor(52, 104, 226));

    LogoLettering::draw(painter, inner.center() + QPointF(0, 0.5), 37);
}

// The red medallion with the numeral, hung on two chains from the frame.
void medallion(QPainter &painter)
{
    Chain::Style style;
    style.link = {9, 16};
    style.thickness = 2.8;
    chainIn(painter, QRect(4, 98, 122, 44), QLineF(13, 108, 118, 132), 12, style);
    chainIn(painter, QRect(174, 98, 122, 44), QLineF(287, 108, 182, 132), 12, style);

    const QGradientStops medallionRed = {
        {0.00, QColor(40,  0,   0)  },
        {0.25, QColor(110, 4,   6)  },
        {0.45, QColor(176, 16,  16) },
        {0.65, QColor(222, 44,  36) },
        {0.85, QColor(250, 120, 100)},
        {1.00, QColor(255, 214, 200)},
    };
    const QRectF outer(111, 96, 78, 92);
    painter.setPen(QPen(Qt::black, 3));
    painter.setBrush(Qt::black);
    painter.drawEllipse(outer);
    QPainterPath face;
    face.addEllipse(outer.adjusted(6, 6, -6, -6));
    Bevel::draw(painter, face, medallionRed, 11);
    Bevel::draw(painter, Outline::ovalRing(outer, 7.5), Metal::Finish::Gold, 3.75);

    const QGradientStops numeralRed = {
        {0.00, QColor(30,  0,   0)  },
        {0.35, QColor(86,  0,   4)  },
        {0.60, QColor(128, 6,   10) },
        {0.85, QColor(176, 40,  36) },
        {1.00, QColor(236, 140, 120)},
    };
    QPainterPath three = Lettering::path(Face::Title, 84, QStringLiteral("3"));
    three = Lettering::centredAt(three, outer.center() + QPointF(0, 1));
    painter.setPen(QPen(Qt::black, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::black);
    painter.drawPath(three);
    Bevel::draw(painter, three, numeralRed, 2.5);
}

// A four-pointed star of light with a soft glow.
void sparkle(QPainter &painter, QPointF at, qreal size)
{
    painter.save();
    painter.translate(at);
    QRadialGradient glow(QPointF(0, 0), size * 0.6);
    glow.setColorAt(0, QColor(255, 255, 240, 220));
    glow.setColorAt(0.4, QColor(255, 230, 200, 90));
    glow.setColorAt(1, QColor(255, 200, 200, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(QPointF(0, 0), size * 0.6, size * 0.6);
    const auto rays = [&](qreal length, qreal width, qreal turn) {
        QPainterPath star;
        for (int i = 0; i < 4; ++i) {
            const qreal a = turn + i * Pi / 2;
            const QPointF tip(std::cos(a) * length, std::sin(a) * length);
            const QPointF side(std::cos(a + Pi / 4) * width, std::sin(a + Pi / 4) * width);
            if (i == 0)
                star.moveTo(tip);
            else
                star.lineTo(tip);
            star.lineTo(side);
        }
        star.closeSubpath();
        return star;
    };
    painter.setBrush(QColor(255, 255, 255, 150));
    painter.drawPath(rays(size * 0.45, size * 0.05, Pi / 4));
    painter.setBrush(QColor(255, 255, 255));
    painter.drawPath(rays(size, size * 0.07, 0));
    painter.setBrush(QColor(255, 255, 255));
    painter.drawEllipse(QPointF(0, 0), size * 0.09, size * 0.09);
    painter.restore();
}

// The lesson's title in two lines of bevelled crimson capitals.
void title(QPainter &painter)
{
    const QGradientStops crimson = {
        {0.00, QColor(44,  0,   8)  },
        {0.22, QColor(110, 0,   20) },
        {0.45, QColor(184, 10,  40) },
        {0.65, QColor(226, 36,  64) },
        {0.85, QColor(252, 120, 136)},
        {1.00, QColor(255, 226, 226)},
    };
    QPainterPath words;
    QPainterPath chain = Lettering::path(Face::Title, 50, QStringLiteral("CHAIN"));
    QPainterPath links = Lettering::path(Face::Title, 50, QStringLiteral("LINKS"));
    chain = chain.translated(150 - chain.boundingRect().center().x(), 229);
    links = links.translated(150 - links.boundingRect().center().x(), 271);
    words.addPath(chain);
    words.addPath(links);

    painter.setPen(QPen(QColor(70, 0, 10), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(words.translated(2, 2));
    painter.setPen(QPen(Qt::black, 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(words);
    Bevel::draw(painter, words, crimson, 2.6);

    sparkle(painter, QPointF(chain.boundingRect().right() - 3, chain.boundingRect().top() + 2), 26);
}

// Pale noise for the parchment: fixed seed, plain integer arithmetic.
QImage parchmentTexture(QSize size)
{
    std::mt19937 noise(1997);
    QImage texture(size, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < size.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(texture.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const int grain = int(noise() % 21) - 10;
            const int fibre = int((x * 7 + y * 3) % 23 == 0) * -12;
            const int r = std::clamp(240 + grain + fibre, 0, 255);
            const int g = std::clamp(224 + grain + fibre, 0, 255);
            const int b = std::clamp(178 + grain + fibre, 0, 255);
            row[x] = qRgb(r, g, b);
        }
    }
    return texture;
}

// A parchment banner with rolled ends, bearing the subtitle and the credit.
void banner(QPainter &painter)
{
    const QRectF sheet(40, 280, 220, 48);
    QPainterPath shape;
    shape.moveTo(sheet.topLeft());
    shape.cubicTo(sheet.left() + 70, sheet.top() - 5, sheet.right() - 70, sheet.top() + 5, sheet.right(), sheet.top());
    shape.lineTo(sheet.bottomRight());
    shape.cubicTo(sheet.right() - 70, sheet.bottom() + 5, sheet.left() + 70, sheet.bottom() - 5, sheet.left(),
                  sheet.bottom());
    shape.closeSubpath();

    painter.save();
    painter.setPen(QPen(Qt::black, 2));
    painter.drawPath(shape);
    painter.setClipPath(shape);
    // The grain is one device pixel fine at any scale.
    const qreal scale = painter.worldTransform().m11();
    QImage texture = parchmentTexture((sheet.size() + QSizeF(1, 12)).toSize() * scale);
    texture.setDevicePixelRatio(scale);
    painter.drawImage(sheet.topLeft() - QPointF(0, 6), texture);
    // Edges browned with age.
    QLinearGradient aged(sheet.topLeft(), sheet.bottomLeft());
    aged.setColorAt(0, QColor(120, 70, 20, 120));
    aged.setColorAt(0.25, QColor(120, 70, 20, 0));
    aged.setColorAt(0.75, QColor(120, 70, 20, 0));
    aged.setColorAt(1, QColor(120, 70, 20, 150));
    painter.fillRect(sheet.adjusted(0, -6, 0, 6), aged);
    painter.restore();
    painter.setPen(QPen(QColor(110, 66, 20), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(shape);

    // The rolled ends: short cylinders lit from the top left.
    for (qreal x : {sheet.left() - 6, sheet.right() - 6}) {
        const QRectF roll(x, sheet.top() - 6, 12, sheet.height() + 12);
        QLinearGradient round(roll.topLeft(), roll.topRight());
        round.setColorAt(0, QColor(150, 100, 44));
        round.setColorAt(0.3, QColor(250, 236, 196));
        round.setColorAt(0.7, QColor(206, 168, 102));
        round.setColorAt(1, QColor(96, 56, 16));
        painter.setPen(QPen(QColor(30, 14, 0), 1.2));
        painter.setBrush(round);
        painter.drawRoundedRect(roll, 5, 5);
        painter.setBrush(QColor(120, 76, 28));
        painter.drawEllipse(QPointF(roll.center().x(), roll.top() + 3), 5, 2.6);
        painter.setPen(QPen(QColor(60, 30, 4), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawArc(QRectF(roll.center().x() - 2.5, roll.top() + 1.6, 5, 2.8), 0, 180 * 16);
    }

    QPainterPath subtitle = Lettering::path(Face::SerifItalic, 20, QStringLiteral("Tutorial No. 3"));
    subtitle = subtitle.translated(150 - subtitle.boundingRect().center().x(), 301);
    QPainterPath credit = Lettering::path(Face::SerifItalic, 12.5, QStringLiteral("by Morvane of Zarnok"));
    credit = credit.translated(150 - credit.boundingRect().center().x(), 318);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 250, 230, 160));
    painter.drawPath(subtitle.translated(0.7, 0.7));
    painter.setBrush(QColor(78, 34, 6));
    painter.drawPath(subtitle);
    painter.setBrush(QColor(110, 20, 14));
    painter.drawPath(credit);
}

// The author's handle in glossy red script.
void signature(QPainter &painter)
{
    const QGradientStops scriptRed = {
        {0.00, QColor(60,  0,   0)  },
        {0.30, QColor(150, 0,   6)  },
        {0.55, QColor(214, 20,  20) },
        {0.75, QColor(248, 70,  56) },
        {1.00, QColor(255, 200, 180)},
    };
    QPainterPath name = Lettering::path(Face::Script, 46, QStringLiteral("Morvane"));
    // The script's hairlines are too fine for a bevel: thicken every stroke.
    QPainterPathStroker weight;
    weight.setWidth(1.3);
    weight.setJoinStyle(Qt::RoundJoin);
    name = name.united(weight.createStroke(name)).simplified();
    name = Lettering::centredAt(name, QPointF(150, 358));
    painter.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::black);
    painter.drawPath(name);
    Bevel::draw(painter, name, scriptRed, 1.6);
}

} // namespace

void draw(QPainter &painter)
{
    frameChains(painter);
    cornerOrnaments(painter);
    medallion(painter);
    logoPanel(painter);
    title(painter);
    banner(painter);
    signature(painter);
}

} // namespace SplashArt
