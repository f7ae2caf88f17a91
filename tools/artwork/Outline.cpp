#include "Outline.h"

#include <algorithm>

namespace Outline {

QPainterPath ovalRing(const QRectF &outer, qreal thickness)
{
    QPainterPath path;
    path.addEllipse(outer);
    path.addEllipse(outer.adjusted(thickness, thickness, -thickness, -thickness));
    return path; // odd-even fill: the inner ellipse is the opening
}

QPainterPath stadium(const QRectF &bounds)
{
    const qreal r = std::min(bounds.width(), bounds.height()) / 2;
    QPainterPath path;
    path.addRoundedRect(bounds, r, r);
    return path;
}

QPainterPath diamond(const QRectF &bounds)
{
    QPainterPath path;
    path.moveTo(bounds.center().x(), bounds.top());
    path.lineTo(bounds.right(), bounds.center().y());
    path.lineTo(bounds.center().x(), bounds.bottom());
    path.lineTo(bounds.left(), bounds.center().y());
    path.closeSubpath();
    return path;
}

} // namespace Outline
