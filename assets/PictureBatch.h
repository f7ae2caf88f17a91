#ifndef PICTUREBATCH_H
#define PICTUREBATCH_H

#include "PictureTable.h"

#include <QImage>

#include <array>
#include <atomic>
#include <span>
#include <thread>
#include <vector>

// Decodes a set of pictures through PictureStore on a thread of its own, so
// that the caller can do other work meanwhile. The first take() decodes what
// is still left alongside the thread, then joins it: the whole set is ready
// from then on.
class PictureBatch final
{
public:
    explicit PictureBatch(std::span<const PictureId> wanted);

    // Hands over the decoded picture; the batch keeps no copy. A picture
    // that was not in the set, or was taken before, gives a null image.
    QImage take(PictureId id);

private:
    // Decodes the pictures that no thread has claimed yet.
    void decodeUnclaimed();

    const std::vector<PictureId> m_wanted;
    std::atomic<std::size_t> m_nextUnclaimed = 0;
    // Each picture is written by the one thread that claimed it.
    std::array<QImage, PictureCount> m_pictures;
    // Started once the rest exists, and last, so that it is joined before
    // the rest goes.
    std::jthread m_worker;
};

#endif // PICTUREBATCH_H
