#ifndef METAL_H
#define METAL_H

#include <QBrush>
#include <QColor>

// The polished metals the links and ornaments are made of, each a colour
// ramp that the bevel's shading (Bevel.h) is mapped into.
namespace Metal {

enum class Finish {
    Gold, // pale highlight through gold to deep amber
    Steel, // the same ramp with zero saturation
};

// The finish's colour ramp, from the deepest shadow (0) to the highlight (1).
QGradientStops ramp(Finish finish);

// The colour a soft shadow on the finish darkens towards (see Shadow.h).
QColor shadowTint(Finish finish);

} // namespace Metal

#endif // METAL_H
