#include "Plate.h"

#include <QLinearGradient>
#include <QPainter>

#include <cmath>

namespace Plate {

namespace {

// Linear interpolation between two colours, t in [0, 1].
QColor mix(QColor a, QColor b, qreal t)
{
    const auto lerp = [t](int x, int y) { return int(std::lround(x + (y - x) * t)); };
    return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()),
                  lerp(a.alpha(), b.alpha()));
}

} // namespace

void draw(QPainter &painter, const QRect &rect, int rimWidth, int bevelWidth, const Colours &colours)
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

} // namespace Plate
