#include "Wire.h"

#include "Bevel.h"

#include <QPainter>
#include <QPainterPathStroker>

namespace Wire {

void draw(QPainter &painter, const QPainterPath &path, qreal width, const QGradientStops &ramp)
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

} // namespace Wire
