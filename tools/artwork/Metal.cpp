#include "Metal.h"

#include <QImage>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace Metal {

namespace {

// The bevel is shaded on a grid this many times finer than the pixels and
// averaged down, which smooths both the outline and the shading.
constexpr int Supersample = 4;

// Distance in pixels from every inside point of the fine grid to the shape's
// outline, flattened finely, up to `reach`; farther points get `reach`. Exact
// distances to the outline keep the bevel free of the stair steps a distance
// transform of the pixel grid would leave in the shading.
std::vector<float> distanceToOutline(const QPainterPath &devicePath, const QRect &box,
                                     const QImage &mask, float reach)
{
    const int S = Supersample;
    const int w = mask.width();
    const int h = mask.height();

    struct Segment {
        QPointF a, b;
    };
    std::vector<Segment> segments;
    // Flattened at a sixteenth of a pixel's tolerance.
    constexpr qreal Fine = 16;
    const QPointF origin = box.topLeft();
    for (const QPolygonF &polygon : devicePath.toSubpathPolygons(QTransform::fromScale(Fine, Fine))) {
        for (qsizetype i = 0; i + 1 < polygon.size(); ++i)
            segments.push_back({polygon[i] / Fine - origin, polygon[i + 1] / Fine - origin});
        if (polygon.size() > 2 && polygon.first() != polygon.last())
            segments.push_back({polygon.last() / Fine - origin, polygon.first() / Fine - origin});
    }

    // Buckets of pixels, each listing the segments that come within reach of it.
    const int cell = std::max(4, int(std::ceil(reach)));
    const int cols = box.width() / cell + 1;
    const int rows = box.height() / cell + 1;
    std::vector<std::vector<int>> buckets(size_t(cols) * rows);
    for (int i = 0; i < int(segments.size()); ++i) {
        const Segment &s = segments[size_t(i)];
        const int x0 = std::clamp(int(std::floor((std::min(s.a.x(), s.b.x()) - reach) / cell)), 0, cols - 1);
        const int x1 = std::clamp(int(std::floor((std::max(s.a.x(), s.b.x()) + reach) / cell)), 0, cols - 1);
        const int y0 = std::clamp(int(std::floor((std::min(s.a.y(), s.b.y()) - reach) / cell)), 0, rows - 1);
        const int y1 = std::clamp(int(std::floor((std::max(s.a.y(), s.b.y()) + reach) / cell)), 0, rows - 1);
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                buckets[size_t(y) * cols + x].push_back(i);
    }

    std::vector<float> distance(size_t(w) * h, 0.0f);
    for (int y = 0; y < h; ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(mask.constScanLine(y));
        const double py = (y + 0.5) / S;
        for (int x = 0; x < w; ++x) {
            if (qAlpha(line[x]) == 0)
                continue;
            const double px = (x + 0.5) / S;
            const int cx = std::min(int(px) / cell, cols - 1);
            const int cy = std::min(int(py) / cell, rows - 1);
            double best = double(reach) * reach;
            for (int i : buckets[size_t(cy) * cols + cx]) {
                const Segment &s = segments[size_t(i)];
                const double ex = s.b.x() - s.a.x(), ey = s.b.y() - s.a.y();
                const double qx = px - s.a.x(), qy = py - s.a.y();
                const double len2 = ex * ex + ey * ey;
                const double t = len2 > 0 ? std::clamp((qx * ex + qy * ey) / len2, 0.0, 1.0) : 0.0;
                const double dx = qx - t * ex, dy = qy - t * ey;
                best = std::min(best, dx * dx + dy * dy);
            }
            distance[size_t(y) * w + x] = float(std::sqrt(best));
        }
    }
    return distance;
}

// Box blur of radius r along both axes, in place.
void blur(std::vector<float> &a, int w, int h, int r)
{
    std::vector<float> tmp(a.size());
    const float norm = 1.0f / float(2 * r + 1);
    for (int y = 0; y < h; ++y) {
        const float *row = &a[size_t(y) * w];
        for (int x = 0; x < w; ++x) {
            float s = 0;
            for (int i = -r; i <= r; ++i)
                s += row[std::clamp(x + i, 0, w - 1)];
            tmp[size_t(y) * w + x] = s * norm;
        }
    }
    for (int x = 0; x < w; ++x) {
        for (int y = 0; y < h; ++y) {
            float s = 0;
            for (int i = -r; i <= r; ++i)
                s += tmp[size_t(std::clamp(y + i, 0, h - 1)) * w + x];
            a[size_t(y) * w + x] = s * norm;
        }
    }
}

struct RampColour {
    float r, g, b;
};

// The ramp sampled at 256 points.
std::array<RampColour, 256> sampleRamp(const QGradientStops &stops)
{
    std::array<RampColour, 256> table {};
    if (stops.isEmpty())
        return table;
    for (int i = 0; i < 256; ++i) {
        const qreal t = i / 255.0;
        auto hi = std::find_if(stops.begin(), stops.end(),
                               [t](const QGradientStop &s) { return s.first >= t; });
        QColor c;
        if (hi == stops.begin()) {
            c = hi->second;
        } else if (hi == stops.end()) {
            c = stops.back().second;
        } else {
            const auto lo = hi - 1;
            const qreal span = hi->first - lo->first;
            const qreal u = span > 0 ? (t - lo->first) / span : 0;
            c = QColor::fromRgbF(float(lo->second.redF() + (hi->second.redF() - lo->second.redF()) * u),
                                 float(lo->second.greenF() + (hi->second.greenF() - lo->second.greenF()) * u),
                                 float(lo->second.blueF() + (hi->second.blueF() - lo->second.blueF()) * u));
        }
        table[size_t(i)] = {float(c.red()), float(c.green()), float(c.blue())};
    }
    return table;
}

// The shape's coverage on the fine grid, 0 to 255.
QImage coverage(const QPainterPath &devicePath, const QRect &box)
{
    QImage mask(box.width() * Supersample, box.height() * Supersample,
                QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    QPainter p(&mask);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(Supersample, Supersample);
    p.translate(-box.topLeft());
    p.fillPath(devicePath, Qt::black);
    return mask;
}

// Renders the bevelled shape, given in device pixels, into an image covering
// box: a height field rises from the outline with the profile, its normals
// reflect a light from the top left into the ramp.
QImage renderBevel(const QPainterPath &devicePath, const QRect &box, const QGradientStops &stops,
                   qreal bevel, Profile profile)
{
    const int S = Supersample;
    const QImage mask = coverage(devicePath, box);
    const int w = mask.width();
    const int h = mask.height();

    const float depth = float(std::max<qreal>(bevel, 0.5));
    std::vector<float> height = distanceToOutline(devicePath, box, mask, depth + 1);
    for (float &v : height) {
        const float x = std::min(v / depth, 1.0f);
        if (profile == Profile::Round)
            v = depth * std::sqrt(1.0f - (1.0f - x) * (1.0f - x));
        else
            v = depth * x;
    }
    blur(height, w, h, S / 4);

    const auto table = sampleRamp(stops);
    // The highlight takes the colour of the ramp's brightest tone.
    const RampColour glint = table.back();
    // Light from the top left, a little in front of the picture.
    const float lx = -0.55f, ly = -0.68f, lz = 0.48f;
    const float ll = std::sqrt(lx * lx + ly * ly + lz * lz);
    const float Lx = lx / ll, Ly = ly / ll, Lz = lz / ll;

    QImage out(box.size(), QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    const float diagonal = float(box.width() + box.height());
    for (int oy = 0; oy < box.height(); ++oy) {
        QRgb *line = reinterpret_cast<QRgb *>(out.scanLine(oy));
        for (int ox = 0; ox < box.width(); ++ox) {
            float r = 0, g = 0, b = 0, a = 0;
            for (int sy = 0; sy < S; ++sy) {
                const int y = oy * S + sy;
                const QRgb *mline = reinterpret_cast<const QRgb *>(mask.constScanLine(y));
                for (int sx = 0; sx < S; ++sx) {
                    const int x = ox * S + sx;
                    const float cover = qAlpha(mline[x]) / 255.0f;
                    if (cover <= 0)
                        continue;
                    auto at = [&](int xx, int yy) {
                        return height[size_t(std::clamp(yy, 0, h - 1)) * w + size_t(std::clamp(xx, 0, w - 1))];
                    };
                    const float gx = (at(x + 1, y) - at(x - 1, y)) * 0.5f * S;
                    const float gy = (at(x, y + 1) - at(x, y - 1)) * 0.5f * S;
                    float nx = -gx, ny = -gy, nz = 1.0f;
                    const float nl = std::sqrt(nx * nx + ny * ny + nz * nz);
                    nx /= nl;
                    ny /= nl;
                    nz /= nl;
                    // The viewer's direction mirrored in the surface.
                    const float rx = 2 * nz * nx, ry = 2 * nz * ny, rz = 2 * nz * nz - 1;
                    const float u = rx * Lx + ry * Ly + rz * Lz;
                    // Polished metal mirrors a bright sky above a dark
                    // horizon; the light adds a hot highlight.
                    const float up = std::clamp((-ry + 0.10f) / 0.45f, 0.0f, 1.0f);
                    const float sky = up * up * (3 - 2 * up);
                    float tone = 0.34f + 0.34f * u + 0.26f * sky;
                    // A slight fall-off across the whole shape, lighter at the top left.
                    tone += 0.08f * (0.5f - float(ox + oy) / diagonal);
                    tone = std::clamp(tone, 0.0f, 1.0f);
                    const RampColour &c = table[size_t(std::lround(tone * 255))];
                    const float sheen = u > 0 ? std::pow(u, 40.0f) : 0.0f;
                    r += cover * std::min(255.0f, c.r + sheen * glint.r);
                    g += cover * std::min(255.0f, c.g + sheen * glint.g);
                    b += cover * std::min(255.0f, c.b + sheen * glint.b);
                    a += cover;
                }
            }
            const float n = float(S * S);
            line[ox] = qRgba(int(std::lround(r / n)), int(std::lround(g / n)),
                             int(std::lround(b / n)), int(std::lround(a / n * 255)));
        }
    }
    return out;
}

// A mask shape for layers: the path, grown by `grow` pixels all round.
struct Mask {
    QPainterPath path;
    qreal grow = 0;
    QBrush brush = QBrush(Qt::black); // a gradient makes a soft mask
};

// A soft round mask: whole at the centre, fading to nothing at radius.
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

// Paints the soft shadow of caster, to be laid on the picture by
// multiplying: its shape blurred like an airbrush's spray, densest at
// caster's edge and shifted a little away from the light.
void castShadow(QPainter &painter, const QPainterPath &caster, qreal reach, qreal strength,
                const QColor &tint)
{
    const QTransform toDevice = painter.worldTransform();
    const qreal scale = std::sqrt(std::abs(toDevice.determinant()));
    const int radius = std::max(1, int(std::lround(reach * scale / 2)));
    const QRect box = toDevice.map(caster).boundingRect().toAlignedRect().adjusted(
        -3 * radius, -3 * radius, 3 * radius, 3 * radius);
    if (box.isEmpty())
        return;

    QImage shape(box.size(), QImage::Format_ARGB32_Premultiplied);
    shape.fill(Qt::transparent);
    {
        QPainter p(&shape);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(-box.topLeft());
        p.setTransform(toDevice, true);
        p.fillPath(caster, Qt::black);
    }
    const int w = box.width(), h = box.height();
    std::vector<float> alpha(size_t(w) * h);
    for (int y = 0; y < h; ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(shape.constScanLine(y));
        for (int x = 0; x < w; ++x)
            alpha[size_t(y) * w + x] = qAlpha(line[x]) / 255.0f;
    }
    for (int pass = 0; pass < 3; ++pass)
        blur(alpha, w, h, radius);

    const float density = float(std::clamp<qreal>(strength, 0, 1));
    QImage shadow(box.size(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < h; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(shadow.scanLine(y));
        for (int x = 0; x < w; ++x) {
            // Half the spray falls outside the edge; make up for it.
            const float a = std::min(1.0f, 2.4f * alpha[size_t(y) * w + x]) * density;
            line[x] = qRgba(int(std::lround(tint.red() * a)), int(std::lround(tint.green() * a)),
                            int(std::lround(tint.blue() * a)), int(std::lround(a * 255)));
        }
    }
    painter.save();
    painter.resetTransform();
    painter.drawImage(QPointF(box.topLeft()) + QPointF(0.18, 0.24) * reach * scale, shadow);
    painter.restore();
}

// The two links of a joint, in a frame where the second hangs straight below
// the first, both centred on x = 0. Both are drawn already, the second on
// top; this brings the first to the front on the left and cuts a dark gap
// into whichever link lies behind, next to the one in front.
void weave(QPainter &painter, const QRectF &first, const QRectF &second, qreal thickness,
           Finish finish, bool shaded)
{
    const QPainterPath ring1 = ovalRing(first, thickness);
    const QPainterPath ring2 = ovalRing(second, thickness);
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

    // Left crossing: the first link in front of the second.
    inLayer(painter, {{ring2}, {rectPath(left)}}, {ring1},
            [&](QPainter &p) { p.strokePath(ring1, gapPen); });
    if (shaded) {
        inLayer(painter, {{ring2}, softSpot(leftCrossing, spread)}, {ring1},
                [&](QPainter &p) { castShadow(p, ring1, shadowReach, 1.0, shadowTint(finish)); },
                QPainter::CompositionMode_Multiply);
    }
    inLayer(painter, {{rectPath(left)}, {ring2, 1.5}}, {},
            [&](QPainter &p) { drawOvalLink(p, first, thickness, finish); });
    // Right crossing: the second link is in front already.
    inLayer(painter, {{ring1}, {rectPath(right)}}, {ring2},
            [&](QPainter &p) { p.strokePath(ring2, gapPen); });
    if (shaded) {
        inLayer(painter, {{ring1}, softSpot(rightCrossing, spread)}, {ring2},
                [&](QPainter &p) { castShadow(p, ring2, shadowReach, 1.0, shadowTint(finish)); },
                QPainter::CompositionMode_Multiply);
    }
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

struct ChainLayout {
    QList<QRectF> links;
    QList<QRectF> diamonds;
};

ChainLayout layOut(const QLineF &axis, int links, const ChainStyle &style)
{
    ChainLayout layout;
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

QGradientStops ramp(Finish finish)
{
    if (finish == Finish::Steel) {
        return {{0.00, QColor(22, 22, 22)},   {0.18, QColor(58, 58, 58)},
                {0.38, QColor(104, 104, 104)}, {0.55, QColor(148, 148, 148)},
                {0.70, QColor(188, 188, 188)}, {0.85, QColor(224, 224, 224)},
                {1.00, QColor(252, 252, 252)}};
    }
    return {{0.00, QColor(40, 18, 0)},    {0.16, QColor(98, 50, 4)},
            {0.36, QColor(168, 100, 12)}, {0.54, QColor(226, 160, 28)},
            {0.70, QColor(250, 206, 64)}, {0.86, QColor(255, 238, 150)},
            {1.00, QColor(255, 250, 214)}};
}

// Shaded gold stays warm instead of turning olive.
QColor shadowTint(Finish finish)
{
    return finish == Finish::Gold ? QColor(64, 28, 0) : QColor(18, 18, 18);
}

QLinearGradient gradient(Finish finish, const QRectF &bounds)
{
    QLinearGradient g(bounds.topLeft(), bounds.bottomRight());
    QGradientStops stops;
    // Highlight first: the gradient runs from the top left.
    for (const QGradientStop &s : ramp(finish))
        stops.prepend({1 - s.first, s.second});
    g.setStops(stops);
    return g;
}

void drawBevelled(QPainter &painter, const QPainterPath &shape, const QGradientStops &stops,
                  qreal bevel, Profile profile)
{
    const QTransform toDevice = painter.worldTransform();
    const QPainterPath devicePath = toDevice.map(shape);
    const QRect box = devicePath.boundingRect().toAlignedRect().adjusted(-2, -2, 2, 2);
    if (box.isEmpty())
        return;
    // The bevel's depth is given in the painter's units.
    const qreal scale = std::sqrt(std::abs(toDevice.determinant()));
    const QImage image = renderBevel(devicePath, box, stops, bevel * scale, profile);
    painter.save();
    painter.resetTransform();
    painter.drawImage(box.topLeft(), image);
    painter.restore();
}

void drawBevelled(QPainter &painter, const QPainterPath &shape, Finish finish, qreal bevel,
                  Profile profile)
{
    drawBevelled(painter, shape, ramp(finish), bevel, profile);
}

QPainterPath ovalRing(const QRectF &outer, qreal thickness)
{
    QPainterPath path;
    path.addEllipse(outer);
    path.addEllipse(outer.adjusted(thickness, thickness, -thickness, -thickness));
    return path; // odd-even fill: the inner ellipse is the opening
}

QPainterPath bar(const QRectF &bounds)
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

void drawOvalLink(QPainter &painter, const QRectF &outer, qreal thickness, Finish finish)
{
    drawBevelled(painter, ovalRing(outer, thickness), finish, thickness / 2);
}

void drawBarLink(QPainter &painter, const QRectF &bounds, Finish finish)
{
    drawBevelled(painter, bar(bounds), finish, std::min(bounds.width(), bounds.height()) / 2);
}

void drawDiamond(QPainter &painter, const QRectF &bounds, Finish finish)
{
    // Facets round a flat table, as a cut stone.
    drawBevelled(painter, diamond(bounds), finish, std::min(bounds.width(), bounds.height()) * 0.3,
                 Profile::Chamfer);
}

void drawAirbrush(QPainter &painter, const QRectF &spot, qreal strength)
{
    const int a = int(std::lround(std::clamp<qreal>(strength, 0, 1) * 255));
    QRadialGradient g(QPointF(0, 0), 1);
    g.setColorAt(0.0, QColor(0, 0, 0, a));
    g.setColorAt(0.35, QColor(0, 0, 0, a * 3 / 4));
    g.setColorAt(0.7, QColor(0, 0, 0, a / 4));
    g.setColorAt(1.0, QColor(0, 0, 0, 0));
    painter.save();
    painter.translate(spot.center());
    painter.scale(spot.width() / 2, spot.height() / 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(g);
    painter.drawEllipse(QPointF(0, 0), 1, 1);
    painter.restore();
}

void drawCastShadow(QPainter &painter, const QPainterPath &caster, const QPainterPath &onto,
                    qreal reach, qreal strength, const QColor &tint)
{
    inLayer(painter, {{onto}}, {caster},
            [&](QPainter &p) { castShadow(p, caster, reach, strength, tint); },
            QPainter::CompositionMode_Multiply);
}

void drawChain(QPainter &painter, const QLineF &axis, int links, const ChainStyle &style)
{
    if (links < 1)
        return;
    const ChainLayout layout = layOut(axis, links, style);
    painter.save();
    painter.setTransform(chainFrame(axis), true);
    if (style.diamonds) {
        for (const QRectF &d : layout.diamonds)
            drawDiamond(painter, d, Finish::Gold);
        for (const QRectF &l : layout.links)
            drawOvalLink(painter, l, style.thickness, style.finish);
        if (style.shaded) {
            // The wire throws a soft shadow on the diamonds' points.
            for (qsizetype i = 0; i < layout.diamonds.size(); ++i) {
                const QPainterPath upper = ovalRing(layout.links[i], style.thickness);
                const QPainterPath lower = ovalRing(layout.links[i + 1], style.thickness);
                inLayer(painter, {{diamond(layout.diamonds[i])}}, {upper, lower}, [&](QPainter &p) {
                    castShadow(p, upper, style.thickness * 0.7, 0.7, shadowTint(Finish::Gold));
                    castShadow(p, lower, style.thickness * 0.7, 0.7, shadowTint(Finish::Gold));
                }, QPainter::CompositionMode_Multiply);
            }
        }
    } else {
        for (const QRectF &l : layout.links)
            drawOvalLink(painter, l, style.thickness, style.finish);
        for (qsizetype i = 0; i + 1 < layout.links.size(); ++i)
            weave(painter, layout.links[i], layout.links[i + 1], style.thickness, style.finish,
                  style.shaded);
    }
    painter.restore();
}

int linksToSpan(qreal length, const ChainStyle &style)
{
    // Each link's end reaches past the next link's wire, with a little air between.
    const qreal pitch = style.link.height() - 2 * style.thickness - std::max<qreal>(2, style.thickness * 0.45);
    if (pitch <= 0 || length <= style.link.height())
        return 1;
    return int(std::ceil((length - style.link.height()) / pitch)) + 1;
}

QList<QPointF> chainJoints(const QLineF &axis, int links, const ChainStyle &style)
{
    const ChainLayout layout = layOut(axis, links, style);
    const QTransform frame = chainFrame(axis);
    QList<QPointF> joints;
    if (style.diamonds) {
        for (const QRectF &d : layout.diamonds)
            joints.append(frame.map(d.center()));
        return joints;
    }
    for (qsizetype i = 0; i + 1 < layout.links.size(); ++i) {
        const QPointF c = crossing(layout.links[i], layout.links[i + 1], style.thickness);
        joints.append(frame.map(QPointF(-c.x(), c.y())));
        joints.append(frame.map(c));
    }
    return joints;
}

void drawInterlocked(QPainter &painter, const QRectF &first, const QRectF &second,
                     qreal thickness, Finish finish, bool shaded)
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
    drawOvalLink(painter, a, thickness, finish);
    drawOvalLink(painter, b, thickness, finish);
    weave(painter, a, b, thickness, finish, shaded);
    painter.restore();
}

void drawCheckerboard(QPainter &painter, const QRectF &area, qreal cell)
{
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    painter.fillRect(area, QColor::fromRgb(checkerWhite));
    const int columns = int(std::ceil(area.width() / cell));
    const int rows = int(std::ceil(area.height() / cell));
    const QColor blue = QColor::fromRgb(checkerBlue);
    for (int row = 0; row < rows; ++row) {
        for (int column = (row + 1) % 2; column < columns; column += 2)
            painter.fillRect(QRectF(area.left() + column * cell, area.top() + row * cell, cell, cell),
                             blue);
    }
    painter.restore();
}

void drawMarchingAnts(QPainter &painter, const QPainterPath &outline)
{
    painter.save();
    // Crisp single pixels, as a paint program draws its selection.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawPath(outline);
    QPen dashes(Qt::black, 1, Qt::CustomDashLine, Qt::FlatCap);
    dashes.setDashPattern({4, 4});
    painter.setPen(dashes);
    painter.drawPath(outline);
    painter.restore();
}

void drawArrow(QPainter &painter, QPointF tail, QPointF tip, qreal width)
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

} // namespace Metal
