#ifndef TITLEART_H
#define TITLEART_H

class QPainter;

// The window icon, the two logo plates and the intro picture, each drawn
// onto a black canvas of its own size. The splash card is in SplashArt.h.
namespace TitleArt {
void drawMainIcon(QPainter &painter); // 32 x 32
// The icon's white square and letters with smooth edges, in its 32 x 32
// coordinates: the icon before its reduction to four colours.
void drawMainIconLetters(QPainter &painter);
void drawAuthorIcon(QPainter &painter); // 80 x 31
void drawGroupLogo(QPainter &painter); // 80 x 31
void drawIntro(QPainter &painter); // 300 x 200
} // namespace TitleArt

#endif // TITLEART_H
