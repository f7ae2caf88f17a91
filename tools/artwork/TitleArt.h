#ifndef TITLEART_H
#define TITLEART_H

class QPainter;

// The window icon, the two logo plates, the intro picture and the splash
// card, each drawn onto a black canvas of its own size.
namespace TitleArt {
void drawMainIcon(QPainter &painter);   // 32 x 32
void drawAuthorIcon(QPainter &painter); // 80 x 31
void drawGroupLogo(QPainter &painter);  // 80 x 31
void drawIntro(QPainter &painter);      // 300 x 200
void drawSplash(QPainter &painter);     // 300 x 400
} // namespace TitleArt

#endif // TITLEART_H
