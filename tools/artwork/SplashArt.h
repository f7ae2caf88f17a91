#ifndef SPLASHART_H
#define SPLASHART_H

class QPainter;

// The splash card, 300 by 400, drawn onto a black canvas: the lesson's title
// and the group's logo framed in gold chains, a medallion, a banner and the
// author's signature.
namespace SplashArt {
void draw(QPainter &painter);
} // namespace SplashArt

#endif // SPLASHART_H
