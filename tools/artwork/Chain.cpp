#include "Chain.h"

#include "ChainPiece.h"
#include "Layer.h"
#include "Outline.h"
#include "Shadow.h"

#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace Chain {

namespace {

QPainterPath rectPath(const QRectF &r)
{
    QPainterPath p;
    p.addRect(r);
    return p;
}

// Half the width across of an ellipse's centre line at height y, or -1 where
// the line does not reach.
qreal halfWidthAt(const QRectF &centreLine, qreal y)
{
    const qreal a = centreLine.width() / 2, b = centreLine.height() / 2;
    const qreal v = (y - centreLine.center().y()) / b;
    return v * v <= 1 ? a * std::sqrt(1 - v * v) : -1;
}

// Where the centre lines of two links, the second below the first, cross:
// the crossing on the right, in the links' own frame.
QPointF crossing(const QRectF &first, const QRectF &second, qreal thickness)
{
    const qreal m = thickness / 2;
    const QRectF c1 = first.adjusted(m, m, -m, -m);
    const QRectF c2 = second.adjusted(m, m, -m, -m);
    const qreal top = std::max(c1.top(), c2.top());
    const qreal bottom = std::min(c1.bottom(), c2.bottom());
    QPointF best((c1.center().x() + c2.center().x()) / 2, (top + bottom) / 2);
    qreal bestGap = 1e9;
    constexpr int Steps = 400;
    for (int i = 0; i <= Steps; ++i) {
        const qreal y = top + (bottom - top) * i / Steps;
        const qreal x1 = halfWidthAt(c1, y), x2 = halfWidthAt(c2, y);
        if (x1 < 0 || x2 < 0)
            continue;
        const qreal gap = std::abs((c1.center().x() + x1) - (c2.center().x() + x2));
        if (gap < bestGap) {
            bestGap = gap;
            best = QPointF(c1.center().x() + x1, y);
        }
    }
    return best;
}

// The two links of a joint, in a frame where the second hangs straight below
// the first, both centred on x = 0. Both are drawn already, the second on
// top; this brings the first to the front on the left and cuts a dark gap
// into whichever link lies behind, next to the one in front.
void weave(QPainter &painter, const QRectF &first, const QRectF &second, qreal thickness, Metal::Finish finish,
           bool shaded)
{
    const QPainterPath ring1 = Outline::ovalRing(first, thickness);
    const QPainterPath ring2 = Outline::ovalRing(second, thickness);
    const qreal top = second.top() - 2;
    const qreal bottom = first.bottom() + 2;
    const qreal reach = std::max(first.width(), second.width());
    const QRectF left(-reach, top, reach, bottom - top);
    const QRectF right(0, top, reach, bottom - top);
    const qreal gap = std::max<qreal>(1.2, thickness * 0.16);
    const QPen gapPen(QColor(0, 0, 0, 235), 2 * gap, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);

    const QPointF rightCrossing = crossing(first, second, thickness);
    const QPointF leftCrossing(-rightCrossing.x(), rightCrossing.y());
    const qreal shadowReach = thickness * 1.5;
    const qreal spread = thickness * 2.3;
    const QColor tint = Metal::shadowTint(finish);

    // Where `front` passes over `behind`, on the given side: the gap cut into
    // `behind` and, shaded, the shadow `front` throws on it.
    const auto overlap = [&](const QPainterPath &front, const QPainterPath &behind, const QRectF &side, QPointF at) {
        Layer::paint(painter, {{behind}, {rectPath(side)}}, {front}, [&](QPainter &p) { p.strokePath(front, gapPen); });
        if (shaded) {
            Layer::paint(
                painter, {{behind}, Layer::softSpot(at, spread)}, {front},
                [&](QPainter &p) { Shadow::spray(p, front, shadowReach, 1.0, tint); },
                QPainter::CompositionMode_Multiply);
        }
    };

    // Left crossing: the first link in front of the second.
    overlap(ring1, ring2, left, leftCrossing);
    Layer::paint(painter,
                 {
                     {rectPath(left)},
                     { ring2,           1.5}
    },
                 {}, [&](QPainter &p) { ChainPiece::drawOvalLink(p, first, thickness, finish); });
    // Right crossing: the second link is in front already.
    overlap(ring2, ring1, right, rightCrossing);
}

// The transform from a chain's own frame (first link's outer end at the
// origin, the chain running down +y) to the painter's coordinates.
QTransform chainFrame(const QLineF &axis)
{
    const qreal length = axis.length();
    const qreal dx = length > 0 ? axis.dx() / length : 0;
    const qreal dy = length > 0 ? axis.dy() / length : 1;
    return QTransform(dy, -dx, dx, dy, axis.p1().x(), axis.p1().y());
}

struct Layout {
    QList<QRectF> links;
    QList<QRectF> diamonds;
};

Layout layOut(const QLineF &axis, int links, const Style &style)
{
    Layout layout;
    const qreal w = style.link.width(), l = style.link.height();
    const qreal pitch = links > 1 ? (axis.length() - l) / (links - 1) : 0;
    for (int i = 0; i < links; ++i)
        layout.links.append(QRectF(-w / 2, i * pitch, w, l));
    if (style.diamonds && pitch > l) {
        // Each diamond's points pass behind the links' wire.
        const qreal tuck = style.thickness * 0.35;
        const qreal length = pitch - l + 2 * tuck;
        const qreal across = std::min(w * 0.75, length * 0.8);
        for (int i = 0; i + 1 < links; ++i) {
            const qreal mid = i * pitch + l + (pitch - l) / 2;
            layout.diamonds.append(QRectF(-across / 2, mid - length / 2, across, length));
        }
    }
    return layout;
}

} // namespace

void draw(QPainter &painter, const QLineF &axis, int links, const Style &style)
{
    if (links < 1)
        return;
    const Layout layout = layOut(axis, links, style);
    painter.save();
    painter.setTransform(chainFrame(axis), true);
    if (style.diamonds) {
        for (const QRectF &d : layout.diamonds)
            ChainPiece::drawDiamond(painter, d, Metal::Finish::Gold);
        for (const QRectF &l : layout.links)
            ChainPiece::drawOvalLink(painter, l, style.thickness, style.finish);
        if (style.shaded) {
            // The wire throws a soft shadow on the diamonds' points.
            for (qsizetype i = 0; i < layout.diamonds.size(); ++i) {
                const QPainterPath upper = Outline::ovalRing(layout.links[i], style.thickness);
                const QPainterPath lower = Outline::ovalRing(layout.links[i + 1], style.thickness);
                const QColor tint = Metal::shadowTint(Metal::Finish::Gold);
                Layer::paint(
                    painter, {{Outline::diamond(layout.diamonds[i])}}, {upper, lower},
                    [&](QPainter &p) {
                        Shadow::spray(p, upper, style.thickness * 0.7, 0.7, tint);
                        Shadow::spray(p, lower, style.thickness * 0.7, 0.7, tint);
                    },
                    QPainter::CompositionMode_Multiply);
            }
        }
    } else {
        for (const QRectF &l : layout.links)
            ChainPiece::drawOvalLink(painter, l, style.thickness, style.finish);
        for (qsizetype i = 0; i + 1 < layout.links.size(); ++i)
            weave(painter, layout.links[i], layout.links[i + 1], style.thickness, style.finish, style.shaded);
    }
    painter.restore();
}

QList<QPointF> joints(const QLineF &axis, int links, const Style &style)
{
    const Layout layout = layOut(axis, links, style);
    const QTransform frame = chainFrame(axis);
    QList<QPointF> points;
    if (style.diamonds) {
        for (const QRectF &d : layout.diamonds)
            points.append(frame.map(d.center()));
        return points;
    }
    for (qsizetype i = 0; i + 1 < layout.links.size(); ++i) {
        const QPointF c = crossing(layout.links[i], layout.links[i + 1], style.thickness);
        points.append(frame.map(QPointF(-c.x(), c.y())));
        points.append(frame.map(c));
    }
    return points;
}

void drawInterlocked(QPainter &painter, const QRectF &first, const QRectF &second, qreal thickness,
                     Metal::Finish finish, bool shaded)
{
    const QLineF line(first.center(), second.center());
    const QTransform frame = chainFrame(line);
    // Both links in the frame that runs from first's centre to second's.
    const qreal distance = line.length();
    auto local = [](const QRectF &r, qreal y) {
        return QRectF(-r.width() / 2, y - r.height() / 2, r.width(), r.height());
    };
    const QRectF a = local(first, 0);
    const QRectF b = local(second, distance);
    painter.save();
    painter.setTransform(frame, true);
    ChainPiece::drawOvalLink(painter, a, thickness, finish);
    ChainPiece::drawOvalLink(painter, b, thickness, finish);
    weave(painter, a, b, thickness, finish, shaded);
    painter.restore();
}

} // namespace Chain
