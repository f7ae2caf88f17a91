#ifndef TITLEKIT_H
#define TITLEKIT_H

#include "Lettering.h"

#include <QColor>
#include <QGradient>
#include <QPainterPath>
#include <QRectF>

class QPainter;

// Drawing pieces shared by the title pictures: spaced lettering, metal
// wire, glass gems, arrow tips, bevelled plates and the group's logo lettering.
namespace TitleKit {

// The text's outline with `tracking` extra pixels between letters.
QPainterPath trackedText(Lettering::Face face, qreal pixelSize, const QString &text,
                         qreal tracking);

// The path moved so that the centre of its bounding box lies at `centre`.
QPainterPath centredAt(const QPainterPath &path, QPointF centre);

// Strokes a path as round wire, bevelled with the colour ramp as polished
// metal is (see Bevel.h), edged in black where it crosses other work.
void wire(QPainter &painter, const QPainterPath &path, qreal width, const QGradientStops &ramp);

// A round glass gem of colour `tint` with a highlight at its top left.
void gem(QPainter &painter, QPointF centre, qreal radius, QColor tint);

// An arrow head pointing along `direction` (unit vector) from its base at `base`.
void arrowTip(QPainter &painter, QPointF base, QPointF direction, qreal length, qreal halfWidth,
              QColor light, QColor dark);

// A plate with a rim of `rimWidth` pixels and bevelled edges lit from the
// top left, axis aligned on whole pixels.
struct PlateColours {
    QColor rim;
    QColor light;  // top and left bevel
    QColor shadow; // bottom and right bevel
    QColor faceTop;
    QColor faceBottom;
};
void bevelPlate(QPainter &painter, const QRect &rect, int rimWidth, int bevelWidth,
                const PlateColours &colours);

// The group's logo lettering: the pale-blue word "Zarnok" over the smaller
// gold word "GRAPHICS", centred on `centre`. `wordSize` is the pixel size of
// the upper word; everything else scales with it.
void logoLettering(QPainter &painter, QPointF centre, qreal wordSize);

// Linear interpolation between two colours, t in [0, 1].
QColor mix(QColor a, QColor b, qreal t);

} // namespace TitleKit

#endif // TITLEKIT_H
