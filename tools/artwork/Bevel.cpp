#include "Bevel.h"

#include "BoxBlur.h"

#include <QImage>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace Bevel {

namespace {

// The bevel is shaded on a grid this many times finer than the pixels and
// averaged down, which smooths both the outline and the shading.
constexpr int Supersample = 4;

// Distance in pixels from every inside point of the fine grid to the shape's
// outline, flattened finely, up to `reach`; farther points get `reach`. Exact
// distances to the outline keep the bevel free of the stair steps a distance
// transform of the pixel grid would leave in the shading.
std::vector<float> distanceToOutline(const QPainterPath &devicePath, const QRect &box, const QImage &mask, float reach)
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

struct RampColour {
    float r, g, b;
};

// The ramp sampled at 256 points.
std::array<RampColour, 256> sampleRamp(const QGradientStops &stops)
{
    std::array<RampColour, 256> table{};
    if (stops.isEmpty())
        return table;
    for (int i = 0; i < 256; ++i) {
        const qreal t = i / 255.0;
        auto hi = std::find_if(stops.begin(), stops.end(), [t](const QGradientStop &s) { return s.first >= t; });
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
    QImage mask(box.width() * Supersample, box.height() * Supersample, QImage::Format_ARGB32_Premultiplied);
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
QImage renderBevel(const QPainterPath &devicePath, const QRect &box, const QGradientStops &stops, qreal bevel,
                   Profile profile)
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
    boxBlur(height, w, h, S / 4);

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
            line[ox] = qRgba(int(std::lround(r / n)), int(std::lround(g / n)), int(std::lround(b / n)),
                             int(std::lround(a / n * 255)));
        }
    }
    return out;
}

} // namespace

void draw(QPainter &painter, const QPainterPath &shape, const QGradientStops &stops, qreal bevel, Profile profile)
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

void draw(QPainter &painter, const QPainterPath &shape, Metal::Finish finish, qreal bevel, Profile profile)
{
    draw(painter, shape, Metal::ramp(finish), bevel, profile);
}

} // namespace Bevel
