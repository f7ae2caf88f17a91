#include "Shadow.h"

#include "BoxBlur.h"
#include "Layer.h"

#include <QImage>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <vector>

namespace Shadow {

void cast(QPainter &painter, const QPainterPath &caster, const QPainterPath &onto, qreal reach, qreal strength,
          const QColor &tint)
{
    Layer::paint(
        painter, {{onto}}, {caster}, [&](QPainter &p) { spray(p, caster, reach, strength, tint); },
        QPainter::CompositionMode_Multiply);
}

void spray(QPainter &painter, const QPainterPath &caster, qreal reach, qreal strength, const QColor &tint)
{
    const QTransform toDevice = painter.worldTransform();
    const qreal scale = std::sqrt(std::abs(toDevice.determinant()));
    const int radius = std::max(1, int(std::lround(reach * scale / 2)));
    const QRect box =
        toDevice.map(caster).boundingRect().toAlignedRect().adjusted(-3 * radius, -3 * radius, 3 * radius, 3 * radius);
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
        boxBlur(alpha, w, h, radius);

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

} // namespace Shadow
