#ifndef METALLAYERS_H
#define METALLAYERS_H

#include <QBrush>
#include <QColor>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QPainterPath>

// How the metal pieces paint in layers of their own, as a paint program
// would: masked, cut and laid on the picture in a blend mode. Shared by the
// metal and the chains made of it; not for the pictures themselves.
namespace Metal {

// A mask shape for layers: the path, grown by `grow` pixels all round.
struct Mask {
    QPainterPath path;
    qreal grow = 0;
    QBrush brush = QBrush(Qt::black); // a gradient makes a soft mask
};

// A soft round mask: whole at the centre, fading to nothing at radius.
Mask softSpot(QPointF centre, qreal radius);

QImage maskImage(const QPainter &painter, QSize size, const Mask &mask);

// Paints `draw` on a layer of its own, keeps only what lies inside every
// `keep` mask and outside every `cut` path, and lays the layer on the picture
// in the given mode.
template <typename Draw>
void inLayer(QPainter &painter, const QList<Mask> &keep, const QList<QPainterPath> &cut, Draw draw,
             QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver)
{
    const QSize size(painter.device()->width(), painter.device()->height());
    QImage layer(size, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter lp(&layer);
        lp.setRenderHints(painter.renderHints());
        lp.setTransform(painter.worldTransform());
        draw(lp);
        lp.resetTransform();
        lp.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        for (const Mask &m : keep)
            lp.drawImage(0, 0, maskImage(painter, size, m));
        lp.setCompositionMode(QPainter::CompositionMode_DestinationOut);
        lp.setTransform(painter.worldTransform());
        for (const QPainterPath &c : cut)
            lp.fillPath(c, Qt::black);
    }
    painter.save();
    painter.resetTransform();
    painter.setCompositionMode(mode);
    painter.drawImage(0, 0, layer);
    painter.restore();
}

// Paints the soft shadow of caster, to be laid on the picture by
// multiplying: its shape blurred like an airbrush's spray, densest at
// caster's edge and shifted a little away from the light.
void castShadow(QPainter &painter, const QPainterPath &caster, qreal reach, qreal strength,
                const QColor &tint);

} // namespace Metal

#endif // METALLAYERS_H
