#ifndef LETTERING_H
#define LETTERING_H

#include <QPainterPath>
#include <QPointF>
#include <QString>

// Lettering as outlines from font files of the machine's font packages,
// unhinted, so that the pictures do not depend on the font configuration.
namespace Lettering {

enum class Face {
    Serif, // Nimbus Roman Bold
    SerifItalic, // Nimbus Roman Bold Italic
    Sans, // Nimbus Sans Bold
    Title, // C059 Bold
    Script, // Z003 Medium Italic
};

// The text's outline with its baseline at y = 0, starting at x = 0.
// Throws std::runtime_error if the face's file cannot be read.
QPainterPath path(Face face, qreal pixelSize, const QString &text);

// The same with `tracking` extra pixels between letters.
QPainterPath trackedPath(Face face, qreal pixelSize, const QString &text, qreal tracking);

// The outline moved so that the centre of its bounding box lies at `centre`.
QPainterPath centredAt(const QPainterPath &outline, QPointF centre);

} // namespace Lettering

#endif // LETTERING_H
