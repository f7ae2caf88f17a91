#ifndef PAGETEXT_H
#define PAGETEXT_H

#include "PageCatalogue.h"

#include <QString>

// A page's text as the text box gives it back: Latin-1 read as such, each
// line break a single "\n".
inline QString expectedText(PageId page)
{
    const std::string latin1 = PageCatalogue::text(PageCatalogue::page(page));
    return QString::fromLatin1(latin1.data(), qsizetype(latin1.size()))
        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

#endif // PAGETEXT_H
