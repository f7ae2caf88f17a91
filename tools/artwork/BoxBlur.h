#ifndef BOXBLUR_H
#define BOXBLUR_H

#include <vector>

// Box blur of `radius` along both axes, in place, over a grid of `width` by
// `height` values stored row by row; the edge values repeat outwards. The
// bevel smooths its height field with it, the shadow its spray.
void boxBlur(std::vector<float> &values, int width, int height, int radius);

#endif // BOXBLUR_H
