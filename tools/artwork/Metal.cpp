#include "Metal.h"

namespace Metal {

QGradientStops ramp(Finish finish)
{
    if (finish == Finish::Steel) {
        return {
            {0.00, QColor(22,  22,  22) },
            {0.18, QColor(58,  58,  58) },
            {0.38, QColor(104, 104, 104)},
            {0.55, QColor(148, 148, 148)},
            {0.70, QColor(188, 188, 188)},
            {0.85, QColor(224, 224, 224)},
            {1.00, QColor(252, 252, 252)}
        };
    }
    return {
        {0.00, QColor(40,  18,  0)  },
        {0.16, QColor(98,  50,  4)  },
        {0.36, QColor(168, 100, 12) },
        {0.54, QColor(226, 160, 28) },
        {0.70, QColor(250, 206, 64) },
        {0.86, QColor(255, 238, 150)},
        {1.00, QColor(255, 250, 214)}
    };
}

// Shaded gold stays warm instead of turning olive.
QColor shadowTint(Finish finish)
{
    return finish == Finish::Gold ? QColor(64, 28, 0) : QColor(18, 18, 18);
}

} // namespace Metal
