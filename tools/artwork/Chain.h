#ifndef CHAIN_H
#define CHAIN_H

#include "Metal.h"

#include <QLineF>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

class QPainter;

// Chains of oval links in polished metal, drawn in the painter's coordinates.
namespace Chain {

struct Style {
    QSizeF link{46, 76}; // one oval link: width across the chain, length along it
    qreal thickness = 9; // of the link's wire
    Metal::Finish finish = Metal::Finish::Gold;
    bool diamonds = false; // links kept apart by gold diamonds instead of interlocking
    bool shaded = false; // airbrushed shadows where the links meet
};

// A chain of `links` oval links face on, along axis: axis.p1() is the outer
// end of the first link, axis.p2() that of the last, the links evenly spaced
// between. Interlocked links (no diamonds) need their spacing shorter than the
// link's length minus twice its thickness; each pair is woven as
// drawInterlocked weaves it. Diamonds need the links spaced apart.
void draw(QPainter &painter, const QLineF &axis, int links, const Style &style);

// Where the neighbouring links of that chain meet, in the painter's
// coordinates: for interlocked links the two crossings of each pair (first
// the one that lies on the picture's left when the chain hangs downwards),
// with diamonds the centre of each diamond.
QList<QPointF> joints(const QLineF &axis, int links, const Style &style);

// Two interlocked oval links, each cut back by a dark gap where the other
// passes in front: with `second` hanging below `first`, first passes in front
// at the crossing on the left, second at the one on the right. `shaded` adds
// airbrushed shadows at both crossings.
void drawInterlocked(QPainter &painter, const QRectF &first, const QRectF &second, qreal thickness,
                     Metal::Finish finish, bool shaded);

} // namespace Chain

#endif // CHAIN_H
