#include "PictureBatch.h"

#include "PictureStore.h"

#include <QImageReader>

#include <utility>

PictureBatch::PictureBatch(std::initializer_list<PictureSlot> wanted)
    : m_wanted(wanted)
{
#if defined(__MINGW32__)
    // MinGW's runtime can crash as a thread ends that has used a thread_local
    // with a destructor: one start of the program in twelve did, as this
    // batch's thread ended. Qt keeps its regular expressions' JIT stack in
    // one, and the first thread to look for the image readers uses regular
    // expressions; the calling thread looks first, so the batch's never does.
    QImageReader::supportedImageFormats();
#endif
    m_worker = std::jthread(&PictureBatch::decodeUnclaimed, this);
}

void PictureBatch::decodeUnclaimed()
{
    for (std::size_t i = m_nextUnclaimed++; i < m_wanted.size(); i = m_nextUnclaimed++)
        m_pictures[std::size_t(m_wanted[i])] = PictureStore::decode(m_wanted[i]);
}

QImage PictureBatch::take(PictureSlot slot)
{
    if (m_worker.joinable()) {
        decodeUnclaimed();
        m_worker.join();
    }
    return std::exchange(m_pictures[std::size_t(slot)], QImage());
}
