#ifndef LAYER_H
#define LAYER_H

#include <QBrush>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QPainterPath>

// Painting in a layer of its own, as a paint program would: masked, cut and
// laid on the picture in a blend mode. The chains weave their links and the
// shadows fall on what lies behind them this way.
namespace Layer {

// A mask shape for layers: the path, grown by `grow` pixels all round.
struct Mask {
    QPainterPath path;
    qreal grow = 0;
    QBrush brush = QBrush(Qt::black); // a gradient makes a soft mask
};

// A soft round mask: whole at the centre, fading to nothing at radius.
Mask softSpot(QPointF centre, qreal radius);

// The mask as an image of the device's size, in the painter's coordinates.
QImage maskImage(const QPainter &painter, QSize size, const Mask &mask);

// Paints `draw` on a layer of its own, keeps only what lies inside every
// `keep` mask and outside every `cut` path, and lays the layer on the picture
// in the given mode.
template<typename Draw>
void paint(QPainter &painter, const QList<Mask> &keep, const QList<QPainterPath> &cut, Draw draw,
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

} // namespace Layer

#endif // LAYER_H
