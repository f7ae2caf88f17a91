#include "Arrow.h"

#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>

namespace Arrow {

void drawPointer(QPainter &painter, QPointF tail, QPointF tip, qreal width)
{
    const QLineF line(tail, tip);
    const qreal length = line.length();
    if (length <= 0)
        return;
    const qreal headLength = std::min(width * 4.2, length * 0.6);
    const qreal headHalf = width * 2.2;
    QPainterPath arrow;
    arrow.moveTo(0, -width / 2);
    arrow.lineTo(length - headLength, -width / 2);
    arrow.lineTo(length - headLength, -headHalf);
    arrow.lineTo(length, 0);
    arrow.lineTo(length - headLength, headHalf);
    arrow.lineTo(length - headLength, width / 2);
    arrow.lineTo(0, width / 2);
    arrow.closeSubpath();

    painter.save();
    painter.translate(tail);
    painter.rotate(-line.angle());
    painter.setPen(QPen(QColor(0, 0, 0, 200), 1.6, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.setBrush(Qt::white);
    painter.drawPath(arrow);
    painter.restore();
}

void drawHead(QPainter &painter, QPointF base, QPointF direction, qreal length, qreal halfWidth, QColor light,
              QColor dark)
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

} // namespace Arrow
