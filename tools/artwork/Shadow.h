#ifndef SHADOW_H
#define SHADOW_H

#include <QColor>
#include <QPainterPath>

class QPainter;

// Soft airbrushed shadows, drawn in the painter's coordinates: densest
// (`strength`, 0 to 1) along the caster's outline, fading out `reach` pixels
// away from it and shifted a little away from the light. They darken by
// multiplying towards `tint` (for gold, Metal::shadowTint keeps the shade warm).
namespace Shadow {

// The shadow that caster throws on the shape `onto` just behind it: only
// `onto` is darkened, nothing inside caster itself.
void cast(QPainter &painter, const QPainterPath &caster, const QPainterPath &onto, qreal reach, qreal strength,
          const QColor &tint);

// Paints caster's shadow alone, its shape blurred like an airbrush's spray,
// to be laid on the picture by multiplying: for layers (Layer.h) that mask
// it otherwise than cast() does.
void spray(QPainter &painter, const QPainterPath &caster, qreal reach, qreal strength, const QColor &tint);

} // namespace Shadow

#endif // SHADOW_H
