#ifndef MEDIANCUT_H
#define MEDIANCUT_H

#include <QImage>
#include <QList>
#include <QRgb>

// Reduces a picture to a palette of a fixed size by median cut, and maps
// pixels to their nearest palette colour. Deterministic: the same picture
// always gives the same palette in the same order.
class MedianCut final
{
public:
    MedianCut() = delete;

    // Exactly `size` colours. A picture with fewer distinct colours than that
    // gets its own colours followed by black padding.
    static QList<QRgb> palette(const QImage &image, int size);

    // The index of the palette colour nearest to `colour` (squared RGB
    // distance); on a tie, the lowest index.
    static int nearest(const QList<QRgb> &palette, QRgb colour);
};

#endif // MEDIANCUT_H
