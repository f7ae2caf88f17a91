#include "TitleKit.h"

#include "Bevel.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPathStroker>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace TitleKit {

QColor mix(QColor a, QColor b, qreal t)
{
    const auto lerp = [t](int x, int y) { return int(std::lround(x + (y - x) * t)); };
    return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()),
                  lerp(a.alpha(), b.alpha()));
}

QPainterPath trackedText(Lettering::Face face, qreal pixelSize, const QString &text, qreal tracking)
{
    if (tracking == 0)
        return Lettering::path(face, pixelSize, text);
    // Each letter keeps the place the font's own advances (and kerning) give
    // it: the right edge of the text up to that letter, less the letter's width.
    QPainterPath result;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QPainterPath letter = Lettering::path(face, pixelSize, text.mid(i, 1));
        if (letter.isEmpty())
            continue;
        const qreal right = Lettering::path(face, pixelSize, text.left(i + 1)).boundingRect().right();
        const qreal pen = right - letter.boundingRect().right();
        result.addPath(letter.translated(pen + i * tracking, 0));
    }
    return result;
}

QPainterPath centredAt(const QPainterPath &path, QPointF centre)
{
    return path.translated(centre - path.boundingRect().center());
}

void wire(QPainter &painter, const QPainterPath &path, qreal width, const QGradientStops &ramp)
{
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    const QPainterPath shape = stroker.createStroke(path).simplified();
    painter.save();
    painter.setPen(QPen(QColor(0, 0, 0, 230), 1.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(shape);
    painter.restore();
    Bevel::draw(painter, shape, ramp, width / 2);
}

void gem(QPainter &painter, QPointF centre, qreal radius, QColor tint)
{
    painter.save();
    QRadialGradient glass(centre, radius, centre + QPointF(-radius * 0.35, -radius * 0.4));
    glass.setColorAt(0.0, tint.lighter(190));
    glass.setColorAt(0.45, tint);
    glass.setColorAt(1.0, tint.darker(300));
    painter.setPen(QPen(QColor(10, 10, 20), std::max(0.8, radius * 0.22)));
    painter.setBrush(glass);
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 220));
    const qreal spot = radius * 0.28;
    painter.drawEllipse(centre + QPointF(-radius * 0.38, -radius * 0.38), spot, spot * 0.8);
    painter.restore();
}

void arrowTip(QPainter &painter, QPointF base, QPointF direction, qreal length, qreal halfWidth,
              QColor light, QColor dark)
{
    const QPointF normal(-direction.y(), direction.x());
    const QPointF tip = base + direction * length;
    const QPointF left = base + normal * halfWidth;
    const QPointF right = base - normal * halfWidth;
    const QPointF notch = base + direction * (length * 0.22);
    // The half whose outward side faces the top left is the lit one.
    const bool leftLit = (normal.x() + normal.y()) < 0;

    painter.save();
    painter.setPen(QPen(QColor(20, 8, 0), 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(dark);
    painter.drawPolygon(QPolygonF{tip, left, notch, right});
    painter.setPen(Qt::NoPen);
    painter.setBrush(light);
    painter.drawPolygon(leftLit ? QPolygonF{tip, left, notch} : QPolygonF{tip, right, notch});
    painter.setPen(QPen(light.lighter(130), 0.9, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(tip, leftLit ? (tip + left) / 2 : (tip + right) / 2);
    painter.restore();
}

void bevelPlate(QPainter &painter, const QRect &rect, int rimWidth, int bevelWidth,
                const PlateColours &colours)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(rect, colours.rim);
    const QRect inner = rect.adjusted(rimWidth, rimWidth, -rimWidth, -rimWidth);
    const QRect face = inner.adjusted(bevelWidth, bevelWidth, -bevelWidth, -bevelWidth);
    // Bevel strips drawn one pixel ring at a time so that the mitred corners
    // stay exact on the pixel grid.
    for (int i = 0; i < bevelWidth; ++i) {
        const QRect ring = inner.adjusted(i, i, -i, -i);
        const qreal fade = bevelWidth > 1 ? qreal(i) / (bevelWidth - 1) * 0.35 : 0;
        const QColor top = mix(colours.light, colours.faceTop, fade);
        const QColor left = mix(colours.light.darker(112), colours.faceTop, fade);
        const QColor bottom = mix(colours.shadow, colours.faceBottom, fade);
        const QColor right = mix(colours.shadow.lighter(118), colours.faceBottom, fade);
        painter.fillRect(QRect(ring.left(), ring.top(), ring.width(), 1), top);
        painter.fillRect(QRect(ring.left(), ring.top() + 1, 1, ring.height() - 1), left);
        painter.fillRect(QRect(ring.left() + 1, ring.bottom(), ring.width() - 1, 1), bottom);
        painter.fillRect(QRect(ring.right(), ring.top() + 1, 1, ring.height() - 2), right);
    }
    QLinearGradient shade(face.topLeft(), face.bottomLeft());
    shade.setColorAt(0, colours.faceTop);
    shade.setColorAt(1, colours.faceBottom);
    painter.fillRect(face, shade);
    painter.restore();
}

void logoLettering(QPainter &painter, QPointF centre, qreal wordSize)
{
    using Lettering::Face;
    const bool small = wordSize < 30;
    const qreal goldSize = wordSize * (small ? 0.5 : 0.36);
    QPainterPath word = Lettering::path(Face::Title, wordSize, QStringLiteral("Zarnok"));
    QPainterPath gold = trackedText(Face::Sans, goldSize, QStringLiteral("GRAPHICS"),
                                    goldSize * (small ? 0.12 : 0.22));
    const qreal gap = wordSize * (small ? 0.1 : 0.16);
    const QRectF wordBox = word.boundingRect();
    const QRectF goldBox = gold.boundingRect();
    const qreal top = centre.y() - (wordBox.height() + gap + goldBox.height()) / 2;
    // Whole-pixel baselines keep the small logo's letters crisp.
    word.translate(std::round(centre.x() - wordBox.center().x()), std::round(top - wordBox.top()));
    gold.translate(std::round(centre.x() - goldBox.center().x()),
                   std::round(top + wordBox.height() + gap - goldBox.top()));

    painter.save();
    const QRectF w = word.boundingRect();
    QLinearGradient ice(w.topLeft(), w.bottomLeft());
    ice.setColorAt(0.0, QColor(250, 253, 255));
    ice.setColorAt(0.48, QColor(185, 215, 250));
    ice.setColorAt(0.52, QColor(125, 170, 235));
    ice.setColorAt(1.0, QColor(200, 226, 255));
    const QRectF g = gold.boundingRect();
    QLinearGradient metal(g.topLeft(), g.bottomLeft());
    // The small word is brighter: at a few pixels high its dark end would
    // read as brown.
    metal.setColorAt(0.0, QColor(255, 246, 190));
    metal.setColorAt(0.45, small ? QColor(252, 208, 84) : QColor(242, 192, 64));
    metal.setColorAt(1.0, small ? QColor(212, 142, 30) : QColor(176, 108, 16));

    if (!small) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 170));
        painter.drawPath(word.translated(wordSize * 0.05, wordSize * 0.05));
        painter.drawPath(gold.translated(goldSize * 0.07, goldSize * 0.07));
        painter.setPen(QPen(QColor(30, 50, 110), wordSize * 0.09, Qt::SolidLine, Qt::RoundCap,
                            Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(word);
        painter.setPen(QPen(QColor(70, 38, 0), goldSize * 0.12, Qt::SolidLine, Qt::RoundCap,
                            Qt::RoundJoin));
        painter.drawPath(gold);
    } else {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 20, 200));
        painter.drawPath(word.translated(1, 1));
        painter.drawPath(gold.translated(1, 1));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(ice);
    painter.drawPath(word);
    painter.setBrush(metal);
    painter.drawPath(gold);
    painter.restore();
}

} // namespace TitleKit
