#ifndef CHAINPIECE_H
#define CHAINPIECE_H

#include "Metal.h"

#include <QRectF>

class QPainter;

// The pieces chains are made of, in bevelled metal (Bevel.h), drawn in the
// painter's coordinates.
namespace ChainPiece {

// An oval link seen face on: a round wire ring of the given thickness.
void drawOvalLink(QPainter &painter, const QRectF &outer, qreal thickness, Metal::Finish finish = Metal::Finish::Gold);
// A link seen edge on: a bevelled bar with round ends.
void drawBarLink(QPainter &painter, const QRectF &bounds, Metal::Finish finish = Metal::Finish::Gold);
// A faceted diamond, the spacer of a jewelled chain.
void drawDiamond(QPainter &painter, const QRectF &bounds, Metal::Finish finish);

} // namespace ChainPiece

#endif // CHAINPIECE_H
