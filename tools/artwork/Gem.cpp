#include "Gem.h"

#include <QPainter>
#include <QRadialGradient>

#include <algorithm>

namespace Gem {

void draw(QPainter &painter, QPointF centre, qreal radius, QColor tint)
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

} // namespace Gem
