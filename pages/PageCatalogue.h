#ifndef PAGECATALOGUE_H
#define PAGECATALOGUE_H

#include "PageId.h"
#include "TutorialPage.h"

#include <string>

// The fixed content of the lesson: nine pages in the order of the button row.
namespace PageCatalogue {

const TutorialPage &page(PageId id);

// The page's pieces joined end to end, as ISO 8859-1 (Latin-1) bytes.
std::string text(const TutorialPage &page);

} // namespace PageCatalogue

#endif // PAGECATALOGUE_H
