#include "LogoLettering.h"

#include "Lettering.h"

#include <QLinearGradient>
#include <QPainter>

#include <cmath>

namespace LogoLettering {

void draw(QPainter &painter, QPointF centre, qreal wordSize)
{
    using Lettering::Face;
    const bool small = wordSize < 30;
    const qreal goldSize = wordSize * (small ? 0.5 : 0.36);
    QPainterPath word = Lettering::path(Face::Title, wordSize, QStringLiteral("Zarnok"));
    QPainterPath gold =
        Lettering::trackedPath(Face::Sans, goldSize, QStringLiteral("GRAPHICS"), goldSize * (small ? 0.12 : 0.22));
    const qreal gap = wordSize * (small ? 0.1 : 0.16);
    const QRectF wordBox = word.boundingRect();
    const QRectF goldBox = gold.boundingRect();
    const qreal top = centre.y() - (wordBox.height() + gap + goldBox.height()) / 2;
    // Whole-pixel baselines keep the small logo's letters crisp.
    word.translate(std::round(centre.x() - wordBox.center().x()), std::round(top - wordBox.top()));
    gold.translate(std::round(centre.x() - goldBox.center().x()),
                   std::round(top + wordBox.height() + gap - goldBox.top()));

    painter.save();
    const QRectF w = word.boundingRect();
    QLinearGradient ice(w.topLeft(), w.bottomLeft());
    ice.setColorAt(0.0, QColor(250, 253, 255));
    ice.setColorAt(0.48, QColor(185, 215, 250));
    ice.setColorAt(0.52, QColor(125, 170, 235));
    ice.setColorAt(1.0, QColor(200, 226, 255));
    const QRectF g = gold.boundingRect();
    QLinearGradient metal(g.topLeft(), g.bottomLeft());
    // The small word is brighter: at a few pixels high its dark end would
    // read as brown.
    metal.setColorAt(0.0, QColor(255, 246, 190));
    metal.setColorAt(0.45, small ? QColor(252, 208, 84) : QColor(242, 192, 64));
    metal.setColorAt(1.0, small ? QColor(212, 142, 30) : QColor(176, 108, 16));

    if (!small) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 170));
        painter.drawPath(word.translated(wordSize * 0.05, wordSize * 0.05));
        painter.drawPath(gold.translated(goldSize * 0.07, goldSize * 0.07));
        painter.setPen(QPen(QColor(30, 50, 110), wordSize * 0.09, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(word);
        painter.setPen(QPen(QColor(70, 38, 0), goldSize * 0.12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(gold);
    } else {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 20, 200));
        painter.drawPath(word.translated(1, 1));
        painter.drawPath(gold.translated(1, 1));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(ice);
    painter.drawPath(word);
    painter.setBrush(metal);
    painter.drawPath(gold);
    painter.restore();
}

} // namespace LogoLettering
