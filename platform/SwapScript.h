#pragma once

#include "PageParts.h"

#include <QString>

// The scripts that put a page's content into the document already shown.
// They run in a world of their own, apart from the page's scripts.
namespace platform::swapScript {

// Decodes the title and the body as the engine decodes a page in code page
// 936, puts them in, scrolls to the top and lays the page out. Evaluates to
// the number of pictures still loading, or to -1 when the document has no
// title element to take the title.
QString putIn(const PageParts& parts);

// Evaluates to the bytes as the engine decodes code page 936: the decoder
// putIn uses for a piece that our own decoding cannot give exactly.
QString decodedInPage(const QByteArray& bytes);

// Evaluates to the number of pictures of the document still loading.
QString picturesLoading();

} // namespace platform::swapScript
