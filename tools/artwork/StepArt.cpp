#include "StepArt.h"

#include <QPainter>

// Stand-in drawings of the right size until the artwork is done.
namespace StepArt {

namespace {
void standIn(QPainter &painter, int step)
{
    painter.fillRect(0, 0, 300, 300, QColor(40 * step % 255, 90, 160));
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, 300, 300), Qt::AlignCenter, QStringLiteral("Step %1").arg(step));
}
} // namespace

void drawStep1(QPainter &painter) { standIn(painter, 1); }
void drawStep2(QPainter &painter) { standIn(painter, 2); }
void drawStep3(QPainter &painter) { standIn(painter, 3); }
void drawStep4(QPainter &painter) { standIn(painter, 4); }
void drawStep5(QPainter &painter) { standIn(painter, 5); }
void drawStep6(QPainter &painter) { standIn(painter, 6); }
void drawStep7(QPainter &painter) { standIn(painter, 7); }

} // namespace StepArt
