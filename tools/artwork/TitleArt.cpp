#include "TitleArt.h"

#include <QPainter>

// Stand-in drawings of the right size until the artwork is done.
namespace TitleArt {

void drawMainIcon(QPainter &painter)
{
    painter.fillRect(0, 0, 32, 32, Qt::white);
    painter.fillRect(6, 6, 8, 20, Qt::black);
    painter.fillRect(18, 6, 8, 20, QColor(128, 128, 128));
    painter.fillRect(14, 26, 4, 4, QColor(192, 192, 192));
}

void drawAuthorIcon(QPainter &painter)
{
    painter.fillRect(0, 0, 80, 31, QColor(60, 90, 200));
    painter.fillRect(4, 4, 72, 23, QColor(200, 30, 30));
}

void drawGroupLogo(QPainter &painter)
{
    painter.fillRect(0, 0, 80, 31, QColor(10, 20, 90));
    painter.fillRect(4, 4, 72, 12, QColor(160, 200, 255));
    painter.fillRect(20, 18, 40, 8, QColor(220, 170, 40));
}

void drawIntro(QPainter &painter)
{
    painter.setPen(QPen(QColor(190, 190, 200), 6));
    painter.drawRect(10, 10, 280, 180);
}

void drawSplash(QPainter &painter)
{
    painter.setPen(QPen(QColor(220, 170, 40), 6));
    painter.drawRect(10, 10, 280, 380);
    painter.setBrush(QColor(170, 20, 20));
    painter.drawEllipse(100, 110, 100, 120);
}

} // namespace TitleArt
