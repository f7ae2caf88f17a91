#include "MedianCut.h"

#include <algorithm>
#include <array>
#include <climits>
#include <map>
#include <vector>

namespace {

struct Entry {
    std::array<int, 3> rgb;
    qint64 count;
};

// A box of the colour space, as a range of the entry list.
struct Box {
    std::size_t begin;
    std::size_t end;

    int longestAxis(const std::vector<Entry> &entries, int *range) const
    {
        int best = 0;
        *range = -1;
        for (int axis = 0; axis < 3; ++axis) {
            const auto [lo, hi] =
                std::minmax_element(entries.begin() + begin, entries.begin() + end,
                                    [axis](const Entry &a, const Entry &b) { return a.rgb[axis] < b.rgb[axis]; });
            const int axisRange = hi->rgb[axis] - lo->rgb[axis];
            if (axisRange > *range) {
                *range = axisRange;
                best = axis;
            }
        }
        return best;
    }
};

QRgb average(const std::vector<Entry> &entries, const Box &box)
{
    std::array<qint64, 3> sum{};
    qint64 total = 0;
    for (std::size_t i = box.begin; i < box.end; ++i) {
        for (int axis = 0; axis < 3; ++axis)
            sum[axis] += entries[i].rgb[axis] * entries[i].count;
        total += entries[i].count;
    }
    const auto channel = [&](int axis) { return int((sum[axis] * 2 + total) / (total * 2)); };
    return qRgb(channel(0), channel(1), channel(2));
}

} // namespace

QList<QRgb> MedianCut::palette(const QImage &image, int size)
{
    std::map<QRgb, qint64> histogram;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            ++histogram[image.pixel(x, y) | 0xff000000u];
    }
    std::vector<Entry> entries;
    entries.reserve(histogram.size());
    for (const auto &[colour, count] : histogram)
        entries.push_back({
            {qRed(colour), qGreen(colour), qBlue(colour)},
            count
        });

    std::vector<Box> boxes;
    if (!entries.empty())
        boxes.push_back({0, entries.size()});
    while (int(boxes.size()) < size) {
        // Split the box that spans the widest range of one channel; on a tie
        // the first such box.
        int chosen = -1;
        int chosenRange = 0;
        int chosenAxis = 0;
        for (int i = 0; i < int(boxes.size()); ++i) {
            int range = 0;
            const int axis = boxes[i].longestAxis(entries, &range);
            if (range > chosenRange) {
                chosen = i;
                chosenRange = range;
                chosenAxis = axis;
            }
        }
        if (chosen < 0)
            break; // every box holds a single colour

        Box &box = boxes[std::size_t(chosen)];
        const auto first = entries.begin() + box.begin;
        const auto last = entries.begin() + box.end;
        std::sort(first, last, [chosenAxis](const Entry &a, const Entry &b) {
            return a.rgb[chosenAxis] != b.rgb[chosenAxis] ? a.rgb[chosenAxis] < b.rgb[chosenAxis] : a.rgb < b.rgb;
        });
        qint64 total = 0;
        for (auto it = first; it != last; ++it)
            total += it->count;
        // Cut where half the pixels lie below, keeping both halves non-empty.
        qint64 below = 0;
        std::size_t cut = box.begin + 1;
        for (std::size_t i = box.begin; i + 1 < box.end; ++i) {
            below += entries[i].count;
            cut = i + 1;
            if (below * 2 >= total)
                break;
        }
        const Box upper{cut, box.end};
        box.end = cut;
        boxes.insert(boxes.begin() + chosen + 1, upper);
    }

    QList<QRgb> colours;
    colours.reserve(size);
    for (const Box &box : boxes)
        colours.append(average(entries, box));
    while (colours.size() < size)
        colours.append(qRgb(0, 0, 0));
    return colours;
}

int MedianCut::nearest(const QList<QRgb> &palette, QRgb colour)
{
    int best = 0;
    int bestDistance = INT_MAX;
    for (int i = 0; i < palette.size(); ++i) {
        const int dr = qRed(palette[i]) - qRed(colour);
        const int dg = qGreen(palette[i]) - qGreen(colour);
        const int db = qBlue(palette[i]) - qBlue(colour);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}
