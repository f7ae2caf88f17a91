#ifndef METAL_H
#define METAL_H

#include <QBrush>
#include <QColor>
#include <QLineF>
#include <QList>
#include <QPainterPath>
#include <QRectF>
#include <QRgb>
#include <QSizeF>

class QPainter;

// Painting pieces shared by the pictures: polished metal as a paint program's
// inner-bevel filter makes it, lit from the top left, chain links built from
// it, and the marks of a paint program's canvas (the transparency
// checkerboard, the dashed selection outline). Everything is drawn in the
// painter's coordinates and honours its transform; the bevel shading is
// computed in device pixels, so rotated or scaled links stay crisp and their
// light still comes from the top left of the picture.
namespace Metal {

enum class Finish {
    Gold,  // pale highlight through gold to deep amber
    Steel, // the same ramp with zero saturation
};

// How a bevel's cross-section rises from the shape's edge.
enum class Profile {
    Round,   // a quarter circle: a ring twice as thick as the bevel reads as round wire
    Chamfer, // a flat 45-degree facet: a diamond becomes a four-sided pyramid
};

// The finish's colour ramp, from the deepest shadow (0) to the highlight (1).
// Any other ramp (a blue plate, a red medallion) can be passed to drawBevelled.
QGradientStops ramp(Finish finish);

// A plain fill for shapes too small to bevel: the ramp laid diagonally over
// bounds, highlight at the top left, shadow at the bottom right.
QLinearGradient gradient(Finish finish, const QRectF &bounds);

// Fills shape as polished metal whose edges are bevelled `bevel` pixels deep.
void drawBevelled(QPainter &painter, const QPainterPath &shape, const QGradientStops &ramp,
                  qreal bevel, Profile profile = Profile::Round);
void drawBevelled(QPainter &painter, const QPainterPath &shape, Finish finish, qreal bevel,
                  Profile profile = Profile::Round);

// The outlines the links are made of.
QPainterPath ovalRing(const QRectF &outer, qreal thickness); // ellipse minus the ellipse `thickness` inside it
QPainterPath bar(const QRectF &bounds);                      // a stadium, round at both ends of its long side
QPainterPath diamond(const QRectF &bounds);                  // corners at the middles of the sides

// An oval link seen face on: a round wire ring of the given thickness.
void drawOvalLink(QPainter &painter, const QRectF &outer, qreal thickness,
                  Finish finish = Finish::Gold);
// A link seen edge on: a bevelled bar with round ends.
void drawBarLink(QPainter &painter, const QRectF &bounds, Finish finish = Finish::Gold);
// A faceted diamond.
void drawDiamond(QPainter &painter, const QRectF &bounds, Finish finish = Finish::Gold);

// A soft round spot of black paint, densest (`strength`, 0 to 1) at the centre
// of spot and fading to nothing at its edge.
void drawAirbrush(QPainter &painter, const QRectF &spot, qreal strength = 0.85);

// The soft airbrushed shadow that caster throws on the shape `onto` just
// behind it: densest (`strength`, 0 to 1) along caster's outline, fading out
// `reach` pixels away from it, shifted a little away from the light. It
// darkens by multiplying towards `tint` (for gold, shadowTint(Gold) keeps
// the shade warm); only `onto` is darkened, nothing inside caster itself.
QColor shadowTint(Finish finish);
void drawCastShadow(QPainter &painter, const QPainterPath &caster, const QPainterPath &onto,
                    qreal reach, qreal strength = 0.85, const QColor &tint = QColor(0, 0, 0));

struct ChainStyle {
    QSizeF link {46, 76};  // one oval link: width across the chain, length along it
    qreal thickness = 9;   // of the link's wire
    Finish finish = Finish::Gold;
    bool diamonds = false; // links kept apart by gold diamonds instead of interlocking
    bool shaded = false;   // airbrushed shadows where the links meet
};

// A chain of `links` oval links face on, along axis: axis.p1() is the outer
// end of the first link, axis.p2() that of the last, the links evenly spaced
// between. Interlocked links (no diamonds) need their spacing shorter than the
// link's length minus twice its thickness (see linksToSpan); each pair is
// woven as drawInterlocked weaves it. Diamonds need the links spaced apart.
void drawChain(QPainter &painter, const QLineF &axis, int links, const ChainStyle &style);

// The fewest links that interlock snugly along a chain `length` long (from the
// outer end of the first link to that of the last).
int linksToSpan(qreal length, const ChainStyle &style);

// Where the neighbouring links of that chain meet, in the painter's
// coordinates: for interlocked links the two crossings of each pair (first
// the one that lies on the picture's left when the chain hangs downwards),
// with diamonds the centre of each diamond.
QList<QPointF> chainJoints(const QLineF &axis, int links, const ChainStyle &style);

// Two interlocked oval links, each cut back by a dark gap where the other
// passes in front: with `second` hanging below `first`, first passes in front
// at the crossing on the left, second at the one on the right. `shaded` adds
// airbrushed shadows at both crossings.
void drawInterlocked(QPainter &painter, const QRectF &first, const QRectF &second,
                     qreal thickness, Finish finish = Finish::Gold, bool shaded = false);

// The checkerboard a paint program shows through a transparent layer, cells
// of `cell` pixels starting with checkerWhite at area's top left.
inline constexpr QRgb checkerWhite = 0xffffffff;
inline constexpr QRgb checkerBlue = 0xffc8d7f5;
void drawCheckerboard(QPainter &painter, const QRectF &area, qreal cell = 8);

// A selection outline: one-pixel black and white dashes ("marching ants").
void drawMarchingAnts(QPainter &painter, const QPainterPath &outline);

// A white arrow from tail to tip, its shaft `width` pixels wide, edged in
// black so that it stands out on metal too.
void drawArrow(QPainter &painter, QPointF tail, QPointF tip, qreal width = 4);

} // namespace Metal

#endif // METAL_H
