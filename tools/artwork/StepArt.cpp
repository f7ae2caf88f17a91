#include "StepArt.h"

#include "Arrow.h"
#include "Canvas.h"
#include "Chain.h"
#include "ChainPiece.h"
#include "Lettering.h"
#include "Metal.h"
#include "Outline.h"
#include "Shadow.h"

#include <QPainter>

// The lesson's story in pictures: steps 1 to 4 show the oval on a transparent
// layer as the paint program shows it, steps 5 to 7 the finished links on black.
namespace StepArt {

namespace {

const QRectF canvas(0, 0, 300, 300);

// The oval of steps 1 to 4, upright in the upper middle, and the selection
// contracted by 14 pixels; the ring left by the cut is as thick as the
// 14-pixel brush that draws the bar of step 4.
const QRectF oval(90, 30, 120, 176);
constexpr qreal contraction = 14;
const QRectF contracted = oval.adjusted(contraction, contraction, -contraction, -contraction);
const QColor orangeYellow(255, 192, 16);

QPainterPath ellipse(const QRectF &r)
{
    QPainterPath path;
    path.addEllipse(r);
    return path;
}

void fillLayer(QPainter &painter, const QPainterPath &shape, const QColor &colour)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(shape);
    painter.restore();
}

// White italic lettering with a thin dark edge, its baseline starting at origin.
void caption(QPainter &painter, QPointF origin, qreal size, const QString &text)
{
    const QPainterPath path = Lettering::path(Lettering::Face::SerifItalic, size, text).translated(origin);
    painter.save();
    painter.setPen(QPen(QColor(0, 0, 0, 220), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPath(path);
    painter.restore();
}

// The width of a caption's outline.
qreal captionWidth(qreal size, const QString &text)
{
    return Lettering::path(Lettering::Face::SerifItalic, size, text).boundingRect().width();
}

} // namespace

void drawStep1(QPainter &painter)
{
    Canvas::drawCheckerboard(painter, canvas);
    fillLayer(painter, ellipse(oval), orangeYellow);
    Canvas::drawMarchingAnts(painter, ellipse(oval));
}

void drawStep2(QPainter &painter)
{
    Canvas::drawCheckerboard(painter, canvas);
    fillLayer(painter, ellipse(oval), orangeYellow);
    Canvas::drawMarchingAnts(painter, ellipse(contracted));
}

void drawStep3(QPainter &painter)
{
    Canvas::drawCheckerboard(painter, canvas);
    fillLayer(painter, Outline::ovalRing(oval, contraction), orangeYellow);
}

void drawStep4(QPainter &painter)
{
    Canvas::drawCheckerboard(painter, canvas);
    QColor pale = orangeYellow;
    pale.setAlphaF(0.38f);
    fillLayer(painter, Outline::ovalRing(oval, contraction), pale);
    // One 14-pixel stroke of a hard round brush from the ring's top to its bottom.
    const QRectF stroke(oval.center().x() - contraction / 2, oval.top(), contraction, oval.height());
    fillLayer(painter, Outline::stadium(stroke), orangeYellow);
}

void drawStep5(QPainter &painter)
{
    const QRectF link(42, 12, 112, 156);
    constexpr qreal wire = 17;
    // The bar link hangs through the oval's opening, in front of its lower wire.
    const QRectF barLink(link.center().x() - 10, link.bottom() - wire - 22, 20, 156);
    ChainPiece::drawOvalLink(painter, link, wire);
    Shadow::cast(painter, Outline::stadium(barLink), Outline::ovalRing(link, wire), 26, 1.0,
                 Metal::shadowTint(Metal::Finish::Gold));
    ChainPiece::drawBarLink(painter, barLink);

    const QPointF joint(link.center().x(), link.bottom() - wire / 2);
    Arrow::drawPointer(painter, QPointF(200, 214), joint + QPointF(18, 8), 4);
    const QString text = QStringLiteral("airbrushed shadow");
    caption(painter, QPointF(292 - captionWidth(22, text), 246), 22, text);
}

void drawStep6(QPainter &painter)
{
    Chain::drawInterlocked(painter, QRectF(95, 14, 110, 156), QRectF(95, 128, 110, 156), 17, Metal::Finish::Gold, true);
}

void drawStep7(QPainter &painter)
{
    constexpr qreal top = 50, bottom = 288;
    const qreal columns[] = {36, 118, 190, 262};

    Chain::Style plain;
    plain.link = {46, 76};
    plain.thickness = 9;
    Chain::Style shaded = plain;
    shaded.shaded = true;
    Chain::Style jewelled;
    jewelled.link = {34, 42};
    jewelled.thickness = 7;
    jewelled.diamonds = true;
    jewelled.shaded = true;
    Chain::Style steel = jewelled;
    steel.finish = Metal::Finish::Steel;

    const Chain::Style *styles[] = {&plain, &shaded, &jewelled, &steel};
    for (int i = 0; i < 4; ++i)
        Chain::draw(painter, QLineF(columns[i], top, columns[i], bottom), 4, *styles[i]);

    // Marks the shading of the second chain's first joint, on its left.
    const QLineF second(columns[1], top, columns[1], bottom);
    const QPointF joint = Chain::joints(second, 4, shaded).first();
    Arrow::drawPointer(painter, QPointF(66, 38), joint + QPointF(-5, -4), 3);
    caption(painter, QPointF(12, 28), 19, QStringLiteral("airbrush here"));
}

} // namespace StepArt
