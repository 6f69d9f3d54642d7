#pragma once

#include "Classify.h"
#include "ReadingOptions.h"

#include "pages/Fragments.h"

namespace store {
class ContentStore;
}

namespace nav {

// Where the pages go: the page file, the About page file, the bullet picture.
struct PageFiles {
    pages::Target target;
    QString about;
};

// Writes the page of the action (nothing for About) and returns the path of
// the file to show. With pinyin, a poem page carries the piece's readings.
QString carryOut(const Action& action, store::ContentStore& content, const PageFiles& files,
                 const ReadingOptions& options = {});

} // namespace nav
