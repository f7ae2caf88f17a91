#include "ChainPiece.h"

#include "Bevel.h"
#include "Outline.h"

#include <algorithm>

namespace ChainPiece {

void drawOvalLink(QPainter &painter, const QRectF &outer, qreal thickness, Metal::Finish finish)
{
    Bevel::draw(painter, Outline::ovalRing(outer, thickness), finish, thickness / 2);
}

void drawBarLink(QPainter &painter, const QRectF &bounds, Metal::Finish finish)
{
    Bevel::draw(painter, Outline::stadium(bounds), finish, std::min(bounds.width(), bounds.height()) / 2);
}

void drawDiamond(QPainter &painter, const QRectF &bounds, Metal::Finish finish)
{
    // Facets round a flat table, as a cut stone.
    Bevel::draw(painter, Outline::diamond(bounds), finish, std::min(bounds.width(), bounds.height()) * 0.3,
                Bevel::Profile::Chamfer);
}

} // namespace ChainPiece
