#include "Layer.h"

#include <QRadialGradient>

namespace Layer {

Mask softSpot(QPointF centre, qreal radius)
{
    QRadialGradient g(centre, radius);
    g.setColorAt(0.0, Qt::black);
    g.setColorAt(0.45, Qt::black);
    g.setColorAt(1.0, Qt::transparent);
    Mask m;
    m.path.addEllipse(centre, radius, radius);
    m.brush = QBrush(g);
    return m;
}

QImage maskImage(const QPainter &painter, QSize size, const Mask &mask)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setTransform(painter.worldTransform());
    p.fillPath(mask.path, mask.brush);
    if (mask.grow > 0)
        p.strokePath(mask.path, QPen(Qt::black, 2 * mask.grow, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    return image;
}

} // namespace Layer
