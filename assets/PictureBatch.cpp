#include "PictureBatch.h"

#include "PictureStore.h"

#include <utility>

PictureBatch::PictureBatch(std::span<const PictureId> wanted)
    : m_wanted(wanted.begin(), wanted.end())
    , m_worker(&PictureBatch::decodeUnclaimed, this)
{
}

void PictureBatch::decodeUnclaimed()
{
    for (std::size_t i = m_nextUnclaimed++; i < m_wanted.size(); i = m_nextUnclaimed++)
        m_pictures[std::size_t(m_wanted[i])] = PictureStore::decode(m_wanted[i]);
}

QImage PictureBatch::take(PictureId id)
{
    if (m_worker.joinable()) {
        decodeUnclaimed();
        m_worker.join();
    }
    return std::exchange(m_pictures[std::size_t(id)], QImage());
}
