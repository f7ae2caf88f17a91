#include "TitleArt.h"

#include "Arrow.h"
#include "Gem.h"
#include "IconPalette.h"
#include "Lettering.h"
#include "LogoLettering.h"
#include "Plate.h"
#include "Wire.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>

#include <array>
#include <cmath>
#include <numbers>
#include <cstdlib>

using Lettering::Face;

namespace TitleArt {

namespace {

constexpr qreal Pi = std::numbers::pi;

// Of the four colours the icon file keeps, the one nearest in brightness.
QRgb nearestIconColour(QRgb pixel)
{
    constexpr auto IconColours = IconPalette::usedColours();
    const int grey = qGray(pixel);
    QRgb best = IconColours[0];
    for (QRgb candidate : IconColours) {
        if (std::abs(qRed(candidate) - grey) < std::abs(qRed(best) - grey))
            best = candidate;
    }
    return best;
}

// The letter's outline stretched to fill `box` exactly, so that its flat
// top and bottom bars land on whole pixels.
QPainterPath fitted(Face face, const QString &letter, const QRectF &box)
{
    const QPainterPath path = Lettering::path(face, 64, letter);
    const QRectF b = path.boundingRect();
    QTransform t;
    t.translate(box.left(), box.top());
    t.scale(box.width() / b.width(), box.height() / b.height());
    t.translate(-b.left(), -b.top());
    return t.map(path);
}

// A line from `from` to `to` drawn as a row of cursive loops, like links of
// a chain: a prolate cycloid with `loops` loops, `reach` pixels to each side.
QPainterPath loopRun(QPointF from, QPointF to, int loops, qreal reach, qreal swing)
{
    const QPointF along = to - from;
    const qreal length = std::hypot(along.x(), along.y());
    const QPointF unit = along / length;
    const QPointF normal(-unit.y(), unit.x());
    const qreal span = 2 * Pi * loops + Pi;
    const qreal pace = (length - 2 * swing) / span;
    QPainterPath path;
    // Half a turn more than the loops so that the run starts and ends on the line.
    const int steps = loops * 48 + 24;
    for (int i = 0; i <= steps; ++i) {
        const qreal t = Pi / 2 + span * i / steps;
        const qreal x = pace * (t - Pi / 2) - swing * std::sin(t);
        const qreal y = reach * std::cos(t);
        const QPointF p = from + unit * (x + swing) + normal * y;
        if (i == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    return path;
}

// A spiral that starts at `start` and winds `turns` times inwards round
// `centre`, clockwise on screen or against it, shrinking by `decay` a radian.
QPainterPath spiral(QPointF start, QPointF centre, qreal turns, qreal decay, bool clockwise)
{
    const QPointF d = start - centre;
    const qreal r0 = std::hypot(d.x(), d.y());
    const qreal a0 = std::atan2(d.y(), d.x());
    const qreal sign = clockwise ? 1 : -1;
    QPainterPath path(start);
    const int steps = int(turns * 90);
    for (int i = 1; i <= steps; ++i) {
        const qreal a = 2 * Pi * turns * i / steps;
        const qreal r = r0 * std::exp(-decay * a);
        path.lineTo(centre + QPointF(std::cos(a0 + sign * a), std::sin(a0 + sign * a)) * r);
    }
    return path;
}

// The top-left corner's scroll: the top and side runs each end in a volute
// curling inwards; where the two volutes meet, a shaft runs out to the
// picture's corner.
QPainterPath cornerScroll()
{
    QPainterPath path = spiral(QPointF(50, 13), QPointF(38, 25), 1.5, 0.22, false);
    path.addPath(spiral(QPointF(13, 50), QPointF(25, 38), 1.5, 0.22, true));
    path.moveTo(27, 27);
    path.lineTo(12, 12);
    return path;
}

// Half of the crest in the middle of the top edge: a scroll that leaves the
// centre below the rod and curls back on itself.
QPainterPath crest()
{
    QPainterPath path(QPointF(150, 19));
    path.cubicTo(146, 27, 135, 28, 131, 22);
    path.addPath(spiral(QPointF(131, 22), QPointF(135.5, 19.5), 1.2, 0.3, true));
    return path;
}

} // namespace

void drawMainIconLetters(QPainter &painter)
{
    painter.save();
    painter.fillRect(QRectF(0, 0, 32, 32), Qt::white);
    // A hair of outline thickens the thin serifs and hairlines enough to
    // survive the reduction to four colours.
    painter.setPen(QPen(Qt::black, 0.5));
    painter.setBrush(Qt::black);
    painter.drawPath(fitted(Face::Serif, QStringLiteral("Z"), QRectF(1, 7, 14, 18)));
    painter.drawPath(fitted(Face::Serif, QStringLiteral("G"), QRectF(16, 6.6, 15, 18.8)));
    painter.restore();
}

void drawMainIcon(QPainter &painter)
{
    // Drawn with smooth edges, then every pixel set to the nearest of the
    // four colours, so that what is drawn is what the icon file holds.
    QImage art(32, 32, QImage::Format_RGB32);
    {
        QPainter p(&art);
        p.setRenderHint(QPainter::Antialiasing);
        drawMainIconLetters(p);
    }
    for (int y = 0; y < art.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(art.scanLine(y));
        for (int x = 0; x < art.width(); ++x)
            line[x] = nearestIconColour(line[x]);
    }
    painter.drawImage(0, 0, art);
}

void drawAuthorIcon(QPainter &painter)
{
    Plate::draw(
        painter, QRect(0, 0, 80, 31), 1, 2,
        {QColor(150, 195, 255), QColor(105, 150, 240), QColor(18, 36, 110), QColor(70, 112, 218), QColor(38, 72, 176)});
    QPainterPath name = Lettering::path(Face::Script, 23, QStringLiteral("Morvane"));
    name = Lettering::centredAt(name, QPointF(40, 15.5));
    const QRectF box = name.boundingRect();
    QLinearGradient red(box.topLeft(), box.bottomLeft());
    red.setColorAt(0.0, QColor(255, 150, 130));
    red.setColorAt(0.5, QColor(245, 36, 28));
    red.setColorAt(1.0, QColor(160, 0, 8));

    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(5, 10, 45, 200));
    painter.drawPath(name.translated(1, 1));
    painter.setPen(QPen(QColor(60, 0, 0), 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(red);
    painter.drawPath(name);
    painter.setPen(Qt::NoPen);
    painter.drawPath(name);
    painter.restore();
}

void drawGroupLogo(QPainter &painter)
{
    Plate::draw(painter, QRect(0, 0, 80, 31), 1, 2,
                {QColor(70, 95, 170), QColor(52, 72, 150), QColor(2, 4, 28), QColor(22, 34, 100), QColor(8, 14, 58)});
    LogoLettering::draw(painter, QPointF(40, 15.5), 17);
}

void drawIntro(QPainter &painter)
{
    const QGradientStops silver = {
        {0.0, QColor(26,  28,  34) },
        {0.2, QColor(78,  82,  94) },
        {0.4, QColor(138, 142, 156)},
        {0.6, QColor(188, 192, 204)},
        {0.8, QColor(226, 230, 240)},
        {1.0, QColor(255, 255, 255)}
    };
    const QGradientStops blueRod = {
        {0.0,  QColor(6,   14,  50) },
        {0.35, QColor(24,  60,  160)},
        {0.6,  QColor(60,  120, 230)},
        {0.85, QColor(150, 200, 255)},
        {1.0,  QColor(235, 245, 255)}
    };
    const QColor blue(52, 104, 226);
    const QColor orange(255, 176, 56);
    const QColor deepOrange(206, 84, 0);

    // Every ornament is drawn for the top-left quarter and mirrored.
    const std::array<QTransform, 4> quarters = {
        QTransform(),
        QTransform(-1, 0, 0, 1, 300, 0),
        QTransform(1, 0, 0, -1, 0, 200),
        QTransform(-1, 0, 0, -1, 300, 200),
    };
    const auto line = [](QPointF a, QPointF b) {
        QPainterPath p(a);
        p.lineTo(b);
        return p;
    };

    // Blue rods run along the edges; silver loops wind round them. Each
    // piece is bevelled on its own: the bevel's cost grows with its bounds.
    for (const QTransform &t : {quarters[0], quarters[3]}) {
        Wire::draw(painter, t.map(line({50, 13}, {250, 13})), 2.6, blueRod);
        Wire::draw(painter, t.map(line({13, 50}, {13, 150})), 2.6, blueRod);
    }
    for (const QTransform &t : {quarters[0], quarters[3]}) {
        Wire::draw(painter, t.map(loopRun({50, 13}, {250, 13}, 10, 5, 5.5)), 2.8, silver);
        Wire::draw(painter, t.map(loopRun({13, 50}, {13, 150}, 5, 5, 5.5)), 2.8, silver);
    }
    for (const QTransform &t : quarters) {
        Wire::draw(painter, t.map(cornerScroll()), 3.4, silver);
        Wire::draw(painter, t.map(crest()), 3.4, silver);
    }

    for (const QTransform &t : quarters) {
        const QPointF tipBase = t.map(QPointF(13, 13));
        const QPointF out = t.map(QPointF(0, 0)) - tipBase;
        Arrow::drawHead(painter, tipBase, out / std::hypot(out.x(), out.y()), 11, 6, orange, deepOrange);
        Gem::draw(painter, t.map(QPointF(38, 25)), 3.4, blue);
        Gem::draw(painter, t.map(QPointF(25, 38)), 3.4, blue);
        Gem::draw(painter, t.map(QPointF(27, 27)), 2.4, blue);
    }
    for (QPointF at : {QPointF(150, 14), QPointF(150, 186), QPointF(14, 100), QPointF(286, 100)})
        Gem::draw(painter, at, 5, blue);

    LogoLettering::draw(painter, QPointF(150, 101), 56);
}

} // namespace TitleArt
