#include "BoxBlur.h"

#include <algorithm>
#include <cstddef>

void boxBlur(std::vector<float> &a, int w, int h, int r)
{
    std::vector<float> tmp(a.size());
    const float norm = 1.0f / float(2 * r + 1);
    for (int y = 0; y < h; ++y) {
        const float *row = &a[size_t(y) * w];
        for (int x = 0; x < w; ++x) {
            float s = 0;
            for (int i = -r; i <= r; ++i)
                s += row[std::clamp(x + i, 0, w - 1)];
            tmp[size_t(y) * w + x] = s * norm;
        }
    }
    for (int x = 0; x < w; ++x) {
        for (int y = 0; y < h; ++y) {
            float s = 0;
            for (int i = -r; i <= r; ++i)
                s += tmp[size_t(std::clamp(y + i, 0, h - 1)) * w + x];
            a[size_t(y) * w + x] = s * norm;
        }
    }
}
