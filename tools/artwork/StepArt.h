#ifndef STEPART_H
#define STEPART_H

class QPainter;

// The seven step pictures, 300 by 300, each drawn onto a black canvas.
namespace StepArt {
void drawStep1(QPainter &painter);
void drawStep2(QPainter &painter);
void drawStep3(QPainter &painter);
void drawStep4(QPainter &painter);
void drawStep5(QPainter &painter);
void drawStep6(QPainter &painter);
void drawStep7(QPainter &painter);
} // namespace StepArt

#endif // STEPART_H
