#include "FontConfigLoader.h"

#if VANTREL_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

FontConfigLoader::FontConfigLoader()
#if VANTREL_HAVE_FONTCONFIG
    : m_worker([] { FcInit(); })
#endif
{
}

void FontConfigLoader::wait()
{
    if (m_worker.joinable())
        m_worker.join();
}
